#pragma once

#include "DriveTable.h"
#include "UserEnvironment.h"

#include <QString>
#include <QStringList>

namespace zv {

// The program path of the folder the program lives in (where the records, the
// notes file and Support are), given that folder's host path.
QString ProgramFolderPath(const DriveTable& drives, const QString& hostFolder);

// Where an install keeps what the program loads, found from the executable's
// folder through the layout fixed at build time (bin/../share/zorvane and
// bin/../lib/zorvane under any install prefix).
QString InstalledDataFolder(const QString& executableFolder);
QString InstalledLibraryFolder(const QString& executableFolder);

// The host folder the program's logic sees as its own folder.
struct ProgramHostFolder {
    QString folder;
    bool perUser = false;
    // Lines for standard error about what could not be set up; empty when all is well.
    QStringList problems;
};

// A writable executable folder with Support beside it (a build folder, a
// copied program) is the program folder, as on Windows. Otherwise (an
// install, whose folders are read-only or at least not the user's) the
// program folder is the user's own data folder, $XDG_DATA_HOME/zorvane or
// ~/.local/share/zorvane, made private to the user, in which "Support" leads
// to the installed pictures: a link, re-aimed at every start so that an
// upgrade that moves them is followed, or, where the file system has no
// links, a folder of copies kept up to date. When that folder cannot be made
// or written, the installed data folder is used as it is: the pictures show,
// and writing a record or a note fails as any unwritable file does.
ProgramHostFolder PrepareProgramFolder(const QString& executableFolder,
                                       const UserEnvironment& environment);

// Makes Support inside userFolder lead to the pictures folder, as above;
// returns what went wrong, nothing when it worked. Existing files are never
// removed or overwritten except a link named Support and stale copies.
QStringList LinkSupportPictures(const QString& userFolder, const QString& pictures);

} // namespace zv
