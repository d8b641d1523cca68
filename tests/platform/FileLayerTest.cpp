#include "ExpectFailure.h"
#include "FileSizeLimit.h"
#include "PermissionsHonoured.h"
#include "TestPrefix.h"

#include "platform/Drives.h"
#include "platform/Failure.h"
#include "platform/FaultInjectingFileSystem.h"
#include "platform/HostFileSystem.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <clocale>
#include <fcntl.h>
#include <sys/stat.h>
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

// A Turkish locale for this process while it lives: the installed one, else
// one compiled from the system's locale sources into a temporary folder.
class TurkishLocale {
public:
    TurkishLocale() : m_saved(std::setlocale(LC_ALL, nullptr)), m_savedPath(qgetenv("LOCPATH"))
    {
        if (std::setlocale(LC_ALL, "tr_TR.UTF-8") != nullptr || !m_compiled.isValid())
            return;
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"),
                        {QStringLiteral("-i"), QStringLiteral("tr_TR"), QStringLiteral("-f"),
                         QStringLiteral("UTF-8"), m_compiled.filePath(QStringLiteral("tr_TR.UTF-8"))});
        if (!localedef.waitForFinished(60000))
            return;
        qputenv("LOCPATH", m_compiled.path().toLocal8Bit());
        std::setlocale(LC_ALL, "tr_TR.UTF-8");
    }
    ~TurkishLocale()
    {
        std::setlocale(LC_ALL, m_saved.c_str());
        if (m_savedPath.isEmpty())
            qunsetenv("LOCPATH");
        else
            qputenv("LOCPATH", m_savedPath);
    }
    TurkishLocale(const TurkishLocale&) = delete;
    TurkishLocale& operator=(const TurkishLocale&) = delete;

    bool active() const { return QByteArray(std::setlocale(LC_CTYPE, nullptr)).startsWith("tr_TR"); }

private:
    std::string m_saved;
    QByteArray m_savedPath;
    QTemporaryDir m_compiled;
};

// Qt applications take the user's locale; in a Turkish one the C library's
// case rules do not pair "I" with "i", which file names must not follow.
TEST_F(FileLayer, LetterCaseFoldsTheSameInEveryLocale)
{
    prefix.file(QStringLiteral("C:\\Games\\Wild Wings\\Home\\Maps\\Marsh.gmx"), "map");
    const TurkishLocale turkish;
    if (!turkish.active())
        GTEST_SKIP() << "no Turkish locale, nor localedef and its sources (Debian: locales)";
    EXPECT_EQ(files.readFile(QStringLiteral("C:\\GAMES\\WILD WINGS\\HOME\\MAPS\\MARSH.GMX")), "map");
    EXPECT_EQ(files.find(QStringLiteral("c:\\games\\wild wings\\home\\maps\\marsh.gmx"), ListKind::Files),
              QStringList{QStringLiteral("Marsh.gmx")});
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

// Windows reads "/" as a separator too, so ".." between slashes climbs no
// higher than "\..\" does; a file beside the drive's folder stays out of reach.
TEST_F(FileLayer, SlashesSeparateLikeBackslashes)
{
    prefix.file(QStringLiteral("C:\\top.txt"), "top");
    prefix.file(QStringLiteral("C:\\a\\b\\m.gmx"), "m");
    const QString outside = prefix.hostPathOf(QStringLiteral("C:\\")) + QStringLiteral("/../top.txt");
    QFile beside(outside);
    ASSERT_TRUE(beside.open(QIODevice::WriteOnly) && beside.write("outside") == 7);
    beside.close();
    for (const char* path : {"C:\\a/../../top.txt", "C:/a/b/../../../top.txt", "c:\\A/B\\..\\../../top.txt"})
        EXPECT_EQ(files.readFile(QString::fromLatin1(path)), "top") << path;
    EXPECT_EQ(files.readFile(QStringLiteral("C:/a/b/M.GMX")), "m");

    files.rename(QStringLiteral("C:\\a\\b\\m.gmx"), QStringLiteral("C:\\a\\b\\../../../moved.gmx"));
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\moved.gmx")), "m");
    EXPECT_EQ(files.find(QStringLiteral("C:\\a\\../*.gmx"), ListKind::Files),
              QStringList{QStringLiteral("moved.gmx")});
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\..\\top.txt")), "outside");
}

// The host ends a path at a NUL character: such a path must not act on the
// file named by the part before it.
TEST_F(FileLayer, APathHoldingNulNamesNoFile)
{
    prefix.file(QStringLiteral("C:\\m\\a.gmx"), "a");
    const QString nul = QStringLiteral("C:\\m\\a.gmx") + QChar(0) + QStringLiteral(".bmp");
    ExpectFailure(FailureNumber::PathAccessError, [&] { files.readFile(nul); });
    ExpectFailure(FailureNumber::PathAccessError, [&] { files.deleteFile(nul); });
    ExpectFailure(FailureNumber::PathAccessError, [&] { files.writeFile(nul, "x"); });
    ExpectFailure(FailureNumber::PathAccessError,
                  [&] { files.copyFile(QStringLiteral("C:\\m\\a.gmx"), nul); });
    ExpectFailure(FailureNumber::PathAccessError, [&] {
        files.rename(QStringLiteral("C:\\m\\a.gmx"), QStringLiteral("C:\\m\\b") + QChar(0));
    });
    EXPECT_TRUE(files.find(nul, ListKind::Files).isEmpty());
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\m\\a.gmx")), "a");
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

// Every byte arrives whether the kernel copies the file (one file system),
// cannot (from another file system) or does not know its size in advance (/proc).
TEST(FileCopy, EveryByteArrivesWhereverTheFileComesFrom)
{
    TestPrefix prefix;
    prefix.addDrive('C');
    QTemporaryDir memory(QStringLiteral("/dev/shm/zv-copy-XXXXXX"));
    if (memory.isValid())
        prefix.linkDrive('M', memory.path());
    prefix.linkDrive('P', QStringLiteral("/proc/self"));
    prefix.folder(QStringLiteral("C:\\a"));

    QByteArray pattern(3 * 65536 + 7, '\0');
    for (qsizetype i = 0; i < pattern.size(); ++i)
        pattern[i] = char(i * 131 % 251);
    const struct {
        const char* title;
        const char* from;
        QByteArray content; // written first; empty for a file that is there
    } cases[] = {
        {"empty", "C:\\a\\Empty.gmx", QByteArray()},
        {"one byte", "C:\\a\\One.gmx", "x"},
        {"more than one buffer", "C:\\a\\Big.gmx", pattern},
        {"several megabytes", "C:\\a\\Huge.gmx", pattern.repeated(40)},
        {"another file system", "M:\\Marsh.gmx", pattern},
        {"size not known in advance", "P:\\cmdline", QByteArray()},
    };
    const DriveTable table = prefix.driveTable();
    HostFileSystem files(table);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        const QString from = QString::fromLatin1(c.from);
        if (from.startsWith('M') && !memory.isValid()) {
            ADD_FAILURE() << "/dev/shm cannot hold a file of another file system";
            continue;
        }
        QByteArray expected = c.content;
        if (from.startsWith('P')) {
            QFile host(QStringLiteral("/proc/self/cmdline"));
            ASSERT_TRUE(host.open(QIODevice::ReadOnly));
            expected = host.readAll();
            ASSERT_FALSE(expected.isEmpty());
        } else {
            files.writeFile(from, c.content);
        }
        prefix.file(QStringLiteral("C:\\b\\Copy.gmx"), "an older and different copy");
        try {
            files.copyFile(from, QStringLiteral("C:\\b\\Copy.gmx"));
        } catch (const Failure& failure) {
            ADD_FAILURE() << failure.what();
        }
        EXPECT_EQ(prefix.content(QStringLiteral("C:\\b\\Copy.gmx")), expected);
    }
}

// A copy reads only plain files: a pipe would block the program, a device
// such as /dev/zero would fill the disk. The target stays as it was.
TEST(FileCopy, APipeAFolderOrADeviceIsNoFileToCopy)
{
    TestPrefix prefix;
    prefix.addDrive('C');
    prefix.linkDrive('V', QStringLiteral("/dev"));
    prefix.folder(QStringLiteral("C:\\a\\Folder.gmx"));
    ASSERT_EQ(::mkfifo(prefix.hostPathOf(QStringLiteral("C:\\a\\Pipe.gmx")).toLocal8Bit().constData(), 0600), 0);
    prefix.file(QStringLiteral("C:\\b\\Copy.gmx"), "old");
    const DriveTable table = prefix.driveTable();
    HostFileSystem files(table);
    for (const char* from : {"C:\\a\\Pipe.gmx", "C:\\a\\Folder.gmx", "V:\\zero"}) {
        ExpectFailure(FailureNumber::PathAccessError, [&] {
            files.copyFile(QString::fromLatin1(from), QStringLiteral("C:\\b\\Copy.gmx"));
        });
        EXPECT_EQ(prefix.content(QStringLiteral("C:\\b\\Copy.gmx")), "old") << from;
    }
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
    bool readOnly = false;
    const bool honoured = test::RunWithPermissionsHonoured([&] {
        // As this thread's rights decide (access() would ask root's real ones).
        readOnly = ::faccessat(AT_FDCWD, folder.toLocal8Bit().constData(), W_OK, AT_EACCESS) != 0;
        if (readOnly)
            ExpectFailure(FailureNumber::PermissionDenied,
                          [&] { files.writeFile(QStringLiteral("C:\\ro\\r.txt"), "new"); });
    });
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!honoured || !readOnly)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
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
