#pragma once

#include <QString>
#include <QStringList>

namespace zv {

// What the program takes from the user's session: the home folder and the
// few variables that say where things live. main reads the real ones; tests
// give a temporary home, never the real one.
struct UserEnvironment {
    QString home;        // $HOME, else the account's home folder
    QString xdgDataHome; // $XDG_DATA_HOME as set (may be empty or, wrongly, relative)
    QString winePrefix;  // $WINEPREFIX as set

    static UserEnvironment OfProcess();

    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    QString dataHome() const;
    // The data home and ~/.local/share, each once: launchers differ in which
    // of the two they honour.
    QStringList dataHomes() const;
    // A path below the home folder ("Games" -> "/home/u/Games").
    QString inHome(const QString& relative) const;
};

} // namespace zv
