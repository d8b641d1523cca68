#include "ExpectFailure.h"
#include "TestPictures.h"
#include "TestPrefix.h"

#include "platform/Drives.h"
#include "platform/Failure.h"
#include "platform/HostFileSystem.h"
#include "platform/SupportImages.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace zv {
namespace {

using test::BmpOf;
using test::TestPrefix;

class WidgetKit : public ::testing::Test {
protected:
    WidgetKit()
    {
        prefix.addDrive('C');
        prefix.addDrive('D', QStringLiteral("cdrom"));
        prefix.programFile(QStringLiteral("Support/StoreMapOff.bmp"), BmpOf({121, 35}));
        table = prefix.driveTable();
    }
    QString programFolder() const
    {
        QString folder = prefix.programHostFolder();
        return folder.replace('/', '\\');
    }

    TestPrefix prefix;
    DriveTable table;
    HostFileSystem files{table};
    QWidget window;
};

TEST_F(WidgetKit, FileListShowsMatchingFilesOfItsFolder)
{
    for (const char* name : {"a.gmx", "b.GMX", "c.bmp", "d.txt", "x.Gmx"})
        prefix.file(QStringLiteral("C:\\Maps\\") + QString::fromLatin1(name));
    prefix.folder(QStringLiteral("C:\\Maps\\Sub.gmx"));
    FileListBox list(files, QStringLiteral("File1"), &window);
    list.setPattern(QStringLiteral("*.gmx; *.GMX"));
    list.setPath(QStringLiteral("C:\\Maps"));
    EXPECT_EQ(list.names(), (QStringList{QStringLiteral("a.gmx"), QStringLiteral("b.GMX"),
                                         QStringLiteral("x.Gmx")}));
    EXPECT_EQ(list.fileName(), QString());
    EXPECT_EQ(list.listIndex(), -1);
}

TEST_F(WidgetKit, FileListOnAMissingFolderFailsAndKeepsItsPath)
{
    prefix.file(QStringLiteral("C:\\Maps\\a.gmx"));
    FileListBox list(files, QStringLiteral("File1"), &window);
    list.setPath(QStringLiteral("C:\\Maps"));
    test::ExpectFailure(FailureNumber::PathNotFound, [&] { list.setPath(QStringLiteral("C:\\Nope")); });
    EXPECT_EQ(list.path(), QStringLiteral("C:\\Maps"));
    EXPECT_EQ(list.names(), QStringList{QStringLiteral("a.gmx")});
}

TEST_F(WidgetKit, FileListClickSelectsAndRefreshClears)
{
    prefix.file(QStringLiteral("C:\\Maps\\a.gmx"));
    prefix.file(QStringLiteral("C:\\Maps\\b.gmx"));
    FileListBox list(files, QStringLiteral("File1"), &window);
    list.setPath(QStringLiteral("C:\\Maps"));
    window.resize(300, 300);
    list.setGeometry(0, 0, 200, 200);
    window.show();
    QSignalSpy clicks(&list, &FileListBox::clicked);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(1)).center());
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(list.fileName(), QStringLiteral("b.gmx"));
    EXPECT_EQ(list.listIndex(), 1);
    list.refresh();
    EXPECT_EQ(list.fileName(), QString());
}

TEST_F(WidgetKit, FolderListOpensSubFoldersAndTheParent)
{
    prefix.folder(QStringLiteral("C:\\Games\\Wild Wings"));
    prefix.folder(QStringLiteral("C:\\Games\\Rocky"));
    prefix.file(QStringLiteral("C:\\Games\\file.txt"));
    DirListBox list(files, QStringLiteral("Dir1"), &window);
    list.setPath(QStringLiteral("C:\\"));
    EXPECT_EQ(list.count(), 1) << "a root has no parent entry";
    list.openEntry(QStringLiteral("Games"));
    EXPECT_EQ(list.path(), QStringLiteral("C:\\Games"));
    QStringList shown;
    for (int row = 0; row < list.count(); ++row)
        shown.append(list.item(row)->text());
    EXPECT_EQ(shown, (QStringList{QStringLiteral(".."), QStringLiteral("Rocky"), QStringLiteral("Wild Wings")}));
    list.openEntry(QStringLiteral(".."));
    EXPECT_EQ(list.path(), QStringLiteral("C:\\"));
}

TEST_F(WidgetKit, FolderListDoubleClickOnAVanishedFolderReportsAndKeepsTheList)
{
    prefix.folder(QStringLiteral("C:\\Games\\Gone"));
    DirListBox list(files, QStringLiteral("Dir1"), &window);
    list.setPath(QStringLiteral("C:\\Games"));
    window.resize(300, 300);
    list.setGeometry(0, 0, 200, 200);
    window.show();
    QDir(prefix.hostPathOf(QStringLiteral("C:\\Games\\Gone"))).removeRecursively();
    QSignalSpy failed(&list, &DirListBox::openFailed);
    QSignalSpy moved(&list, &DirListBox::pathChanged);
    const QPoint at = list.visualItemRect(list.item(1)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    ASSERT_EQ(failed.count(), 1);
    EXPECT_EQ(failed.at(0).at(0).toInt(), FailureNumber::PathNotFound);
    EXPECT_EQ(moved.count(), 0);
    EXPECT_EQ(list.path(), QStringLiteral("C:\\Games"));
    EXPECT_EQ(list.count(), 2);
}

TEST_F(WidgetKit, DriveListShowsTheDrivesThatExist)
{
    HostDrives drives(table);
    DriveListBox list(drives, QStringLiteral("Drive1"), &window);
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.itemText(0), QStringLiteral("c:"));
    EXPECT_EQ(list.itemText(1), QStringLiteral("d:"));
    list.setDrive(QStringLiteral("D:\\"));
    EXPECT_EQ(list.drive(), QStringLiteral("d:"));
}

TEST_F(WidgetKit, ImageButtonRemembersItsPictureAndReportsPresses)
{
    SupportImages images(files, programFolder());
    ImageButton button(images, QStringLiteral("Image9"), &window);
    button.setGeometry(0, 0, 121, 35);
    window.show();
    button.setPicture(QStringLiteral("StoreMapOff.bmp"));
    EXPECT_EQ(button.pictureName(), QStringLiteral("StoreMapOff.bmp"));
    EXPECT_EQ(button.pixmap().size(), QSize(121, 35));

    QSignalSpy downs(&button, &ImageButton::mouseDown);
    QSignalSpy clicks(&button, &ImageButton::clicked);
    QTest::mousePress(&button, Qt::RightButton);
    QTest::mouseRelease(&button, Qt::RightButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(clicks.count(), 1) << "only the left button clicks";

    button.setEnabled(false);
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(downs.count(), 2) << "a disabled button reacts to nothing";
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(WidgetKit, AMissingPictureFailsAndKeepsTheOldOne)
{
    SupportImages images(files, programFolder());
    ImageButton button(images, QStringLiteral("Image9"), &window);
    button.setPicture(QStringLiteral("StoreMapOff.bmp"));
    test::ExpectFailure(FailureNumber::FileNotFound,
                        [&] { button.setPicture(QStringLiteral("Nothing.bmp")); });
    EXPECT_EQ(button.pictureName(), QStringLiteral("StoreMapOff.bmp"));
    button.clearPicture();
    EXPECT_EQ(button.pictureName(), QString());
}

} // namespace
} // namespace zv
