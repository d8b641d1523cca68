#include "Locator.h"

#include "GameRecord.h"
#include "platform/Drives.h"
#include "platform/EventPump.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/Pointer.h"

namespace zv {

namespace {

constexpr int kLastDriveIndex = 8;
constexpr int kProgressStep = 2;

const QString kFixed = QStringLiteral("FIXED");
const QString kBhwweExecutable = QStringLiteral("Wild Wings.exe");
const QString kRmth3Executable = QStringLiteral("Rocky Mountain Trophy Hunter 3.exe");

// A found executable: the game's folder field briefly holds its path, the
// maps folder is cut from it and becomes the current folder.
void TakeFoundGame(ProgramState& state, const Services& services)
{
    GameFolderOf(state, state.CurrentGame) = state.FoundExePath;
    (IsBhwwe(state.CurrentGame) ? state.BhwweRepairDue : state.Rmth3RepairDue) = true;
    state.MapsFolder = MapsFolderOfFoundGame(state.FoundExePath, state.CurrentGame);
    try {
        services.files.setCurrentFolder(state.MapsFolder);
    } catch (const Failure&) {
        // The maps folder may not exist yet; the console makes it.
    }
    WriteGameRecord(state, services);
}

} // namespace

QString ExecutableOf(const QString& game)
{
    return IsBhwwe(game) ? kBhwweExecutable : kRmth3Executable;
}

QString MapsFolderOfFoundGame(const QString& foundPath, const QString& game)
{
    const auto cut = foundPath.size() - ExecutableOf(game).size();
    return foundPath.left(cut) + QStringLiteral("Home\\Maps");
}

void DriveRootFor(ProgramState& state)
{
    static const char* const kRoots[] = {"C:\\", "A:\\", "B:\\", "D:\\", "E:\\",
                                         "F:\\", "G:\\", "H:\\", "I:\\"};
    if (state.DriveIndex >= 0 && state.DriveIndex <= kLastDriveIndex)
        state.DriveRoot = QString::fromLatin1(kRoots[state.DriveIndex]);
}

std::optional<QString> DriveTypeText(int type)
{
    switch (type) {
    case 0: return QStringLiteral("UNDETERMINED");
    case 2: return QStringLiteral("REMOVABLE");
    case 3: return kFixed;
    case 4: return QStringLiteral("REMOTE");
    case 5: return QStringLiteral("CDROM");
    case 6: return QStringLiteral("RAMDISK");
    default: return std::nullopt; // 1 (no such root) and unknown numbers keep the old text
    }
}

void ClassifyDriveIndexes(ProgramState& state, const Services& services, int lastIndex)
{
    for (state.DriveIndex = 0; state.DriveIndex <= lastIndex; ++state.DriveIndex) {
        DriveRootFor(state);
        state.LastDriveType = services.drives.driveType(state.DriveRoot);
        if (auto text = DriveTypeText(state.LastDriveType))
            state.DriveTypes[state.DriveIndex] = *text;
    }
}

void ClassifyDrives(ProgramState& state, const Services& services)
{
    ClassifyDriveIndexes(state, services, kLastDriveIndex);
}

QString FindFileOnDrive(const Services& services, const QString& root, const QString& fileName)
{
    try {
        return services.drives.searchTreeForFile(root, fileName);
    } catch (const Failure&) {
        return QString();
    }
}

void LocateGame(ProgramState& state, const Services& services, LocatorWindow& window)
{
    services.pointer.showBusy();
    window.setCaption(QStringLiteral("This may take a few minutes"));
    services.events.letEventsRun();
    ClassifyDrives(state, services);
    services.events.letEventsRun();
    window.advanceProgress(kProgressStep);
    state.FoundExePath.clear();

    for (state.DriveIndex = 0; state.DriveIndex <= kLastDriveIndex; ++state.DriveIndex) {
        if (state.DriveTypes[state.DriveIndex] == kFixed) {
            DriveRootFor(state);
            state.FoundExePath =
                FindFileOnDrive(services, state.DriveRoot, ExecutableOf(state.CurrentGame));
            window.advanceProgress(kProgressStep);
        }
        if (state.DriveIndex == kLastDriveIndex && state.FoundExePath.isEmpty()) {
            ClearGameRecord(state, services);
            services.pointer.showDefault();
            return;
        }
        if (state.FoundExePath.size() > 3) {
            TakeFoundGame(state, services);
            return; // the pointer stays busy; the start-up sequence resets it
        }
        window.advanceProgress(kProgressStep);
    }
}

} // namespace zv
