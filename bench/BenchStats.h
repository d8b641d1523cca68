#pragma once

#include <algorithm>
#include <vector>

// The middle value of a set of timings (the upper of the two middle ones for
// an even count); 0 for none.
inline double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}
