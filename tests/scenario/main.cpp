// zorvane-scenario FILE...: runs each scenario file against the real windows and prints one
// line per file, then the totals. With several files each one runs in a process of its own, so
// that each gets the screen it asks for and a crash fails only its own file.

#include "Runner.h"

#include <QApplication>
#include <QLocale>
#include <QProcess>
#include <QTemporaryFile>

#include <cstdio>

namespace {

using zv::scenario::FileResult;

void Print(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

int PrintTotals(int passed, int failed)
{
    Print(QStringLiteral("%1 passed, %2 failed").arg(passed).arg(failed));
    return failed == 0 ? 0 : 1;
}

QtMessageHandler g_defaultHandler = nullptr;

// The test library's complaints about synthetic input (a drag past the window's edge, a key a
// widget ignores) are what a scenario does on purpose, and the offscreen platform's remark on
// size hints says nothing about the program; neither do the browser engine's start-up notes.
void QuietInputWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg &&
        (message.startsWith(QLatin1String("Mouse event")) ||
         message.startsWith(QLatin1String("Keyboard event not accepted")) ||
         message.contains(QLatin1String("does not support propagateSizeHints"))))
        return;
    // The browser engine describes its graphics set-up each time it starts, and says that
    // it was loaded late and draws without OpenGL here, which is how the program uses it.
    if (qstrcmp(context.category, "qt.webenginecontext") == 0 ||
        message.startsWith(QLatin1String("Qt WebEngine seems to be initialized from a plugin")) ||
        message.startsWith(QLatin1String("WebEngineContext used before")))
        return;
    g_defaultHandler(type, context, message);
}

// The offscreen platform takes its screen from a file named in the platform's arguments.
bool UseOffscreenScreen(const QString& scenario, QTemporaryFile& configuration)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen")
        return true; // another platform was asked for; its screen is the real one
    if (!configuration.open())
        return false;
    configuration.write(zv::scenario::ScreenConfigurationFor(scenario));
    configuration.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + configuration.fileName().toLocal8Bit());
    return true;
}

int RunOne(int argc, char** argv, const QString& scenario)
{
    QTemporaryFile configuration;
    if (!UseOffscreenScreen(scenario, configuration)) {
        Print(QStringLiteral("FAIL ") + scenario +
              QStringLiteral(":0: cannot write the screen configuration"));
        return PrintTotals(0, 1);
    }
    QLocale::setDefault(QLocale::c());
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zorvane 2.0"));
    g_defaultHandler = qInstallMessageHandler(QuietInputWarnings);

    const FileResult result =
        zv::scenario::RunScenarioFile(scenario, QStringLiteral(ZV_SUPPORT_DIR));
    Print(result.line);
    return PrintTotals(result.passed ? 1 : 0, result.passed ? 0 : 1);
}

FileResult RunInChild(const QString& self, const QString& scenario)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(self, {scenario});
    child.waitForFinished(-1);
    const QString output = QString::fromLocal8Bit(child.readAllStandardOutput());
    for (const QString& line : output.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1String("PASS ")))
            return {true, line};
        if (line.startsWith(QLatin1String("FAIL ")))
            return {false, line};
    }
    const QString how =
        child.exitStatus() == QProcess::CrashExit
            ? QStringLiteral("crashed")
            : QStringLiteral("stopped with exit code ") + QString::number(child.exitCode());
    return {false, QStringLiteral("FAIL ") + scenario +
                       QStringLiteral(":0: expected a result, but the runner ") + how};
}

int RunEach(int argc, char** argv, const QStringList& scenarios)
{
    QCoreApplication application(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    int passed = 0;
    int failed = 0;
    for (const QString& scenario : scenarios) {
        const FileResult result = RunInChild(self, scenario);
        Print(result.line);
        ++(result.passed ? passed : failed);
    }
    return PrintTotals(passed, failed);
}

} // namespace

int main(int argc, char** argv)
{
    QStringList scenarios;
    for (int i = 1; i < argc; ++i)
        scenarios.append(QString::fromLocal8Bit(argv[i]));
    if (scenarios.isEmpty()) {
        std::fputs("usage: zorvane-scenario FILE...\n", stderr);
        return 2;
    }
    int appArgc = 1;
    if (scenarios.size() == 1)
        return RunOne(appArgc, argv, scenarios.first());
    return RunEach(appArgc, argv, scenarios);
}
