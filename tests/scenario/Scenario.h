#pragma once

#include "Sandbox.h"
#include "Script.h"

#include "app/Program.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QString>

#include <memory>

class QAction;
class QProgressBar;
class QWidget;

namespace zv::scenario {

// The values each progress bar has shown, from the moment the runner first saw it.
class ProgressHistory {
public:
    // Starts following every bar of the program's windows not followed yet.
    void follow(const Program& program);
    // "Startup.ProgressBar1"; nullptr when that bar was never seen.
    const QList<int>* valuesOf(const QString& name) const;

private:
    struct Followed {
        QPointer<QProgressBar> bar;
        QList<int> values;
    };
    QHash<QString, std::shared_ptr<Followed>> m_bars;
};

// One scenario file being run: its sandbox, the program once started, and how far the
// expectations have read the recorded message boxes, addresses and started programs.
class Scenario {
public:
    // scriptFolder: the folder of the scenario file, which relative host paths start from.
    Scenario(const QString& supportFolder, QString scriptFolder);
    ~Scenario();

    Sandbox& sandbox() { return m_sandbox; }
    const QString& scriptFolder() const { return m_scriptFolder; }
    bool isStarted() const { return m_program != nullptr; }
    // Runs the entry routine; fails when the program is already running.
    void start();
    // The running program; fails when `start` has not run.
    Program& program() const;

    // Lets the program's events run until nothing is left to do.
    void settle();

    // A window by name, nullptr when it is not loaded; fails for a name that is no window or a
    // window the program does not have yet.
    QWidget* findWindow(const QString& name) const;
    // A loaded window by name; fails for a name that is no window, a window the program
    // does not have yet, or one that is not loaded.
    QWidget* window(const QString& name) const;
    // A control named WINDOW.CONTROL; fails as window() does, or when the window has no such
    // control.
    QWidget* control(const QString& name) const;
    // A frame menu item or top menu named NAME or MDIForm1.NAME; nullptr for any other name.
    QAction* menuEntry(const QString& name) const;

    // The oldest record not taken yet, which it takes; nullptr when all are taken.
    const QString* takeMessage() { return take(m_sandbox.messages.shown, m_messagesTaken); }
    const QString* takeAddress() { return take(m_sandbox.addresses.opened, m_addressesTaken); }
    const QString* takeStarted() { return take(m_sandbox.launcher.started, m_startedTaken); }
    const QString* peekMessage() const;

    const ProgressHistory& progress() const { return m_progress; }

private:
    static const QString* take(const QStringList& records, qsizetype& taken);

    Sandbox m_sandbox;
    QString m_scriptFolder;
    std::unique_ptr<Program> m_program;
    ProgressHistory m_progress;
    qsizetype m_messagesTaken = 0;
    qsizetype m_addressesTaken = 0;
    qsizetype m_startedTaken = 0;
};

// WINDOW.CONTROL split at its first dot; control is empty for a bare name.
struct ControlName {
    QString window;
    QString control;
};
ControlName SplitControlName(const QString& name);

} // namespace zv::scenario
