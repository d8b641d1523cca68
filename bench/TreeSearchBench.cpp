// Times SearchTreeForFile against `find ROOT -iname NAME -print -quit`, and
// against bfs and fd where they are installed, on one synthetic drive in the
// same run, so a change to the tree search can be held against the tools
// everyone already trusts to be fast.
//
//   zorvane-bench-tree-search [FOLDER]
//
// FOLDER holds the synthetic drive; it is built when missing and reused when
// it is complete, since building takes far longer than searching. Without it
// the drive lives in a temporary folder removed at the end.

#include "platform/TreeSearch.h"

#include "BenchStats.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {

// 20 x 20 x 50 folders below the root, 10 files in each folder and in the
// root: 20,421 folders and 204,210 files.
constexpr int kTopFolders = 20;
constexpr int kMiddleFolders = 20;
constexpr int kLeafFolders = 50;
constexpr int kFilesPerFolder = 10;
constexpr int kRepetitions = 9;

const QString kCompleteMarker = QStringLiteral("drive-complete");
const QString kDeepestFolder = QStringLiteral("Deepest");
const QString kTargetOnDisk = QStringLiteral("Wild Wings.exe");
const QString kTargetSearched = QStringLiteral("wild wings.EXE");
const QString kAbsentName = QStringLiteral("Rocky Mountain Trophy Hunter 3.exe");

struct SearchResult {
    double milliseconds = 0;
    QString path; // empty when nothing was found
};

// One way of searching the drive for a name ignoring case, stopping at the first match.
struct Searcher {
    QString title;
    std::function<SearchResult(const QString& root, const QString& name)> search;
};

struct Timing {
    double median = 0;
    QString path; // of the last run
};

int FolderCount()
{
    return 1 + kTopFolders + kTopFolders * kMiddleFolders +
           kTopFolders * kMiddleFolders * kLeafFolders;
}

int FileCount()
{
    return FolderCount() * kFilesPerFolder;
}

QString Numbered(const char* stem, int number)
{
    return QString::asprintf("%s%02d", stem, number);
}

bool FillFolder(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (int i = 0; i < kFilesPerFolder; ++i) {
        QFile file(folder + Numbered("/Map", i) + QStringLiteral(".gmx"));
        if (!file.open(QIODevice::WriteOnly))
            return false;
    }
    return true;
}

bool BuildDrive(const QString& root)
{
    if (QFileInfo::exists(root + '/' + kCompleteMarker))
        return true;
    std::fprintf(stderr, "building %d files in %d folders under %s\n", FileCount(), FolderCount(),
                 qPrintable(root));
    if (!FillFolder(root))
        return false;
    for (int top = 0; top < kTopFolders; ++top) {
        const QString topFolder = root + '/' + Numbered("Region", top);
        if (!FillFolder(topFolder))
            return false;
        for (int middle = 0; middle < kMiddleFolders; ++middle) {
            const QString middleFolder = topFolder + '/' + Numbered("Area", middle);
            if (!FillFolder(middleFolder))
                return false;
            for (int leaf = 0; leaf < kLeafFolders; ++leaf)
                if (!FillFolder(middleFolder + '/' + Numbered("Maps", leaf)))
                    return false;
        }
    }
    return QFile(root + '/' + kCompleteMarker).open(QIODevice::WriteOnly);
}

// Runs a program to its end; its output, or nothing when it could not run.
SearchResult RunProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    SearchResult result;
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    result.path = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    return result;
}

// The target goes one level below every other folder, inside the leaf folder
// that find visits last, so both searches walk the whole drive before they
// reach it: the breadth-first walk takes the deepest level last, find its
// depth-first order.
QString PlaceTarget(const QString& root)
{
    const QStringList folders =
        RunProgram(QStringLiteral("find"), {root, QStringLiteral("-type"), QStringLiteral("d")})
            .path.split('\n', Qt::SkipEmptyParts);
    if (folders.isEmpty())
        return {};
    QString deepest = folders.last();
    if (QFileInfo(deepest).fileName() != kDeepestFolder)
        deepest += '/' + kDeepestFolder;
    const QString target = deepest + '/' + kTargetOnDisk;
    if (!QDir().mkpath(deepest) || !QFile(target).open(QIODevice::WriteOnly))
        return {};
    return target;
}

Searcher Ours(unsigned threads)
{
    return {QStringLiteral("ours, %1 thread%2").arg(threads).arg(threads == 1 ? "" : "s"),
            [threads](const QString& root, const QString& name) {
                QElapsedTimer timer;
                timer.start();
                const std::optional<std::string> found =
                    zv::SearchTreeForFile(root.toStdString(), name.toStdString(), threads);
                SearchResult result;
                result.milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
                if (found)
                    result.path = QString::fromStdString(*found);
                return result;
            }};
}

// A tool that is installed under one of the names, with the arguments for a root and a name.
std::optional<Searcher> Tool(const QString& title, const QStringList& programs,
                             std::function<QStringList(const QString&, const QString&)> arguments)
{
    for (const QString& program : programs) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return Searcher{title, [path, arguments](const QString& root, const QString& name) {
                                return RunProgram(path, arguments(root, name));
                            }};
    }
    return std::nullopt;
}

// find first; every ratio is to it.
std::vector<Searcher> Searchers()
{
    std::vector<Searcher> searchers;
    const auto addTool = [&](std::optional<Searcher> tool, const char* missing) {
        if (tool)
            searchers.push_back(std::move(*tool));
        else
            std::printf("%s is not installed; left out\n", missing);
    };
    addTool(Tool(QStringLiteral("find"), {QStringLiteral("find")},
                 [](const QString& root, const QString& name) {
                     return QStringList{root, QStringLiteral("-iname"), name,
                                        QStringLiteral("-print"), QStringLiteral("-quit")};
                 }),
            "find");
    const unsigned threads = zv::TreeSearchThreads();
    searchers.push_back(Ours(threads));
    if (threads != 1)
        searchers.push_back(Ours(1));
    addTool(Tool(QStringLiteral("bfs"), {QStringLiteral("bfs")},
                 [](const QString& root, const QString& name) {
                     return QStringList{root, QStringLiteral("-iname"), name,
                                        QStringLiteral("-print"), QStringLiteral("-quit")};
                 }),
            "bfs");
    // Hidden and ignored files too, as the others see them; the name as a
    // glob matches the whole file name, not a part of it.
    addTool(Tool(QStringLiteral("fd"), {QStringLiteral("fdfind"), QStringLiteral("fd")},
                 [](const QString& root, const QString& name) {
                     return QStringList{QStringLiteral("--unrestricted"), QStringLiteral("--glob"),
                                        QStringLiteral("--ignore-case"), QStringLiteral("--type"),
                                        QStringLiteral("f"), QStringLiteral("--max-results"),
                                        QStringLiteral("1"), name, root};
                 }),
            "fd (fd-find)");
    return searchers;
}

// One warm-up of each, then they take turns, so all see the same cache and
// the same load from the rest of the machine.
std::vector<Timing> Compare(const std::vector<Searcher>& searchers, const QString& root,
                            const QString& name)
{
    for (const Searcher& searcher : searchers)
        searcher.search(root, name);
    std::vector<std::vector<double>> times(searchers.size());
    std::vector<Timing> timings(searchers.size());
    for (int run = 0; run < kRepetitions; ++run) {
        for (std::size_t i = 0; i < searchers.size(); ++i) {
            const SearchResult result = searchers[i].search(root, name);
            times[i].push_back(result.milliseconds);
            timings[i].path = result.path;
        }
    }
    for (std::size_t i = 0; i < searchers.size(); ++i)
        timings[i].median = Median(times[i]);
    return timings;
}

bool SameFile(const QString& a, const QString& b)
{
    return !a.isEmpty() && QFileInfo(a).canonicalFilePath() == QFileInfo(b).canonicalFilePath();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTemporaryDir temporary;
    const QString root = QDir::cleanPath(
        QFileInfo(arguments.size() > 1 ? arguments.at(1) : temporary.path()).absoluteFilePath());
    if (!BuildDrive(root)) {
        std::fprintf(stderr, "cannot build the drive under %s\n", qPrintable(root));
        return 2;
    }
    const QString target = PlaceTarget(root);
    if (target.isEmpty()) {
        std::fprintf(stderr, "cannot place %s under %s\n", qPrintable(kTargetOnDisk),
                     qPrintable(root));
        return 2;
    }

    const std::vector<Searcher> searchers = Searchers();
    std::printf("drive %s: %d files in %d folders; median of %d warm runs\n", qPrintable(root),
                FileCount() + 2, FolderCount() + 1, kRepetitions); // the marker, the target
    const std::vector<Timing> absent = Compare(searchers, root, kAbsentName);
    const std::vector<Timing> deep = Compare(searchers, root, kTargetSearched);

    std::printf("%-18s %24s %24s\n", "", "absent name", "deepest, other case");
    std::printf("%-18s %12s %11s %12s %11s\n", "search", "ms", "/ find", "ms", "/ find");
    for (std::size_t i = 0; i < searchers.size(); ++i)
        std::printf("%-18s %12.1f %11.2f %12.1f %11.2f\n", qPrintable(searchers[i].title),
                    absent[i].median, absent[i].median / absent[0].median, deep[i].median,
                    deep[i].median / deep[0].median);

    int status = 0;
    for (std::size_t i = 0; i < searchers.size(); ++i) {
        const QByteArray title = searchers[i].title.toUtf8();
        if (!absent[i].path.isEmpty()) {
            std::printf("%s found the absent name: \"%s\"\n", title.constData(), qPrintable(absent[i].path));
            status = 1;
        }
        if (!SameFile(deep[i].path, target)) {
            std::printf("%s found \"%s\", expected \"%s\"\n", title.constData(), qPrintable(deep[i].path),
                        qPrintable(target));
            status = 1;
        }
    }
    return status;
}
