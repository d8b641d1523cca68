#pragma once

#include <QString>
#include <QStringList>

#include <span>

namespace zv {
class BrowserComponent;
class Grabber;
} // namespace zv

namespace zv::scenario {

class Scenario;

using CommandFunction = void (*)(Scenario& scenario, const QStringList& words);

enum class CommandKind {
    Setup,       // prepares the sandbox; allowed before and after `start`
    Action,      // something the user does; the program's events run until idle afterwards
    Expectation, // reads what the user would see
};

// One row of a command table. A row without a function is a command of the scenario format
// that this runner cannot carry out yet: it fails the file as unsupported.
struct CommandRow {
    const char* name;
    int fewestWords;
    int mostWords; // -1: any number
    const char* usage;
    CommandKind kind;
    CommandFunction run;
};

std::span<const CommandRow> SetupCommands();
std::span<const CommandRow> ActionCommands();
std::span<const CommandRow> Expectations();

// Runs one scenario line; fails (ScenarioFailure) when it does not hold.
void RunCommand(Scenario& scenario, const QString& command, const QStringList& words);

// Shared word readers; each fails with a message naming what it expected.
int NumberWord(const QString& word, const QString& what);
double RealWord(const QString& word, const QString& what);

// The window of that name with an embedded browser, and its browser; each fails when there is
// none (no such window, or its browser did not start).
Grabber& GrabberOf(Scenario& scenario, const QString& name);
BrowserComponent& BrowserOf(Scenario& scenario, const QString& name);

} // namespace zv::scenario
