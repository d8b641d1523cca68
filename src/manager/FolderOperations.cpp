#include "FolderOperations.h"

#include "CommandSteps.h"
#include "core/FailureTexts.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"

namespace zv {

namespace {

const QString kNewFolder = QStringLiteral("New Folder");
constexpr int kLastCandidate = 100;

} // namespace

bool IsDriveRoot(const QString& folder)
{
    QString trimmed = folder;
    while (trimmed.endsWith(QLatin1Char('\\')))
        trimmed.chop(1);
    return trimmed.size() == 2 && trimmed.at(1) == QLatin1Char(':') && trimmed.at(0).isLetter();
}

FolderParts SplitFolderPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('\\'));
    if (slash < 0)
        return {QString(), path};
    return {path.left(slash), path.mid(slash + 1)};
}

std::optional<NewFolder> MakeNewFolder(FileSystem& files, const QString& folder)
{
    try {
        const QString path = JoinPath(folder, kNewFolder);
        files.makeFolder(path);
        return NewFolder{path, false};
    } catch (const Failure& failure) {
        if (failure.number() != FailureNumber::PathAccessError)
            throw;
    }
    for (int counter = 0; counter <= kLastCandidate; ++counter) {
        const QString candidate = JoinPath(folder, kNewFolder + QString::number(counter));
        if (files.find(candidate, ListKind::FilesAndFolders).isEmpty()) {
            files.makeFolder(candidate);
            return NewFolder{candidate, true};
        }
    }
    return std::nullopt;
}

void RemoveEmptyFolder(FileSystem& files, const QString& folder)
{
    if (IsDriveRoot(folder))
        throw Failure(FailureNumber::PathAccessError);
    files.removeFolder(folder);
}

QString RenameFolderTo(FileSystem& files, const QString& folder, const QString& newName)
{
    if (IsDriveRoot(folder))
        throw Failure(FailureNumber::PathAccessError);
    const QString newPath = SplitFolderPath(folder).parent + QLatin1Char('\\') + newName;
    files.rename(folder, newPath);
    return newPath;
}

FolderFailureReaction ReactionToRemoveFailure(const Failure& failure)
{
    switch (failure.number()) {
    case FailureNumber::PathAccessError:
        return {QStringLiteral("Since this folder will be deleted permanently, you need to remove the "
                               "subfolders and files first.  This should help protect your files from "
                               "accidental deletion."),
                false, false};
    case FailureNumber::DiskNotReady:
        return {QStringLiteral("Disk not ready. Make sure that your drive(s) are working and click on "
                               "the COPY button again."),
                true, false};
    default: return {ErrorNumberDescription(failure), true, false};
    }
}

FolderFailureReaction ReactionToRenameFailure(const Failure& failure)
{
    switch (failure.number()) {
    case FailureNumber::PathNotFound: return {QString(), true, true};
    case FailureNumber::FileExists:
        return {QStringLiteral("This name already exists.  Use a different name for your folder."), true,
                false};
    default: return {ErrorNumberDescription(failure), true, false};
    }
}

} // namespace zv
