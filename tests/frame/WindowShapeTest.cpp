#include "frame/OutlineTables.h"
#include "frame/WindowShape.h"

#include "platform/Screen.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace zv {
namespace {

class WindowShapeTest : public ::testing::Test {
protected:
    WindowShapeTest() : m_window(&m_clientArea)
    {
        m_clientArea.resize(1024, 768);
        m_window.setGeometry(40, 30, 641, 562);
        m_clientArea.show();
    }

    QWidget m_clientArea;
    QWidget m_window;
    WindowShape m_shape;
};

TEST_F(WindowShapeTest, ApplyMasksTheWindowToTheBuiltOutline)
{
    const FixedScreen screen({1024, 768}, 96);
    ApplyWindowShape(m_window, m_shape, ConsoleOutline(), screen);

    const QRegion expected = BuildOutline(ConsoleOutline(), 1, 1, 0, 0, 15, 15);
    EXPECT_EQ(m_shape.region(), expected);
    EXPECT_EQ(m_window.mask(), expected);
    EXPECT_TRUE(m_shape.isApplied());
}

TEST_F(WindowShapeTest, ApplyUsesTheScreensTwipsPerPixel)
{
    const FixedScreen screen({1280, 960}, 120);
    m_shape.apply(m_window, SelectionOutline(), screen);

    const QRegion expected = BuildOutline(SelectionOutline(), 1, 1, 0, 0, 12, 12);
    EXPECT_EQ(m_window.mask(), expected);
    EXPECT_NE(expected, BuildOutline(SelectionOutline(), 1, 1, 0, 0, 15, 15));
}

TEST_F(WindowShapeTest, ReleaseClearsTheMaskAndForgetsTheOutline)
{
    const FixedScreen screen;
    ApplyWindowShape(m_window, m_shape, ConsoleOutline(), screen);
    ReleaseWindowShape(m_window, m_shape);

    EXPECT_TRUE(m_window.mask().isEmpty());
    EXPECT_TRUE(m_shape.region().isEmpty());
    EXPECT_FALSE(m_shape.isApplied());

    // Loaded again, the window builds a fresh outline.
    m_shape.apply(m_window, SmallToolOutline(), screen);
    EXPECT_EQ(m_window.mask(), BuildOutline(SmallToolOutline(), 1, 1, 0, 0, 15, 15));
}

} // namespace
} // namespace zv
