#pragma once

#include "SearchFixtures.h"
#include "TestPictures.h"
#include "TestServices.h"
#include "WindowHarness.h"

#include "core/ProgramState.h"
#include "frame/MDIForm1.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"
#include "platform/Launcher.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"

namespace zv::test {

class IgnoredLauncher final : public Launcher {
public:
    qint64 start(const QString&) override { return 0; }
};

// The finder's world: drives C: and D: (hard disks) and N: (network) in a test prefix, the
// Go pictures in the program's Support folder, a shown 1024 x 768 main frame, and a map
// manager that is only its skinned window, shown at (40, 30).
class FinderHarness {
public:
    explicit FinderHarness(double dpi = 96)
        : screen({1024, 768}, dpi),
          context{state, services, messages, addresses, launcher, screen, images, forms}
    {
        for (const char* picture : {"Go.bmp", "GoOff.bmp"})
            prefix.programFile(QStringLiteral("Support/") + QLatin1String(picture), BmpOf({44, 24}));
        frame.resize(1024, 768);
        frame.show();
        forms.addBuilder(QStringLiteral("MapManager"), [this] {
            return new SkinnedWindow(QStringLiteral("MapManager"), frame.clientArea(), images, screen);
        });
        QWidget* manager = forms.load(QStringLiteral("MapManager"));
        manager->move(40, 30);
        manager->show();
    }

    // What the manager's find button does: the finder shown, the manager hidden.
    QWidget* openFinder()
    {
        QWidget* finder = forms.load(QStringLiteral("FindMaps"));
        finder->show();
        finder->raise();
        forms.loaded(QStringLiteral("MapManager"))->hide();
        QCoreApplication::processEvents();
        return finder;
    }

    TestPrefix prefix;
    TestServices host{WithDrives(prefix)};
    WalkCountingDrives drives{host.drives};
    Services services{host.files, drives, host.pointer, host.events, host.services.programFolder};
    ProgramState state;
    RecordingMessageBoxes messages;
    RecordingAddressOpener addresses;
    IgnoredLauncher launcher;
    FixedScreen screen;
    SupportImages images{host.files, host.services.programFolder};
    MDIForm1 frame{state, addresses, images, screen};
    FakeForms forms{frame};
    WindowContext context;

private:
    // The program folder needs a drive of its own, as under Wine (z: is the host's root).
    static const TestPrefix& WithDrives(TestPrefix& prefix)
    {
        prefix.addDrive('C');
        prefix.addDrive('D');
        prefix.addDrive('N', QStringLiteral("network"));
        prefix.linkDrive('Z', QStringLiteral("/"));
        return prefix;
    }
};

} // namespace zv::test
