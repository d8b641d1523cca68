#include "frame/Outline.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <ostream>

namespace zv {
namespace {

struct RoundingCase {
    double value;
    int expected;
};

std::ostream& operator<<(std::ostream& out, const RoundingCase& c)
{
    return out << c.value << " -> " << c.expected;
}

class RoundHalfEvenTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundHalfEvenTest, RoundsToNearestAndHalvesToEven)
{
    EXPECT_EQ(RoundHalfEven(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Values, RoundHalfEvenTest,
                         ::testing::Values(RoundingCase{7.5, 8}, RoundingCase{2.5, 2},
                                           RoundingCase{0.5, 0}, RoundingCase{1.5, 2},
                                           RoundingCase{-0.5, 0}, RoundingCase{-1.5, -2},
                                           RoundingCase{-2.5, -2}, RoundingCase{3.4, 3},
                                           RoundingCase{3.6, 4}, RoundingCase{-3.6, -4},
                                           RoundingCase{152.5, 152}, RoundingCase{0.0, 0}));

TEST(RoundHalfEvenModeTest, IgnoresTheRoundingMode)
{
    const int saved = std::fegetround();
    std::fesetround(FE_UPWARD);
    const int up = RoundHalfEven(2.5);
    std::fesetround(FE_DOWNWARD);
    const int down = RoundHalfEven(7.5);
    std::fesetround(saved);
    EXPECT_EQ(up, 2);
    EXPECT_EQ(down, 8);
}

struct ConversionCase {
    double twipsPerPixel;
    float factor;
    qint16 offset;
    quint16 design;
    int device;
};

std::ostream& operator<<(std::ostream& out, const ConversionCase& c)
{
    return out << c.design << " at " << c.twipsPerPixel << " twips per pixel, factor " << c.factor
               << ", offset " << c.offset << " -> " << c.device;
}

class OutlineScaleTest : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(OutlineScaleTest, ConvertsBothAxesAlike)
{
    const ConversionCase& c = GetParam();
    const OutlineScale scale(c.factor, c.factor, c.offset, c.offset, c.twipsPerPixel,
                             c.twipsPerPixel);
    EXPECT_EQ(scale.toDeviceX(c.design), c.device);
    EXPECT_EQ(scale.toDeviceY(c.design), c.device);
}

INSTANTIATE_TEST_SUITE_P(
    Displays, OutlineScaleTest,
    ::testing::Values(
        // 96 DPI: every design pixel is a device pixel.
        ConversionCase{15, 1, 0, 0, 0}, ConversionCase{15, 1, 0, 635, 635},
        ConversionCase{15, 1, 0, 65535, 65535},
        // 120 DPI: times 1.25, halves to even.
        ConversionCase{12, 1, 0, 2, 2}, ConversionCase{12, 1, 0, 6, 8},
        ConversionCase{12, 1, 0, 10, 12}, ConversionCase{12, 1, 0, 14, 18},
        ConversionCase{12, 1, 0, 122, 152}, ConversionCase{12, 1, 0, 1, 1},
        ConversionCase{12, 1, 0, 3, 4},
        // 144 DPI: times 1.5.
        ConversionCase{10, 1, 0, 5, 8}, ConversionCase{10, 1, 0, 3, 4},
        // The factor scales before the offset is added; the offset is in device pixels.
        ConversionCase{15, 2, 0, 7, 14}, ConversionCase{15, 0.5f, 0, 5, 2},
        ConversionCase{15, 1, 10, 5, 15}, ConversionCase{15, 1, -3, 5, 2},
        ConversionCase{12, 1, 1, 2, 4}));

TEST(OutlineScaleAxesTest, KeepsTheAxesApart)
{
    const OutlineScale scale(2, 1, 5, -5, 15, 12);
    EXPECT_EQ(scale.toDevice(DesignPoint{10, 10}), QPoint(25, 8));
    EXPECT_EQ(scale.toDevice(OutlineRect{2, 2, 6, 6}), QRect(QPoint(9, -2), QPoint(16, 1)));
}

TEST(PolygonShapeTest, PairsTheXLineWithTheYLine)
{
    const OutlineShape shape = Polygon({1, 2, 3}, {10, 20, 30}, CombineMode::Difference);
    const auto& points = std::get<OutlinePolygon>(shape.geometry).points;
    const std::vector<DesignPoint> expected{{1, 10}, {2, 20}, {3, 30}};
    EXPECT_EQ(points, expected);
    EXPECT_EQ(shape.mode, CombineMode::Difference);
}

QRegion Build96(const OutlineSpec& description)
{
    return BuildOutline(description, 1, 1, 0, 0, 15, 15);
}

TEST(BuildOutlineTest, RectangleCoversLeftAndTopButNotRightAndBottom)
{
    const QRegion region = Build96({{Rectangle(2, 3, 5, 7)}});
    EXPECT_EQ(region, QRegion(2, 3, 3, 4));
    EXPECT_TRUE(region.contains(QPoint(2, 3)));
    EXPECT_TRUE(region.contains(QPoint(4, 6)));
    EXPECT_FALSE(region.contains(QPoint(5, 3)));
    EXPECT_FALSE(region.contains(QPoint(2, 7)));
}

TEST(BuildOutlineTest, EmptyRectangleAddsNothing)
{
    EXPECT_TRUE(Build96({{Rectangle(5, 5, 5, 9)}}).isEmpty());
    EXPECT_TRUE(Build96({}).isEmpty());
}

TEST(BuildOutlineTest, PolygonIsFilledEvenOdd)
{
    // A five-pointed star drawn in one stroke: its centre is covered twice, so even-odd leaves a
    // hole there while the points stay filled.
    const QRegion star = Build96({{Polygon({50, 79, 2, 98, 21}, {0, 90, 35, 35, 90})}});
    EXPECT_FALSE(star.contains(QPoint(50, 50)));
    EXPECT_TRUE(star.contains(QPoint(50, 10)));
    EXPECT_TRUE(star.contains(QPoint(15, 38)));
}

TEST(BuildOutlineTest, CombinesShapesInOrder)
{
    const OutlineShape big = Rectangle(0, 0, 20, 20);
    const OutlineShape hole = Rectangle(5, 5, 10, 10, CombineMode::Difference);
    const OutlineShape patch = Rectangle(6, 6, 8, 8, CombineMode::Union);

    const QRegion cutThenPatched = Build96({{big, hole, patch}});
    EXPECT_EQ(cutThenPatched,
              QRegion(0, 0, 20, 20).subtracted(QRegion(5, 5, 5, 5)).united(QRegion(6, 6, 2, 2)));

    const QRegion patchedThenCut = Build96({{big, patch, hole}});
    EXPECT_EQ(patchedThenCut, QRegion(0, 0, 20, 20).subtracted(QRegion(5, 5, 5, 5)));
}

TEST(BuildOutlineTest, FirstShapeStartsTheOutlineWhateverItsMode)
{
    const QRegion region = Build96({{Rectangle(0, 0, 4, 4, CombineMode::Difference)}});
    EXPECT_EQ(region, QRegion(0, 0, 4, 4));
}

TEST(BuildOutlineTest, OffsetsShiftAndFactorsScale)
{
    const OutlineSpec description{{Rectangle(10, 20, 30, 40), Polygon({0, 8, 0}, {0, 0, 8})}};
    const QRegion plain = Build96(description);
    EXPECT_EQ(BuildOutline(description, 1, 1, 7, -4, 15, 15), plain.translated(7, -4));
    EXPECT_EQ(BuildOutline(description, 2, 3, 0, 0, 15, 15).boundingRect(),
              QRect(QPoint(0, 0), QPoint(59, 119)));
}

} // namespace
} // namespace zv
