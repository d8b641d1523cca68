#include "TestServices.h"

#include "core/StartupSequence.h"
#include "platform/Failure.h"
#include "platform/MessageBoxes.h"

#include <QDir>

#include <gtest/gtest.h>

namespace zv {
namespace {

using test::TestPrefix;
using test::RecordingMessageBoxes;
using test::TestServices;

// The selection window as a list of what it showed.
class RecordingStartupView final : public StartupView {
public:
    void setCaption(const QString& text) override { captions.append(text); }
    void advanceProgress(int step) override { value += step; values.push_back(value); }
    void setProgress(int v) override { value = v; values.push_back(value); }
    void setProgressVisible(bool visible) override { barVisible = visible; }
    void setShapeVisible(bool visible) override { shapeVisible = visible; }

    QStringList captions;
    std::vector<int> values;
    int value = 0;
    bool barVisible = false;
    bool shapeVisible = true;
};

const QString kWildWings = QStringLiteral("C:\\Games\\Wild Wings");
const QString kRocky = QStringLiteral("C:\\Games\\Rocky");

class StartupSequenceTest : public ::testing::Test {
protected:
    StartupSequenceTest() { prefix.addDrive('C'); }
    ~StartupSequenceTest() override { QDir::setCurrent(m_saved); }

    void installBhwwe()
    {
        prefix.file(kWildWings + QStringLiteral("\\Wild Wings.exe"));
        prefix.folder(kWildWings + QStringLiteral("\\Home\\Maps"));
    }
    void installRmth3()
    {
        prefix.file(kRocky + QStringLiteral("\\Rocky Mountain Trophy Hunter 3.exe"));
        prefix.folder(kRocky + QStringLiteral("\\Home\\Maps"));
    }
    static QByteArray recordOf(const QString& gameFolder)
    {
        return "\"" + gameFolder.toLatin1() + "\\Home\\Maps\"\r\n";
    }
    void run(const QString& chosen)
    {
        host = std::make_unique<TestServices>(prefix);
        state.CurrentGame = chosen;
        RunStartupSequence(state, host->services, messages, view,
                           {[this] { calls.append(QStringLiteral("repair")); },
                            [this] { calls.append(QStringLiteral("console")); },
                            [this] { calls.append(QStringLiteral("close")); }});
    }

    TestPrefix prefix;
    std::unique_ptr<TestServices> host;
    ProgramState state;
    RecordingStartupView view;
    RecordingMessageBoxes messages;
    QStringList calls;

private:
    QString m_saved = QDir::currentPath();
};

TEST_F(StartupSequenceTest, FirstRunSearchesBothGamesTheOtherFirst)
{
    installBhwwe();
    installRmth3();
    run(kBhwwe);
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("BHWWE.txt")), recordOf(kWildWings));
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("RMTH3.txt")), recordOf(kRocky));
    EXPECT_EQ(state.BhwweFolder, kWildWings) << "the second read sets the game folder";
    EXPECT_EQ(state.Rmth3Folder, kRocky);
    EXPECT_EQ(state.CurrentGame, kBhwwe);
    EXPECT_TRUE(state.BhwweRepairDue);
    EXPECT_TRUE(state.Rmth3RepairDue);
    // 20; RMTH3 found on C: after classification; 60; BHWWE likewise; 80, 80, 95.
    EXPECT_EQ(view.values, (std::vector<int>{20, 22, 24, 60, 62, 64, 80, 80, 95}));
    EXPECT_EQ(view.captions, (QStringList{QStringLiteral("Please wait..."),
                                          QStringLiteral("This may take a few minutes"),
                                          QStringLiteral("This may take a few minutes")}));
    EXPECT_EQ(calls, (QStringList{QStringLiteral("repair"), QStringLiteral("console"),
                                  QStringLiteral("close")}));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(host->pointer.calls.last(), QStringLiteral("default"));
}

TEST_F(StartupSequenceTest, BothRecordsValidMeansNoSearch)
{
    installBhwwe();
    installRmth3();
    prefix.programFile(QStringLiteral("BHWWE.txt"), recordOf(kWildWings));
    prefix.programFile(QStringLiteral("RMTH3.txt"), recordOf(kRocky));
    run(kRmth3);
    EXPECT_EQ(view.values, (std::vector<int>{80, 95}));
    EXPECT_FALSE(state.BhwweRepairDue);
    EXPECT_EQ(state.CurrentGame, kRmth3);
    EXPECT_EQ(state.Rmth3Folder, kRocky);
    EXPECT_EQ(state.MapsFolder, kRocky + QStringLiteral("\\Home\\Maps"));
}

TEST_F(StartupSequenceTest, ChosenValidAndOtherEmptyMeansNoSearch)
{
    installBhwwe();
    installRmth3();
    prefix.programFile(QStringLiteral("BHWWE.txt"), recordOf(kWildWings));
    prefix.programFile(QStringLiteral("RMTH3.txt"), "\"\"\r\n");
    run(kBhwwe);
    EXPECT_EQ(view.values, (std::vector<int>{80, 95}));
    EXPECT_EQ(state.Rmth3Folder, QString());
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("RMTH3.txt")), "\"\"\r\n");
}

// Records the validation must reject for the chosen game, which is then searched again.
struct RejectedRecord {
    const char* name;
    QByteArray record;
};

class RejectedRecordTest : public StartupSequenceTest,
                           public ::testing::WithParamInterface<RejectedRecord> {};

TEST_P(RejectedRecordTest, ChosenGameIsSearchedAgain)
{
    installBhwwe();
    prefix.folder(QStringLiteral("C:\\Old\\Home\\MAPS"));
    prefix.programFile(QStringLiteral("BHWWE.txt"), GetParam().record);
    run(kBhwwe);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join(QStringLiteral(" | ")).toStdString();
    EXPECT_EQ(view.values.front(), 20) << "a search ran";
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("BHWWE.txt")), recordOf(kWildWings));
    EXPECT_EQ(state.BhwweFolder, kWildWings);
    EXPECT_EQ(calls.last(), QStringLiteral("close"));
}

INSTANTIATE_TEST_SUITE_P(
    Records, RejectedRecordTest,
    ::testing::Values(RejectedRecord{"other_case", "\"C:\\Old\\Home\\MAPS\"\r\n"},
                      RejectedRecord{"gone", "\"C:\\Gone\\Home\\Maps\"\r\n"},
                      RejectedRecord{"too_short_to_cut", "\"C:\\Maps\"\r\n"},
                      RejectedRecord{"empty", "\"\"\r\n"},
                      RejectedRecord{"missing_drive", "\"Q:\\G\\Home\\Maps\"\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartupSequenceTest, NeitherGameInstalledWritesBothRecordsEmpty)
{
    run(kRmth3);
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("BHWWE.txt")), "\"\"\r\n");
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("RMTH3.txt")), "\"\"\r\n");
    EXPECT_EQ(state.BhwweFolder, QString());
    EXPECT_EQ(state.Rmth3Folder, QString());
    EXPECT_EQ(calls.size(), 3) << "the console decides what happens then";
}

TEST_F(StartupSequenceTest, ADriveThatIsNotReadyStopsWithAMessage)
{
    installBhwwe();
    prefix.addDrive('D', QStringLiteral("absent"));
    prefix.programFile(QStringLiteral("BHWWE.txt"), "\"D:\\G\\Home\\Maps\"\r\n");
    run(kBhwwe);
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("71, Disk not ready")});
    EXPECT_TRUE(calls.isEmpty()) << "the console is not opened";
    EXPECT_EQ(view.captions, QStringList{QStringLiteral("Please wait...")});
    EXPECT_TRUE(view.barVisible);
    EXPECT_FALSE(host->pointer.busy);
}

TEST_F(StartupSequenceTest, AStaleOtherRecordIsUsedAfterTheSecondRead)
{
    installBhwwe();
    prefix.programFile(QStringLiteral("BHWWE.txt"), recordOf(kWildWings));
    prefix.programFile(QStringLiteral("RMTH3.txt"), recordOf(QStringLiteral("C:\\Gone")));
    run(kBhwwe);
    EXPECT_EQ(view.values, (std::vector<int>{80, 95})) << "the chosen game is known";
    EXPECT_EQ(state.Rmth3Folder, QStringLiteral("C:\\Gone"));
}

} // namespace
} // namespace zv
