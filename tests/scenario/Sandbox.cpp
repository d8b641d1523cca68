#include "Sandbox.h"

#include "Outcome.h"
#include "Script.h"
#include "WineProcesses.h"

#include "platform/Failure.h"
#include "platform/ProgramFolder.h"
#include "platform/ProgramStart.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace zv::scenario {

Sandbox::Sandbox(const QString& supportFolder)
    : m_savedWorkingFolder(QDir::currentPath()), m_repositoryBase(UnreachableBase())
{
    copySupport(supportFolder);
    const QString downloads = m_prefix.root() + QStringLiteral("/downloads");
    m_downloads = {downloads, downloads};
}

Sandbox::~Sandbox()
{
    const bool ranWindowsProgram =
        std::any_of(launcher.started.cbegin(), launcher.started.cend(),
                    [](const QString& path) { return IsWindowsProgramName(path); });
    if (ranWindowsProgram)
        test::EndWineIn(m_prefix.prefix());
    // The program changes the working folder into the prefix; leave it before the prefix goes.
    QDir::setCurrent(m_savedWorkingFolder);
}

// A copy rather than a link, so nothing a scenario does can reach the build's own pictures.
void Sandbox::copySupport(const QString& supportFolder) const
{
    const QString target = m_prefix.programHostFolder() + QStringLiteral("/Support");
    QDir().mkpath(target);
    QDirIterator pictures(supportFolder, QDir::Files);
    while (pictures.hasNext()) {
        const QString from = pictures.next();
        QFile::copy(from, target + QLatin1Char('/') + pictures.fileName());
    }
}

void Sandbox::addDrive(QChar letter, const QString& type)
{
    m_prefix.addDrive(letter, type);
    m_driveTypes[letter.toLower()] = type;
    // The file layer and the drives hold the table by reference: refresh it in place.
    m_table = DriveTable::FromWinePrefix(m_prefix.prefix());
}

QString Sandbox::hostPathOf(const QString& programPath, bool writable) const
{
    const auto letter = DriveLetterOf(programPath);
    if (!letter || (programPath.size() > 2 && programPath.at(2) != QLatin1Char('\\')))
        Fail(QStringLiteral("expected a path that starts with a drive (\"C:\\\\...\"), saw ") +
             Quoted(programPath));
    const auto drive = m_driveTypes.find(*letter);
    if (drive == m_driveTypes.end())
        Fail(QStringLiteral("expected a path on a drive of the sandbox, saw drive ") +
             QString(letter->toUpper()) + QStringLiteral(": which no `drive` line made"));
    if (writable && drive->second == QLatin1String("absent"))
        Fail(QStringLiteral("expected a drive that holds files, saw drive ") +
             QString(letter->toUpper()) + QStringLiteral(": which is absent"));
    for (const QString& part : programPath.mid(3).split(QLatin1Char('\\'))) {
        if (part == QLatin1String(".."))
            Fail(QStringLiteral("expected a path inside its drive, saw ") + Quoted(programPath));
    }
    return m_prefix.hostPathOf(programPath);
}

QString Sandbox::programHostPathOf(const QString& name) const
{
    QString relative = name;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (relative.isEmpty() || relative.startsWith(QLatin1Char('/')) ||
        relative.split(QLatin1Char('/')).contains(QStringLiteral("..")))
        Fail(QStringLiteral("expected a name inside the program folder, saw ") + Quoted(name));
    return m_prefix.programHostFolder() + QLatin1Char('/') + relative;
}

void Sandbox::serveRepository()
{
    if (m_repository)
        return;
    m_repository = std::make_unique<RepositoryServer>(QStringLiteral(ZV_REPOSITORY_DIR));
    if (m_repository->base().isEmpty())
        Fail(QStringLiteral("expected a loopback port for the repository server, but none was free"));
    m_repositoryBase = m_repository->base();
}

void Sandbox::setDownloadFolder(const QString& programPath)
{
    m_downloads = {hostPathOf(programPath, true), programPath};
}

BrowserSetup Sandbox::browserSetup() const
{
    BrowserSetup setup;
    setup.repositoryBase = m_repositoryBase;
    setup.downloads = m_downloads;
    return setup;
}

QString Sandbox::programFolder() const
{
    return ProgramFolderPath(m_table, m_prefix.programHostFolder());
}

} // namespace zv::scenario
