#include "frame/DragWindow.h"

#include <gtest/gtest.h>

#include <ostream>

namespace zv {
namespace {

// A 1024 x 768 pixel screen at 96 DPI, in twips.
const QSizeF screen(15360, 11520);
// The console (641 x 562 pixels) and the found-files list (362 x 180 pixels), in twips.
const QSizeF console(9615, 8430);
const QSizeF list(5430, 2700);

struct ClampCase {
    const char* what;
    DragVariant variant;
    QSizeF size;
    QPointF dropped;
    QPointF expected;
};

std::ostream& operator<<(std::ostream& out, const ClampCase& c)
{
    return out << c.what;
}

class ClampTest : public ::testing::TestWithParam<ClampCase> {};

TEST_P(ClampTest, BringsTheDroppedWindowBack)
{
    const ClampCase& c = GetParam();
    EXPECT_EQ(ClampWindowPosition(c.variant, c.dropped, c.size, screen), c.expected);
}

constexpr DragVariant Standard = DragVariant::Standard;
constexpr DragVariant Listing = DragVariant::FoundFilesList;

// Standard limits for the console: right 15360 - 9615 = 5745, bottom 11520 - 8430 = 3090.
// Found-files limits for the list: right 15360 - 1357.5 = 14002.5, bottom 11520 - 675 = 10845.
INSTANTIATE_TEST_SUITE_P(
    Drops, ClampTest,
    ::testing::Values(
        ClampCase{"in range", Standard, console, {3000, 2000}, {3000, 2000}},
        ClampCase{"just inside right", Standard, console, {5744, 2000}, {5744, 2000}},
        ClampCase{"right edge at screen", Standard, console, {5745, 2000}, {5545, 2000}},
        ClampCase{"right edge past screen", Standard, console, {9000, 2000}, {5545, 2000}},
        ClampCase{"left at 50", Standard, console, {50, 2000}, {50, 2000}},
        ClampCase{"left at 51", Standard, console, {51, 2000}, {51, 2000}},
        ClampCase{"left off screen", Standard, console, {-700, 2000}, {50, 2000}},
        ClampCase{"just inside bottom", Standard, console, {3000, 3089}, {3000, 3089}},
        ClampCase{"bottom edge at screen", Standard, console, {3000, 3090}, {3000, 2990}},
        ClampCase{"bottom edge past screen", Standard, console, {3000, 6000}, {3000, 2990}},
        ClampCase{"top at 0", Standard, console, {3000, 0}, {3000, 0}},
        ClampCase{"above top", Standard, console, {3000, -400}, {3000, 0}},
        ClampCase{"both corners out", Standard, console, {9000, 6000}, {5545, 2990}},
        ClampCase{"wider, dropped left", Standard, {16000, 2000}, {-300, 0}, {50, 0}},
        ClampCase{"wider, dropped at 0", Standard, {16000, 2000}, {0, 0}, {50, 0}},
        ClampCase{"wider, dropped mid", Standard, {16000, 2000}, {4000, 0}, {50, 0}},
        ClampCase{"wider, dropped right", Standard, {16000, 2000}, {20000, 0}, {50, 0}},
        ClampCase{"taller than screen", Standard, {2000, 12000}, {0, 5000}, {50, 0}},
        ClampCase{"list in range", Listing, list, {3000, 2000}, {3000, 2000}},
        ClampCase{"list hangs off right", Listing, list, {14000, 2000}, {14000, 2000}},
        ClampCase{"list right at limit", Listing, list, {14002.5, 2000}, {13992.5, 2000}},
        ClampCase{"list far right", Listing, list, {20000, 2000}, {13992.5, 2000}},
        ClampCase{"list hangs off bottom", Listing, list, {3000, 10844}, {3000, 10844}},
        ClampCase{"list bottom at limit", Listing, list, {3000, 10845}, {3000, 10835}},
        ClampCase{"list far bottom", Listing, list, {3000, 30000}, {3000, 10835}},
        ClampCase{"list left at 50", Listing, list, {50, 2000}, {50, 2000}},
        ClampCase{"list left off screen", Listing, list, {-100, 2000}, {50, 2000}},
        ClampCase{"list above top", Listing, list, {3000, -1}, {3000, 0}},
        // The same drop that the found-files rule allows is pulled in by the standard rule.
        ClampCase{"standard list off right", Standard, list, {14000, 2000}, {9730, 2000}}));

TEST(ClampVariantTest, NamedClampsMatchTheirVariants)
{
    const QPointF dropped(14000, 10000);
    EXPECT_EQ(ClampStandard(dropped, list, screen),
              ClampWindowPosition(Standard, dropped, list, screen));
    EXPECT_EQ(ClampFoundFilesList(dropped, list, screen),
              ClampWindowPosition(Listing, dropped, list, screen));
}

} // namespace
} // namespace zv
