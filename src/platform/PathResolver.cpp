#include "PathResolver.h"

#include "Failure.h"

#include <QDir>
#include <QFileInfo>

#include <dirent.h>
#include <sys/stat.h>

#include <memory>

namespace zv {

namespace {

QStringList ComponentsOf(const QString& path)
{
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

bool IsDriveForm(const QString& path)
{
    return DriveLetterOf(path).has_value();
}

bool IsAscii(const char* text)
{
    for (; *text; ++text) {
        if (static_cast<unsigned char>(*text) >= 0x80)
            return false;
    }
    return true;
}

// Equal ignoring the case of ASCII letters, whatever the process's locale:
// strcasecmp follows it, and in a Turkish one "I" is not the capital of "i".
bool AsciiEqualIgnoringCase(const char* a, const char* b)
{
    const auto fold = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c; };
    for (;; ++a, ++b) {
        if (fold(static_cast<unsigned char>(*a)) != fold(static_cast<unsigned char>(*b)))
            return false;
        if (*a == 0)
            return true;
    }
}

// Where a program path starts on the host, and the components after it.
struct Start {
    std::string hostFolder;
    QStringList components;
};

} // namespace

std::string JoinHostPath(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/')
        return folder + name;
    return folder + '/' + name;
}

std::string ResolveComponent(const std::string& hostFolder, const QString& name)
{
    const std::string exact = name.toStdString();
    struct stat st {};
    if (::lstat(JoinHostPath(hostFolder, exact).c_str(), &st) == 0)
        return exact;
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(hostFolder.empty() ? "." : hostFolder.c_str()),
                                            &::closedir);
    if (!dir)
        return exact;
    // Most names are plain ASCII: those are compared byte by byte, so a big
    // folder is searched without making a string of every entry.
    const bool asciiName = IsAscii(exact.c_str());
    std::string best;
    while (const dirent* entry = ::readdir(dir.get())) {
        if (asciiName && IsAscii(entry->d_name)) {
            if (!AsciiEqualIgnoringCase(entry->d_name, exact.c_str()))
                continue;
        } else if (QString::fromUtf8(entry->d_name).compare(name, Qt::CaseInsensitive) != 0) {
            continue;
        }
        if (best.empty() || best > entry->d_name)
            best = entry->d_name;
    }
    return best.empty() ? exact : best;
}

std::string PathResolver::hostPath(const QString& written, const QString& currentFolder) const
{
    // The host would read a NUL as the end of the path and act on another file.
    if (written.contains(QChar(0)))
        throw Failure(FailureNumber::PathAccessError);
    // Windows reads "/" as "\"; kept inside a component it would let ".." climb.
    const QString programPath = QString(written).replace(QLatin1Char('/'), QLatin1Char('\\'));
    Start start;
    if (IsDriveForm(programPath)) {
        const QChar letter = *DriveLetterOf(programPath);
        const auto drive = m_drives.drive(letter);
        if (!drive)
            throw Failure(FailureNumber::PathNotFound);
        if (drive->hostFolder.isEmpty() || !QFileInfo(drive->hostFolder).isDir())
            throw Failure(FailureNumber::DiskNotReady);
        start.hostFolder = drive->hostFolder.toStdString();
        start.components = ComponentsOf(programPath.mid(2));
    } else if (programPath.startsWith(QLatin1Char('\\'))) {
        start.hostFolder = "/";
        start.components = ComponentsOf(programPath);
    } else {
        if (currentFolder.isEmpty() || !(IsDriveForm(currentFolder) || currentFolder.startsWith('\\')))
            return QDir::currentPath().toStdString() + '/' +
                   QString(programPath).replace('\\', '/').toStdString();
        return hostPath(currentFolder + QLatin1Char('\\') + programPath, QString());
    }
    // "." and ".." are folded first so that a path never climbs out of its drive.
    QStringList folded;
    for (const QString& component : start.components) {
        if (component == QLatin1String(".."))
            folded.isEmpty() ? void() : folded.removeLast();
        else if (component != QLatin1String("."))
            folded.append(component);
    }
    std::string host = start.hostFolder;
    for (const QString& component : folded)
        host = JoinHostPath(host, ResolveComponent(host, component));
    return host;
}

QString PathResolver::programPath(const std::string& hostPath) const
{
    const QString host = QString::fromStdString(hostPath);
    if (auto drivePath = m_drives.programPathOf(host))
        return *drivePath;
    QString rooted = QDir::cleanPath(host);
    rooted.replace(QLatin1Char('/'), QLatin1Char('\\'));
    return rooted;
}

} // namespace zv
