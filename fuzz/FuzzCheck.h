#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace zv::fuzz {

// The properties a fuzz target checks on every input. A failed one is told on
// stderr, with the details of the input when given, and aborts the run, so
// libFuzzer keeps the input that broke it.
class Checker {
public:
    explicit constexpr Checker(const char* target) : m_target(target) {}

    void operator()(bool holds, const char* what, const std::string& details = {}) const
    {
        if (holds)
            return;
        std::fprintf(stderr, "%s: %s\n%s", m_target, what, details.c_str());
        std::abort();
    }

private:
    const char* m_target;
};

} // namespace zv::fuzz
