#pragma once

#include "platform/Failure.h"

#include <QString>

#include <optional>

namespace zv {

class FileSystem;

// The file work of the manager's three folder commands.

// A drive's root folder: "C:\", "c:" or "C:\\".
bool IsDriveRoot(const QString& folder);

// The parent and last component of a folder path, found by scanning back to
// its last "\": "D:\Maps\Old" is "D:\Maps" and "Old"; "D:\Old" is "D:" and
// "Old"; a root "D:\" is "D:" and "".
struct FolderParts {
    QString parent;
    QString name;
};
FolderParts SplitFolderPath(const QString& path);

struct NewFolder {
    QString path;
    bool numbered = false; // one of the numbered candidates was made
};

// Makes "New Folder" in folder; when that name is taken (by a folder or a
// file), the first of "New Folder0" to "New Folder100" that nothing is
// called. nullopt when all of them are taken. Other failures are thrown.
std::optional<NewFolder> MakeNewFolder(FileSystem& files, const QString& folder);

// Removes an empty folder. A drive root is never removed: it fails as a
// folder that cannot be removed does (75).
void RemoveEmptyFolder(FileSystem& files, const QString& folder);

// Renames folder to its parent + "\" + newName as typed and returns the new
// path. Never replaces anything (58); a drive root cannot be renamed (75).
QString RenameFolderTo(FileSystem& files, const QString& folder, const QString& newName);

// What the window does after a folder removal or rename stopped on a failure.
struct FolderFailureReaction {
    QString message;          // empty: none
    bool resetLooks = true;   // the map buttons blank, folder and tool buttons shown
    bool closeRename = false; // the name box emptied and hidden, status empty, nothing armed
};

// Removal: 75 (not empty) the protection message, the removal stays armed and
// nothing else changes; 71 the not-ready message; anything else "Error: ...".
// A missing path (76) is skipped by the removal itself and never gets here.
FolderFailureReaction ReactionToRemoveFailure(const Failure& failure);
// Rename: 76 closes the rename without a message; 58 the name-exists message,
// the typed name stays; anything else "Error: ...".
FolderFailureReaction ReactionToRenameFailure(const Failure& failure);

} // namespace zv
