#pragma once

#include <QString>
#include <QStringList>

namespace zv {

// How one program file is started as a process of its own.
struct ProgramStart {
    QString program;       // what is executed: the file itself, or the Wine loader
    QStringList arguments; // the file, when Wine runs it
    QString workingFolder; // the file's own folder
    QString winePrefix;    // WINEPREFIX for the child; empty: left as it is
};

// A Windows program (a name ending in ".exe", in any letter case) runs through the Wine loader
// in the given prefix; any other file runs as it is when it may be executed. Throws Failure
// when the file cannot be started: 53 when it is not there (or Wine is missing), 70 when it
// cannot be read, 5 when it is no program that can run here.
ProgramStart PlanProgramStart(const QString& hostPath, const QString& winePrefix,
                              const QString& wineLoader);

// The Wine loader: $WINELOADER when it is set (Wine's own name for it), else "wine" on the
// PATH; empty when there is none.
QString FindWineLoader();

// Whether a file name names a Windows program.
bool IsWindowsProgramName(const QString& fileName);

} // namespace zv
