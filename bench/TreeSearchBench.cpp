// Times SearchTreeForFile against `find ROOT -iname NAME -print -quit` on one
// synthetic drive, so a change to the tree search can be held against the
// tool everyone already trusts to be fast.
//
//   zorvane-bench-tree-search [FOLDER]
//
// FOLDER holds the synthetic drive; it is built when missing and reused when
// it is complete, since building takes far longer than searching. Without it
// the drive lives in a temporary folder removed at the end.

#include "platform/TreeSearch.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
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

struct Comparison {
    double oursMedian = 0;
    double findMedian = 0;
    QString oursPath;
    QString findPath;
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

QString RunFind(const QStringList& arguments, double* milliseconds = nullptr)
{
    QProcess find;
    QElapsedTimer timer;
    timer.start();
    find.start(QStringLiteral("find"), arguments);
    if (!find.waitForFinished(-1) || find.exitStatus() != QProcess::NormalExit)
        return {};
    if (milliseconds != nullptr)
        *milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    return QString::fromUtf8(find.readAllStandardOutput());
}

// The target goes one level below every other folder, inside the leaf folder
// that find visits last, so both searches walk the whole drive before they
// reach it: the breadth-first walk takes the deepest level last, find its
// depth-first order.
QString PlaceTarget(const QString& root)
{
    const QStringList folders = RunFind({root, QStringLiteral("-type"), QStringLiteral("d")})
                                    .split('\n', Qt::SkipEmptyParts);
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

SearchResult SearchOurs(const QString& root, const QString& name)
{
    QElapsedTimer timer;
    timer.start();
    const std::optional<std::string> found =
        zv::SearchTreeForFile(root.toStdString(), name.toStdString());
    SearchResult result;
    result.milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    if (found)
        result.path = QString::fromStdString(*found);
    return result;
}

SearchResult SearchFind(const QString& root, const QString& name)
{
    SearchResult result;
    result.path = RunFind({root, QStringLiteral("-iname"), name, QStringLiteral("-print"),
                           QStringLiteral("-quit")},
                          &result.milliseconds)
                      .trimmed();
    return result;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One warm-up of each, then the two alternate so both see the same cache and
// the same load from the rest of the machine.
Comparison Compare(const QString& root, const QString& name)
{
    SearchOurs(root, name);
    SearchFind(root, name);
    std::vector<double> ours;
    std::vector<double> find;
    Comparison comparison;
    for (int run = 0; run < kRepetitions; ++run) {
        const SearchResult mine = SearchOurs(root, name);
        const SearchResult theirs = SearchFind(root, name);
        ours.push_back(mine.milliseconds);
        find.push_back(theirs.milliseconds);
        comparison.oursPath = mine.path;
        comparison.findPath = theirs.path;
    }
    comparison.oursMedian = Median(ours);
    comparison.findMedian = Median(find);
    return comparison;
}

void PrintRow(const char* title, const Comparison& comparison)
{
    std::printf("%-28s %10.1f %10.1f %12.2f\n", title, comparison.oursMedian, comparison.findMedian,
                comparison.oursMedian / comparison.findMedian);
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

    std::printf("drive %s: %d files in %d folders; median of %d warm runs\n", qPrintable(root),
                FileCount() + 2, FolderCount() + 1, kRepetitions); // the marker, the target
    std::printf("%-28s %10s %10s %12s\n", "case", "ours (ms)", "find (ms)", "ours / find");
    const Comparison absent = Compare(root, kAbsentName);
    PrintRow("absent name", absent);
    const Comparison deep = Compare(root, kTargetSearched);
    PrintRow("deepest, other case", deep);

    int status = 0;
    if (!absent.oursPath.isEmpty() || !absent.findPath.isEmpty()) {
        std::printf("absent name found: ours \"%s\", find \"%s\"\n", qPrintable(absent.oursPath),
                    qPrintable(absent.findPath));
        status = 1;
    }
    if (!SameFile(deep.oursPath, target)) {
        std::printf("ours found \"%s\", expected \"%s\"\n", qPrintable(deep.oursPath),
                    qPrintable(target));
        status = 1;
    }
    if (!SameFile(deep.findPath, deep.oursPath)) {
        std::printf("find found \"%s\", ours \"%s\"\n", qPrintable(deep.findPath),
                    qPrintable(deep.oursPath));
        status = 1;
    }
    return status;
}
