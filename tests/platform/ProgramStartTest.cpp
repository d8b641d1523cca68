#include "ExpectFailure.h"
#include "TestPrefix.h"

#include "platform/Failure.h"
#include "platform/HostFileSystem.h"
#include "platform/ProgramStart.h"
#include "platform/QtServices.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <optional>

namespace zv {
namespace {

void WriteFile(const QString& path, const QByteArray& content, bool executable)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser);
}

// Waits for a file a started program writes; its content, or nothing after ten seconds.
std::optional<QByteArray> AwaitFile(const QString& path)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 10000) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.endsWith('\n'))
                return content;
        }
        QThread::msleep(20);
    }
    return std::nullopt;
}

const QByteArray kWindowsProgram = QByteArrayLiteral("MZ\x90\x00 a Windows program");
const QString kPrefix = QStringLiteral("/prefixes/games");
const QString kLoader = QStringLiteral("/usr/bin/wine");

TEST(ProgramStart, WindowsProgramsRunThroughWineInThePrefixAndOthersAsTheyAre)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray content;
        bool executable;
        bool throughWine;
    } cases[] = {
        {"Pack.exe", kWindowsProgram, false, true},
        {"PACK.EXE", kWindowsProgram, false, true},
        {"Mixed.eXe", kWindowsProgram, true, true},
        {"setup.sh", "#!/bin/sh\n", true, false},
        {"unpack", "#!/bin/sh\n", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.path() + QStringLiteral("/Downloads/") + QLatin1String(c.name);
        WriteFile(path, c.content, c.executable);
        const ProgramStart plan = PlanProgramStart(path, kPrefix, kLoader);
        EXPECT_EQ(plan.workingFolder, dir.path() + QStringLiteral("/Downloads"));
        if (c.throughWine) {
            EXPECT_EQ(plan.program, kLoader);
            EXPECT_EQ(plan.arguments, QStringList{path});
            EXPECT_EQ(plan.winePrefix, kPrefix);
        } else {
            EXPECT_EQ(plan.program, path);
            EXPECT_TRUE(plan.arguments.isEmpty());
            EXPECT_TRUE(plan.winePrefix.isEmpty()) << "a host program keeps the environment as it is";
        }
    }
}

TEST(ProgramStart, FilesThatCannotStartFailWithANumberAndAReason)
{
    QTemporaryDir dir;
    WriteFile(dir.path() + QStringLiteral("/Fake.exe"), "#!/bin/sh\n", true);
    WriteFile(dir.path() + QStringLiteral("/Pack.exe"), kWindowsProgram, false);
    WriteFile(dir.path() + QStringLiteral("/notes.txt"), "text", false);
    QDir().mkpath(dir.path() + QStringLiteral("/Folder.exe"));
    const struct {
        const char* name;
        QString loader;
        int number;
        const char* description;
    } cases[] = {
        {"Gone.exe", kLoader, FailureNumber::FileNotFound, "File not found"},
        {"Folder.exe", kLoader, FailureNumber::FileNotFound, "File not found"},
        {"Fake.exe", kLoader, FailureNumber::InvalidArgument, "The file is not a Windows program"},
        {"Pack.exe", QString(), FailureNumber::FileNotFound,
         "Wine, which runs Windows programs, is not installed"},
        {"notes.txt", kLoader, FailureNumber::InvalidArgument, "The file is not a program that can be run"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            PlanProgramStart(dir.path() + QLatin1Char('/') + QLatin1String(c.name), kPrefix, c.loader);
            ADD_FAILURE() << "started";
        } catch (const Failure& failure) {
            EXPECT_EQ(failure.number(), c.number);
            EXPECT_EQ(failure.description(), QLatin1String(c.description));
        }
    }
}

// The real launcher, with a stand-in Wine loader that writes down what it was given.
class Launching : public ::testing::Test {
protected:
    Launching()
    {
        prefix.addDrive('C');
        table = prefix.driveTable();
        qputenv("WINELOADER", QFile::encodeName(prefix.root() + QStringLiteral("/fake-wine")));
        WriteFile(prefix.root() + QStringLiteral("/fake-wine"),
                  "#!/bin/sh\necho \"$WINEPREFIX|$PWD|$1\" > \"$PWD/wine-ran.txt\"\n", true);
    }
    ~Launching() override { qunsetenv("WINELOADER"); }

    test::TestPrefix prefix;
    DriveTable table;
    HostFileSystem files{table};
    QtLauncher launcher{files, table};
};

TEST_F(Launching, AWindowsPackageRunsUnderWineWithTheProgramsPrefix)
{
    prefix.file(QStringLiteral("C:\\Downloads\\Creek.exe"), kWindowsProgram);
    EXPECT_GT(launcher.start(QStringLiteral("C:\\Downloads\\Creek.exe")), 0);
    const QString folder = QFileInfo(prefix.hostPathOf(QStringLiteral("C:\\Downloads"))).canonicalFilePath();
    const auto ran = AwaitFile(folder + QStringLiteral("/wine-ran.txt"));
    ASSERT_TRUE(ran) << "the stand-in loader did not run";
    EXPECT_EQ(QString::fromLocal8Bit(*ran).trimmed(),
              prefix.prefix() + QLatin1Char('|') + folder + QLatin1Char('|') + folder +
                  QStringLiteral("/Creek.exe"));
}

TEST_F(Launching, AHostProgramRunsDirectlyInItsFolder)
{
    prefix.file(QStringLiteral("C:\\Downloads\\unpack.sh"), "#!/bin/sh\necho \"$PWD\" > ran.txt\n");
    const QString host = prefix.hostPathOf(QStringLiteral("C:\\Downloads\\unpack.sh"));
    QFile::setPermissions(host, QFile::permissions(host) | QFile::ExeOwner | QFile::ExeUser);
    EXPECT_GT(launcher.start(QStringLiteral("C:\\Downloads\\unpack.sh")), 0);
    const QString folder = QFileInfo(prefix.hostPathOf(QStringLiteral("C:\\Downloads"))).canonicalFilePath();
    const auto ran = AwaitFile(folder + QStringLiteral("/ran.txt"));
    ASSERT_TRUE(ran);
    EXPECT_EQ(QString::fromLocal8Bit(*ran).trimmed(), folder);
}

TEST_F(Launching, AProgramThatCannotBeExecutedFails)
{
    // Marked executable, but no program the host can run.
    prefix.file(QStringLiteral("C:\\Downloads\\broken"), "\x7f" "ELF but not really");
    const QString host = prefix.hostPathOf(QStringLiteral("C:\\Downloads\\broken"));
    QFile::setPermissions(host, QFile::permissions(host) | QFile::ExeOwner | QFile::ExeUser);
    test::ExpectFailure(FailureNumber::InvalidArgument,
                        [&] { launcher.start(QStringLiteral("C:\\Downloads\\broken")); });
}

} // namespace
} // namespace zv
