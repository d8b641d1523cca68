#include "ConsoleRules.h"

#include "MapFolders.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"

namespace zv {

namespace {

// clang-format off
// The console's picture and the frame's caption by game, and the preview box by
// game in twips (15 twips to a pixel).
const ConsoleGameLook kLooks[] = {
    // game   picture               caption
    //        preview box: left  top   width height
    {kBhwwe, QStringLiteral("BHWWE MapMain.bmp"),
             QStringLiteral("  Zorvane 2.0 - Bird Hunter Wild Wings Edition"),
             QRect(2640, 3810, 4500, 1455)},
    {kRmth3, QStringLiteral("RMTH3 MapMain.bmp"),
             QStringLiteral("  Zorvane 2.0 - Rocky Mountain Trophy Hunter 3"),
             QRect(3720, 3765, 2363, 1890)},
};
// clang-format on

void MakeFolderIfMissing(FileSystem& files, const QString& folder)
{
    if (files.find(folder, ListKind::FilesAndFolders).isEmpty())
        files.makeFolder(folder);
}

// clang-format off
// The console's load handles a failing step by the first rule that holds.
constexpr struct {
    bool onlyBeforePicture; // the rule holds only while the game picture is not chosen
    int number;             // the failure it holds for; 0 for any
    LoadFailureAnswer answer;
} kLoadFailures[] = {
    // picture not chosen  failure                        effect
    {true,                 0,                             LoadFailureAnswer::ClearPictureAndGoOn},
    {false,                FailureNumber::PastEndOfFile,  LoadFailureAnswer::GoOn},
    {false,                FailureNumber::PathNotFound,   LoadFailureAnswer::StopSilently},
    {false,                0,                             LoadFailureAnswer::StopWithMessage},
};
// clang-format on

} // namespace

const ConsoleGameLook& ConsoleLookOf(const QString& game)
{
    return IsBhwwe(game) ? kLooks[0] : kLooks[1];
}

bool IsGameKnown(const QString& gameFolder)
{
    return gameFolder.size() > 1;
}

bool IsGameMissing(const QString& gameFolder)
{
    return gameFolder.isEmpty();
}

std::optional<QString> DecideConsoleGame(ProgramState& state, MapsFolderRule rule)
{
    const auto show = [&state](const QString& game, bool setFields) {
        if (setFields) {
            state.CurrentGame = game;
            state.MapsFolder = MapsFolderOf(GameFolderOf(state, game));
        }
        return std::optional<QString>(game);
    };
    const bool always = rule == MapsFolderRule::Always;
    if (state.CurrentGame == kBhwwe && IsGameKnown(state.BhwweFolder))
        return show(kBhwwe, always);
    if (state.CurrentGame == kRmth3 && IsGameKnown(state.Rmth3Folder))
        return show(kRmth3, always);
    if (IsGameMissing(state.BhwweFolder) && IsGameKnown(state.Rmth3Folder))
        return show(kRmth3, true);
    if (IsGameMissing(state.Rmth3Folder) && IsGameKnown(state.BhwweFolder))
        return show(kBhwwe, true);
    return std::nullopt;
}

LoadFailureAnswer AnswerToLoadFailure(int number, bool pictureChosen)
{
    for (const auto& rule : kLoadFailures) {
        if (rule.onlyBeforePicture && pictureChosen)
            continue;
        if (rule.number == 0 || rule.number == number)
            return rule.answer;
    }
    return LoadFailureAnswer::StopWithMessage;
}

void MakeMapsFolderIfMissing(FileSystem& files, const QString& gameFolder)
{
    MakeFolderIfMissing(files, MapsFolderOf(gameFolder));
}

void MakeStorageFolderIfMissing(FileSystem& files, const QString& gameFolder)
{
    MakeFolderIfMissing(files, StorageFolderOf(gameFolder));
}

} // namespace zv
