#include "DriveScan.h"

#include "Locator.h"
#include "platform/EventPump.h"

#include <QSet>

namespace zv {

namespace {

constexpr int kLastWideIndex = 14;

QString SearchFixedDrivesWide(ProgramState& state, const Services& services, const QString& fileName)
{
    // Only roots that found nothing are remembered: a match ends the scan.
    QSet<QString> searched;
    QString found;
    for (state.DriveIndex = 0; state.DriveIndex <= kLastWideIndex; ++state.DriveIndex) {
        if (state.DriveTypes[state.DriveIndex] == QLatin1String("FIXED")) {
            DriveRootFor(state);
            const QString root = state.DriveRoot.toUpper();
            if (!searched.contains(root)) {
                found = FindFileOnDrive(services, state.DriveRoot, fileName);
                searched.insert(root);
            }
        }
        if (!found.isEmpty() || state.DriveIndex == kLastWideIndex)
            break;
    }
    return found;
}

} // namespace

QString ScanFixedDrives(ProgramState& state, const Services& services, const QString& fileName)
{
    ClassifyDriveIndexes(state, services, kLastWideIndex);
    services.events.letEventsRun();
    return SearchFixedDrivesWide(state, services, fileName);
}

} // namespace zv
