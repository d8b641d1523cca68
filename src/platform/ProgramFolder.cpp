#include "ProgramFolder.h"

#include "PathResolver.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

const QString kSupport = QStringLiteral("Support");

QString ErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

bool IsWritableFolder(const QString& folder)
{
    return ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

// Makes the folder and any missing parents, each readable by the user alone
// (as the base directory rules ask for the data home), and closes the folder
// itself to others when an earlier run or another program left it open: it
// holds the user's notes. Empty on success.
QString MakePrivateFolders(const QString& folder)
{
    QString path;
    for (const QString& part :
         QDir::cleanPath(folder).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path += QLatin1Char('/') + part;
        if (QFileInfo(path).isDir())
            continue;
        if (::mkdir(QFile::encodeName(path).constData(), 0700) != 0 && errno != EEXIST)
            return ErrorText(errno);
    }
    const QByteArray name = QFile::encodeName(folder);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return QStringLiteral("it is not a folder");
    if (!IsWritableFolder(folder))
        return ErrorText(errno);
    if ((st.st_mode & 077) != 0 && st.st_uid == ::geteuid())
        ::chmod(name.constData(), st.st_mode & 07700);
    return {};
}

// A copy is current when its size and time are the picture's; times compare to
// two seconds, the steps in which file systems without links (FAT) keep them.
bool SameStamp(const struct stat& a, const struct stat& b)
{
    const auto seconds = a.st_mtim.tv_sec - b.st_mtim.tv_sec;
    return a.st_size == b.st_size && seconds >= -2 && seconds <= 2;
}

// Brings a folder of copies up to date: each picture whose size or time
// differs is copied beside it under a temporary name and moved into place, so
// an interrupted start never leaves half a picture.
QStringList RefreshCopies(const QString& pictures, const QString& copies)
{
    QStringList problems;
    const QStringList names = QDir(pictures).entryList(QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QByteArray source = QFile::encodeName(pictures + QLatin1Char('/') + name);
        const QByteArray target = QFile::encodeName(copies + QLatin1Char('/') + name);
        struct stat from {};
        struct stat to {};
        if (::stat(source.constData(), &from) != 0)
            continue;
        if (::stat(target.constData(), &to) == 0 && SameStamp(from, to))
            continue;
        const QString temporary = copies + QStringLiteral("/.%1.%2").arg(name).arg(::getpid());
        QFile::remove(temporary);
        if (!QFile::copy(QFile::decodeName(source), temporary) ||
            ::rename(QFile::encodeName(temporary).constData(), target.constData()) != 0) {
            problems.append(QStringLiteral("zorvane: cannot copy the picture %1 into %2 (%3)")
                                .arg(name, copies, ErrorText(errno)));
            QFile::remove(temporary);
            continue;
        }
        const struct timespec times[2] = {from.st_atim, from.st_mtim};
        ::utimensat(AT_FDCWD, target.constData(), times, 0);
    }
    return problems;
}

} // namespace

QString ProgramFolderPath(const DriveTable& drives, const QString& hostFolder)
{
    QString path = PathResolver(drives).programPath(hostFolder.toStdString());
    // Folder fields never end in a backslash; a drive root keeps its own.
    if (path.size() > 3 && path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

QString InstalledDataFolder(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/" ZV_DATA_FROM_BIN));
}

QString InstalledLibraryFolder(const QString& executableFolder)
{
    return QDir::cleanPath(executableFolder + QStringLiteral("/" ZV_LIBRARY_FROM_BIN));
}

QStringList LinkSupportPictures(const QString& userFolder, const QString& pictures)
{
    const QString link = userFolder + QLatin1Char('/') + kSupport;
    const QByteArray linkPath = QFile::encodeName(link);
    const QByteArray target = QFile::encodeName(pictures);
    struct stat present {};
    if (::lstat(linkPath.constData(), &present) == 0) {
        if (S_ISDIR(present.st_mode))
            return RefreshCopies(pictures, link);
        if (!S_ISLNK(present.st_mode))
            return {QStringLiteral("zorvane: %1 is not a folder, so the pictures cannot be found; "
                                   "move it away")
                        .arg(link)};
        char aim[4096];
        const ssize_t length = ::readlink(linkPath.constData(), aim, sizeof aim);
        if (length >= 0 && QByteArray(aim, length) == target)
            return {};
        // Re-aim the link in one step: a new link under another name replaces the old one.
        const QByteArray fresh =
            QFile::encodeName(userFolder + QStringLiteral("/.Support.%1").arg(::getpid()));
        ::unlink(fresh.constData());
        if (::symlink(target.constData(), fresh.constData()) == 0 &&
            ::rename(fresh.constData(), linkPath.constData()) == 0)
            return {};
        const int error = errno;
        ::unlink(fresh.constData());
        return {QStringLiteral("zorvane: cannot point %1 at %2 (%3)")
                    .arg(link, pictures, ErrorText(error))};
    }
    if (::symlink(target.constData(), linkPath.constData()) == 0)
        return {};
    // A file system without links: a folder of copies.
    if (::mkdir(linkPath.constData(), 0700) != 0 && errno != EEXIST)
        return {QStringLiteral("zorvane: cannot make %1 (%2)").arg(link, ErrorText(errno))};
    return RefreshCopies(pictures, link);
}

ProgramHostFolder PrepareProgramFolder(const QString& executableFolder,
                                       const UserEnvironment& environment)
{
    const QString beside = executableFolder + QLatin1Char('/') + kSupport;
    if (QFileInfo(beside).isDir() && IsWritableFolder(executableFolder))
        return {executableFolder, false, {}};

    const QString installed = InstalledDataFolder(executableFolder);
    QString pictures = installed + QLatin1Char('/') + kSupport;
    if (!QFileInfo(pictures).isDir())
        pictures = QFileInfo(beside).isDir() ? beside : QString();
    const QString readOnlyFolder = pictures.isEmpty() ? installed : QFileInfo(pictures).path();

    ProgramHostFolder result{environment.dataHome() + QStringLiteral("/zorvane"), true, {}};
    if (const QString problem = MakePrivateFolders(result.folder); !problem.isEmpty()) {
        result.problems.append(QStringLiteral("zorvane: cannot use the folder %1 (%2); records and "
                                              "notes cannot be kept")
                                   .arg(result.folder, problem));
        result.folder = readOnlyFolder;
        return result;
    }
    if (pictures.isEmpty()) {
        result.problems.append(QStringLiteral("zorvane: the pictures are missing from %1/%2")
                                   .arg(installed, kSupport));
        return result;
    }
    result.problems.append(LinkSupportPictures(result.folder, pictures));
    return result;
}

} // namespace zv
