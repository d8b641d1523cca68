#pragma once

#include <QString>

namespace zv::scenario {

enum class WindowKind {
    Unknown,  // no window of the program has that name
    NotBuilt, // a window of the program that does not exist yet
    Built,
};

// Add a window here (or mark it built) when the program gains it.
WindowKind KindOfWindow(const QString& name);
// The names of all windows, for failure messages.
QString WindowNames();

} // namespace zv::scenario
