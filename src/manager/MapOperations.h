#pragma once

#include "platform/Failure.h"

#include <QString>

#include <optional>

namespace zv {

class FileSystem;

// The file work of the manager's four map commands, on a map and its preview
// (the same path ending in "bmp"). In every command a step that fails because
// its file is not there (53) is skipped, which is what lets a map without a
// preview be copied, moved, deleted and renamed; the first other failure
// stops the command and is returned for the window to report.

// Two folder texts name the same folder: equal ignoring letter case, doubled
// "\" and a trailing "\" ("c:\\Maps\" is "C:\Maps").
bool SameFolder(const QString& a, const QString& b);

struct MapFileNames {
    QString map;
    QString preview;
};

// The names a copy gets: unchanged in another folder; in the map's own folder
// the name without its last four characters followed by "_Copy.gmx" and
// "_Copy.bmp". Throws Failure 5 for a name too short to cut.
MapFileNames CopyNamesFor(const QString& sourceFolder, const QString& sourceName,
                          const QString& targetFolder);

// Copies the map, then its preview, to the names given in targetFolder; a
// copy replaces a file of the same name.
std::optional<Failure> CopyMapFiles(FileSystem& files, const QString& sourceFolder,
                                    const QString& sourceName, const QString& targetFolder,
                                    const MapFileNames& target);

// Deletes the map at mapPath, then its preview.
std::optional<Failure> DeleteMapFiles(FileSystem& files, const QString& mapPath);

struct MoveResult {
    std::optional<Failure> failure;
    bool arrived = true; // false: the map was not found in the target folder; nothing was deleted
};

// Copies the map and its preview into targetFolder under their own names,
// checks that the map is there, then deletes both originals. Nothing is
// deleted unless both copies ended without a failure and the map is listed
// in the target folder, and an original whose copy was skipped (53) is never
// deleted, so each file stays whole in at least one folder.
// The caller refuses a target that is the source folder.
MoveResult MoveMapFiles(FileSystem& files, const QString& sourceFolder, const QString& sourceName,
                        const QString& targetFolder);

// Renames the map to newBase + ".gmx" and its preview to newBase + ".bmp" in
// its folder. Never replaces anything: when the new map name is taken, or
// the map has a preview and the new preview name is taken, nothing is renamed
// and the failure is 58.
std::optional<Failure> RenameMapFiles(FileSystem& files, const QString& folder,
                                      const QString& oldName, const QString& newBase);

enum class MapCommand { Copy, Delete, Move, Rename };

// What the window does after a map command stopped on a failure: the message,
// whether the command is dropped (a full disk) and whether the name box is
// emptied.
struct MapFailureReaction {
    QString message;
    bool toIdle = false;
    bool emptyNameBox = false;
};

MapFailureReaction ReactionToMapFailure(MapCommand command, const Failure& failure);

} // namespace zv
