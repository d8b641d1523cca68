#pragma once

#include "ProgramState.h"
#include "Services.h"

#include <optional>

namespace zv {

// The executable of a game and its name's length, which cuts the game folder
// out of a found path.
QString ExecutableOf(const QString& game);

// The maps folder of a game whose executable was found at foundPath.
QString MapsFolderOfFoundGame(const QString& foundPath, const QString& game);

// The window a search reports to: the selection window's caption and bar.
class LocatorWindow {
public:
    virtual ~LocatorWindow() = default;
    virtual void setCaption(const QString& caption) = 0;
    virtual void advanceProgress(int step) = 0;
};

// The root of the drive at DriveIndex, in the order C:, A:, B:, D: ... I:;
// any other index keeps DriveRoot as it was.
void DriveRootFor(ProgramState& state);
// The text a drive type number is stored as; nullopt where nothing is stored.
std::optional<QString> DriveTypeText(int type);
// Classifies drive indexes 0 to lastIndex into DriveTypes; leaves DriveIndex
// at lastIndex + 1. Indexes past 8 keep the root of drive I:.
void ClassifyDriveIndexes(ProgramState& state, const Services& services, int lastIndex);
// Classifies drives 0 to 8 into DriveTypes; leaves DriveIndex at 9.
void ClassifyDrives(ProgramState& state, const Services& services);
// The first file of that name under root, or the empty text on any failure.
QString FindFileOnDrive(const Services& services, const QString& root, const QString& fileName);
// Searches the fixed drives for CurrentGame's executable and writes or
// clears its record.
void LocateGame(ProgramState& state, const Services& services, LocatorWindow& window);

} // namespace zv
