#include "frame/OutlineTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace zv {
namespace {

QRegion Build(const OutlineSpec& description, double twipsPerPixel)
{
    return BuildOutline(description, 1, 1, 0, 0, twipsPerPixel, twipsPerPixel);
}

// "P35" for a 35-point polygon, "R" for a rectangle; later shapes are prefixed with "+" for a
// union and "-" for a difference.
std::string Describe(const OutlineSpec& description)
{
    std::string text;
    for (std::size_t i = 0; i < description.shapes.size(); ++i) {
        const OutlineShape& shape = description.shapes[i];
        if (i > 0)
            text += shape.mode == CombineMode::Union ? " +" : " -";
        if (const auto* polygon = std::get_if<OutlinePolygon>(&shape.geometry))
            text += "P" + std::to_string(polygon->points.size());
        else
            text += "R";
    }
    return text;
}

struct OutlineCase {
    const char* name;
    const OutlineSpec& (*outline)();
    const char* shapes;
};

const OutlineCase outlineCases[] = {
    {"console", ConsoleOutline, "P35 -R"},
    {"selection", SelectionOutline, "R +R"},
    {"manager", ManagerOutline, "P28 +R +R"},
    {"small tool", SmallToolOutline, "P19"},
    {"installer", InstallerOutline, "P21 +R +R +R +R +R +R +P5 +P7 +P8 +P3 +P3 +P4 +P7"},
    {"information", InformationOutline, "P19 +P9 -R -P4"},
};

class OutlineTableTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(OutlineTableTest, HasTheDrawnShapesAndPointCounts)
{
    EXPECT_EQ(Describe(GetParam().outline()), GetParam().shapes);
}

TEST_P(OutlineTableTest, LandsOnTheTableValuesAt96Dpi)
{
    const OutlineScale scale(1, 1, 0, 0, 15, 15);
    for (const OutlineShape& shape : GetParam().outline().shapes) {
        if (const auto* polygon = std::get_if<OutlinePolygon>(&shape.geometry)) {
            const QPolygon device = scale.toDevice(*polygon);
            ASSERT_EQ(device.size(), qsizetype(polygon->points.size()));
            for (qsizetype i = 0; i < device.size(); ++i)
                EXPECT_EQ(device[i], QPoint(polygon->points[i].x, polygon->points[i].y));
        } else {
            const auto& rect = std::get<OutlineRect>(shape.geometry);
            EXPECT_EQ(scale.toDevice(rect),
                      QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
        }
    }
}

TEST_P(OutlineTableTest, ScalesByAQuarterAt120DpiRoundingHalvesToEven)
{
    const OutlineScale scale(1, 1, 0, 0, 12, 12);
    const auto expected = [](quint16 design) { return int(std::nearbyint(design * 1.25)); };
    for (const OutlineShape& shape : GetParam().outline().shapes) {
        const auto* polygon = std::get_if<OutlinePolygon>(&shape.geometry);
        if (!polygon)
            continue;
        for (const DesignPoint& point : polygon->points)
            EXPECT_EQ(scale.toDevice(point), QPoint(expected(point.x), expected(point.y)));
    }
}

std::ostream& operator<<(std::ostream& out, const OutlineCase& c)
{
    return out << c.name << " outline";
}

INSTANTIATE_TEST_SUITE_P(Outlines, OutlineTableTest, ::testing::ValuesIn(outlineCases));

class ShapedWindowTest : public ::testing::TestWithParam<ShapedWindowInfo> {};

TEST_P(ShapedWindowTest, OutlineLiesInsideTheClientArea)
{
    const QRegion outline = Build(GetParam().outline, 15);
    ASSERT_FALSE(outline.isEmpty());
    EXPECT_TRUE(QRect(QPoint(0, 0), GetParam().clientArea).contains(outline.boundingRect()))
        << outline.boundingRect().right() << "," << outline.boundingRect().bottom();
}

INSTANTIATE_TEST_SUITE_P(Windows, ShapedWindowTest, ::testing::ValuesIn(ShapedWindows()),
                         [](const auto& info) { return info.param.name.toString().toStdString(); });

struct LookupCase {
    const char* name;
    const OutlineSpec* outline;
    DragVariant drag;
    QSize clientArea;
};

TEST(ShapedWindowLookupTest, FindsEverySkinnedWindowByItsExactName)
{
    const LookupCase cases[] = {
        {"MapMain", &ConsoleOutline(), DragVariant::Standard, {641, 562}},
        {"Startup", &SelectionOutline(), DragVariant::Standard, {400, 352}},
        {"MapManager", &ManagerOutline(), DragVariant::Standard, {624, 567}},
        {"FindMaps", &SmallToolOutline(), DragVariant::Standard, {362, 180}},
        {"ListMaps", &SmallToolOutline(), DragVariant::FoundFilesList, {362, 180}},
        {"Install", &InstallerOutline(), DragVariant::Standard, {494, 383}},
        {"Help1", &InformationOutline(), DragVariant::Standard, {662, 494}},
        {"Help2", &InformationOutline(), DragVariant::Standard, {662, 494}},
        {"Help3", &InformationOutline(), DragVariant::Standard, {662, 494}},
    };
    EXPECT_EQ(ShapedWindows().size(), std::size(cases));
    for (const LookupCase& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(OutlineFor(name), c.outline);
        const ShapedWindowInfo* info = FindShapedWindow(name);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(info->drag, c.drag);
        EXPECT_EQ(info->clientArea, c.clientArea);
    }
}

TEST(ShapedWindowLookupTest, UnskinnedOrMisspelledWindowsHaveNoOutline)
{
    for (const char* name : {"MDIForm1", "mapmain", "Help4", "MapMain ", ""}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(OutlineFor(QString::fromLatin1(name)), nullptr);
        EXPECT_EQ(FindShapedWindow(QString::fromLatin1(name)), nullptr);
    }
}

TEST(SelectionOutlineTest, IsExactlyItsTwoRectangles)
{
    const QRegion outline = Build(SelectionOutline(), 15);
    EXPECT_EQ(outline, QRegion(122, 1, 158, 167).united(QRegion(0, 167, 400, 185)));
    for (const QPoint inside : {QPoint(122, 1), QPoint(279, 1), QPoint(122, 166), QPoint(0, 167),
                                QPoint(399, 167), QPoint(0, 351), QPoint(399, 351)})
        EXPECT_TRUE(outline.contains(inside)) << inside.x() << "," << inside.y();
    for (const QPoint outside : {QPoint(122, 0), QPoint(121, 1), QPoint(280, 1), QPoint(0, 166),
                                 QPoint(400, 352), QPoint(400, 200), QPoint(0, 352)})
        EXPECT_FALSE(outline.contains(outside)) << outside.x() << "," << outside.y();
}

TEST(SelectionOutlineTest, At120DpiEdgesScaleAndRoundHalvesToEven)
{
    // 122 * 1.25 = 152.5 goes to 152; 167 * 1.25 = 208.75 goes to 209.
    const QRegion outline = Build(SelectionOutline(), 12);
    EXPECT_EQ(outline, QRegion(152, 1, 198, 209).united(QRegion(0, 209, 500, 231)));
}

TEST(ConsoleOutlineTest, DifferenceRectangleIsCutAway)
{
    const QRect cut(QPoint(634, 61), QPoint(640, 115));
    const OutlineSpec polygonOnly{{ConsoleOutline().shapes.front()}};
    EXPECT_FALSE(Build(polygonOnly, 15).intersected(cut).isEmpty());

    const QRegion outline = Build(ConsoleOutline(), 15);
    EXPECT_TRUE(outline.intersected(cut).isEmpty());
    EXPECT_FALSE(outline.contains(QPoint(634, 80)));
    EXPECT_TRUE(outline.contains(QPoint(633, 60)));
    EXPECT_TRUE(outline.contains(QPoint(300, 300)));
}

TEST(InformationOutlineTest, DifferencesTrimTheRightEdge)
{
    const QRegion outline = Build(InformationOutline(), 15);
    EXPECT_TRUE(outline.intersected(QRect(644, 0, 18, 402)).isEmpty());
    EXPECT_TRUE(outline.contains(QPoint(644, 450)));
    EXPECT_TRUE(outline.contains(QPoint(300, 300)));
}

} // namespace
} // namespace zv
