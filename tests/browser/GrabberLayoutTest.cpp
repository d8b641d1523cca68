#include "browser/GrabberLayout.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zv {
namespace {

ControlPlace PlaceOf(const std::vector<ControlPlace>& places, const char* name)
{
    for (const ControlPlace& place : places) {
        if (std::strcmp(place.name, name) == 0)
            return place;
    }
    ADD_FAILURE() << "no control " << name;
    return {};
}

TEST(BrowserWidth, StepsAtTheScreenWidthsOfTheRule)
{
    const struct {
        int screen;
        int browser;
    } cases[] = {
        {1280, 800}, {1024, 800}, {801, 800}, {800, 640}, {641, 640},
        {640, 540},  {600, 500},  {100, 0},   {60, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BrowserWidthPixels(c.screen), c.browser) << "screen " << c.screen;
}

// Places in twips; screens in pixels at a number of twips per pixel.
struct LayoutCase {
    const char* label;
    int screenWidth;
    int screenHeight;
    double twipsPerPixel;
    double browserWidth;
    double browserHeight;
    double firstButton;
    double label1;
};

class GrabberLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(GrabberLayoutTest, PlacesTheBrowserAndCentresTheTopRowOverIt)
{
    const LayoutCase& c = GetParam();
    const auto places = GrabberLayout(c.screenWidth * c.twipsPerPixel,
                                      c.screenHeight * c.twipsPerPixel, c.twipsPerPixel);
    const ControlPlace browser = PlaceOf(places, "WebBrowser1");
    EXPECT_DOUBLE_EQ(browser.left, 1615);  // the page-button column's right edge + 100
    EXPECT_DOUBLE_EQ(browser.top, 1300);   // Combo1's bottom + 100
    EXPECT_DOUBLE_EQ(browser.width, c.browserWidth);
    EXPECT_DOUBLE_EQ(browser.height, c.browserHeight);

    // Each navigation button 100 twips right of the one before, all at the top.
    double left = c.firstButton;
    for (const char* name : kNavigationButtons) {
        const ControlPlace button = PlaceOf(places, name);
        EXPECT_DOUBLE_EQ(button.left, left) << name;
        EXPECT_DOUBLE_EQ(button.top, 225) << name;
        left += 1450 + 100;
    }
    // Label1, then 100 to Combo1, 200 to Label2, 100 to Combo2.
    EXPECT_DOUBLE_EQ(PlaceOf(places, "Label1").left, c.label1);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "Combo1").left, c.label1 + 1785 + 100);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "Label2").left, c.label1 + 1785 + 100 + 2700 + 200);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "Combo2").left, c.label1 + 1785 + 100 + 2700 + 200 + 2460 + 100);
}

// clang-format off
const LayoutCase kLayouts[] = {
    // label          width height  tpp  browser w  browser h           first button  Label1
    {"wide_1280",      1280, 1024,  15,  12000, 1024 * 15 - 50 - 2000,  3740,          2592.5},
    {"screen_1024",    1024,  768,  15,  12000,  768 * 15 - 50 - 2000,  3740,          2592.5},
    {"screen_800",      800,  600,  15,   9600,  600 * 15 - 50 - 2000,  2540,          1565},
    {"screen_640",      640,  480,  15,   8100,  480 * 15 - 50 - 2000,  1790,          1565},
    // At 120 DPI a pixel is 12 twips: 800 pixels are 9600 twips.
    {"dpi_120",        1280, 1024,  12,   9600, 1024 * 12 - 50 - 2000,  2540,          1565},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Screens, GrabberLayoutTest, ::testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(GrabberLayoutNarrow, ABrowserUnder7750TwipsLeavesTheTopRowWhereTheDesignPutIt)
{
    // 600 pixels: a 500-pixel browser, 7500 twips.
    const auto places = GrabberLayout(600 * 15, 480 * 15, 15);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "WebBrowser1").width, 7500);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "WebBrowser1").left, 1615);
    for (const ControlPlace& design : kGrabberDesign) {
        if (std::strcmp(design.name, "WebBrowser1") == 0)
            continue;
        const ControlPlace placed = PlaceOf(places, design.name);
        EXPECT_DOUBLE_EQ(placed.left, design.left) << design.name;
        EXPECT_DOUBLE_EQ(placed.top, design.top) << design.name;
    }
}

TEST(GrabberLayoutNarrow, ExactlyTheCentringWidthStillCentres)
{
    // At 25 twips a pixel a 410-pixel screen gives a 310-pixel browser of exactly 7750 twips.
    const auto places = GrabberLayout(410 * 25, 400 * 25, 25);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "WebBrowser1").width, 7750);
    EXPECT_DOUBLE_EQ(PlaceOf(places, "Command2").left, 1615);
}

} // namespace
} // namespace zv
