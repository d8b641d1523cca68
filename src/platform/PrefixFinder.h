#pragma once

#include "UserEnvironment.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zv {

// The Wine prefix the program works on, and why that one.
struct PrefixChoice {
    QString prefix;
    QString reason;

    // The one line written on standard error at start.
    QString line() const;
};

// Every folder that looks like a Wine prefix in the places launchers keep
// them, in this order: ~/.wine, ~/.local/share/wineprefixes/*, Lutris's
// ~/Games/*, Bottles' bottles (native and Flatpak), PlayOnLinux's
// ~/.PlayOnLinux/wineprefix/*, and Steam's steamapps/compatdata/*/pfx in every
// Steam library. Within one place the names go in byte order; a folder
// reached twice (through a link) is listed once.
QStringList CandidatePrefixes(const UserEnvironment& environment);

// The library folders a Steam libraryfolders.vdf names, in file order, both
// of the current layout ("path" keys) and of the old one (numbered keys). A
// damaged or cut-off file gives what could be read before the damage.
QStringList SteamLibraryPaths(const QByteArray& vdf);

// The host folder of a prefix's drive C (its dosdevices/c: link, else
// drive_c); empty when there is none or it leads into a pseudo file system
// such as /proc.
QString DriveCOf(const QString& prefix);

// Which of fileNames lie anywhere under the prefix's drive C (names compared
// ignoring case, as the program's tree search does).
QStringList FilesInPrefix(const QString& prefix, const QStringList& fileNames);

// $WINEPREFIX when the user set it; otherwise the first candidate holding all
// of gameFiles, else the first holding the most of them, else ~/.wine.
PrefixChoice ChooseWinePrefix(const UserEnvironment& environment, const QStringList& gameFiles);

} // namespace zv
