// The program installed into a temporary prefix and started as users whose
// homes are temporary folders.

#include "TemporaryHome.h"
#include "TestPrefix.h"
#include "TestServices.h"

#include "core/GameRecord.h"
#include "core/Notes.h"
#include "core/ProgramState.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramFolder.h"
#include "platform/SupportImages.h"

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>

namespace zv {
namespace {

class NoMessages final : public MessageBoxes {
public:
    void show(const QString& text) override { ADD_FAILURE() << "message: " << qPrintable(text); }
};

QByteArray Content(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class InstalledProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_root = std::make_unique<QTemporaryDir>();
        QProcess install;
        install.setProcessChannelMode(QProcess::MergedChannels);
        install.start(QStringLiteral(ZV_CMAKE_COMMAND),
                      {QStringLiteral("--install"), QStringLiteral(ZV_BUILD_DIR),
                       QStringLiteral("--prefix"), usr()});
        const bool finished = install.waitForFinished(120000);
        s_installLog = QString::fromLocal8Bit(install.readAll());
        s_installed =
            finished && install.exitStatus() == QProcess::NormalExit && install.exitCode() == 0;
    }
    static void TearDownTestSuite() { s_root.reset(); }

    void SetUp() override { ASSERT_TRUE(s_installed) << qPrintable(s_installLog); }

    static QString usr() { return s_root->path() + QStringLiteral("/usr"); }
    static QString bin() { return usr() + QStringLiteral("/bin"); }

    // Every file and folder of the install, with its size.
    static QStringList InstalledTree()
    {
        QStringList tree;
        QDirIterator it(usr(),
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QFileInfo entry(it.next());
            tree.append(entry.filePath() + QLatin1Char(' ') + QString::number(entry.size()));
        }
        tree.sort();
        return tree;
    }

    static inline std::unique_ptr<QTemporaryDir> s_root;
    static inline bool s_installed = false;
    static inline QString s_installLog;
};

TEST_F(InstalledProgram, LaysOutTheSystemInstall)
{
    const QString id = QStringLiteral(ZV_APPLICATION_ID);
    for (const QString& file :
         {QStringLiteral("bin/zorvane"), QStringLiteral("share/zorvane/Support/Frame.bmp"),
          QStringLiteral("share/zorvane/Support/Skin Startup.bmp"),
          QStringLiteral("share/applications/") + id + QStringLiteral(".desktop"),
          QStringLiteral("share/metainfo/") + id + QStringLiteral(".metainfo.xml"),
          QStringLiteral("share/icons/hicolor/16x16/apps/") + id + QStringLiteral(".png"),
          QStringLiteral("share/icons/hicolor/256x256/apps/") + id + QStringLiteral(".png"),
          QStringLiteral("share/doc/zorvane/copyright"),
          QStringLiteral("share/man/man1/zorvane.1.gz")})
        EXPECT_TRUE(QFileInfo(usr() + QLatin1Char('/') + file).isFile()) << qPrintable(file);
    EXPECT_TRUE(QFileInfo(bin() + QStringLiteral("/zorvane")).isExecutable());
    EXPECT_EQ(QDir(bin()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"zorvane"})
        << "only the program goes to bin: no tests, no generator, no pictures";
    EXPECT_EQ(InstalledDataFolder(bin()), usr() + QStringLiteral("/share/zorvane"));
}

// Each user's records and notes land in that user's data folder, never beside
// the installed program, and the pictures come from the install.
TEST_F(InstalledProgram, KeepsEachUsersRecordsAndNotesInTheirOwnDataFolder)
{
    const QStringList before = InstalledTree();
    test::TestPrefix prefix;
    prefix.addDrive(QLatin1Char('c'));
    prefix.linkDrive(QLatin1Char('z'), QStringLiteral("/"));
    test::TemporaryHome ann;
    test::TemporaryHome bob;
    NoMessages messages;

    for (const auto& [home, name] : {std::pair{&ann, "Ann"}, std::pair{&bob, "Bob"}}) {
        SCOPED_TRACE(name);
        const ProgramHostFolder folder = PrepareProgramFolder(bin(), home->environment());
        ASSERT_TRUE(folder.problems.isEmpty()) << qPrintable(folder.problems.join('\n'));
        ASSERT_EQ(folder.folder, home->path(QStringLiteral(".local/share/zorvane")));

        test::TestServices host(prefix);
        host.services.programFolder = ProgramFolderPath(host.table, folder.folder);
        EXPECT_TRUE(host.services.programFolder.startsWith(QStringLiteral("Z:\\")))
            << qPrintable(host.services.programFolder);

        ProgramState state;
        state.CurrentGame = QStringLiteral("BHWWE");
        state.MapsFolder = QStringLiteral("C:\\Games\\%1\\Home\\Maps").arg(QString::fromUtf8(name));
        WriteGameRecord(state, host.services);
        NoteTable notes;
        ASSERT_TRUE(StoreNoteEntry(notes, QStringLiteral("Marsh Flats"),
                                   QStringLiteral("%1's note").arg(QString::fromUtf8(name)),
                                   host.services, messages));

        const SupportImages images(host.files, host.services.programFolder);
        EXPECT_FALSE(images.load(QStringLiteral("Frame.bmp")).isNull());

        EXPECT_EQ(Content(folder.folder + QStringLiteral("/BHWWE.txt")),
                  EncodeGameRecord(state.MapsFolder));
    }
    EXPECT_TRUE(Content(ann.path(QStringLiteral(".local/share/zorvane/Notepad.txt")))
                    .contains("Ann's note"));
    EXPECT_FALSE(
        Content(bob.path(QStringLiteral(".local/share/zorvane/Notepad.txt"))).contains("Ann"));
    EXPECT_FALSE(
        Content(ann.path(QStringLiteral(".local/share/zorvane/Notepad.txt"))).contains("Bob"));
    EXPECT_EQ(InstalledTree(), before);
}

// The installed executable itself: it names the prefix that holds the games,
// sets up the user's folder and writes nothing into the install.
TEST_F(InstalledProgram, StartsOnThePrefixThatHoldsTheGames)
{
    const QStringList before = InstalledTree();
    test::TemporaryHome home;
    home.prefix(QStringLiteral(".wine"));
    const QString games = home.prefix(QStringLiteral("Games/sunstorm-hunting"),
                                      {QStringLiteral("BHWWE"), QStringLiteral("RMTH3")});

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"WINEPREFIX", "XDG_DATA_HOME"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("HOME"), home.home());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(home.home());
    program.start(bin() + QStringLiteral("/zorvane"), {});
    ASSERT_TRUE(program.waitForStarted(30000)) << qPrintable(program.errorString());

    // Up when it has told its prefix and made the user's Support; the wait ends early then.
    const QString support = home.path(QStringLiteral(".local/share/zorvane/Support"));
    QByteArray errors;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 60000 && program.state() == QProcess::Running &&
           !(errors.contains("zorvane: Wine prefix") && QFileInfo(support).isSymLink())) {
        program.waitForReadyRead(200);
        errors += program.readAllStandardError();
    }
    const bool ranOn = program.state() == QProcess::Running;
    program.kill();
    program.waitForFinished(30000);
    errors += program.readAllStandardError();

    EXPECT_TRUE(ranOn) << "the program ended by itself: " << errors.constData();
    const QString line = QStringLiteral("zorvane: Wine prefix %1 (it holds Wild Wings.exe and "
                                        "Rocky Mountain Trophy Hunter 3.exe)")
                             .arg(games);
    EXPECT_TRUE(QString::fromLocal8Bit(errors).split(QLatin1Char('\n')).contains(line))
        << errors.constData();
    EXPECT_EQ(QFileInfo(support).symLinkTarget(), usr() + QStringLiteral("/share/zorvane/Support"));
    EXPECT_EQ(InstalledTree(), before);
}

} // namespace
} // namespace zv
