#include "TestServices.h"

#include "core/Locator.h"

#include <QDir>

#include <gtest/gtest.h>

#include <numeric>

namespace zv {
namespace {

using test::TestPrefix;
using test::TestServices;

class RecordingLocatorWindow final : public LocatorWindow {
public:
    void setCaption(const QString& text) override { caption = text; }
    void advanceProgress(int step) override { steps.push_back(step); }
    int total() const { return std::accumulate(steps.begin(), steps.end(), 0); }
    QString caption;
    std::vector<int> steps;
};

class LocatorTest : public ::testing::Test {
protected:
    ~LocatorTest() override { QDir::setCurrent(m_savedFolder); }

    // Runs the search for game over the prefix as it is now.
    void locate(const QString& game)
    {
        host = std::make_unique<TestServices>(prefix);
        state.CurrentGame = game;
        LocateGame(state, host->services, window);
    }
    QByteArray record(const char* name) const
    {
        return prefix.programFileContent(QString::fromLatin1(name));
    }

    TestPrefix prefix;
    std::unique_ptr<TestServices> host;
    ProgramState state;
    RecordingLocatorWindow window;

private:
    QString m_savedFolder = QDir::currentPath();
};

TEST(DriveRootFor, DriveOrderAndOtherIndexes)
{
    ProgramState state;
    const char* expected[] = {"C:\\", "A:\\", "B:\\", "D:\\", "E:\\", "F:\\", "G:\\", "H:\\", "I:\\"};
    for (int i = 0; i < 9; ++i) {
        state.DriveIndex = static_cast<std::int16_t>(i);
        DriveRootFor(state);
        EXPECT_EQ(state.DriveRoot, QString::fromLatin1(expected[i]));
    }
    state.DriveIndex = 9;
    DriveRootFor(state);
    EXPECT_EQ(state.DriveRoot, QStringLiteral("I:\\")) << "keeps its previous value";
}

TEST(DriveTypeText, Table)
{
    EXPECT_EQ(DriveTypeText(0), QStringLiteral("UNDETERMINED"));
    EXPECT_EQ(DriveTypeText(1), std::nullopt);
    EXPECT_EQ(DriveTypeText(2), QStringLiteral("REMOVABLE"));
    EXPECT_EQ(DriveTypeText(3), QStringLiteral("FIXED"));
    EXPECT_EQ(DriveTypeText(4), QStringLiteral("REMOTE"));
    EXPECT_EQ(DriveTypeText(5), QStringLiteral("CDROM"));
    EXPECT_EQ(DriveTypeText(6), QStringLiteral("RAMDISK"));
    EXPECT_EQ(DriveTypeText(7), std::nullopt);
}

TEST_F(LocatorTest, ClassificationKeepsOldTextsForMissingRoots)
{
    prefix.addDrive('C');
    prefix.addDrive('E', QStringLiteral("cdrom"));
    host = std::make_unique<TestServices>(prefix);
    state.DriveTypes[3] = QStringLiteral("FIXED"); // D: from an earlier scan
    ClassifyDrives(state, host->services);
    EXPECT_EQ(state.DriveIndex, 9);
    EXPECT_EQ(state.DriveTypes[0], QStringLiteral("FIXED"));
    EXPECT_EQ(state.DriveTypes[3], QStringLiteral("FIXED"));
    EXPECT_EQ(state.DriveTypes[4], QStringLiteral("CDROM"));
    EXPECT_EQ(state.DriveTypes[1], QString());
    EXPECT_EQ(state.LastDriveType, 1) << "I: does not exist";
}

TEST_F(LocatorTest, OnlyCFixedAndTheGameAbsent)
{
    prefix.addDrive('C');
    prefix.file(QStringLiteral("C:\\Games\\other.exe"));
    prefix.programFile(QStringLiteral("BHWWE.txt"), "\"C:\\Old\\Home\\Maps\"\r\n");
    locate(kBhwwe);
    // Classification, C: searched (2 + 2), seven other drives 2 each, I: nothing.
    EXPECT_EQ(window.steps, (std::vector<int>{2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(window.caption, QStringLiteral("This may take a few minutes"));
    EXPECT_EQ(record("BHWWE.txt"), "\"\"\r\n");
    EXPECT_EQ(state.MapsFolder, QString());
    EXPECT_EQ(state.FoundExePath, QString());
    EXPECT_EQ(state.BhwweFolder, QString()) << "the folder field is untouched on failure";
    EXPECT_FALSE(state.BhwweRepairDue);
    EXPECT_EQ(host->pointer.calls, (QStringList{QStringLiteral("busy"), QStringLiteral("default")}));
    EXPECT_GE(host->events.count, 2);
}

TEST_F(LocatorTest, CopiesOnCAndDTakeC)
{
    prefix.addDrive('C');
    prefix.addDrive('D');
    prefix.file(QStringLiteral("C:\\Program Files\\Sunstorm\\Wild Wings\\Wild Wings.exe"));
    prefix.file(QStringLiteral("D:\\Wild Wings\\Wild Wings.exe"));
    prefix.folder(QStringLiteral("C:\\Program Files\\Sunstorm\\Wild Wings\\Home\\Maps"));
    locate(kBhwwe);
    EXPECT_EQ(state.FoundExePath, QStringLiteral("C:\\Program Files\\Sunstorm\\Wild Wings\\Wild Wings.exe"));
    EXPECT_EQ(state.BhwweFolder, state.FoundExePath) << "briefly holds the executable path";
    EXPECT_TRUE(state.BhwweRepairDue);
    EXPECT_EQ(state.MapsFolder, QStringLiteral("C:\\Program Files\\Sunstorm\\Wild Wings\\Home\\Maps"));
    EXPECT_EQ(record("BHWWE.txt"), "\"C:\\Program Files\\Sunstorm\\Wild Wings\\Home\\Maps\"\r\n");
    EXPECT_EQ(window.steps, (std::vector<int>{2, 2}));
    EXPECT_EQ(host->pointer.calls, QStringList{QStringLiteral("busy")}) << "stays busy on success";
    EXPECT_EQ(host->files.currentFolder(), state.MapsFolder);
}

TEST_F(LocatorTest, OnlyOnNetworkOrRemovableDrivesIsNotFound)
{
    prefix.addDrive('C');
    for (auto [letter, type] : {std::pair{'A', "floppy"}, {'E', "network"}, {'F', "cdrom"}}) {
        prefix.addDrive(letter, QString::fromLatin1(type));
        prefix.file(QString(QChar(letter)) + QStringLiteral(":\\RMTH3\\Rocky Mountain Trophy Hunter 3.exe"));
    }
    locate(kRmth3);
    EXPECT_EQ(state.FoundExePath, QString());
    EXPECT_EQ(record("RMTH3.txt"), "\"\"\r\n");
}

TEST_F(LocatorTest, AFixedDriveBeyondIIsNeverSearched)
{
    prefix.addDrive('C');
    prefix.addDrive('J');
    prefix.file(QStringLiteral("J:\\Wild Wings.exe"));
    locate(kBhwwe);
    EXPECT_EQ(state.FoundExePath, QString());
    EXPECT_EQ(record("BHWWE.txt"), "\"\"\r\n");
}

TEST_F(LocatorTest, ExecutableInADriveRootAndTheRmth3Cut)
{
    prefix.addDrive('C');
    prefix.addDrive('E');
    prefix.file(QStringLiteral("E:\\Wild Wings.exe"));
    prefix.file(QStringLiteral("E:\\Hunt\\ROCKY MOUNTAIN TROPHY HUNTER 3.EXE"));
    locate(kBhwwe);
    EXPECT_EQ(state.MapsFolder, QStringLiteral("E:\\Home\\Maps"));
    EXPECT_EQ(record("BHWWE.txt"), "\"E:\\Home\\Maps\"\r\n");
    // Classification 2; C: 2 + 2; A:, B:, D: 2 each; E: found 2.
    EXPECT_EQ(window.total(), 14);

    locate(kRmth3);
    EXPECT_EQ(state.Rmth3Folder, QStringLiteral("E:\\Hunt\\ROCKY MOUNTAIN TROPHY HUNTER 3.EXE"));
    EXPECT_EQ(state.MapsFolder, QStringLiteral("E:\\Hunt\\Home\\Maps"));
    EXPECT_TRUE(state.Rmth3RepairDue);
    EXPECT_FALSE(state.BhwweFolder.isEmpty());
}

TEST_F(LocatorTest, TheBarNeverPasses96)
{
    for (char letter : {'C', 'A', 'B', 'D', 'E', 'F', 'G', 'H', 'I'})
        prefix.addDrive(letter);
    locate(kBhwwe);
    EXPECT_EQ(window.total(), 36);
    EXPECT_EQ(record("BHWWE.txt"), "\"\"\r\n");
}

TEST_F(LocatorTest, AnUnreadyDriveYieldsNoMatch)
{
    prefix.addDrive('C');
    prefix.addDrive('D', QStringLiteral("absent"));
    host = std::make_unique<TestServices>(prefix);
    EXPECT_EQ(FindFileOnDrive(host->services, QStringLiteral("D:\\"), QStringLiteral("Wild Wings.exe")),
              QString());
}

} // namespace
} // namespace zv
