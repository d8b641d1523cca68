#include "MapOperations.h"

#include "CommandSteps.h"
#include "core/FailureTexts.h"
#include "core/MapFolders.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"

namespace zv {

namespace {

constexpr int kSkipped = FailureNumber::FileNotFound;

QString FolderKey(const QString& folder)
{
    QString key = folder;
    while (key.contains(QStringLiteral("\\\\")))
        key.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    while (key.endsWith(QLatin1Char('\\')))
        key.chop(1);
    return key.toUpper();
}

bool Exists(FileSystem& files, const QString& path, ListKind kind)
{
    return !files.find(path, kind).isEmpty();
}

// How a map command answers a failure that stopped it. Anything else shows
// "Error: number. description"; a rename then also empties the name box.
struct FailureRow {
    int number;
    bool renameOnly;
    const char* message;
    bool toIdle;
};

constexpr FailureRow kMapFailures[] = {
    {FailureNumber::DiskNotReady, false,
     "Disk not ready. Make sure that your drive(s) are working and click on the button again.", false},
    {FailureNumber::DiskFull, false, "Your destination drive is full.", true},
    {FailureNumber::FileExists, true, "This name already exists.  Use a different name for your map.",
     false},
};

} // namespace

bool SameFolder(const QString& a, const QString& b)
{
    return FolderKey(a) == FolderKey(b);
}

MapFileNames CopyNamesFor(const QString& sourceFolder, const QString& sourceName,
                          const QString& targetFolder)
{
    if (!SameFolder(sourceFolder, targetFolder))
        return {sourceName, PreviewPathFor(sourceName)};
    if (sourceName.size() < 4)
        throw Failure(FailureNumber::InvalidArgument);
    const QString base = sourceName.left(sourceName.size() - 4);
    return {base + QStringLiteral("_Copy.gmx"), base + QStringLiteral("_Copy.bmp")};
}

std::optional<Failure> CopyMapFiles(FileSystem& files, const QString& sourceFolder,
                                    const QString& sourceName, const QString& targetFolder,
                                    const MapFileNames& target)
{
    return RunSteps(
        {
            [&] { files.copyFile(JoinPath(sourceFolder, sourceName), JoinPath(targetFolder, target.map)); },
            [&] {
                files.copyFile(JoinPath(sourceFolder, PreviewPathFor(sourceName)),
                               JoinPath(targetFolder, target.preview));
            },
        },
        {kSkipped});
}

std::optional<Failure> DeleteMapFiles(FileSystem& files, const QString& mapPath)
{
    return RunSteps({[&] { files.deleteFile(mapPath); },
                     [&] { files.deleteFile(PreviewPathFor(mapPath)); }},
                    {kSkipped});
}

MoveResult MoveMapFiles(FileSystem& files, const QString& sourceFolder, const QString& sourceName,
                        const QString& targetFolder)
{
    const QString map = JoinPath(sourceFolder, sourceName);
    const QString preview = PreviewPathFor(map);
    const QString targetMap = JoinPath(targetFolder, sourceName);
    bool mapCopied = false;
    bool previewCopied = false;
    MoveResult result;
    result.failure = RunSteps(
        {
            [&] {
                files.copyFile(map, targetMap);
                mapCopied = true;
            },
            [&] {
                files.copyFile(preview, JoinPath(targetFolder, PreviewPathFor(sourceName)));
                previewCopied = true;
            },
        },
        {kSkipped});
    if (result.failure)
        return result;
    try {
        result.arrived = Exists(files, targetMap, ListKind::Files);
    } catch (const Failure& failure) {
        result.failure = failure;
        return result;
    }
    if (!result.arrived)
        return result;
    // An original goes only when its own copy was made: a copy skipped as not
    // found may have met a file of that name already in the target folder,
    // which is not this map or preview.
    result.failure = RunSteps(
        {
            [&] {
                if (mapCopied)
                    files.deleteFile(map);
            },
            [&] {
                if (previewCopied)
                    files.deleteFile(preview);
            },
        },
        {kSkipped});
    return result;
}

std::optional<Failure> RenameMapFiles(FileSystem& files, const QString& folder,
                                      const QString& oldName, const QString& newBase)
{
    const QString oldMap = JoinPath(folder, oldName);
    const QString oldPreview = JoinPath(folder, PreviewPathFor(oldName));
    const QString newMap = JoinPath(folder, newBase + QStringLiteral(".gmx"));
    const QString newPreview = JoinPath(folder, newBase + QStringLiteral(".bmp"));
    // The map first, then its preview; a rename never replaces anything, so a
    // preview name that is taken leaves the old preview where it is and says so.
    return RunSteps(
        {
            [&] { files.rename(oldMap, newMap); },
            [&] { files.rename(oldPreview, newPreview); },
        },
        {kSkipped});
}

MapFailureReaction ReactionToMapFailure(MapCommand command, const Failure& failure)
{
    for (const FailureRow& row : kMapFailures) {
        if (row.number == failure.number() && (!row.renameOnly || command == MapCommand::Rename))
            return {QString::fromLatin1(row.message), row.toIdle, false};
    }
    return {ErrorNumberDescription(failure), false, command == MapCommand::Rename};
}

} // namespace zv
