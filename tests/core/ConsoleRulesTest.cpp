#include "ExpectFailure.h"
#include "TestServices.h"

#include "core/ConsoleRules.h"
#include "platform/Failure.h"

#include <gtest/gtest.h>

namespace zv {
namespace {

const QString kBh = QStringLiteral("C:\\Wild Wings");
const QString kRm = QStringLiteral("D:\\RMTH3");
const QString kOld = QStringLiteral("old maps folder");

TEST(ConsoleGameDecision, PicksTheGameShownAndMovesToTheOnlyKnownOne)
{
    const struct {
        const char* label;
        const char* current;
        QString bhwwe;
        QString rmth3;
        MapsFolderRule rule;
        std::optional<QString> shown;
        const char* currentAfter;
        QString mapsFolderAfter;
    } cases[] = {
        {"BHWWE shown as it is, load", "BHWWE", kBh, kRm, MapsFolderRule::OnlyWhenSwitched,
         kBhwwe, "BHWWE", kOld},
        {"BHWWE shown as it is, switch", "BHWWE", kBh, kRm, MapsFolderRule::Always, kBhwwe,
         "BHWWE", kBh + QStringLiteral("\\Home\\Maps")},
        {"RMTH3 shown as it is", "RMTH3", kBh, kRm, MapsFolderRule::Always, kRmth3, "RMTH3",
         kRm + QStringLiteral("\\Home\\Maps")},
        {"BHWWE chosen but missing", "BHWWE", QString(), kRm, MapsFolderRule::OnlyWhenSwitched,
         kRmth3, "RMTH3", kRm + QStringLiteral("\\Home\\Maps")},
        {"RMTH3 chosen but missing", "RMTH3", kBh, QString(), MapsFolderRule::OnlyWhenSwitched,
         kBhwwe, "BHWWE", kBh + QStringLiteral("\\Home\\Maps")},
        {"a one-character folder is neither known nor missing", "RMTH3", kBh,
         QStringLiteral("X"), MapsFolderRule::Always, std::nullopt, "RMTH3", kOld},
        {"an unknown game id with both known", "", kBh, kRm, MapsFolderRule::Always,
         std::nullopt, "", kOld},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        ProgramState state;
        state.CurrentGame = QLatin1String(c.current);
        state.BhwweFolder = c.bhwwe;
        state.Rmth3Folder = c.rmth3;
        state.MapsFolder = kOld;
        EXPECT_EQ(DecideConsoleGame(state, c.rule), c.shown);
        EXPECT_EQ(state.CurrentGame, QLatin1String(c.currentAfter));
        EXPECT_EQ(state.MapsFolder, c.mapsFolderAfter);
    }
}

TEST(ConsoleGameDecision, AnyGameButBhwweLooksLikeRmth3)
{
    for (const char* game : {"RMTH3", "bhwwe", ""})
        EXPECT_EQ(ConsoleLookOf(QLatin1String(game)).picture, QStringLiteral("RMTH3 MapMain.bmp"))
            << game;
    EXPECT_EQ(ConsoleLookOf(kBhwwe).picture, QStringLiteral("BHWWE MapMain.bmp"));
}

TEST(ConsoleFolders, MadeOnlyWhenAListingFindsNothing)
{
    test::TestPrefix prefix;
    prefix.addDrive('C');
    prefix.folder(QStringLiteral("C:\\Has\\Home\\Maps\\Stored Maps"));
    prefix.file(QStringLiteral("C:\\Half\\Home\\Maps\\Readme.txt"), "kept");
    // A file where the storage folder should be counts as there: nothing is made over it.
    prefix.file(QStringLiteral("C:\\FileInTheWay\\Home\\Maps\\Stored Maps"), "a file");
    test::TestServices host(prefix);
    for (const char* game : {"C:\\Has", "C:\\Half", "C:\\FileInTheWay"}) {
        SCOPED_TRACE(game);
        MakeMapsFolderIfMissing(host.files, QLatin1String(game));
        MakeStorageFolderIfMissing(host.files, QLatin1String(game));
        EXPECT_TRUE(prefix.exists(QLatin1String(game) + QStringLiteral("\\Home\\Maps\\Stored Maps")));
    }
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\Half\\Home\\Maps\\Readme.txt")), "kept");
    EXPECT_EQ(prefix.content(QStringLiteral("C:\\FileInTheWay\\Home\\Maps\\Stored Maps")), "a file");
    // The Home folder is gone: the maps folder cannot be made.
    prefix.folder(QStringLiteral("C:\\Bare"));
    test::ExpectFailure(FailureNumber::PathNotFound, [&] {
        MakeMapsFolderIfMissing(host.files, QStringLiteral("C:\\Bare"));
    });
    EXPECT_FALSE(prefix.exists(QStringLiteral("C:\\Bare\\Home")));
}

TEST(ConsoleLoadFailures, TheFirstRuleThatHoldsDecides)
{
    const struct {
        int number;
        bool pictureChosen;
        LoadFailureAnswer answer;
    } cases[] = {
        // Before the picture is chosen every failure only clears it, even these two.
        {FailureNumber::PathNotFound, false, LoadFailureAnswer::ClearPictureAndGoOn},
        {FailureNumber::PastEndOfFile, false, LoadFailureAnswer::ClearPictureAndGoOn},
        {FailureNumber::PermissionDenied, false, LoadFailureAnswer::ClearPictureAndGoOn},
        {FailureNumber::PastEndOfFile, true, LoadFailureAnswer::GoOn},
        {FailureNumber::PathNotFound, true, LoadFailureAnswer::StopSilently},
        {FailureNumber::FileNotFound, true, LoadFailureAnswer::StopWithMessage},
        {FailureNumber::PermissionDenied, true, LoadFailureAnswer::StopWithMessage},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AnswerToLoadFailure(c.number, c.pictureChosen), c.answer)
            << c.number << (c.pictureChosen ? " after" : " before") << " the picture";
}

} // namespace
} // namespace zv
