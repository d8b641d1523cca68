#pragma once

#include "platform/Failure.h"

#include <functional>
#include <initializer_list>
#include <optional>

namespace zv {

// Runs the steps of one command in order, the way a handler that resumes
// after some failures does: a step failing with a number in `skipped` is
// passed over and the next one runs; the first other failure stops the run
// and is returned.
std::optional<Failure> RunSteps(std::initializer_list<std::function<void()>> steps,
                                std::initializer_list<int> skipped);

} // namespace zv
