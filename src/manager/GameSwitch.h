#pragma once

#include "core/ProgramState.h"
#include "core/Services.h"

namespace zv {

// The manager's game switch, without its window.

// CurrentGame becomes the other game when that game is known (its folder
// longer than one character); otherwise it stays.
void ToggleManagerGame(ProgramState& state);

enum class Relocation {
    RecordAccepted, // the record's maps folder exists; FoundExePath holds the game folder
    Found,          // the drives were searched and the game found; its record is rewritten
    NotFound,       // no fixed drive holds the game
};

// Sets MapsFolder for CurrentGame: its record is trusted when the maps folder
// it names exists, else the fixed drives are searched for the game's
// executable (each drive root walked once). A game found elsewhere gets its
// record rewritten and its folder field moved to the new place, so the rest
// of the run uses the folder that exists. Throws Failure when the recorded
// folder cannot be looked at (a drive that is not ready).
Relocation RelocateCurrentGame(ProgramState& state, const Services& services);

// After a re-location that failed: CurrentGame goes back to the other game
// when that game is known (the game the switch came from), and MapsFolder
// becomes the maps folder of the game now current.
void ReturnToKnownGame(ProgramState& state);

// The text that names a game to the user ("Bird Hunter Wild Wings Edition").
QString GameTitleOf(const QString& game);

// The main frame's caption while a game is current, as the console gives it.
QString FrameCaptionFor(const QString& game);

// The program folder's map log, which a failed re-location deletes.
QString MapLogPath(const QString& programFolder);

} // namespace zv
