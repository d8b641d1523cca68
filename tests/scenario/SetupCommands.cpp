// The commands that prepare the sandbox: drives, files, faults and the screen.

#include "Commands.h"
#include "Outcome.h"
#include "Scenario.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::scenario {

namespace {

const QStringList kDriveTypes = {
    QStringLiteral("hd"),      QStringLiteral("cdrom"),   QStringLiteral("floppy"),
    QStringLiteral("network"), QStringLiteral("ramdisk"), QStringLiteral("absent"),
};

QChar DriveLetterWord(const QString& word)
{
    QString letter = word;
    if (letter.endsWith(QLatin1Char(':')))
        letter.chop(1);
    if (letter.size() != 1 || !letter.at(0).isLetter() || letter.at(0).unicode() > 'z')
        Fail(QStringLiteral("expected a drive letter, saw ") + Quoted(word));
    return letter.at(0).toLower();
}

void WriteHostBytes(const QString& hostPath, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(hostPath).path());
    QFile file(hostPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) < 0)
        Fail(QStringLiteral("expected to write the sandbox file ") + hostPath +
             QStringLiteral(", saw: ") + file.errorString());
}

void WriteHostFile(const QString& hostPath, const QString& text)
{
    WriteHostBytes(hostPath, Sandbox::BytesOf(text));
}

void Drive(Scenario& scenario, const QStringList& words)
{
    const QString type = words.value(1, QStringLiteral("hd"));
    if (!kDriveTypes.contains(type))
        Fail(QStringLiteral("expected a drive type (") + kDriveTypes.join(QStringLiteral(", ")) +
             QStringLiteral("), saw ") + Quoted(type));
    scenario.sandbox().addDrive(DriveLetterWord(words.at(0)), type);
}

void File(Scenario& scenario, const QStringList& words)
{
    WriteHostFile(scenario.sandbox().hostPathOf(words.at(0), true), words.value(1));
}

void Folder(Scenario& scenario, const QStringList& words)
{
    QDir().mkpath(scenario.sandbox().hostPathOf(words.at(0), true));
}

void ProgramFile(Scenario& scenario, const QStringList& words)
{
    WriteHostFile(scenario.sandbox().programHostPathOf(words.at(0)), words.value(1));
}

void Executable(Scenario& scenario, const QStringList& words)
{
    const QString host = scenario.sandbox().hostPathOf(words.at(0), true);
    WriteHostFile(host, words.at(1));
    QFile::setPermissions(host, QFile::permissions(host) | QFile::ExeOwner | QFile::ExeUser |
                                    QFile::ExeGroup | QFile::ExeOther);
}

// A binary file such as a real map package, copied byte for byte from the host.
void HostFile(Scenario& scenario, const QStringList& words)
{
    const QString target = scenario.sandbox().hostPathOf(words.at(0), true);
    const QString source = QDir(scenario.scriptFolder()).absoluteFilePath(words.at(1));
    QFile from(source);
    if (!QFileInfo(source).isFile() || !from.open(QIODevice::ReadOnly))
        Fail(QStringLiteral("expected a readable host file ") + Quoted(words.at(1)) +
             QStringLiteral(" (looked at ") + source + QStringLiteral("), saw ") +
             (QFileInfo::exists(source) ? from.errorString() : QStringLiteral("nothing there")));
    WriteHostBytes(target, from.readAll());
}

void FailOperation(Scenario& scenario, const QStringList& words)
{
    const auto operation = FaultInjectingFileSystem::OperationNamed(words.at(0));
    if (!operation)
        Fail(QStringLiteral("expected an operation (copy, delete, rename, mkdir, rmdir, read, "
                            "write, list), saw ") +
             Quoted(words.at(0)));
    scenario.sandbox().files().failOn(*operation, words.at(1),
                                      NumberWord(words.at(2), QStringLiteral("the failure")));
}

// The same for a file of the program folder, named as `program-file` names it.
void FailProgramFile(Scenario& scenario, const QStringList& words)
{
    scenario.sandbox().programHostPathOf(words.at(1)); // fails for a name outside the folder
    FailOperation(scenario, {words.at(0),
                             scenario.sandbox().programFolder() + QLatin1Char('\\') + words.at(1),
                             words.at(2)});
}

void ScreenSize(Scenario& scenario, const QStringList& words)
{
    const int width = NumberWord(words.at(0), QStringLiteral("the screen width"));
    const int height = NumberWord(words.at(1), QStringLiteral("the screen height"));
    const double dpi =
        words.size() > 2 ? RealWord(words.at(2), QStringLiteral("the dots per inch")) : 96;
    if (width <= 0 || height <= 0 || dpi <= 0)
        Fail(QStringLiteral("expected a screen size and dots per inch above 0"));
    if (scenario.isStarted())
        Fail(
            QStringLiteral("expected `screen` before `start`: the program has placed its windows"));
    scenario.sandbox().screen = FixedScreen(QSize(width, height), dpi);
}

void Repository(Scenario& scenario, const QStringList&)
{
    if (scenario.isStarted())
        Fail(QStringLiteral("expected `repository` before `start`: the browser is set up then"));
    scenario.sandbox().serveRepository();
}

void DownloadFolderAt(Scenario& scenario, const QStringList& words)
{
    if (scenario.isStarted())
        Fail(QStringLiteral("expected `download-folder` before `start`"));
    scenario.sandbox().setDownloadFolder(words.at(0));
}

constexpr CommandKind kSetupKind = CommandKind::Setup;

constexpr CommandRow kSetup[] = {
    {"drive", 1, 2, "drive L [TYPE]", kSetupKind, &Drive},
    {"file", 1, 2, "file PATH [TEXT]", kSetupKind, &File},
    {"folder", 1, 1, "folder PATH", kSetupKind, &Folder},
    {"program-file", 1, 2, "program-file NAME [TEXT]", kSetupKind, &ProgramFile},
    {"executable", 2, 2, "executable PATH TEXT", kSetupKind, &Executable},
    {"host-file", 2, 2, "host-file PATH HOSTFILE", kSetupKind, &HostFile},
    {"fail", 3, 3, "fail OPERATION PATH NUMBER", kSetupKind, &FailOperation},
    {"fail-program-file", 3, 3, "fail-program-file OPERATION NAME NUMBER", kSetupKind,
     &FailProgramFile},
    {"screen", 2, 3, "screen W H [DPI]", kSetupKind, &ScreenSize},
    {"repository", 0, 0, "repository", kSetupKind, &Repository},
    // Not in the first set of the format: where the browser saves downloads.
    {"download-folder", 1, 1, "download-folder PATH", kSetupKind, &DownloadFolderAt},
};

} // namespace

std::span<const CommandRow> SetupCommands()
{
    return kSetup;
}

} // namespace zv::scenario
