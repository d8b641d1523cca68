#include "browser/ProgressRule.h"

#include <gtest/gtest.h>

#include <limits>

namespace zv {
namespace {

constexpr int kUnchanged = -999;

TEST(ProgressRule, BarValueForEachEvent)
{
    const struct {
        qint32 progress;
        qint32 maximum;
        int bar; // kUnchanged: the bar keeps its value
    } cases[] = {
        {-1, 100, 0},                 // the load has ended
        {-1, 0, 0},                   // whatever the maximum
        {0, 100, 0},
        {30, 100, 30},
        {1, 3, 33},                   // 33.3
        {2, 3, 66},                   // 66.7, short of full while loading
        {99, 100, 99},
        {100, 100, kUnchanged},       // at the maximum
        {150, 100, kUnchanged},       // past it
        {2000000000, 2100000000, 95}, // progress * 100 does not fit 32 bits
        {std::numeric_limits<qint32>::max() - 1, std::numeric_limits<qint32>::max(), 99},
        {5, 0, kUnchanged},           // no maximum to measure against
        {-5, 0, kUnchanged},
        {-7, 100, kUnchanged},        // no bar shows a negative value
        {-3, -1, kUnchanged},
    };
    for (const auto& c : cases) {
        const auto value = ProgressBarValue(c.progress, c.maximum);
        if (c.bar == kUnchanged)
            EXPECT_FALSE(value.has_value()) << c.progress << " of " << c.maximum;
        else
            EXPECT_EQ(value, std::optional<int>(c.bar)) << c.progress << " of " << c.maximum;
    }
}

} // namespace
} // namespace zv
