#pragma once

#include <QString>

namespace zv {

class FileSystem;
class Drives;
class Pointer;
class EventPump;

// The host services the logic works through, and the program folder (a
// program path, no trailing backslash) where the records and notes live.
struct Services {
    FileSystem& files;
    Drives& drives;
    Pointer& pointer;
    EventPump& events;
    QString programFolder;
};

} // namespace zv
