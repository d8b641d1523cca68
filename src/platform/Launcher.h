#pragma once

#include <QString>

namespace zv {

// Starts a program file as a new process without waiting for it. Throws
// Failure when the program cannot be started.
class Launcher {
public:
    virtual ~Launcher() = default;
    virtual void start(const QString& programPath) = 0;
};

} // namespace zv
