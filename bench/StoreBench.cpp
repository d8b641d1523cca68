// Times storing a large map (its .gmx and its .bmp preview copied into the
// storage folder, then both deleted from the maps folder) through the file
// layer, against `cp` and `rm` of the same two files in the same run.
//
//   zorvane-bench-store [FOLDER]
//
// The files are made in a temporary folder inside FOLDER (default: the
// current folder), which should be on the disk the maps live on: a folder in
// memory (tmpfs) measures nothing of the disk.
//
// The file layer makes each copy durable before it counts as done (the copy
// is flushed to the disk, then renamed over the target), since the original
// is deleted right after; plain `cp` leaves the data in the page cache. So
// the table also shows `cp` followed by `sync` of the copies, which is the
// same promise.

#include "platform/DriveTable.h"
#include "platform/HostFileSystem.h"

#include "BenchStats.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/statfs.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr qint64 kMapBytes = 200LL * 1024 * 1024;
constexpr qint64 kPreviewBytes = 256 * 256 * 3 + 54; // a 256 x 256 24-bit picture
constexpr int kRepetitions = 5;

const QString kMaps = QStringLiteral("Game/Home/Maps");
const QString kStorage = QStringLiteral("Game/Home/Maps/Stored Maps");
const QStringList kMapFiles = {QStringLiteral("Big Marsh.gmx"), QStringLiteral("Big Marsh.bmp")};

// Bytes that no file system stores as a hole or compresses away.
bool WriteFile(const QString& path, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray block(1 << 20, '\0');
    quint32 state = 2463534242U;
    for (qint64 written = 0; written < size; written += block.size()) {
        for (char& byte : block) {
            state ^= state << 13;
            state ^= state >> 17;
            state ^= state << 5;
            byte = static_cast<char>(state);
        }
        const qint64 part = std::min<qint64>(block.size(), size - written);
        if (file.write(block.constData(), part) != part)
            return false;
    }
    return true;
}

bool Run(const QString& program, const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

// Puts the map back into the maps folder, untimed, and lets the disk settle
// so no run pays for the writes of the one before.
bool PutBack(const QString& root)
{
    for (const QString& name : kMapFiles)
        if (!QFile::rename(root + '/' + kStorage + '/' + name, root + '/' + kMaps + '/' + name))
            return false;
    ::sync();
    return true;
}

struct Method {
    const char* title;
    std::function<bool(const QString& root)> store;
};

QStringList Paths(const QString& folder)
{
    QStringList paths;
    for (const QString& name : kMapFiles)
        paths.append(folder + '/' + name);
    return paths;
}

std::vector<Method> Methods(zv::HostFileSystem& files)
{
    const auto cp = [](const QString& root) {
        return Run(QStringLiteral("cp"), Paths(kMaps) + QStringList{kStorage}, root);
    };
    const auto rm = [](const QString& root) {
        return Run(QStringLiteral("rm"), Paths(kMaps), root);
    };
    return {
        {"file layer",
         [&files](const QString&) {
             const QString maps = QStringLiteral("C:\\Game\\Home\\Maps\\");
             const QString storage = maps + QStringLiteral("Stored Maps\\");
             try {
                 for (const QString& name : kMapFiles)
                     files.copyFile(maps + name, storage + name);
                 for (const QString& name : kMapFiles)
                     files.deleteFile(maps + name);
             } catch (const std::exception& failure) {
                 std::fprintf(stderr, "file layer: %s\n", failure.what());
                 return false;
             }
             return true;
         }},
        {"cp + rm", [cp, rm](const QString& root) { return cp(root) && rm(root); }},
        {"cp + sync + rm",
         [cp, rm](const QString& root) {
             return cp(root) && Run(QStringLiteral("sync"), Paths(kStorage), root) && rm(root);
         }},
    };
}

const char* FileSystemName(const QString& folder)
{
    struct statfs info {};
    if (::statfs(folder.toLocal8Bit().constData(), &info) != 0)
        return "unknown";
    switch (info.f_type) {
    case 0xEF53: return "ext2/3/4";
    case 0x58465342: return "xfs";
    case 0x9123683E: return "btrfs";
    case 0x01021994: return "tmpfs (memory: the disk is not measured)";
    case 0x794C7630: return "overlayfs";
    default: return "other";
    }
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString base = arguments.size() > 1 ? arguments.at(1) : QDir::currentPath();
    QTemporaryDir temporary(QDir(base).filePath(QStringLiteral("zv-store-bench-XXXXXX")));
    if (!temporary.isValid()) {
        std::fprintf(stderr, "cannot make a folder in %s\n", qPrintable(base));
        return 2;
    }
    const QString root = temporary.path();
    if (!QDir().mkpath(root + '/' + kStorage) ||
        !WriteFile(root + '/' + kMaps + '/' + kMapFiles[0], kMapBytes) ||
        !WriteFile(root + '/' + kMaps + '/' + kMapFiles[1], kPreviewBytes)) {
        std::fprintf(stderr, "cannot write the map under %s\n", qPrintable(root));
        return 2;
    }
    ::sync();

    zv::DriveTable drives;
    drives.setDrive(QLatin1Char('c'), {root, zv::DriveType::Fixed});
    zv::HostFileSystem files(drives);
    const std::vector<Method> methods = Methods(files);

    std::printf("storing a map of %lld MB (.gmx) and %lld KB (.bmp) in %s, %s; median of %d\n",
                kMapBytes >> 20, kPreviewBytes >> 10, qPrintable(root), FileSystemName(root),
                kRepetitions);
    std::vector<std::vector<double>> times(methods.size());
    for (int run = 0; run < kRepetitions; ++run) {
        for (std::size_t i = 0; i < methods.size(); ++i) {
            QElapsedTimer timer;
            timer.start();
            if (!methods[i].store(root)) {
                std::fprintf(stderr, "%s failed\n", methods[i].title);
                return 1;
            }
            times[i].push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
            if (!PutBack(root)) {
                std::fprintf(stderr, "cannot move the map back after %s\n", methods[i].title);
                return 1;
            }
        }
    }
    std::printf("%-16s %10s %10s\n", "method", "ms", "/ cp + rm");
    const double reference = Median(times[1]);
    for (std::size_t i = 0; i < methods.size(); ++i)
        std::printf("%-16s %10.1f %10.2f\n", methods[i].title, Median(times[i]),
                    Median(times[i]) / reference);
    return 0;
}
