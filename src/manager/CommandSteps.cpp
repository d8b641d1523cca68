#include "CommandSteps.h"

#include <algorithm>

namespace zv {

std::optional<Failure> RunSteps(std::initializer_list<std::function<void()>> steps,
                                std::initializer_list<int> skipped)
{
    for (const auto& step : steps) {
        try {
            step();
        } catch (const Failure& failure) {
            if (std::find(skipped.begin(), skipped.end(), failure.number()) == skipped.end())
                return failure;
        }
    }
    return std::nullopt;
}

} // namespace zv
