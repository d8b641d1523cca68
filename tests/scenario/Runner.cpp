#include "Runner.h"

#include "Commands.h"
#include "Outcome.h"
#include "Scenario.h"
#include "Script.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSize>

#include <exception>

namespace zv::scenario {

namespace {

FileResult Failed(const QString& path, int line, const QString& message)
{
    return {false, QStringLiteral("FAIL ") + path + QLatin1Char(':') + QString::number(line) +
                       QStringLiteral(": ") + message};
}

QString ReadScript(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ScriptError{0, QStringLiteral("expected a readable scenario file, saw: ") +
                                 file.errorString()};
    return QString::fromUtf8(file.readAll());
}

QSize ScreenOf(const QList<ScriptLine>& script)
{
    for (const ScriptLine& line : script) {
        if (line.command == QLatin1String("screen") && line.words.size() >= 2) {
            const QSize size(line.words.at(0).toInt(), line.words.at(1).toInt());
            if (size.isValid() && !size.isEmpty())
                return size;
        }
    }
    return QSize(1024, 768);
}

} // namespace

QByteArray ScreenConfigurationFor(const QString& path)
{
    QSize size(1024, 768);
    try {
        size = ScreenOf(ParseScript(ReadScript(path)));
    } catch (const ScriptError&) {
        // The run itself reports the file; the default screen will do for that.
    }
    // The frame is maximized on this screen; its pixel size is the one the program is told.
    const QJsonObject screen{{"name", "Scenario"},
                             {"x", 0},
                             {"y", 0},
                             {"width", size.width()},
                             {"height", size.height()},
                             {"logicalDpi", 96},
                             {"logicalBaseDpi", 96},
                             {"dpr", 1.0}};
    const QJsonObject configuration{{"synchronousWindowSystemEvents", false},
                                    {"windowFrameMargins", true},
                                    {"screens", QJsonArray{screen}}};
    return QJsonDocument(configuration).toJson();
}

FileResult RunScenarioFile(const QString& path, const QString& supportFolder)
{
    QList<ScriptLine> script;
    try {
        script = ParseScript(ReadScript(path));
    } catch (const ScriptError& error) {
        return Failed(path, error.line, error.message);
    }
    if (!QFileInfo(supportFolder).isDir())
        return Failed(path, 0,
                      QStringLiteral("expected the Support pictures at ") + supportFolder +
                          QStringLiteral(", saw none (build zv_support_pictures)"));
    Scenario scenario(supportFolder, QFileInfo(path).absolutePath());
    for (const ScriptLine& line : script) {
        try {
            RunCommand(scenario, line.command, line.words);
        } catch (const ScenarioFailure& failure) {
            return Failed(path, line.number, line.command + QStringLiteral(": ") + failure.message);
        } catch (const std::exception& thrown) {
            return Failed(path, line.number,
                          line.command +
                              QStringLiteral(": expected the program to handle its failures, "
                                             "saw an exception escape: ") +
                              QString::fromLocal8Bit(thrown.what()));
        }
    }
    return {true, QStringLiteral("PASS ") + path};
}

} // namespace zv::scenario
