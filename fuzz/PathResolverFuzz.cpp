// Any text as a program path: resolving it must not crash, and a path on a
// drive must stay inside that drive's folder however it is spelled (".",
// "..", either slash, empty components, letters in any case), since the
// file operations act on what it resolves to.
//
// The first input byte chooses how the rest is read: as UTF-8 or as raw
// UTF-16 (any code unit, lone surrogates and NUL too), and whether it is
// taken after "C:", relative to the current folder "C:\Games", or as it is.

#include "FuzzCheck.h"
#include "platform/DriveTable.h"
#include "platform/Failure.h"
#include "platform/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const zv::fuzz::Checker Check("path resolver");

std::string Details(const QString& path, const std::string& host = {})
{
    return "  program path: " + path.toStdString() + "\n  host path: " + host + "\n";
}

// A drive C: with a few folders and files in more than one letter case and a
// file beside it that must stay out of reach; D: is a drive whose folder is
// missing.
struct Drives {
    Drives()
    {
        const QString root = temporary.path();
        drive = root + QStringLiteral("/drive");
        for (const char* folder : {"Games/Wild Wings/Home/Maps/Stored Maps", "GAMES", "a/b/c"})
            QDir().mkpath(drive + '/' + QLatin1String(folder));
        for (const char* file : {"Games/Wild Wings/Home/Maps/Marsh.gmx", "a/B.txt", "a/b.TXT"})
            QFile(drive + '/' + QLatin1String(file)).open(QIODevice::WriteOnly);
        QFile(root + QStringLiteral("/secret.txt")).open(QIODevice::WriteOnly);
        table.setDrive(QLatin1Char('c'), {drive, zv::DriveType::Fixed});
        table.setDrive(QLatin1Char('d'), {root + QStringLiteral("/missing"), zv::DriveType::Fixed});
    }

    QTemporaryDir temporary;
    QString drive;
    zv::DriveTable table;
};

bool HasDotComponent(const std::string& hostPath)
{
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = hostPath.find('/', start);
        const std::string component = hostPath.substr(start, end - start);
        if (component == "." || component == "..")
            return true;
        if (end == std::string::npos)
            return false;
        start = end + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zv;
    static const Drives drives;
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const char* rest = reinterpret_cast<const char*>(data + 1);
    const auto restSize = static_cast<qsizetype>(size - 1);
    const QString text = (mode & 1) != 0
                             ? QString(reinterpret_cast<const QChar*>(rest), restSize / 2)
                             : QString::fromUtf8(rest, restSize);
    QString path = text;
    QString current;
    switch ((mode >> 1) % 3) {
    case 0: path = QStringLiteral("C:") + text; break;
    case 1: current = QStringLiteral("C:\\Games"); break;
    default: break;
    }

    // Where the resolver must take the path: through a drive letter, from the
    // host root, or relative to the current folder (which is on C:).
    const QString normalized = QString(path).replace(QLatin1Char('/'), QLatin1Char('\\'));
    const bool rooted = normalized.startsWith(QLatin1Char('\\'));
    std::optional<QChar> letter = DriveLetterOf(path);
    if (!letter && !rooted && !current.isEmpty())
        letter = QLatin1Char('c');

    const PathResolver resolver(drives.table);
    std::string host;
    try {
        host = resolver.hostPath(path, current);
    } catch (const Failure& failure) {
        const bool expected = path.contains(QChar(0)) ||
                              (letter && *letter == QLatin1Char('d') &&
                               failure.number() == FailureNumber::DiskNotReady) ||
                              (letter && *letter != QLatin1Char('c') && *letter != QLatin1Char('d') &&
                               failure.number() == FailureNumber::PathNotFound);
        Check(expected, "an unexpected failure",
              Details(path) + "  failure: " + failure.what() + "\n");
        return 0;
    }
    Check(host.find('\0') == std::string::npos, "a NUL in the host path", Details(path, host));
    Check(!path.contains(QChar(0)), "a path holding NUL names a file", Details(path, host));
    if (!letter)
        return 0; // from the host root or the process's folder: anywhere is allowed
    Check(*letter == QLatin1Char('c'), "a missing drive resolved", Details(path, host));
    const std::string folder = drives.drive.toStdString();
    Check(host == folder || host.rfind(folder + '/', 0) == 0, "outside the drive's folder",
          Details(path, host));
    Check(!HasDotComponent(host.substr(folder.size())), "a \".\" or \"..\" left in the host path",
          Details(path, host));
    const std::optional<QChar> back = DriveLetterOf(resolver.programPath(host));
    Check(back && *back == QLatin1Char('c'), "the host path does not lead back to C:",
          Details(path, host));
    return 0;
}
