#include "Latin1.h"
#include "TestServices.h"

#include "manager/MapOperations.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

#include <memory>

namespace zv {
namespace {

using Op = FaultInjectingFileSystem::Operation;

using test::S;

// Two drives with a maps folder on D: and an empty folder on E:.
class MapOperationsTest : public ::testing::Test {
protected:
    MapOperationsTest()
    {
        prefix.addDrive('D');
        prefix.addDrive('E');
        prefix.folder(S("D:\\Maps"));
        prefix.folder(S("E:\\Keep"));
        host = std::make_unique<test::TestServices>(prefix);
    }
    FaultInjectingFileSystem& files() { return host->files; }
    void map(const char* path, const char* content)
    {
        prefix.file(S(path), QByteArray(content));
    }
    bool exists(const char* path) const { return prefix.exists(S(path)); }
    QByteArray content(const char* path) const { return prefix.content(S(path)); }

    test::TestPrefix prefix;
    std::unique_ptr<test::TestServices> host;
};

TEST(SameFolder, SpellingsOfOneFolder)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"D:\\Maps", "D:\\Maps", true},      {"D:\\Maps", "d:\\MAPS", true},
        {"D:\\Maps\\", "D:\\Maps", true},    {"C:\\", "C:", true},
        {"C:\\\\", "c:\\", true},            {"D:\\\\Maps", "D:\\Maps", true},
        {"D:\\Maps", "D:\\Maps2", false},    {"D:\\Maps\\Old", "D:\\Maps", false},
        {"D:\\Maps", "E:\\Maps", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SameFolder(S(c.a), S(c.b)), c.same) << c.a << " / " << c.b;
}

TEST(CopyNamesFor, OwnFolderGetsCopyNames)
{
    const struct {
        const char* target;
        const char* name;
        const char* map;
        const char* preview;
    } cases[] = {
        {"E:\\Keep", "Marsh.gmx", "Marsh.gmx", "Marsh.bmp"},
        {"E:\\Keep", "Lake.GMX", "Lake.GMX", "Lake.bmp"},
        {"D:\\Maps", "Marsh.gmx", "Marsh_Copy.gmx", "Marsh_Copy.bmp"},
        {"D:\\Maps", "Marsh.GMX", "Marsh_Copy.gmx", "Marsh_Copy.bmp"},
        {"D:\\Maps", "Marsh_Copy.gmx", "Marsh_Copy_Copy.gmx", "Marsh_Copy_Copy.bmp"},
        {"d:\\maps\\", "Marsh.gmx", "Marsh_Copy.gmx", "Marsh_Copy.bmp"},
    };
    for (const auto& c : cases) {
        const MapFileNames names = CopyNamesFor(S("D:\\Maps"), S(c.name), S(c.target));
        EXPECT_EQ(names.map, S(c.map)) << c.target << " " << c.name;
        EXPECT_EQ(names.preview, S(c.preview)) << c.target << " " << c.name;
    }
}

TEST_F(MapOperationsTest, CopyToAnotherFolderKeepsTheOriginals)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    map("D:\\Maps\\Marsh.bmp", "picture");
    const auto names = CopyNamesFor(S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"));
    EXPECT_FALSE(CopyMapFiles(files(), S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"), names));
    EXPECT_EQ(content("E:\\Keep\\Marsh.gmx"), "map");
    EXPECT_EQ(content("E:\\Keep\\Marsh.bmp"), "picture");
    EXPECT_EQ(content("D:\\Maps\\Marsh.gmx"), "map");
    EXPECT_EQ(content("D:\\Maps\\Marsh.bmp"), "picture");
}

TEST_F(MapOperationsTest, CopyingTwiceInOneFolderReplacesTheFirstCopy)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    map("D:\\Maps\\Marsh.bmp", "picture");
    map("D:\\Maps\\Marsh_Copy.gmx", "older copy");
    const auto names = CopyNamesFor(S("D:\\Maps"), S("Marsh.gmx"), S("D:\\Maps"));
    EXPECT_FALSE(CopyMapFiles(files(), S("D:\\Maps"), S("Marsh.gmx"), S("D:\\Maps"), names));
    EXPECT_EQ(content("D:\\Maps\\Marsh_Copy.gmx"), "map");
    EXPECT_EQ(content("D:\\Maps\\Marsh_Copy.bmp"), "picture");
    EXPECT_EQ(content("D:\\Maps\\Marsh.gmx"), "map");
}

TEST_F(MapOperationsTest, AMapWithoutPreviewIsCopiedAlone)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    EXPECT_FALSE(CopyMapFiles(files(), S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"),
                              {S("Marsh.gmx"), S("Marsh.bmp")}));
    EXPECT_TRUE(exists("E:\\Keep\\Marsh.gmx"));
    EXPECT_FALSE(exists("E:\\Keep\\Marsh.bmp"));
}

TEST_F(MapOperationsTest, AMapIsNeverCopiedOntoItself)
{
    // Even a caller that took another spelling of the folder for another folder.
    map("D:\\Maps\\Marsh.gmx", "map");
    const auto failure = CopyMapFiles(files(), S("D:\\Maps"), S("Marsh.gmx"), S("d:\\MAPS"),
                                      {S("Marsh.gmx"), S("Marsh.bmp")});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), FailureNumber::PathAccessError);
    EXPECT_EQ(content("D:\\Maps\\Marsh.gmx"), "map");
}

TEST_F(MapOperationsTest, AFullDriveStopsTheCopyAndKeepsTheOldTarget)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    map("D:\\Maps\\Marsh.bmp", "picture");
    map("E:\\Keep\\Marsh.bmp", "old picture");
    files().failOn(Op::Copy, S("E:\\Keep\\Marsh.bmp"), FailureNumber::DiskFull);
    const auto failure = CopyMapFiles(files(), S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"),
                                      {S("Marsh.gmx"), S("Marsh.bmp")});
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), FailureNumber::DiskFull);
    EXPECT_EQ(content("E:\\Keep\\Marsh.gmx"), "map");
    EXPECT_EQ(content("E:\\Keep\\Marsh.bmp"), "old picture");
}

TEST_F(MapOperationsTest, DeleteRemovesTheMapAndItsPreview)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    map("D:\\Maps\\Marsh.bmp", "picture");
    map("D:\\Maps\\Lake.GMX", "map");
    map("D:\\Maps\\Lake.bmp", "picture");
    map("D:\\Maps\\Pond.gmx", "map");
    EXPECT_FALSE(DeleteMapFiles(files(), S("D:\\Maps\\Marsh.gmx")));
    EXPECT_FALSE(DeleteMapFiles(files(), S("D:\\Maps\\Lake.GMX")));
    EXPECT_FALSE(DeleteMapFiles(files(), S("D:\\Maps\\Pond.gmx")));
    for (const char* gone : {"D:\\Maps\\Marsh.gmx", "D:\\Maps\\Marsh.bmp", "D:\\Maps\\Lake.GMX",
                             "D:\\Maps\\Lake.bmp", "D:\\Maps\\Pond.gmx"})
        EXPECT_FALSE(exists(gone)) << gone;
}

TEST_F(MapOperationsTest, ADriveNotReadyStopsTheDelete)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    map("D:\\Maps\\Marsh.bmp", "picture");
    files().failOn(Op::Delete, S("D:\\Maps\\Marsh.gmx"), FailureNumber::DiskNotReady);
    const auto failure = DeleteMapFiles(files(), S("D:\\Maps\\Marsh.gmx"));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->number(), FailureNumber::DiskNotReady);
    EXPECT_TRUE(exists("D:\\Maps\\Marsh.bmp"));
}

TEST_F(MapOperationsTest, MoveCopiesChecksThenDeletes)
{
    map("D:\\Maps\\Marsh.gmx", "map");
    map("D:\\Maps\\Marsh.bmp", "picture");
    map("D:\\Maps\\Pond.gmx", "pond");
    for (const char* name : {"Marsh.gmx", "Pond.gmx"}) {
        const MoveResult result = MoveMapFiles(files(), S("D:\\Maps"), S(name), S("E:\\Keep"));
        EXPECT_FALSE(result.failure) << name;
        EXPECT_TRUE(result.arrived) << name;
    }
    EXPECT_EQ(content("E:\\Keep\\Marsh.gmx"), "map");
    EXPECT_EQ(content("E:\\Keep\\Marsh.bmp"), "picture");
    EXPECT_EQ(content("E:\\Keep\\Pond.gmx"), "pond");
    EXPECT_FALSE(exists("D:\\Maps\\Marsh.gmx"));
    EXPECT_FALSE(exists("D:\\Maps\\Marsh.bmp"));
    EXPECT_FALSE(exists("D:\\Maps\\Pond.gmx"));
}

// Whatever step fails, each file of the map is whole in at least one folder.
TEST_F(MapOperationsTest, AFailedMoveLeavesTheMapWholeSomewhere)
{
    const struct {
        const char* what;
        Op op;
        const char* path;
        int number;
        bool mapLeftInSource;
        bool previewLeftInSource;
    } cases[] = {
        {"map copy, disk full", Op::Copy, "E:\\Keep\\Marsh.gmx", FailureNumber::DiskFull, true, true},
        {"preview copy, disk full", Op::Copy, "E:\\Keep\\Marsh.bmp", FailureNumber::DiskFull, true, true},
        {"arrival check, not ready", Op::List, "E:\\Keep\\Marsh.gmx", FailureNumber::DiskNotReady, true,
         true},
        {"map delete, access", Op::Delete, "D:\\Maps\\Marsh.gmx", FailureNumber::PathAccessError, true,
         true},
        {"preview delete, access", Op::Delete, "D:\\Maps\\Marsh.bmp", FailureNumber::PathAccessError,
         false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestPrefix fresh;
        fresh.addDrive('D');
        fresh.addDrive('E');
        fresh.file(S("D:\\Maps\\Marsh.gmx"), "map");
        fresh.file(S("D:\\Maps\\Marsh.bmp"), "picture");
        fresh.folder(S("E:\\Keep"));
        test::TestServices services(fresh);
        services.files.failOn(c.op, S(c.path), c.number);

        const MoveResult result = MoveMapFiles(services.files, S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"));
        ASSERT_TRUE(result.failure);
        EXPECT_EQ(result.failure->number(), c.number);
        EXPECT_EQ(fresh.exists(S("D:\\Maps\\Marsh.gmx")), c.mapLeftInSource);
        EXPECT_EQ(fresh.exists(S("D:\\Maps\\Marsh.bmp")), c.previewLeftInSource);
        EXPECT_EQ(fresh.content(S(c.mapLeftInSource ? "D:\\Maps\\Marsh.gmx" : "E:\\Keep\\Marsh.gmx")),
                  "map");
        EXPECT_EQ(fresh.content(S(c.previewLeftInSource ? "D:\\Maps\\Marsh.bmp" : "E:\\Keep\\Marsh.bmp")),
                  "picture");
    }
}

// A copy that fails as "not found" is skipped; its original is then kept
// even when a file of its name already waits in the target folder.
TEST_F(MapOperationsTest, AMoveKeepsTheOriginalWhoseCopyWasSkipped)
{
    const struct {
        const char* what;
        const char* skippedCopy;
        const char* keptOriginal;
        const char* movedOriginal;
    } cases[] = {
        {"map", "E:\\Keep\\Marsh.gmx", "D:\\Maps\\Marsh.gmx", "D:\\Maps\\Marsh.bmp"},
        {"preview", "E:\\Keep\\Marsh.bmp", "D:\\Maps\\Marsh.bmp", "D:\\Maps\\Marsh.gmx"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestPrefix fresh;
        fresh.addDrive('D');
        fresh.addDrive('E');
        fresh.file(S("D:\\Maps\\Marsh.gmx"), "map");
        fresh.file(S("D:\\Maps\\Marsh.bmp"), "picture");
        fresh.file(S("E:\\Keep\\Marsh.gmx"), "older map");
        fresh.file(S("E:\\Keep\\Marsh.bmp"), "older picture");
        test::TestServices services(fresh);
        services.files.failOn(Op::Copy, S(c.skippedCopy), FailureNumber::FileNotFound);

        const MoveResult result = MoveMapFiles(services.files, S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"));
        EXPECT_FALSE(result.failure);
        EXPECT_TRUE(result.arrived);
        EXPECT_TRUE(fresh.exists(S(c.keptOriginal)));
        EXPECT_FALSE(fresh.exists(S(c.movedOriginal)));
        EXPECT_TRUE(fresh.content(S(c.skippedCopy)).startsWith("older")) << "the older file stays as it was";
    }
}

TEST_F(MapOperationsTest, AMoveWhoseMapDidNotArriveDeletesNothing)
{
    // The map vanished after it was listed: only its preview is copied.
    map("D:\\Maps\\Marsh.bmp", "picture");
    const MoveResult result = MoveMapFiles(files(), S("D:\\Maps"), S("Marsh.gmx"), S("E:\\Keep"));
    EXPECT_FALSE(result.failure);
    EXPECT_FALSE(result.arrived);
    EXPECT_EQ(content("D:\\Maps\\Marsh.bmp"), "picture");
}

TEST_F(MapOperationsTest, RenameKeepsMapAndPreviewTogether)
{
    const struct {
        const char* what;
        std::vector<const char*> before; // files in D:\Maps
        const char* oldName;
        const char* newBase;
        int failure;                     // 0: none
        std::vector<const char*> after;  // every file in D:\Maps afterwards
    } cases[] = {
        {"plain", {"Marsh.gmx", "Marsh.bmp"}, "Marsh.gmx", "Marsh2", 0, {"Marsh2.bmp", "Marsh2.gmx"}},
        {"capital extension", {"Lake.GMX", "Lake.bmp"}, "Lake.GMX", "Pond", 0, {"Pond.bmp", "Pond.gmx"}},
        {"case only", {"Lake.GMX", "Lake.bmp"}, "Lake.GMX", "Lake", 0, {"Lake.bmp", "Lake.gmx"}},
        {"no preview", {"Marsh.gmx"}, "Marsh.gmx", "Marsh2", 0, {"Marsh2.gmx"}},
        {"no preview, a stray picture of the new name", {"Marsh.gmx", "Marsh2.bmp"}, "Marsh.gmx",
         "Marsh2", 0, {"Marsh2.bmp", "Marsh2.gmx"}},
        {"the map name is taken", {"Marsh.gmx", "Marsh.bmp", "Marsh2.gmx"}, "Marsh.gmx", "Marsh2",
         FailureNumber::FileExists, {"Marsh.bmp", "Marsh.gmx", "Marsh2.gmx"}},
        {"only the preview name is taken: the map moves, no picture is replaced",
         {"Marsh.gmx", "Marsh.bmp", "Marsh2.bmp"}, "Marsh.gmx", "Marsh2", FailureNumber::FileExists,
         {"Marsh.bmp", "Marsh2.bmp", "Marsh2.gmx"}},
        {"the preview name is a folder", {"Marsh.gmx", "Marsh.bmp", "Marsh2.bmp\\x"}, "Marsh.gmx",
         "Marsh2", FailureNumber::FileExists, {"Marsh.bmp", "Marsh2.bmp", "Marsh2.gmx"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        test::TestPrefix fresh;
        fresh.addDrive('D');
        fresh.folder(S("D:\\Maps"));
        for (const char* name : c.before)
            fresh.file(S("D:\\Maps\\") + S(name), QByteArray(name));
        test::TestServices services(fresh);

        const auto failure = RenameMapFiles(services.files, S("D:\\Maps"), S(c.oldName), S(c.newBase));
        EXPECT_EQ(failure ? failure->number() : 0, c.failure);
        QStringList expected;
        for (const char* name : c.after)
            expected.append(S(name));
        EXPECT_EQ(services.files.listFolder(S("D:\\Maps"), ListKind::FilesAndFolders), expected);
    }
}

TEST(ReactionToMapFailure, MessagesByNumberAndCommand)
{
    const QString notReady =
        S("Disk not ready. Make sure that your drive(s) are working and click on the button again.");
    const QString full = S("Your destination drive is full.");
    const QString exists = S("This name already exists.  Use a different name for your map.");
    const struct {
        MapCommand command;
        int number;
        QString message;
        bool toIdle;
        bool emptyNameBox;
    } cases[] = {
        {MapCommand::Copy, 71, notReady, false, false},
        {MapCommand::Move, 71, notReady, false, false},
        {MapCommand::Rename, 71, notReady, false, false},
        {MapCommand::Copy, 61, full, true, false},
        {MapCommand::Delete, 61, full, true, false},
        {MapCommand::Rename, 61, full, true, false},
        {MapCommand::Rename, 58, exists, false, false},
        {MapCommand::Copy, 58, S("Error: 58. described"), false, false},
        {MapCommand::Move, 75, S("Error: 75. described"), false, false},
        {MapCommand::Rename, 75, S("Error: 75. described"), false, true},
    };
    for (const auto& c : cases) {
        const MapFailureReaction reaction = ReactionToMapFailure(c.command, Failure(c.number, S("described")));
        EXPECT_EQ(reaction.message, c.message) << c.number;
        EXPECT_EQ(reaction.toIdle, c.toIdle) << c.number;
        EXPECT_EQ(reaction.emptyNameBox, c.emptyNameBox) << c.number;
    }
}

} // namespace
} // namespace zv
