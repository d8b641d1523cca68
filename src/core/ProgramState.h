#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace zv {

inline const QString kBhwwe = QStringLiteral("BHWWE");
inline const QString kRmth3 = QStringLiteral("RMTH3");

// The program-wide state: one record for the whole run, created zeroed and
// never reset; every window reads and writes it directly.
struct ProgramState {
    QString CurrentGame;
    QString BhwweFolder;
    QString Rmth3Folder;
    bool BhwweRepairDue = false;
    bool Rmth3RepairDue = false;
    QString MapsFolder;
    QString StoredFolder;
    QString FoundExePath;
    std::int16_t DriveIndex = 0;
    QString DriveRoot;
    std::array<QString, 15> DriveTypes;
    std::int32_t LastDriveType = 0;
    QString SelectedGameMap;
    QString SelectedStoredMap;
    QString PreviewPath;
    std::int32_t PreviewCut = 0;
    bool ReturnFromManager = false;
    QString ManagerSelection;
    QString FoundMapPath;
    bool FoundMapPending = false;
};

// Where a routine chooses between the two games, anything but "BHWWE" is RMTH3.
inline bool IsBhwwe(const QString& game)
{
    return game == kBhwwe;
}

// The game that is not this one.
inline QString OtherGameOf(const QString& game)
{
    return IsBhwwe(game) ? kRmth3 : kBhwwe;
}

// The game folder field of a game.
inline QString& GameFolderOf(ProgramState& state, const QString& game)
{
    return IsBhwwe(game) ? state.BhwweFolder : state.Rmth3Folder;
}

} // namespace zv
