#include "ExpectFailure.h"
#include "FileSizeLimit.h"
#include "TestPrefix.h"

#include "platform/Drives.h"
#include "platform/Failure.h"
#include "platform/FaultInjectingFileSystem.h"
#include "platform/HostFileSystem.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <cerrno>
#include <unistd.h>

namespace zv {
namespace {

using test::ExpectFailure;
using test::TestPrefix;

// ---- drive table -----------------------------------------------------------

struct DriveTypeCase {
    const char* wineType;
    int expected;
};

class DriveTypeTest : public ::testing::TestWithParam<DriveTypeCase> {};

TEST_P(DriveTypeTest, WineSettingGivesTheWindowsNumber)
{
    TestPrefix prefix;
    prefix.addDrive('D', QString::fromLatin1(GetParam().wineType));
    EXPECT_EQ(prefix.driveTable().driveType(QStringLiteral("D:\\")), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Types, DriveTypeTest,
                         ::testing::Values(DriveTypeCase{"hd", 3}, DriveTypeCase{"network", 4},
                                           DriveTypeCase{"floppy", 2}, DriveTypeCase{"cdrom", 5},
                                           DriveTypeCase{"ramdisk", 6},
                                           DriveTypeCase{"absent", 1}));

TEST(DriveTable, LettersWithoutSettingsAndMissingLetters)
{
    TestPrefix prefix;
    prefix.addDrive('C');
    prefix.linkDrive('E', prefix.root()); // a local folder Wine says nothing about
    const DriveTable table = prefix.driveTable();
    EXPECT_EQ(table.driveType(QStringLiteral("E:\\")), DriveType::Fixed);
    EXPECT_EQ(table.driveType(QStringLiteral("c:")), DriveType::Fixed);
    EXPECT_EQ(table.driveType(QStringLiteral("Q:\\")), DriveType::NoRootDir);
    EXPECT_EQ(table.driveType(QStringLiteral("nonsense")), DriveType::NoRootDir);
}

TEST(DriveTable, NoPrefixMeansNoDrives)
{
    const DriveTable table = DriveTable::FromWinePrefix(QStringLiteral("/nonexistent/prefix"));
    EXPECT_EQ(table.driveType(QStringLiteral("C:\\")), DriveType::NoRootDir);
}

TEST(DriveTable, PrefixComesFromTheEnvironmentElseHome)
{
    const QByteArray saved = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", "/some/prefix");
    EXPECT_EQ(DriveTable::DefaultPrefix(), QStringLiteral("/some/prefix"));
    qunsetenv("WINEPREFIX");
    EXPECT_EQ(DriveTable::DefaultPrefix(), QDir::homePath() + QStringLiteral("/.wine"));
    if (!saved.isEmpty())
        qputenv("WINEPREFIX", saved);
}

TEST(ProgramFolder, NamedThroughTheDeepestDriveElseHostRooted)
{
    TestPrefix prefix;
    prefix.addDrive('C');
    const DriveTable withoutCover = prefix.driveTable();
    QString hostForm = prefix.programHostFolder();
    hostForm.replace('/', '\\');
    EXPECT_EQ(ProgramFolderPath(withoutCover, prefix.programHostFolder()), hostForm);

    prefix.linkDrive('Z', QStringLiteral("/"));
    prefix.linkDrive('P', prefix.root());
    const DriveTable covered = prefix.driveTable();
    EXPECT_EQ(ProgramFolderPath(covered, prefix.programHostFolder()),
              QStringLiteral("P:\\program"));

    // Either way the program folder joined with a name is a path the file layer reaches.
    for (const DriveTable* table : {&withoutCover, &covered}) {
        HostFileSystem files(*table);
        const QString record = ProgramFolderPath(*table, prefix.programHostFolder()) +
                               QStringLiteral("\\BHWWE.txt");
        files.writeFile(record, "\"x\"\r\n");
        EXPECT_EQ(prefix.programFileContent(QStringLiteral("BHWWE.txt")), "\"x\"\r\n");
    }
}

// ---- path resolution -------------------------------------------------------

class FileLayer : public ::testing::Test {
protected:
    FileLayer()
    {
        prefix.addDrive('C');
        prefix.addDrive('D', QStringLiteral("absent"));
        table = prefix.driveTable();
    }
    TestPrefix prefix;
    DriveTable table;
    HostFileSystem files{table};
};

TEST_F(FileLayer, ComponentsResolveInAnyLetterCase)
{
    prefix.file(QStringLiteral("C:\\Games\\Wild Wings\\Home\\Maps\\Marsh.gmx"), "map");
    for (const char* spelling : {"C:\\Games\\Wild Wings\\Home\\Maps\\Marsh.gmx",
                                 "c:\\GAMES\\wild wings\\home\\maps\\MARSH.GMX",
                                 "C:\\\\Games\\Wild Wings\\\\Home\\Maps\\Marsh.gmx"}) {
        EXPECT_EQ(files.readFile(QString::fromLatin1(spelling)), "map") << spelling;
    }
}

TEST_F(FileLayer, ExactSpellingWinsOverAnotherCase)
{
    prefix.file(QStringLiteral("C:\\x\\Name.txt"), "upper");
    prefix.file(QStringLiteral("C:\\x\\name.txt"), "lower");
    EXPECT_EQ(files.readFile(QStringLiteral("C:\\x\\name.txt")), "lower");
    EXPECT_EQ(files.readFile(QStringLiteral("C:\\x\\Name.txt")), "upper");
}

TEST_F(FileLayer, MissingAndNotReadyDrives)
{
    ExpectFailure(FailureNumber::DiskNotReady, [&] { files.readFile(QStringLiteral("D:\\a.txt")); });
    ExpectFailure(FailureNumber::PathNotFound, [&] { files.readFile(QStringLiteral("Q:\\a.txt")); });
}

TEST_F(FileLayer, DotDotNeverLeavesTheDrive)
{
    prefix.file(QStringLiteral("C:\\top.txt"), "top");
    EXPECT_EQ(files.readFile(QStringLiteral("C:\\a\\..\\..\\..\\top.txt")), "top");
}

// ---- operations ------------------------------------------------------------

TEST_F(FileLayer, NotFoundIs53ForAFileAnd76ForAMissingFolder)
{
    prefix.folder(QStringLiteral("C:\\Maps"));
    ExpectFailure(FailureNumber::FileNotFound, [&] { files.readFile(QStringLiteral("C:\\Maps\\x.gmx")); });
    ExpectFailure(FailureNumber::PathNotFound, [&] { files.readFile(QStringLiteral("C:\\Nope\\x.gmx")); });
    ExpectFailure(FailureNumber::FileNotFound, [&] { files.deleteFile(QStringLiteral("C:\\Maps\\x.gmx")); });
    ExpectFailure(FailureNumber::PathNotFound,
                  [&] { files.writeFile(QStringLiteral("C:\\Nope\\x.txt"), "x"); });
    ExpectFailure(FailureNumber::PathNotFound, [&] { files.removeFolder(QStringLiteral("C:\\Nope")); });
}

TEST_F(FileLayer, CopyReplacesTheTargetAndKeepsTheSource)
{
    prefix.file(QStringLiteral("C:\\a\\Marsh.gmx"), "new");
    prefix.file(QStringLiteral("C:\\b\\Marsh.gmx"), "old and longer");
    files.copyFile(QStringLiteral("C:\\a\\Marsh.gmx"), QStringLiteral("C:\\b\\Marsh.gmx"));
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\b\\Marsh.gmx")), "new");
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\a\\Marsh.gmx")), "new");
}

TEST_F(FileLayer, CopyOntoItselfFailsAndKeepsTheFile)
{
    prefix.file(QStringLiteral("C:\\a\\Marsh.gmx"), "precious");
    for (const char* other : {"C:\\a\\Marsh.gmx", "C:\\A\\MARSH.GMX", "C:\\a\\..\\a\\Marsh.gmx"}) {
        ExpectFailure(FailureNumber::PathAccessError, [&] {
            files.copyFile(QStringLiteral("C:\\a\\Marsh.gmx"), QString::fromLatin1(other));
        });
        EXPECT_EQ(prefix.content(QStringLiteral("C:\\a\\Marsh.gmx")), "precious") << other;
    }
}

TEST_F(FileLayer, CopyOfAMissingFileOrIntoAMissingFolder)
{
    prefix.file(QStringLiteral("C:\\a\\Marsh.gmx"), "m");
    ExpectFailure(FailureNumber::FileNotFound,
                  [&] { files.copyFile(QStringLiteral("C:\\a\\x.gmx"), QStringLiteral("C:\\a\\y.gmx")); });
    ExpectFailure(FailureNumber::PathNotFound, [&] {
        files.copyFile(QStringLiteral("C:\\a\\Marsh.gmx"), QStringLiteral("C:\\none\\y.gmx"));
    });
    EXPECT_EQ(QDir(prefix.hostPathOf(QStringLiteral("C:\\a"))).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Marsh.gmx")})
        << "no temporary file is left behind";
}

TEST_F(FileLayer, RenameNeverReplaces)
{
    prefix.file(QStringLiteral("C:\\m\\a.gmx"), "a");
    prefix.file(QStringLiteral("C:\\m\\b.gmx"), "b");
    for (const char* target : {"C:\\m\\b.gmx", "C:\\m\\B.GMX"}) {
        ExpectFailure(FailureNumber::FileExists,
                      [&] { files.rename(QStringLiteral("C:\\m\\a.gmx"), QString::fromLatin1(target)); });
    }
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\m\\a.gmx")), "a");
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\m\\b.gmx")), "b");
}

TEST_F(FileLayer, RenameFilesFoldersAndCase)
{
    prefix.file(QStringLiteral("C:\\m\\a.gmx"), "a");
    files.rename(QStringLiteral("C:\\m\\a.gmx"), QStringLiteral("C:\\m\\c.gmx"));
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\m\\c.gmx")), "a");
    EXPECT_FALSE(prefix.exists(QStringLiteral("C:\\m\\a.gmx")));

    files.rename(QStringLiteral("C:\\m\\c.gmx"), QStringLiteral("C:\\m\\C.gmx"));
    EXPECT_EQ(files.find(QStringLiteral("C:\\m\\c.gmx"), ListKind::Files),
              QStringList{QStringLiteral("C.gmx")});

    files.rename(QStringLiteral("C:\\m"), QStringLiteral("C:\\n"));
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\n\\C.gmx")), "a");
}

TEST_F(FileLayer, FoldersMadeOnceAndRemovedOnlyWhenEmpty)
{
    files.makeFolder(QStringLiteral("C:\\New Folder"));
    EXPECT_TRUE(prefix.exists(QStringLiteral("C:\\New Folder")));
    ExpectFailure(FailureNumber::PathAccessError, [&] { files.makeFolder(QStringLiteral("C:\\new folder")); });
    prefix.file(QStringLiteral("C:\\New Folder\\x.txt"));
    ExpectFailure(FailureNumber::PathAccessError, [&] { files.removeFolder(QStringLiteral("C:\\New Folder")); });
    files.deleteFile(QStringLiteral("C:\\New Folder\\x.txt"));
    files.removeFolder(QStringLiteral("C:\\NEW FOLDER"));
    EXPECT_FALSE(prefix.exists(QStringLiteral("C:\\New Folder")));
}

TEST_F(FileLayer, FindReportsNamesAsStoredOnDisk)
{
    prefix.folder(QStringLiteral("C:\\G\\Home\\MAPS"));
    prefix.file(QStringLiteral("C:\\G\\Home\\MAPS\\a.gmx"));
    EXPECT_EQ(files.find(QStringLiteral("C:\\G\\Home\\Maps"), ListKind::FilesAndFolders),
              QStringList{QStringLiteral("MAPS")});
    EXPECT_TRUE(files.find(QStringLiteral("C:\\G\\Home\\Maps"), ListKind::Files).isEmpty());
    EXPECT_TRUE(files.find(QStringLiteral("C:\\G\\Nope\\Maps"), ListKind::FilesAndFolders).isEmpty());
    EXPECT_EQ(files.find(QStringLiteral("C:\\G\\Home\\Maps\\*.GMX"), ListKind::Files),
              QStringList{QStringLiteral("a.gmx")});
}

TEST_F(FileLayer, ListFolderSeparatesFilesAndFolders)
{
    prefix.file(QStringLiteral("C:\\f\\b.gmx"));
    prefix.file(QStringLiteral("C:\\f\\A.gmx"));
    prefix.folder(QStringLiteral("C:\\f\\Sub"));
    EXPECT_EQ(files.listFolder(QStringLiteral("C:\\f"), ListKind::Files),
              (QStringList{QStringLiteral("A.gmx"), QStringLiteral("b.gmx")}));
    EXPECT_EQ(files.listFolder(QStringLiteral("C:\\f"), ListKind::Folders),
              QStringList{QStringLiteral("Sub")});
    ExpectFailure(FailureNumber::PathNotFound, [&] { files.listFolder(QStringLiteral("C:\\g"), ListKind::Files); });
}

TEST_F(FileLayer, WriteReplacesByteForByte)
{
    const QByteArray bytes("\"C:\\x\\Home\\Maps\"\r\n\xe9\x00z", 21);
    files.writeFile(QStringLiteral("C:\\r.txt"), "something much longer than the new content");
    files.writeFile(QStringLiteral("C:\\r.txt"), bytes);
    EXPECT_EQ(files.readFile(QStringLiteral("C:\\R.TXT")), bytes);
}

TEST_F(FileLayer, FailedWriteLeavesTheOldFile)
{
    prefix.file(QStringLiteral("C:\\ro\\r.txt"), "old");
    const QString folder = prefix.hostPathOf(QStringLiteral("C:\\ro"));
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (::access(folder.toLocal8Bit().constData(), W_OK) == 0) {
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    }
    ExpectFailure(FailureNumber::PermissionDenied, [&] { files.writeFile(QStringLiteral("C:\\ro\\r.txt"), "new"); });
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\ro\\r.txt")), "old");
}

// A write that runs out of room (here: past the process's file size limit)
// must leave the old file whole, not a truncated one.
TEST_F(FileLayer, AWriteThatRunsOutOfRoomKeepsTheOldFile)
{
    prefix.file(QStringLiteral("C:\\BHWWE.txt"), "\"C:\\Old\\Home\\Maps\"\r\n");
    const QByteArray big(64 * 1024, 'x');
    prefix.file(QStringLiteral("C:\\big.gmx"), big);
    {
        const test::FileSizeLimit limit(1024);
        ExpectFailure(FailureNumber::DiskFull, [&] { files.writeFile(QStringLiteral("C:\\BHWWE.txt"), big); });
        ExpectFailure(FailureNumber::DiskFull, [&] {
            files.copyFile(QStringLiteral("C:\\big.gmx"), QStringLiteral("C:\\BHWWE.txt"));
        });
    }
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\BHWWE.txt")), "\"C:\\Old\\Home\\Maps\"\r\n");
    EXPECT_EQ(QDir(prefix.hostPathOf(QStringLiteral("C:\\"))).entryList(QDir::Files | QDir::Hidden).size(), 2)
        << "no temporary file is left behind";
}

TEST_F(FileLayer, CurrentFolderAnchorsRelativePaths)
{
    prefix.file(QStringLiteral("C:\\Maps\\m.gmx"), "m");
    const QString saved = QDir::currentPath();
    files.setCurrentFolder(QStringLiteral("c:\\maps"));
    EXPECT_EQ(files.readFile(QStringLiteral("m.gmx")), "m");
    ExpectFailure(FailureNumber::PathNotFound, [&] { files.setCurrentFolder(QStringLiteral("C:\\none")); });
    QDir::setCurrent(saved);
}

// The temporary file of a write is never taken for a map, a record or the
// notes file, whatever the target's name.
TEST(WriteTemporaries, NamedApartFromEveryFileTheProgramReads)
{
    const struct {
        const char* name;
        bool temporary;
    } cases[] = {
        {".Marsh.gmx.zv-a1B2c3", true},   {".Notepad.txt.zv-XyZ012", true},
        {".BHWWE.txt.zv-000000", true},   {"Marsh.gmx", false},
        {".Marsh.gmx", false},            {".Marsh.gmx.zv-a1B2c", false},
        {"Marsh.gmx.zv-a1B2c3", false},   {".zv-a1B2c3", false},
    };
    for (const auto& c : cases) {
        const QString name = QString::fromLatin1(c.name);
        EXPECT_EQ(IsWriteTemporaryName(name), c.temporary) << c.name;
        if (c.temporary) {
            EXPECT_FALSE(name.endsWith(QLatin1String(".gmx"), Qt::CaseInsensitive)) << c.name;
            EXPECT_FALSE(name.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) << c.name;
        }
    }
}

// Every call is numbered as it arrives; the one told to fail fails before it
// reaches the host, and the observer sees each call first.
TEST_F(FileLayer, FaultInjectionFailsTheNthCallOnly)
{
    FaultInjectingFileSystem injecting(files);
    std::vector<FaultInjectingFileSystem::Call> seen;
    injecting.setObserver([&](const FaultInjectingFileSystem::Call& call) { seen.push_back(call); });
    injecting.writeFile(QStringLiteral("C:\\a.txt"), "abc");
    injecting.failCall(2, FailureNumber::DiskNotReady);
    EXPECT_EQ(injecting.readFile(QStringLiteral("C:\\a.txt")), "abc");
    ExpectFailure(FailureNumber::DiskNotReady,
                  [&] { injecting.copyFile(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\b.txt")); });
    EXPECT_FALSE(prefix.exists(QStringLiteral("C:\\b.txt")));
    injecting.copyFile(QStringLiteral("C:\\a.txt"), QStringLiteral("C:\\b.txt"));
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\b.txt")), "abc");
    EXPECT_EQ(injecting.calls(), 4);

    using Op = FaultInjectingFileSystem::Operation;
    ASSERT_EQ(seen.size(), 4u);
    const struct {
        Op op;
        const char* target;
        qsizetype bytes;
    } expected[] = {
        {Op::Write, "", 3},
        {Op::Read, "", -1},
        {Op::Copy, "C:\\b.txt", -1},
        {Op::Copy, "C:\\b.txt", -1},
    };
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(seen[i].number, i + 1);
        EXPECT_EQ(seen[i].op, expected[i].op) << i;
        EXPECT_EQ(seen[i].target, QString::fromLatin1(expected[i].target)) << i;
        EXPECT_EQ(seen[i].bytes, expected[i].bytes) << i;
    }
}

// ---- errno table -----------------------------------------------------------

TEST(FailureTable, ErrnoNumbers)
{
    const std::string existingFolder = QDir::tempPath().toStdString() + "/x";
    const struct {
        int err;
        std::string path;
        int number;
    } cases[] = {
        {ENOENT, existingFolder, 53},        {ENOENT, "/no/such/folder/x", 76},
        {ENOTDIR, existingFolder, 76},       {EEXIST, existingFolder, 58},
        {ENOSPC, existingFolder, 61},        {EDQUOT, existingFolder, 61},
        {EACCES, existingFolder, 70},        {EROFS, existingFolder, 70},
        {ENXIO, existingFolder, 68},         {EIO, existingFolder, 71},
        {ENOTEMPTY, existingFolder, 75},     {EBUSY, existingFolder, 75},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FailureNumberForErrno(c.err, c.path), c.number) << c.err << " " << c.path;
    EXPECT_EQ(Failure(53).description(), QStringLiteral("File not found"));
}

// ---- tree search through the drive letters ----------------------------------

TEST(HostDrives, SearchReportsAProgramPathThroughTheRoot)
{
    TestPrefix prefix;
    prefix.addDrive('E');
    prefix.file(QStringLiteral("E:\\Games\\WW\\Wild Wings.exe"));
    const DriveTable table = prefix.driveTable();
    HostDrives drives(table);
    EXPECT_EQ(drives.searchTreeForFile(QStringLiteral("E:\\"), QStringLiteral("wild wings.exe")),
              QStringLiteral("E:\\Games\\WW\\Wild Wings.exe"));
    EXPECT_EQ(drives.searchTreeForFile(QStringLiteral("E:\\"), QStringLiteral("none.exe")), QString());
}

} // namespace
} // namespace zv
