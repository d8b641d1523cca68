#include "ExpectFailure.h"
#include "Latin1.h"
#include "TestServices.h"

#include "core/GameRecord.h"
#include "manager/GameSwitch.h"

#include <QDir>

#include <gtest/gtest.h>

#include <memory>

namespace zv {
namespace {

using test::S;

const char* const kRmth3Exe = "Rocky Mountain Trophy Hunter 3.exe";

TEST(ToggleManagerGame, SwitchesOnlyToAKnownGame)
{
    const struct {
        const char* current;
        const char* bhwweFolder;
        const char* rmth3Folder;
        const char* after;
    } cases[] = {
        {"BHWWE", "C:\\WW", "D:\\RM", "RMTH3"}, {"RMTH3", "C:\\WW", "D:\\RM", "BHWWE"},
        {"BHWWE", "C:\\WW", "", "BHWWE"},       {"RMTH3", "", "D:\\RM", "RMTH3"},
        {"BHWWE", "C:\\WW", "D", "BHWWE"},      {"XYZ", "C:\\WW", "D:\\RM", "BHWWE"},
    };
    for (const auto& c : cases) {
        ProgramState state;
        state.CurrentGame = S(c.current);
        state.BhwweFolder = S(c.bhwweFolder);
        state.Rmth3Folder = S(c.rmth3Folder);
        ToggleManagerGame(state);
        EXPECT_EQ(state.CurrentGame, S(c.after)) << c.current << " " << c.rmth3Folder;
    }
}

// Wild Wings on C:, Rocky Mountain's record and folder as each test sets them.
class RelocationTest : public ::testing::Test {
protected:
    RelocationTest()
    {
        prefix.addDrive('C');
        prefix.addDrive('D');
        prefix.folder(S("C:\\Games\\WW\\Home\\Maps"));
        state.BhwweFolder = S("C:\\Games\\WW");
        state.Rmth3Folder = S("C:\\Games\\RM");
        state.CurrentGame = kRmth3;
    }
    ~RelocationTest() override { QDir::setCurrent(m_savedFolder); }
    Relocation relocate()
    {
        host = std::make_unique<test::TestServices>(prefix);
        return RelocateCurrentGame(state, host->services);
    }

    test::TestPrefix prefix;
    std::unique_ptr<test::TestServices> host;
    ProgramState state;

private:
    QString m_savedFolder = QDir::currentPath();
};

TEST_F(RelocationTest, ARecordWhoseFolderExistsIsTrusted)
{
    prefix.folder(S("C:\\Games\\RM\\Home\\Maps"));
    prefix.file(S("D:\\Elsewhere\\") + S(kRmth3Exe));
    prefix.programFile(S("RMTH3.txt"), EncodeGameRecord(S("C:\\Games\\RM\\Home\\Maps")));
    EXPECT_EQ(relocate(), Relocation::RecordAccepted);
    EXPECT_EQ(state.MapsFolder, S("C:\\Games\\RM\\Home\\Maps"));
    EXPECT_EQ(state.FoundExePath, S("C:\\Games\\RM"));
    EXPECT_EQ(state.Rmth3Folder, S("C:\\Games\\RM"));
}

TEST_F(RelocationTest, AStaleRecordIsReplacedByTheGameFoundElsewhere)
{
    prefix.file(S("D:\\New\\RM\\") + S(kRmth3Exe));
    prefix.programFile(S("RMTH3.txt"), EncodeGameRecord(S("C:\\Games\\RM\\Home\\Maps")));
    EXPECT_EQ(relocate(), Relocation::Found);
    EXPECT_EQ(state.MapsFolder, S("D:\\New\\RM\\Home\\Maps"));
    EXPECT_EQ(state.FoundExePath, S("D:\\New\\RM\\") + S(kRmth3Exe));
    EXPECT_EQ(prefix.programFileContent(S("RMTH3.txt")), EncodeGameRecord(S("D:\\New\\RM\\Home\\Maps")));
    EXPECT_EQ(state.Rmth3Folder, S("D:\\New\\RM")) << "the rest of the run uses the folder found";
    EXPECT_EQ(state.BhwweFolder, S("C:\\Games\\WW"));
    EXPECT_FALSE(state.Rmth3RepairDue);
    EXPECT_EQ(host->pointer.calls.last(), S("default"));
}

TEST_F(RelocationTest, AMissingRecordIsSearchedFor)
{
    prefix.file(S("D:\\") + S(kRmth3Exe));
    EXPECT_EQ(relocate(), Relocation::Found);
    EXPECT_EQ(state.MapsFolder, S("D:\\Home\\Maps"));
    EXPECT_EQ(state.Rmth3Folder, S("D:"));
}

TEST_F(RelocationTest, AGameFoundNowhereKeepsItsRecord)
{
    prefix.programFile(S("RMTH3.txt"), EncodeGameRecord(S("C:\\Games\\RM\\Home\\Maps")));
    EXPECT_EQ(relocate(), Relocation::NotFound);
    EXPECT_EQ(prefix.programFileContent(S("RMTH3.txt")), EncodeGameRecord(S("C:\\Games\\RM\\Home\\Maps")));
    EXPECT_EQ(state.CurrentGame, kRmth3);
    EXPECT_EQ(state.Rmth3Folder, S("C:\\Games\\RM"));
    EXPECT_EQ(host->pointer.calls.last(), S("default"));

    ReturnToKnownGame(state);
    EXPECT_EQ(state.CurrentGame, kBhwwe);
    EXPECT_EQ(state.MapsFolder, S("C:\\Games\\WW\\Home\\Maps")) << "a folder the lists can open";
}

TEST_F(RelocationTest, ARecordOnADriveThatIsNotReadyFails)
{
    prefix.addDrive('E', S("absent"));
    prefix.programFile(S("RMTH3.txt"), EncodeGameRecord(S("E:\\RM\\Home\\Maps")));
    host = std::make_unique<test::TestServices>(prefix);
    test::ExpectFailure(FailureNumber::DiskNotReady,
                        [&] { RelocateCurrentGame(state, host->services); });
}

TEST(ReturnToKnownGame, StaysWhenTheOtherGameIsUnknown)
{
    ProgramState state;
    state.CurrentGame = kBhwwe;
    state.BhwweFolder = S("C:\\Games\\WW");
    ReturnToKnownGame(state);
    EXPECT_EQ(state.CurrentGame, kBhwwe);
    EXPECT_EQ(state.MapsFolder, S("C:\\Games\\WW\\Home\\Maps"));
}

} // namespace
} // namespace zv
