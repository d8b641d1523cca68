#pragma once

#include "core/ProgramState.h"
#include "core/Services.h"

namespace zv {

class Failure;
class MessageBoxes;

// The finder's texts.
inline const QString kFinderInstruction =
    QStringLiteral("Type the name of the file you want to find in the box below.");
inline const QString kSearchingMessage = QStringLiteral("Searching for the file... please wait.");
inline const QString kNotFoundMessage = QStringLiteral("The file cannot be found on this computer.");

// The Go button's pictures: ready, and while a search runs.
inline const QString kGoPicture = QStringLiteral("Go.bmp");
inline const QString kGoOffPicture = QStringLiteral("GoOff.bmp");

// "File found at PATH.  Close this box ..." (two blanks after the full stop).
QString FoundMessage(const QString& path);

// The name a search looks for: what was typed, without leading and trailing blanks.
QString SearchNameOf(const QString& typed);

// The finder window as a search drives it.
class FinderView {
public:
    virtual ~FinderView() = default;
    // Throws Failure when the picture cannot be loaded.
    virtual void setGoPicture(const QString& name) = 0;
    virtual void setMessage(const QString& text) = 0;
    // After a failure has been shown: the map manager comes back and the finder closes.
    virtual void leaveAfterFailure() = 0;
};

// Searches every fixed drive, C: first, for a file named searchName and reports in the
// view. A find sets FoundMapPath and FoundMapPending; nothing found leaves both as they
// were. A failure is shown as "description, number" and the view is left; the two fields
// are not touched by it. Returns whether the view now shows a find.
bool RunMapSearch(ProgramState& state, const Services& services, MessageBoxes& messages,
                  FinderView& view, const QString& searchName);

} // namespace zv
