#pragma once

#include "Locator.h"
#include "ProgramState.h"
#include "Services.h"

#include <functional>

namespace zv {

class MessageBoxes;

// The selection window as the start-up sequence drives it.
class StartupView : public LocatorWindow {
public:
    virtual void setProgress(int value) = 0;
    virtual void setProgressVisible(bool visible) = 0;
    virtual void setShapeVisible(bool visible) = 0;
};

// What the sequence hands over to the rest of the program once the games are
// known: the stock-map repair, opening the console, closing the selection window.
struct StartupHandovers {
    std::function<void()> repairMaps;
    std::function<void()> openConsole;
    std::function<void()> closeSelection;
};

// The game folder a record text names: the text without "\Home\Maps"; a
// text too short to hold that names no folder.
QString GameFolderOfRecordText(const QString& mapsFolder);

// Reads and validates both records, searches the drives when the chosen game
// (CurrentGame) is not known, repairs and opens the console. A failure is
// shown as "number, description" and leaves the selection window working.
void RunStartupSequence(ProgramState& state, const Services& services, MessageBoxes& messages,
                        StartupView& view, const StartupHandovers& handovers);

} // namespace zv
