#pragma once

#include "ProgramState.h"
#include "Services.h"

namespace zv {

// The wide drive scan of the manager's re-location and of the map finder.
// It runs over drive indexes 0 to 14; DriveRootFor knows 0 to 8 only, so
// indexes 9 to 14 stand for drive I: again.
//
// First classifies drive indexes 0 to 14 into DriveTypes (an index whose root
// does not exist keeps its old text), then lets the window's events run (the
// caller lets them run once before, after writing its waiting message), then
// searches the entries that read "FIXED", index 0 to 14 in order, for fileName
// and returns the first match, or the empty text. Each drive root is walked
// at most once: an entry repeating a root already searched gives that root's
// answer again. Leaves DriveIndex at the index that found the file, or at 14.
QString ScanFixedDrives(ProgramState& state, const Services& services, const QString& fileName);

} // namespace zv
