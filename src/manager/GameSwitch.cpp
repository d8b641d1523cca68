#include "GameSwitch.h"

#include "core/ConsoleRules.h"
#include "core/DriveScan.h"
#include "core/GameRecord.h"
#include "core/Locator.h"
#include "core/MapFolders.h"
#include "platform/EventPump.h"
#include "platform/FileSystem.h"
#include "platform/Pointer.h"

namespace zv {

void ToggleManagerGame(ProgramState& state)
{
    const QString other = OtherGameOf(state.CurrentGame);
    if (IsGameKnown(GameFolderOf(state, other)))
        state.CurrentGame = other;
}

Relocation RelocateCurrentGame(ProgramState& state, const Services& services)
{
    services.pointer.showDefault();
    state.MapsFolder.clear();
    state.FoundExePath.clear();
    ReadGameRecord(state, services);
    if (!state.MapsFolder.isEmpty())
        state.FoundExePath = services.files.find(state.MapsFolder, ListKind::FilesAndFolders).value(0);
    if (!state.FoundExePath.isEmpty()) {
        state.FoundExePath = GameFolderOfMapsFolder(state.MapsFolder);
        services.pointer.showDefault();
        return Relocation::RecordAccepted;
    }

    services.pointer.showBusy();
    services.events.letEventsRun();
    const QString executable = ExecutableOf(state.CurrentGame);
    state.FoundExePath = ScanFixedDrives(state, services, executable);
    if (state.FoundExePath.size() <= 3) {
        services.pointer.showDefault();
        return Relocation::NotFound;
    }
    state.MapsFolder = MapsFolderOfFoundGame(state.FoundExePath, state.CurrentGame);
    WriteGameRecord(state, services);
    GameFolderOf(state, state.CurrentGame) = GameFolderOfMapsFolder(state.MapsFolder);
    services.pointer.showDefault();
    return Relocation::Found;
}

void ReturnToKnownGame(ProgramState& state)
{
    const QString other = OtherGameOf(state.CurrentGame);
    if (!IsGameMissing(GameFolderOf(state, other)))
        state.CurrentGame = other;
    state.MapsFolder = MapsFolderOf(GameFolderOf(state, state.CurrentGame));
}

QString GameTitleOf(const QString& game)
{
    return IsBhwwe(game) ? QStringLiteral("Bird Hunter Wild Wings Edition")
                         : QStringLiteral("Rocky Mountain Trophy Hunter 3");
}

QString FrameCaptionFor(const QString& game)
{
    return ConsoleLookOf(game).caption;
}

QString MapLogPath(const QString& programFolder)
{
    return programFolder + QStringLiteral("\\maplog.txt");
}

} // namespace zv
