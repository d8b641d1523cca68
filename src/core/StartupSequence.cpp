#include "StartupSequence.h"

#include "FailureTexts.h"
#include "GameRecord.h"
#include "MapFolders.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"

namespace zv {

namespace {

bool RecordExists(const Services& services, const QString& game)
{
    return !services.files.find(GameRecordPath(services.programFolder, game), ListKind::Files).isEmpty();
}

bool FolderExists(const Services& services, const QString& path)
{
    return !services.files.find(path, ListKind::FilesAndFolders).isEmpty();
}

// First read: a record that names a folder that is not there gives no folder;
// without a record the folder field is left as it was.
void FirstRead(ProgramState& state, const Services& services, const QString& game)
{
    state.CurrentGame = game;
    if (!RecordExists(services, game))
        return;
    ReadGameRecord(state, services);
    QString& folder = GameFolderOf(state, game);
    folder = GameFolderOfRecordText(state.MapsFolder);
    if (!folder.isEmpty() && !FolderExists(services, state.MapsFolder))
        folder.clear();
}

// Validation: the maps folder must be there under the exact name "Maps".
void Validate(ProgramState& state, const Services& services, const QString& game)
{
    QString& folder = GameFolderOf(state, game);
    if (!RecordExists(services, game)) {
        folder.clear();
        return;
    }
    state.CurrentGame = game;
    ReadGameRecord(state, services);
    const QStringList names = state.MapsFolder.isEmpty()
                                  ? QStringList()
                                  : services.files.find(state.MapsFolder, ListKind::FilesAndFolders);
    if (names.value(0) != QLatin1String("Maps"))
        folder.clear();
}

// Both games are searched, the other one first, so CurrentGame ends on the chosen one.
void SearchBothGames(ProgramState& state, const Services& services, StartupView& view,
                     const QString& chosen)
{
    view.setProgress(20);
    state.CurrentGame = OtherGameOf(chosen);
    LocateGame(state, services, view);
    view.setProgress(60);
    state.CurrentGame = chosen;
    LocateGame(state, services, view);
    view.setProgress(80);
}

void SecondRead(ProgramState& state, const Services& services, const QString& game)
{
    state.CurrentGame = game;
    ReadGameRecord(state, services);
    GameFolderOf(state, game) = GameFolderOfRecordText(state.MapsFolder);
}

void RunSteps(ProgramState& state, const Services& services, StartupView& view,
              const StartupHandovers& handovers)
{
    services.pointer.showDefault();
    view.setProgressVisible(true);
    view.setShapeVisible(false);
    view.setCaption(QStringLiteral("Please wait..."));
    const QString chosen = state.CurrentGame;
    const QString other = OtherGameOf(chosen);

    FirstRead(state, services, other);
    FirstRead(state, services, chosen);
    Validate(state, services, kBhwwe);
    Validate(state, services, kRmth3);
    state.CurrentGame = chosen;

    if (GameFolderOf(state, chosen).isEmpty())
        SearchBothGames(state, services, view, chosen);

    SecondRead(state, services, other);
    SecondRead(state, services, chosen);

    view.setProgress(80);
    if (handovers.repairMaps)
        handovers.repairMaps();
    view.setProgress(95);

    services.pointer.showDefault();
    if (handovers.openConsole)
        handovers.openConsole();
    if (handovers.closeSelection)
        handovers.closeSelection();
}

} // namespace

QString GameFolderOfRecordText(const QString& mapsFolder)
{
    try {
        return GameFolderOfMapsFolder(mapsFolder);
    } catch (const Failure&) {
        return QString();
    }
}

void RunStartupSequence(ProgramState& state, const Services& services, MessageBoxes& messages,
                        StartupView& view, const StartupHandovers& handovers)
{
    try {
        RunSteps(state, services, view, handovers);
    } catch (const Failure& failure) {
        messages.show(NumberCommaDescription(failure));
        services.pointer.showDefault();
    }
}

} // namespace zv
