#include "Commands.h"

#include "Outcome.h"
#include "Scenario.h"
#include "Script.h"

#include <QHash>

namespace zv::scenario {

namespace {

const QHash<QString, const CommandRow*>& CommandIndex()
{
    static const QHash<QString, const CommandRow*> index = [] {
        QHash<QString, const CommandRow*> rows;
        for (auto table : {SetupCommands(), ActionCommands(), Expectations()}) {
            for (const CommandRow& row : table)
                rows.insert(QLatin1String(row.name), &row);
        }
        return rows;
    }();
    return index;
}

void CheckWordCount(const CommandRow& row, const QStringList& words)
{
    const auto count = words.size();
    if (count >= row.fewestWords && (row.mostWords < 0 || count <= row.mostWords))
        return;
    Fail(QStringLiteral("expected `") + QLatin1String(row.usage) + QStringLiteral("`, saw ") +
         QString::number(count) +
         (count == 1 ? QStringLiteral(" word") : QStringLiteral(" words")) +
         QStringLiteral(" after ") + QLatin1String(row.name));
}

} // namespace

void RunCommand(Scenario& scenario, const QString& command, const QStringList& words)
{
    const CommandRow* row = CommandIndex().value(command);
    if (!row)
        Fail(QStringLiteral("unsupported command: ") + Quoted(command) +
             QStringLiteral(" is no command of the scenario format"));
    if (!row->run)
        Fail(QStringLiteral("unsupported command: ") + command +
             QStringLiteral(" is not available in this build of the program"));
    CheckWordCount(*row, words);
    if (row->kind == CommandKind::Action && scenario.isStarted() && scenario.program().hasEnded() &&
        command != QLatin1String("wait-file"))
        Fail(QStringLiteral("expected a running program for ") + command +
             QStringLiteral(", but it has ended"));
    row->run(scenario, words);
    if (row->kind == CommandKind::Action && scenario.isStarted())
        scenario.settle();
}

int NumberWord(const QString& word, const QString& what)
{
    bool ok = false;
    const int number = word.toInt(&ok);
    if (!ok)
        Fail(QStringLiteral("expected a whole number for ") + what + QStringLiteral(", saw ") +
             Quoted(word));
    return number;
}

double RealWord(const QString& word, const QString& what)
{
    bool ok = false;
    const double number = word.toDouble(&ok);
    if (!ok)
        Fail(QStringLiteral("expected a number for ") + what + QStringLiteral(", saw ") +
             Quoted(word));
    return number;
}

} // namespace zv::scenario
