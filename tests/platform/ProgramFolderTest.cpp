#include "TemporaryHome.h"

#include "platform/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace zv {
namespace {

using test::TemporaryHome;

QByteArray Content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

mode_t ModeOf(const QString& path)
{
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 07777;
}

// An install under @ROOT@/usr: the program in bin, its pictures in share/zorvane/Support.
struct Install {
    explicit Install(TemporaryHome& home, const QString& prefix = QStringLiteral("@ROOT@/usr"))
        : bin(home.path(prefix + QStringLiteral("/bin"))),
          pictures(home.path(prefix + QStringLiteral("/share/zorvane/Support")))
    {
        home.file(bin + QStringLiteral("/zorvane"), "ELF");
        home.file(pictures + QStringLiteral("/Frame.bmp"), "BM frame");
        home.file(pictures + QStringLiteral("/GoOff.bmp"), "BM go");
    }
    QString bin;
    QString pictures;
};

TEST(PrepareProgramFolder, ABuildFolderIsItsOwnProgramFolder)
{
    TemporaryHome home;
    home.file(QStringLiteral("@ROOT@/build/bin/Support/Frame.bmp"), "BM");
    const ProgramHostFolder folder =
        PrepareProgramFolder(home.path(QStringLiteral("@ROOT@/build/bin")), home.environment());
    EXPECT_EQ(folder.folder, home.path(QStringLiteral("@ROOT@/build/bin")));
    EXPECT_FALSE(folder.perUser);
    EXPECT_TRUE(folder.problems.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(home.path(QStringLiteral(".local"))))
        << "nothing is made in the home";
}

TEST(PrepareProgramFolder, AnInstallUsesTheUsersPrivateDataFolder)
{
    const struct {
        const char* name;
        const char* xdgDataHome;
        const char* expected;
        bool leftOpen = false; // the folder is there already, readable by everyone
    } cases[] = {
        {"no XDG_DATA_HOME, a home without .local", "", ".local/share/zorvane"},
        {"an absolute XDG_DATA_HOME", "@ROOT@/data", "@ROOT@/data/zorvane"},
        {"a relative XDG_DATA_HOME is ignored", "data", ".local/share/zorvane"},
        {"a folder left open to others", "", ".local/share/zorvane", true},
    };
    for (const auto& c : cases) {
        TemporaryHome home;
        Install install(home);
        if (c.leftOpen) {
            home.file(QStringLiteral(".local/share/zorvane/Notepad.txt"), "1\r\n");
            QFile::setPermissions(home.path(QStringLiteral(".local/share/zorvane")),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                      QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                      QFileDevice::ExeOther);
        }
        UserEnvironment environment = home.environment();
        environment.xdgDataHome = home.path(QString::fromUtf8(c.xdgDataHome));
        if (!QString::fromUtf8(c.xdgDataHome).startsWith(QLatin1Char('@')))
            environment.xdgDataHome = QString::fromUtf8(c.xdgDataHome);

        const ProgramHostFolder folder = PrepareProgramFolder(install.bin, environment);

        const QString expected = home.path(QString::fromUtf8(c.expected));
        EXPECT_EQ(folder.folder, expected) << c.name;
        EXPECT_TRUE(folder.perUser) << c.name;
        EXPECT_TRUE(folder.problems.isEmpty())
            << c.name << ": " << qPrintable(folder.problems.join('\n'));
        EXPECT_EQ(ModeOf(expected), 0700u) << c.name << ": other users cannot look in";
        if (c.leftOpen) {
            EXPECT_EQ(Content(expected + QStringLiteral("/Notepad.txt")), "1\r\n") << c.name;
        }
        EXPECT_EQ(QFileInfo(expected + QStringLiteral("/Support")).symLinkTarget(),
                  install.pictures)
            << c.name;
        EXPECT_EQ(Content(expected + QStringLiteral("/Support/Frame.bmp")), "BM frame") << c.name;
        EXPECT_EQ(QDir(install.bin).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                  QStringList{"zorvane"})
            << c.name << ": nothing is written beside the program";
    }
}

TEST(PrepareProgramFolder, AnUpgradeThatMovesThePicturesIsFollowed)
{
    TemporaryHome home;
    Install old(home, QStringLiteral("@ROOT@/usr/local"));
    const QString user = PrepareProgramFolder(old.bin, home.environment()).folder;
    home.file(user + QStringLiteral("/Notepad.txt"), "1\r\n");
    QDir(home.path(QStringLiteral("@ROOT@/usr/local"))).removeRecursively();

    Install moved(home);
    const ProgramHostFolder folder = PrepareProgramFolder(moved.bin, home.environment());

    EXPECT_EQ(folder.folder, user);
    EXPECT_TRUE(folder.problems.isEmpty()) << qPrintable(folder.problems.join('\n'));
    EXPECT_EQ(QFileInfo(user + QStringLiteral("/Support")).symLinkTarget(), moved.pictures);
    EXPECT_EQ(Content(user + QStringLiteral("/Support/GoOff.bmp")), "BM go");
    EXPECT_EQ(Content(user + QStringLiteral("/Notepad.txt")), "1\r\n");
}

// Where the user folder cannot hold links, Support is a folder of copies kept up to date.
TEST(PrepareProgramFolder, AFolderOfCopiesIsKeptUpToDate)
{
    TemporaryHome home;
    Install install(home);
    home.file(QStringLiteral(".local/share/zorvane/Support/Frame.bmp"), "BM an older frame");
    home.file(QStringLiteral(".local/share/zorvane/Support/Mine.bmp"), "the user's own");

    const ProgramHostFolder folder = PrepareProgramFolder(install.bin, home.environment());

    const QString support = folder.folder + QStringLiteral("/Support");
    EXPECT_TRUE(folder.problems.isEmpty()) << qPrintable(folder.problems.join('\n'));
    EXPECT_FALSE(QFileInfo(support).isSymLink());
    EXPECT_EQ(Content(support + QStringLiteral("/Frame.bmp")), "BM frame");
    EXPECT_EQ(Content(support + QStringLiteral("/GoOff.bmp")), "BM go");
    EXPECT_EQ(Content(support + QStringLiteral("/Mine.bmp")), "the user's own");
    EXPECT_EQ(QDir(support).entryList(QDir::Files | QDir::Hidden).size(), 3)
        << "no temporary copies left";

    // A copy with the picture's size and time is left alone (no rewrite at every start).
    home.file(install.pictures + QStringLiteral("/Frame.bmp"), "BM FRAME");
    const QDateTime stamp =
        QFileInfo(install.pictures + QStringLiteral("/Frame.bmp")).lastModified();
    QFile copy(support + QStringLiteral("/Frame.bmp"));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly | QIODevice::Truncate));
    copy.write("BM Frame");
    copy.setFileTime(stamp, QFileDevice::FileModificationTime);
    copy.close();
    PrepareProgramFolder(install.bin, home.environment());
    EXPECT_EQ(Content(support + QStringLiteral("/Frame.bmp")), "BM Frame");
}

TEST(PrepareProgramFolder, WhatCannotBeSetUpIsToldAndNothingIsLost)
{
    {
        SCOPED_TRACE("a file named Support in the user folder");
        TemporaryHome home;
        Install install(home);
        home.file(QStringLiteral(".local/share/zorvane/Support"), "keep me");
        const ProgramHostFolder folder = PrepareProgramFolder(install.bin, home.environment());
        EXPECT_EQ(folder.folder, home.path(QStringLiteral(".local/share/zorvane")));
        ASSERT_EQ(folder.problems.size(), 1);
        EXPECT_TRUE(folder.problems.first().contains(folder.folder + QStringLiteral("/Support")));
        EXPECT_EQ(Content(folder.folder + QStringLiteral("/Support")), "keep me");
    }
    {
        SCOPED_TRACE("a home where no folder can be made: the installed folder, read as it is");
        TemporaryHome home;
        Install install(home);
        UserEnvironment environment = home.environment();
        home.file(QStringLiteral("@ROOT@/a file"), "keep me too");
        environment.home = home.path(QStringLiteral("@ROOT@/a file"));
        const ProgramHostFolder folder = PrepareProgramFolder(install.bin, environment);
        EXPECT_EQ(folder.folder, home.path(QStringLiteral("@ROOT@/usr/share/zorvane")));
        ASSERT_EQ(folder.problems.size(), 1);
        EXPECT_TRUE(folder.problems.first().contains(QStringLiteral("cannot use the folder")));
        EXPECT_EQ(Content(home.path(QStringLiteral("@ROOT@/a file"))), "keep me too");
    }
    {
        SCOPED_TRACE("an install without its pictures");
        TemporaryHome home;
        home.file(QStringLiteral("@ROOT@/usr/bin/zorvane"), "ELF");
        const ProgramHostFolder folder =
            PrepareProgramFolder(home.path(QStringLiteral("@ROOT@/usr/bin")), home.environment());
        EXPECT_EQ(folder.folder, home.path(QStringLiteral(".local/share/zorvane")));
        ASSERT_EQ(folder.problems.size(), 1);
        EXPECT_TRUE(folder.problems.first().contains(QStringLiteral("pictures are missing")));
    }
}

TEST(PrepareProgramFolder, AReadOnlyCopyWithPicturesBesideItLinksThem)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write into any folder, so a read-only folder cannot be made here";
    TemporaryHome home;
    home.file(QStringLiteral("@ROOT@/opt/zorvane/Support/Frame.bmp"), "BM");
    const QString program = home.path(QStringLiteral("@ROOT@/opt/zorvane"));
    QFile::setPermissions(program, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const ProgramHostFolder folder = PrepareProgramFolder(program, home.environment());
    QFile::setPermissions(program,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(folder.folder, home.path(QStringLiteral(".local/share/zorvane")));
    EXPECT_EQ(QFileInfo(folder.folder + QStringLiteral("/Support")).symLinkTarget(),
              program + QStringLiteral("/Support"));
}

} // namespace
} // namespace zv
