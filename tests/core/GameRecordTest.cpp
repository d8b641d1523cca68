#include "TestServices.h"

#include "core/GameRecord.h"
#include "platform/Failure.h"

#include <QFile>

#include <gtest/gtest.h>

namespace zv {
namespace {

using test::TestPrefix;
using test::TestServices;

class GameRecordTest : public ::testing::Test {
protected:
    GameRecordTest() { prefix.addDrive('C'); }
    TestPrefix prefix;
    std::unique_ptr<TestServices> host = std::make_unique<TestServices>(prefix);
    ProgramState state;
};

TEST_F(GameRecordTest, WrittenRecordHasTheExactBytesAndReadsBack)
{
    state.CurrentGame = kBhwwe;
    state.MapsFolder = QStringLiteral("E:\\Games\\Wild Wings\\Home\\Maps");
    WriteGameRecord(state, host->services);
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("BHWWE.txt")),
              QByteArray("\"E:\\Games\\Wild Wings\\Home\\Maps\"\r\n"));
    state.MapsFolder = QStringLiteral("something else");
    ReadGameRecord(state, host->services);
    EXPECT_EQ(state.MapsFolder, QStringLiteral("E:\\Games\\Wild Wings\\Home\\Maps"));
}

TEST_F(GameRecordTest, EightBitTextRoundTripsUnchanged)
{
    state.CurrentGame = kRmth3;
    state.MapsFolder = QStringLiteral("C:\\Spiele\\J\u00e4ger, Sch\u00fctze\\Home\\Maps");
    WriteGameRecord(state, host->services);
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("RMTH3.txt")),
              QByteArray("\"C:\\Spiele\\J\xe4ger, Sch\xfctze\\Home\\Maps\"\r\n"));
    state.MapsFolder.clear();
    ReadGameRecord(state, host->services);
    EXPECT_EQ(state.MapsFolder, QStringLiteral("C:\\Spiele\\J\u00e4ger, Sch\u00fctze\\Home\\Maps"));
}

// The reading rules, as a table of record bytes and the text they read as.
struct ReadCase {
    const char* name;
    QByteArray bytes;
    QString expected;
};

class RecordReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(RecordReading, ReadsTheFirstField)
{
    TestPrefix prefix;
    TestServices host(prefix);
    prefix.programFile(QStringLiteral("BHWWE.txt"), GetParam().bytes);
    ProgramState state;
    state.CurrentGame = kBhwwe;
    state.MapsFolder = QStringLiteral("stale");
    ReadGameRecord(state, host.services);
    EXPECT_EQ(state.MapsFolder, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, RecordReading,
    ::testing::Values(
        ReadCase{"zero_bytes", QByteArray(), QString()},
        ReadCase{"empty_record", "\"\"\r\n", QString()},
        ReadCase{"unquoted_line", "C:\\G\\Home\\Maps\r\n", QStringLiteral("C:\\G\\Home\\Maps")},
        ReadCase{"unquoted_cut_at_comma", "C:\\G,x\\Home\\Maps\r\n", QStringLiteral("C:\\G")},
        ReadCase{"quoted_commas_read_whole", "\"C:\\A, B\\Home\\Maps\"\r\n",
                 QStringLiteral("C:\\A, B\\Home\\Maps")},
        ReadCase{"leading_blanks", "   \"C:\\G\\Home\\Maps\"\r\n", QStringLiteral("C:\\G\\Home\\Maps")},
        ReadCase{"second_line_ignored", "\"C:\\a\"\r\n\"C:\\b\"\r\n", QStringLiteral("C:\\a")},
        ReadCase{"no_line_end", "\"C:\\a\"", QStringLiteral("C:\\a")},
        ReadCase{"unterminated_quote", "\"C:\\a\r\n", QStringLiteral("C:\\a\r\n")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GameRecordTest, MissingRecordReadsEmptyAndIsNotCreated)
{
    state.CurrentGame = kBhwwe;
    state.MapsFolder = QStringLiteral("stale");
    ReadGameRecord(state, host->services);
    EXPECT_EQ(state.MapsFolder, QString());
    EXPECT_FALSE(prefix.programFileExists(QStringLiteral("BHWWE.txt")));
}

TEST_F(GameRecordTest, AnyOtherGameIdUsesTheRmth3Record)
{
    for (const char* game : {"RMTH3", "bhwwe", "", "XYZ"}) {
        state.CurrentGame = QString::fromLatin1(game);
        state.MapsFolder = QString::fromLatin1(game) + QStringLiteral("\\Home\\Maps");
        WriteGameRecord(state, host->services);
        EXPECT_FALSE(prefix.programFileExists(QStringLiteral("BHWWE.txt"))) << game;
        EXPECT_EQ(prefix.programFileContent(QStringLiteral("RMTH3.txt")),
                  "\"" + QByteArray(game) + "\\Home\\Maps\"\r\n");
    }
}

TEST_F(GameRecordTest, ClearWritesAnEmptyRecordAndEmptiesTheFields)
{
    prefix.programFile(QStringLiteral("RMTH3.txt"), "\"C:\\R\\Home\\Maps\"\r\n");
    state.CurrentGame = kRmth3;
    state.MapsFolder = QStringLiteral("C:\\R\\Home\\Maps");
    state.FoundExePath = QStringLiteral("C:\\R\\Rocky Mountain Trophy Hunter 3.exe");
    ClearGameRecord(state, host->services);
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("RMTH3.txt")), "\"\"\r\n");
    EXPECT_EQ(state.MapsFolder, QString());
    EXPECT_EQ(state.FoundExePath, QString());
}

TEST_F(GameRecordTest, ClearOnAnUnwritableFolderStillEmptiesTheFields)
{
    host->files.failOn(FaultInjectingFileSystem::Operation::Write, QStringLiteral("*"),
                       FailureNumber::PermissionDenied);
    state.CurrentGame = kBhwwe;
    state.MapsFolder = QStringLiteral("C:\\G\\Home\\Maps");
    state.FoundExePath = QStringLiteral("C:\\G\\Wild Wings.exe");
    ClearGameRecord(state, host->services);
    EXPECT_EQ(state.MapsFolder, QString());
    EXPECT_EQ(state.FoundExePath, QString());
}

TEST_F(GameRecordTest, FailedWriteKeepsTheOldRecordWhole)
{
    prefix.programFile(QStringLiteral("BHWWE.txt"), "\"C:\\Old\\Home\\Maps\"\r\n");
    host->files.failOn(FaultInjectingFileSystem::Operation::Write, QStringLiteral("*"),
                       FailureNumber::DiskFull);
    state.CurrentGame = kBhwwe;
    state.MapsFolder = QStringLiteral("C:\\New\\Home\\Maps");
    WriteGameRecord(state, host->services);
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("BHWWE.txt")), "\"C:\\Old\\Home\\Maps\"\r\n");
}

} // namespace
} // namespace zv
