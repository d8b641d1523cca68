#pragma once

#include <QString>

namespace zv::scenario {

// A scenario line that did not hold: what was expected and what was seen.
struct ScenarioFailure {
    QString message;
};

[[noreturn]] inline void Fail(const QString& message)
{
    throw ScenarioFailure{message};
}

} // namespace zv::scenario
