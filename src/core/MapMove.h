#pragma once

#include <QString>

namespace zv {

class FileSystem;

// What store and install do when one of their steps fails.
enum class MoveFailureAnswer {
    SkipStep,     // go on with the next step
    ResetButtons, // both buttons back to idle, nothing moved, stop
    ShowMessage,  // "number, description", the command's button back to idle, stop
};

// The answer to a failure of that number.
MoveFailureAnswer AnswerToMoveFailure(int number);

// One map pair to move: the map and its preview as the selection found them,
// the name the list shows for the map, and the folder it goes to.
struct MapMove {
    QString map;
    QString preview;
    QString name;
    QString toFolder;
};

// Moves a map and its preview: the preview's name is cut from the map's name,
// then the map and the preview are copied into the folder (replacing files of
// those names), and only then are the two sources deleted. A step that fails
// with "file not found" is skipped, as a map without preview is normal; a
// source whose copy failed is never deleted. Any other failure throws at once,
// so nothing is deleted before both copies are made. A move without a folder
// to go to fails with "path not found"; a copy onto the source itself (the
// folder spelled another way) fails in the file layer before anything goes.
void MoveMapPair(FileSystem& files, const MapMove& move);

} // namespace zv
