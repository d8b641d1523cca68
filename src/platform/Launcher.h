#pragma once

#include <QString>

namespace zv {

// Starts a program file as a new process without waiting for it. Returns the
// new process's id (0 when none is known); throws Failure with a number and a
// description when the program cannot be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual qint64 start(const QString& programPath) = 0;
};

} // namespace zv
