#include "BrowserEngine.h"

#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

#include <unistd.h>

namespace zv {

namespace {

// Beside the program (a build folder), or in the library folder of an install.
QStringList ModuleCandidates()
{
    const QString folder = QCoreApplication::applicationDirPath();
    return {folder + QStringLiteral("/zorvane-browser.so"),
            InstalledLibraryFolder(folder) + QStringLiteral("/zorvane-browser.so")};
}

BrowserModuleEntry LoadEntry(QString* whyNot)
{
    static BrowserModuleEntry entry = nullptr;
    if (entry)
        return entry;
    QString lastError;
    for (const QString& candidate : ModuleCandidates()) {
        if (!QFileInfo::exists(candidate))
            continue;
        QLibrary module(candidate);
        entry = reinterpret_cast<BrowserModuleEntry>(module.resolve(kBrowserModuleEntry));
        if (entry)
            return entry; // the module stays loaded for the rest of the run
        lastError = module.errorString();
    }
    if (whyNot) {
        *whyNot = lastError.isEmpty()
                      ? QStringLiteral("The download browser is not installed: zorvane-browser.so "
                                       "is missing beside the program.")
                      : QStringLiteral("The download browser cannot be started: ") + lastError;
    }
    return nullptr;
}

} // namespace

QString EngineRefusalFor(bool runningAsRoot, const QByteArray& disableSandbox,
                         const QByteArray& chromiumFlags)
{
    if (!runningAsRoot)
        return QString();
    const QByteArray off = disableSandbox.trimmed();
    if (!off.isEmpty() && off != "0")
        return QString();
    for (const QByteArray& flag : chromiumFlags.split(' ')) {
        if (flag == "--no-sandbox")
            return QString();
    }
    // The engine would end the whole program rather than run without its sandbox as root.
    return QStringLiteral("The download browser does not run with administrator (root) rights. "
                          "Start Zorvane as an ordinary user to browse for maps.");
}

BrowserComponent* MakeEngineBrowser(QWidget* parent, BrowserEvents events, QString* whyNot)
{
    const QString refusal =
        EngineRefusalFor(::geteuid() == 0, qgetenv("QTWEBENGINE_DISABLE_SANDBOX"),
                         qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"));
    if (!refusal.isEmpty()) {
        if (whyNot)
            *whyNot = refusal;
        return nullptr;
    }
    const BrowserModuleEntry entry = LoadEntry(whyNot);
    if (!entry)
        return nullptr;
    BrowserComponent* browser = entry(parent, &events);
    if (!browser && whyNot)
        *whyNot = QStringLiteral("The download browser cannot be started.");
    return browser;
}

} // namespace zv
