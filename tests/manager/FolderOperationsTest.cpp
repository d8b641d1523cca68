#include "ExpectFailure.h"
#include "Latin1.h"
#include "TestServices.h"

#include "manager/FolderOperations.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <memory>

namespace zv {
namespace {

using test::S;

class FolderOperationsTest : public ::testing::Test {
protected:
    FolderOperationsTest()
    {
        prefix.addDrive('D');
        prefix.folder(S("D:\\Maps"));
        host = std::make_unique<test::TestServices>(prefix);
    }
    FaultInjectingFileSystem& files() { return host->files; }
    QStringList entries(const char* folder)
    {
        return files().listFolder(S(folder), ListKind::FilesAndFolders);
    }

    test::TestPrefix prefix;
    std::unique_ptr<test::TestServices> host;
};

TEST(SplitFolderPath, ParentAndName)
{
    const struct {
        const char* path;
        const char* parent;
        const char* name;
    } cases[] = {
        {"D:\\Maps\\Old", "D:\\Maps", "Old"},
        {"D:\\Old", "D:", "Old"},
        {"D:\\", "D:", ""},
    };
    for (const auto& c : cases) {
        const FolderParts parts = SplitFolderPath(S(c.path));
        EXPECT_EQ(parts.parent, S(c.parent)) << c.path;
        EXPECT_EQ(parts.name, S(c.name)) << c.path;
    }
}

TEST(IsDriveRoot, Spellings)
{
    for (const char* root : {"C:\\", "c:", "C:\\\\"})
        EXPECT_TRUE(IsDriveRoot(S(root))) << root;
    for (const char* folder : {"C:\\Maps", "\\", "", "CD"})
        EXPECT_FALSE(IsDriveRoot(S(folder))) << folder;
}

TEST_F(FolderOperationsTest, NewFolderThenNumberedCandidates)
{
    const char* made[] = {"D:\\Maps\\New Folder", "D:\\Maps\\New Folder0", "D:\\Maps\\New Folder1"};
    for (const char* expected : made) {
        const auto folder = MakeNewFolder(files(), S("D:\\Maps"));
        ASSERT_TRUE(folder);
        EXPECT_EQ(folder->path, S(expected));
        EXPECT_EQ(folder->numbered, expected != made[0]);
        EXPECT_TRUE(prefix.exists(S(expected)));
    }
}

TEST_F(FolderOperationsTest, AFileCalledNewFolderTakesTheName)
{
    prefix.file(S("D:\\Maps\\New Folder"), "not a folder");
    prefix.file(S("D:\\Maps\\New Folder0"), "not a folder either");
    const auto folder = MakeNewFolder(files(), S("D:\\Maps"));
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->path, S("D:\\Maps\\New Folder1"));
    EXPECT_EQ(prefix.content(S("D:\\Maps\\New Folder")), "not a folder");
}

TEST_F(FolderOperationsTest, AtRootTheNewFolderIsDirectlyInIt)
{
    const auto folder = MakeNewFolder(files(), S("D:\\"));
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->path, S("D:\\New Folder"));
}

TEST_F(FolderOperationsTest, WhenEveryCandidateIsTakenNothingIsMade)
{
    prefix.folder(S("D:\\Maps\\New Folder"));
    for (int i = 0; i <= 100; ++i)
        prefix.folder(S("D:\\Maps\\New Folder") + QString::number(i));
    EXPECT_FALSE(MakeNewFolder(files(), S("D:\\Maps")));
    EXPECT_EQ(entries("D:\\Maps").size(), 102);
}

TEST_F(FolderOperationsTest, OtherFailuresOfNewFolderReachTheCaller)
{
    files().failOn(FaultInjectingFileSystem::Operation::MakeFolder, S("*"), FailureNumber::DiskNotReady);
    test::ExpectFailure(FailureNumber::DiskNotReady, [&] { MakeNewFolder(files(), S("D:\\Maps")); });
}

TEST_F(FolderOperationsTest, OnlyEmptyFoldersAreRemovedAndNeverARoot)
{
    prefix.folder(S("D:\\Maps\\Old"));
    prefix.file(S("D:\\Maps\\Full\\Marsh.gmx"), "map");
    RemoveEmptyFolder(files(), S("D:\\Maps\\Old"));
    EXPECT_FALSE(prefix.exists(S("D:\\Maps\\Old")));
    test::ExpectFailure(FailureNumber::PathAccessError,
                        [&] { RemoveEmptyFolder(files(), S("D:\\Maps\\Full")); });
    EXPECT_TRUE(prefix.exists(S("D:\\Maps\\Full\\Marsh.gmx")));

    test::TestPrefix empty;
    empty.addDrive('E');
    test::TestServices services(empty);
    test::ExpectFailure(FailureNumber::PathAccessError,
                        [&] { RemoveEmptyFolder(services.files, S("E:\\")); });
    EXPECT_TRUE(QFileInfo(empty.hostPathOf(S("E:\\"))).isDir());
}

TEST_F(FolderOperationsTest, RenameNeverReplacesAndNeverMovesARoot)
{
    prefix.folder(S("D:\\Maps\\Old"));
    prefix.folder(S("D:\\Maps\\Taken"));
    EXPECT_EQ(RenameFolderTo(files(), S("D:\\Maps\\Old"), S("Keep")), S("D:\\Maps\\Keep"));
    EXPECT_TRUE(prefix.exists(S("D:\\Maps\\Keep")));
    test::ExpectFailure(FailureNumber::FileExists,
                        [&] { RenameFolderTo(files(), S("D:\\Maps\\Keep"), S("Taken")); });
    EXPECT_TRUE(prefix.exists(S("D:\\Maps\\Keep")));
    test::ExpectFailure(FailureNumber::PathAccessError,
                        [&] { RenameFolderTo(files(), S("D:\\"), S("Keep")); });
    EXPECT_EQ(entries("D:\\"), QStringList{S("Maps")});
}

TEST(FolderFailureReactions, ByNumber)
{
    const Failure notEmpty(75, S("d"));
    const Failure notReady(71, S("d"));
    const Failure exists(58, S("d"));
    const Failure missing(76, S("d"));
    const Failure other(70, S("d"));

    const auto removal = ReactionToRemoveFailure(notEmpty);
    EXPECT_TRUE(removal.message.startsWith(S("Since this folder will be deleted permanently")));
    EXPECT_FALSE(removal.resetLooks);
    EXPECT_EQ(ReactionToRemoveFailure(notReady).message,
              S("Disk not ready. Make sure that your drive(s) are working and click on the COPY button "
                "again."));
    EXPECT_EQ(ReactionToRemoveFailure(other).message, S("Error: 70. d"));

    EXPECT_EQ(ReactionToRenameFailure(exists).message,
              S("This name already exists.  Use a different name for your folder."));
    EXPECT_FALSE(ReactionToRenameFailure(exists).closeRename);
    EXPECT_TRUE(ReactionToRenameFailure(missing).closeRename);
    EXPECT_TRUE(ReactionToRenameFailure(missing).message.isEmpty());
    EXPECT_EQ(ReactionToRenameFailure(notEmpty).message, S("Error: 75. d"));
}

} // namespace
} // namespace zv
