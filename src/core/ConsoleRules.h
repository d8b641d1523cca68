#pragma once

#include "ProgramState.h"

#include <QRect>
#include <QString>

#include <optional>

namespace zv {

class FileSystem;

// How the console shows one game: the picture of Image7, the main frame's
// caption and where the preview box ImageMap sits, in twips.
struct ConsoleGameLook {
    QString game;
    QString picture;
    QString caption;
    QRect previewBoxTwips;
};

// The look of a game; any value other than "BHWWE" counts as RMTH3.
const ConsoleGameLook& ConsoleLookOf(const QString& game);

// A game counts as known when its folder field is longer than one character,
// and as missing when the field is empty.
bool IsGameKnown(const QString& gameFolder);
bool IsGameMissing(const QString& gameFolder);

// Whether the decision also sets MapsFolder when the current game is shown as
// it is: the game switch does, the console's load sets it a few steps later.
enum class MapsFolderRule { OnlyWhenSwitched, Always };

// The console's game decision: picks the game shown from CurrentGame and the
// two folders, moving CurrentGame and MapsFolder to the only known game when
// the current one is missing. nullopt when no case holds (CurrentGame names a
// game whose folder is neither known nor missing).
std::optional<QString> DecideConsoleGame(ProgramState& state, MapsFolderRule rule);

// The steps that make sure a known game has its maps folder and then its
// storage folder: each makes its folder when a listing of it gives nothing.
// Folder is the game folder.
void MakeMapsFolderIfMissing(FileSystem& files, const QString& gameFolder);
void MakeStorageFolderIfMissing(FileSystem& files, const QString& gameFolder);

// What the console's load does when one of its steps fails.
enum class LoadFailureAnswer {
    ClearPictureAndGoOn, // Image7 loses its picture; the next step runs
    GoOn,                // the next step runs
    StopSilently,        // the console stays as far as it got
    StopWithMessage,     // "number, description", then the console stays as far as it got
};

// The answer to a failing step of the load, by the first rule that holds;
// pictureChosen tells whether the game picture's name has been chosen yet.
LoadFailureAnswer AnswerToLoadFailure(int number, bool pictureChosen);

} // namespace zv
