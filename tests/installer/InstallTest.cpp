#include "WindowHarness.h"

#include "installer/Install.h"
#include "platform/Failure.h"
#include "platform/ProgramPath.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace zv {
namespace {

// Writes down what it was asked to start; answers with a process id, 0, or a failure.
class ScriptedLauncher final : public Launcher {
public:
    qint64 start(const QString& programPath) override
    {
        asked.append(programPath);
        if (failure)
            throw *failure;
        return processId;
    }
    QStringList asked;
    qint64 processId = 4242;
    std::optional<Failure> failure;
};

class InstallWindow : public ::testing::Test {
protected:
    InstallWindow()
    {
        for (const char* name : {"Pack.exe", "Other.EXE", "readme.txt", "setup.sh"})
            harness.prefix.programFile(QString::fromLatin1(name), "x");
        harness.prefix.folder(QStringLiteral("C:\\Downloads\\Maps"));
        harness.prefix.file(QStringLiteral("C:\\Downloads\\Creek.exe"), "MZ");
        harness.forms.addBuilder(QStringLiteral("Install"),
                                 [this] { return new Install(harness.context); });
        harness.forms.addStandIn(QStringLiteral("Grabber"));
    }

    QWidget* open()
    {
        QWidget* window = harness.forms.load(QStringLiteral("Install"));
        window->show();
        return window;
    }
    template <typename Control> Control* control(const char* name)
    {
        QWidget* window = harness.forms.loaded(QStringLiteral("Install"));
        return window ? window->findChild<Control*>(QLatin1String(name)) : nullptr;
    }
    QString status() { return control<QLabel>("Label3")->text(); }
    QString nameBox() { return control<QLineEdit>("Text1")->text(); }
    QStringList files() { return control<FileListBox>("File1")->names(); }

    // A user's click on a list entry.
    static void clickEntry(QListWidget& list, const QString& entry)
    {
        const auto found = list.findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        list.scrollToItem(found.first());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(found.first()).center());
    }
    static void doubleClickEntry(QListWidget& list, const QString& entry)
    {
        const auto found = list.findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        const QPoint at = list.visualItemRect(found.first()).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    }
    void clickButton(const char* name) { QTest::mouseClick(control<ImageButton>(name), Qt::LeftButton); }
    void chooseFile(const QString& name) { clickEntry(*control<FileListBox>("File1"), name); }
    void chooseType(const QString& type) { clickEntry(*control<QListWidget>("List1"), type); }
    // The drive list's popup reports a choice as activated.
    void chooseDrive(const QString& drive)
    {
        auto* drives = control<DriveListBox>("Drive1");
        const int index = drives->findText(drive);
        ASSERT_GE(index, 0) << drive.toStdString();
        drives->setCurrentIndex(index);
        emit drives->activated(index);
    }

    ScriptedLauncher launcher;
    test::WindowHarness harness{launcher};
};

TEST_F(InstallWindow, OpensOnTheProgramFolderWithPackagesOnly)
{
    open();
    const QString programFolder = harness.services.services.programFolder;
    ASSERT_TRUE(programFolder.startsWith(QStringLiteral("Z:\\")));
    EXPECT_EQ(control<DirListBox>("Dir1")->path(), programFolder);
    EXPECT_EQ(control<FileListBox>("File1")->path(), programFolder);
    EXPECT_EQ(control<DriveListBox>("Drive1")->drive(), QStringLiteral("z:"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Other.EXE"), QStringLiteral("Pack.exe")}));
    auto* types = control<QListWidget>("List1");
    ASSERT_EQ(types->count(), 2);
    EXPECT_EQ(types->item(0)->text(), QStringLiteral("Self-extracting EXE files"));
    EXPECT_EQ(types->item(1)->text(), QStringLiteral("All files"));
    EXPECT_TRUE(types->selectedItems().isEmpty());
    EXPECT_EQ(nameBox(), QString());
    EXPECT_EQ(status(), QString());
    EXPECT_EQ(harness.forms.loaded(QStringLiteral("Install"))->windowTitle(), QStringLiteral("  Installer"));
}

TEST_F(InstallWindow, InstallWithNothingChosenAsksForAFileAndStartsNothing)
{
    open();
    clickButton("Image2");
    EXPECT_EQ(status(), QStringLiteral("Please select a file to install"));
    EXPECT_TRUE(launcher.asked.isEmpty());
    EXPECT_TRUE(harness.messages.shown.isEmpty());
}

TEST_F(InstallWindow, FileTypesChangeTheListAndClearTheStatus)
{
    open();
    clickButton("Image2"); // a status to clear
    chooseType(QStringLiteral("All files"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Other.EXE"), QStringLiteral("Pack.exe"),
                                    QStringLiteral("readme.txt"), QStringLiteral("setup.sh")}));
    EXPECT_EQ(status(), QString());
    chooseType(QStringLiteral("Self-extracting EXE files"));
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Other.EXE"), QStringLiteral("Pack.exe")}));
}

TEST_F(InstallWindow, ChoosingAFileShowsItsNameAndASuccessfulStartClearsIt)
{
    open();
    chooseFile(QStringLiteral("Pack.exe"));
    EXPECT_EQ(nameBox(), QStringLiteral("Pack.exe"));
    clickButton("Image2");
    EXPECT_EQ(launcher.asked,
              QStringList{JoinPath(harness.services.services.programFolder, QStringLiteral("Pack.exe"))});
    EXPECT_EQ(status(), QString());
    EXPECT_EQ(nameBox(), QString());
    EXPECT_TRUE(harness.messages.shown.isEmpty());
    EXPECT_EQ(control<FileListBox>("File1")->fileName(), QString()) << "the lists are refreshed";
}

TEST_F(InstallWindow, AStartThatFailsIsReportedAndTheNameStays)
{
    const struct {
        const char* what;
        std::optional<Failure> failure;
        qint64 processId;
        QStringList messages;
    } cases[] = {
        {"the start fails",
         Failure(FailureNumber::InvalidArgument, QStringLiteral("The file is not a program that can be run")),
         0,
         {QStringLiteral("Unable to open this type of file from Zorvane.  See the Help file for "
                         "alternatives.  Error number 5: The file is not a program that can be run")}},
        {"no process id", std::nullopt, 0, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        launcher.failure = c.failure;
        launcher.processId = c.processId;
        harness.messages.shown.clear();
        open();
        chooseType(QStringLiteral("All files"));
        chooseFile(QStringLiteral("readme.txt"));
        clickButton("Image2");
        EXPECT_EQ(harness.messages.shown, c.messages);
        EXPECT_EQ(status(), QStringLiteral("Installation was not successful"));
        EXPECT_EQ(nameBox(), QStringLiteral("readme.txt"));
        harness.forms.unload(QStringLiteral("Install"));
    }
}

// Every failing step of the install is reported and the next one runs.
TEST_F(InstallWindow, AFolderThatWentAwayIsReportedAfterTheStart)
{
    open();
    chooseDrive(QStringLiteral("c:"));
    doubleClickEntry(*control<DirListBox>("Dir1"), QStringLiteral("Downloads"));
    chooseFile(QStringLiteral("Creek.exe"));
    // The package took its folder with it before the lists are read again.
    QDir(harness.prefix.hostPathOf(QStringLiteral("C:\\Downloads"))).removeRecursively();
    clickButton("Image2");
    EXPECT_EQ(launcher.asked, QStringList{QStringLiteral("C:\\Downloads\\Creek.exe")});
    EXPECT_EQ(status(), QString()) << "the start itself succeeded";
    const QString folderGone = QStringLiteral(
        "Unable to open this type of file from Zorvane.  See the Help file for alternatives.  "
        "Error number 76: Path not found");
    EXPECT_EQ(harness.messages.shown, (QStringList{folderGone, folderGone}));
}

TEST_F(InstallWindow, FoldersAndDrivesMoveTheLists)
{
    open();
    clickButton("Image2"); // a status to clear
    chooseDrive(QStringLiteral("c:"));
    EXPECT_EQ(control<DirListBox>("Dir1")->path(), QStringLiteral("C:\\"));
    EXPECT_EQ(status(), QString());
    doubleClickEntry(*control<DirListBox>("Dir1"), QStringLiteral("Downloads"));
    EXPECT_EQ(control<DirListBox>("Dir1")->path(), QStringLiteral("C:\\Downloads"));
    EXPECT_EQ(control<FileListBox>("File1")->path(), QStringLiteral("C:\\Downloads"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Creek.exe")});

    // Back on drive Z and then C again: drive C's folder is where the user left it.
    chooseDrive(QStringLiteral("z:"));
    EXPECT_EQ(control<DirListBox>("Dir1")->path(), harness.services.services.programFolder);
    chooseDrive(QStringLiteral("c:"));
    EXPECT_EQ(control<DirListBox>("Dir1")->path(), QStringLiteral("C:\\Downloads"));
}

TEST_F(InstallWindow, ADriveThatCannotBeReadKeepsTheListsAndSaysSo)
{
    open();
    harness.services.files.failOn(FaultInjectingFileSystem::Operation::List, QStringLiteral("C:\\"),
                                  FailureNumber::DiskNotReady);
    chooseDrive(QStringLiteral("c:"));
    EXPECT_EQ(status(), QStringLiteral("Drive c: cannot be read: Disk not ready"));
    EXPECT_EQ(control<DriveListBox>("Drive1")->drive(), QStringLiteral("z:"));
    EXPECT_EQ(control<DirListBox>("Dir1")->path(), harness.services.services.programFolder);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("Other.EXE"), QStringLiteral("Pack.exe")}));
}

TEST_F(InstallWindow, ClosingShowsTheBrowserAgain)
{
    QWidget* browser = harness.forms.load(QStringLiteral("Grabber"));
    browser->hide();
    open();
    clickButton("Image1");
    EXPECT_TRUE(browser->isVisible());
    EXPECT_EQ(harness.forms.loaded(QStringLiteral("Install")), nullptr);
    EXPECT_EQ(harness.forms.log.last(), QStringLiteral("unload Install"));
}

TEST_F(InstallWindow, ClosingWithoutABrowserOnlyCloses)
{
    open();
    clickButton("Image1");
    EXPECT_EQ(harness.forms.loaded(QStringLiteral("Install")), nullptr);
    EXPECT_EQ(harness.forms.log, (QStringList{QStringLiteral("load Install"), QStringLiteral("unload Install")}));
}

} // namespace
} // namespace zv
