#include "frame/DragWindow.h"

#include "platform/Screen.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace zv {
namespace {

constexpr QPoint startPosition(100, 100);
constexpr QSize windowSize(362, 180);
constexpr QPoint pressPoint(10, 10);

// A skinned child window inside a client area that fills a 1024 x 768 screen.
class WindowDraggerTest : public ::testing::Test {
protected:
    void SetUp() override { makeWindows(std::make_unique<FixedScreen>(QSize(1024, 768), 96)); }

    void makeWindows(std::unique_ptr<Screen> screen,
                     DragVariant variant = DragVariant::Standard)
    {
        m_clientArea.reset();
        m_screen = std::move(screen);
        m_clientArea = std::make_unique<QWidget>();
        m_clientArea->resize(m_screen->pixelSize());
        m_window = new QWidget(m_clientArea.get());
        m_window->setGeometry(QRect(startPosition, windowSize));
        m_dragger = new WindowDragger(*m_window, variant, *m_screen);
        m_clientArea->show();
    }

    // Sends a mouse event to the window at a screen position, as the window system would.
    void sendAt(QEvent::Type type, QPoint global, Qt::MouseButton button,
                Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, m_window->mapFromGlobal(global), global, button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(m_window, &event);
    }

    std::unique_ptr<Screen> m_screen;
    std::unique_ptr<QWidget> m_clientArea;
    QWidget* m_window = nullptr;
    WindowDragger* m_dragger = nullptr;
};

struct DragCase {
    const char* what;
    DragVariant variant;
    double dpi;
    Qt::MouseButton button;
    QPoint start;
    QPoint delta;
    QPoint expected;
};

std::ostream& operator<<(std::ostream& out, const DragCase& c)
{
    return out << c.what;
}

class DragThroughEventsTest : public WindowDraggerTest,
                              public ::testing::WithParamInterface<DragCase> {};

TEST_P(DragThroughEventsTest, FollowsThePointerThenClamps)
{
    const DragCase& c = GetParam();
    makeWindows(std::make_unique<FixedScreen>(QSize(1024, 768), c.dpi), c.variant);
    m_window->move(c.start);

    QTest::mousePress(m_window, c.button, Qt::NoModifier, pressPoint);
    QTest::mouseMove(m_window, pressPoint + c.delta);
    EXPECT_EQ(m_window->pos(), c.start + c.delta) << "no clamp during the move";
    QTest::mouseRelease(m_window, c.button, Qt::NoModifier, pressPoint + c.delta);

    EXPECT_EQ(m_window->pos(), c.expected);
    EXPECT_FALSE(m_dragger->isDragging());
}

constexpr DragVariant Standard = DragVariant::Standard;
constexpr DragVariant Listing = DragVariant::FoundFilesList;

// At 96 DPI the window is 5430 x 2700 twips on a 15360 x 11520 twip screen.
INSTANTIATE_TEST_SUITE_P(
    Drags, DragThroughEventsTest,
    ::testing::Values(
        DragCase{"in range", Standard, 96, Qt::LeftButton, startPosition, {50, 30}, {150, 130}},
        // 50 twips is 3.33 pixels.
        DragCase{"right button to the left edge", Standard, 96, Qt::RightButton, startPosition,
                 {-100, 0}, {3, 100}},
        DragCase{"middle button above the top", Standard, 96, Qt::MiddleButton, startPosition,
                 {0, -150}, {100, 0}},
        // 15360 - 5430 - 200 = 9730 twips, 648.67 pixels.
        DragCase{"past the right edge", Standard, 96, Qt::LeftButton, startPosition, {700, 0},
                 {649, 100}},
        // 11520 - 2700 - 100 = 8720 twips, 581.33 pixels.
        DragCase{"past the bottom", Standard, 96, Qt::LeftButton, startPosition, {0, 600},
                 {100, 581}},
        DragCase{"press and release still clamps", Standard, 96, Qt::LeftButton, {0, 0}, {0, 0},
                 {3, 0}},
        DragCase{"list hangs off the right", Listing, 96, Qt::LeftButton, startPosition,
                 {700, 0}, {800, 100}},
        // 15360 - 1357.5 - 10 = 13992.5 twips, 932.83 pixels.
        DragCase{"list too far right", Listing, 96, Qt::LeftButton, startPosition, {900, 0},
                 {933, 100}},
        // 11520 - 675 - 10 = 10835 twips, 722.33 pixels.
        DragCase{"list too far down", Listing, 96, Qt::LeftButton, startPosition, {0, 700},
                 {100, 722}},
        // At 120 DPI a pixel is 12 twips: 50 twips is 4.17 pixels.
        DragCase{"left edge at 120 DPI", Standard, 120, Qt::LeftButton, startPosition,
                 {-100, 0}, {4, 100}}));

TEST_F(WindowDraggerTest, FollowsTheScreenPositionAcrossSeveralMoves)
{
    const QPoint pressed = m_window->mapToGlobal(pressPoint);
    sendAt(QEvent::MouseButtonPress, pressed, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint step : {QPoint(20, 0), QPoint(40, 5), QPoint(30, 5)})
        sendAt(QEvent::MouseMove, pressed + step, Qt::NoButton, Qt::LeftButton);
    sendAt(QEvent::MouseButtonRelease, pressed + QPoint(30, 5), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(m_window->pos(), startPosition + QPoint(30, 5));
}

TEST_F(WindowDraggerTest, PressOnAControlDoesNotMoveTheWindow)
{
    auto* label = new QLabel(QStringLiteral("Marsh.gmx"), m_window);
    label->setGeometry(0, 0, 120, 30);
    label->show();

    QTest::mousePress(label, Qt::LeftButton, Qt::NoModifier, pressPoint);
    QTest::mouseMove(label, pressPoint + QPoint(80, 80));
    QTest::mouseRelease(label, Qt::LeftButton, Qt::NoModifier, pressPoint + QPoint(80, 80));

    EXPECT_EQ(m_window->pos(), startPosition);
    EXPECT_FALSE(m_dragger->isDragging());

    // The body beside the control still drags.
    QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, QPoint(200, 100));
    QTest::mouseMove(m_window, QPoint(210, 100));
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, QPoint(210, 100));
    EXPECT_EQ(m_window->pos(), startPosition + QPoint(10, 0));
}

TEST_F(WindowDraggerTest, ReleaseOrMoveWithoutAPressDoesNothing)
{
    // A clamp would pull a window at the very left in to 50 twips.
    m_window->move(0, 0);
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, pressPoint);
    sendAt(QEvent::MouseMove, m_window->mapToGlobal(QPoint(50, 50)), Qt::NoButton,
           Qt::LeftButton);
    EXPECT_EQ(m_window->pos(), QPoint(0, 0));
}

TEST_F(WindowDraggerTest, OnlyTheButtonThatStartedTheMoveEndsIt)
{
    QTest::mousePress(m_window, Qt::LeftButton, Qt::NoModifier, pressPoint);
    QTest::mousePress(m_window, Qt::RightButton, Qt::NoModifier, pressPoint);
    QTest::mouseRelease(m_window, Qt::RightButton, Qt::NoModifier, pressPoint);
    EXPECT_TRUE(m_dragger->isDragging());

    QTest::mouseMove(m_window, pressPoint + QPoint(25, 15));
    EXPECT_EQ(m_window->pos(), startPosition + QPoint(25, 15));
    QTest::mouseRelease(m_window, Qt::LeftButton, Qt::NoModifier, pressPoint);
    EXPECT_FALSE(m_dragger->isDragging());
    EXPECT_EQ(m_window->pos(), startPosition + QPoint(25, 15));
}

} // namespace
} // namespace zv
