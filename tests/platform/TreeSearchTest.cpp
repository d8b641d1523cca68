#include "PermissionsHonoured.h"
#include "platform/TreeSearch.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace zv {
namespace {

// Every path is relative to a fresh temporary folder; the searched root is its
// "drive" folder, so "outside" holds what the search must not reach.
class TreeSearchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_temp.isValid()); }

    std::string HostPath(const std::string& relative) const
    {
        return m_temp.path().toStdString() + "/" + relative;
    }

    std::string Root() const { return HostPath("drive"); }

    void MakeFolder(const std::string& relative) { fs::create_directories(HostPath(relative)); }

    void MakeFile(const std::string& relative)
    {
        fs::path path = HostPath(relative);
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }

    void MakeLink(const std::string& relative, const std::string& target)
    {
        fs::path path = HostPath(relative);
        fs::create_directories(path.parent_path());
        fs::create_symlink(target, path);
    }

    QTemporaryDir m_temp;
};

struct TreeCase {
    const char* title;
    std::vector<std::string> folders;
    std::vector<std::string> files;                         // created in this order
    std::vector<std::pair<std::string, std::string>> links; // link, target as written
    std::string searchName;
    std::optional<std::string> expected;
};

void PrintTo(const TreeCase& c, std::ostream* out)
{
    *out << c.title;
}

std::vector<std::string> FolderGrid(const std::string& names, int depth)
{
    std::vector<std::string> level{"drive"};
    for (int d = 0; d < depth; ++d) {
        std::vector<std::string> next;
        for (const std::string& parent : level)
            for (char name : names)
                next.push_back(parent + "/" + name);
        level = std::move(next);
    }
    return level;
}

std::string FolderChain(int depth)
{
    std::string path = "drive";
    for (int d = 0; d < depth; ++d)
        path += "/level" + std::to_string(d);
    return path;
}

class TreeSearchCaseTest : public TreeSearchTest, public ::testing::WithParamInterface<TreeCase> {
};

TEST_P(TreeSearchCaseTest, FindsTheFirstMatchInVisitingOrder)
{
    const TreeCase& c = GetParam();
    MakeFolder("drive");
    for (const std::string& folder : c.folders)
        MakeFolder(folder);
    for (const std::string& file : c.files)
        MakeFile(file);
    for (const auto& [link, target] : c.links)
        MakeLink(link, target);

    std::optional<std::string> expected;
    if (c.expected)
        expected = HostPath(*c.expected);
    EXPECT_EQ(SearchTreeForFile(Root(), c.searchName), expected);
}

// Where a case has several candidates they are created in an order other than
// the expected one, so a walk that trusts directory order (creation order on
// some file systems, hash order on ext4) has little chance of passing.
const TreeCase kTreeCases[] = {
    {"MatchInDeeperFolder",
     {},
     {"drive/readme.txt", "drive/Games/notes.txt", "drive/Games/Sunstorm/Wild Wings.exe"},
     {},
     "Wild Wings.exe",
     "drive/Games/Sunstorm/Wild Wings.exe"},
    {"IgnoresAsciiCase",
     {},
     {"drive/x/wild wings.exe"},
     {},
     "Wild Wings.exe",
     "drive/x/wild wings.exe"},
    {"IgnoresCaseBeyondAscii",
     {},
     {"drive/Karten/Übersicht2.gmx", "drive/Karten/ÜBERSICHT.gmx"},
     {},
     "übersicht.GMX",
     "drive/Karten/ÜBERSICHT.gmx"},
    {"NonAsciiNameDiffering",
     {},
     {"drive/Übel.gmx", "drive/uber.gmx"},
     {},
     "über.gmx",
     std::nullopt},
    {"PrefixOfTheNameIsNoMatch",
     {},
     {"drive/Wild Wings", "drive/Wild Wings.exe.bak"},
     {},
     "Wild Wings.exe",
     std::nullopt},
    {"AbsentName", {}, {"drive/a/b.txt", "drive/c.txt"}, {}, "Wild Wings.exe", std::nullopt},
    {"ShallowerMatchWins",
     {},
     {"drive/a/b/game.exe", "drive/z/game.exe"},
     {},
     "game.exe",
     "drive/z/game.exe"},
    {"SameDepthMatchInNextFolderWinsOverDeeperOne",
     {},
     {"drive/a/deep/game.exe", "drive/b/game.exe"},
     {},
     "game.exe",
     "drive/b/game.exe"},
    {"MatchesInOneFolderTakenInByteOrder",
     {},
     {"drive/f/game.exe", "drive/f/Game.exe", "drive/f/gAME.exe", "drive/f/GaMe.ExE",
      "drive/f/GAME.EXE"},
     {},
     "game.exe",
     "drive/f/GAME.EXE"},
    {"SubFoldersVisitedInByteOrder",
     {},
     {"drive/b/x/game.exe", "drive/a/z/game.exe", "drive/B/y/game.exe"},
     {},
     "game.exe",
     "drive/B/y/game.exe"},
    {"FolderNamedLikeTheFileIsNoMatch",
     {"drive/a/Wild Wings.exe"},
     {},
     {},
     "Wild Wings.exe",
     std::nullopt},
    {"FileInsideFolderNamedLikeIt",
     {},
     {"drive/Wild Wings.exe/Wild Wings.exe"},
     {},
     "Wild Wings.exe",
     "drive/Wild Wings.exe/Wild Wings.exe"},
    {"WalksEverySiblingAtEveryLevel",
     FolderGrid("abc", 3),
     {"drive/c/c/b/game.exe"},
     {},
     "game.exe",
     "drive/c/c/b/game.exe"},
    {"VeryDeepFolder",
     {FolderChain(80)},
     {FolderChain(80) + "/game.exe"},
     {},
     "game.exe",
     FolderChain(80) + "/game.exe"},
    {"LoopThroughLinksToAncestors",
     {},
     {"drive/z/y/game.exe"},
     {{"drive/a/up", ".."}, {"drive/a/b/top", "../.."}},
     "game.exe",
     "drive/z/y/game.exe"},
    {"LinkToFolderNotFollowed",
     {},
     {"outside/game.exe"},
     {{"drive/elsewhere", "../outside"}},
     "game.exe",
     std::nullopt},
    {"LinkToPlainFileIsMatch",
     {},
     {"outside/real.bin"},
     {{"drive/a/Game.exe", "../../outside/real.bin"}},
     "game.exe",
     "drive/a/Game.exe"},
    {"LinkToFolderNamedLikeTheFileIsNoMatch",
     {"outside/game.exe"},
     {"drive/b/game.exe"},
     {{"drive/game.exe", "../outside/game.exe"}},
     "game.exe",
     "drive/b/game.exe"},
    {"DanglingLinkIsNoMatch",
     {},
     {"drive/b/GAME.exe"},
     {{"drive/game.exe", "missing"}},
     "game.exe",
     "drive/b/GAME.exe"},
};

INSTANTIATE_TEST_SUITE_P(Trees, TreeSearchCaseTest, ::testing::ValuesIn(kTreeCases),
                         [](const auto& info) { return std::string(info.param.title); });

TEST_F(TreeSearchTest, ReturnedPathHasNoDoubledSlash)
{
    MakeFile("drive/Game.exe");
    MakeFile("drive/a/b/Other.exe");
    for (const std::string suffix : {"", "/", "//"}) {
        SCOPED_TRACE("root ending in \"" + suffix + "\"");
        EXPECT_EQ(SearchTreeForFile(Root() + suffix, "game.exe"), HostPath("drive/Game.exe"));
        EXPECT_EQ(SearchTreeForFile(Root() + suffix, "other.exe"), HostPath("drive/a/b/Other.exe"));
    }
}

TEST_F(TreeSearchTest, RootThatIsNoFolderGivesNothing)
{
    MakeFile("plain.txt");
    for (const std::string root : {"missing", "plain.txt", ""}) {
        SCOPED_TRACE("root \"" + root + "\"");
        EXPECT_EQ(SearchTreeForFile(root.empty() ? root : HostPath(root), "plain.txt"),
                  std::nullopt);
    }
}

TEST_F(TreeSearchTest, OtherEntryKindsNamedLikeTheFileAreNoMatch)
{
    MakeFile("drive/sub/game.exe");
    ASSERT_EQ(::mkfifo(HostPath("drive/game.exe").c_str(), 0600), 0);
    EXPECT_EQ(SearchTreeForFile(Root(), "game.exe"), HostPath("drive/sub/game.exe"));
}

TEST_F(TreeSearchTest, UnreadableFolderIsSkipped)
{
    MakeFile("drive/locked/game.exe");
    MakeFile("drive/listed/inside/game.exe"); // its names can be read, but not entered
    MakeFile("drive/open/sub/game.exe");
    const std::string locked = HostPath("drive/locked");
    const std::string listed = HostPath("drive/listed");
    fs::permissions(locked, fs::perms::none);
    fs::permissions(listed, fs::perms::owner_read);
    bool keptOut = false;
    std::optional<std::string> found;
    const bool honoured = test::RunWithPermissionsHonoured([&] {
        DIR* probe = ::opendir(locked.c_str());
        keptOut = probe == nullptr;
        if (probe != nullptr)
            ::closedir(probe);
        else
            found = SearchTreeForFile(Root(), "game.exe");
    });
    fs::permissions(locked, fs::perms::owner_all); // so the temporary folder can go
    fs::permissions(listed, fs::perms::owner_all);
    if (!honoured || !keptOut)
        GTEST_SKIP() << "permissions do not keep this process out of a folder";
    EXPECT_EQ(found, HostPath("drive/open/sub/game.exe"));
}

} // namespace
} // namespace zv
