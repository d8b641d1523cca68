#include "MapSearch.h"

#include "core/DriveScan.h"
#include "core/FailureTexts.h"
#include "platform/EventPump.h"
#include "platform/Failure.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"

namespace zv {

QString FoundMessage(const QString& path)
{
    return QStringLiteral("File found at ") + path +
           QStringLiteral(".  Close this box to view the file's location in Zorvane.");
}

QString SearchNameOf(const QString& typed)
{
    return typed.trimmed();
}

bool RunMapSearch(ProgramState& state, const Services& services, MessageBoxes& messages,
                  FinderView& view, const QString& searchName)
{
    try {
        view.setGoPicture(kGoOffPicture);
        services.pointer.showBusy();
        view.setMessage(kSearchingMessage);
        services.events.letEventsRun();

        const QString found = ScanFixedDrives(state, services, searchName);
        if (!found.isEmpty()) {
            state.FoundMapPath = found;
            view.setMessage(FoundMessage(found));
            services.pointer.showDefault();
            state.FoundMapPending = true;
        } else {
            view.setMessage(kNotFoundMessage);
            services.pointer.showDefault();
        }
        view.setGoPicture(kGoPicture);
        return !found.isEmpty();
    } catch (const Failure& failure) {
        messages.show(DescriptionCommaNumber(failure)); // description first
        services.pointer.showDefault();
        try {
            view.setGoPicture(kGoPicture);
        } catch (const Failure&) {
            // Already reported: the window closes in a moment anyway.
        }
        view.leaveAfterFailure();
        return false;
    }
}

} // namespace zv
