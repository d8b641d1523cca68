#pragma once

#include "SearchFixtures.h"
#include "TestPictures.h"
#include "WindowHarness.h"

#include "frame/SkinnedWindow.h"
#include "platform/Launcher.h"

namespace zv::test {

class IgnoredLauncher final : public Launcher {
public:
    qint64 start(const QString&) override { return 0; }
};

// Built before the window harness that uses it.
struct LauncherHolder {
    IgnoredLauncher launcher;
};

// The finder's world: drives C: and D: (hard disks) and N: (network), the Go pictures in the
// program's Support folder, a map manager that is only its skinned window, shown at (40, 30),
// and a context whose drive searches are written down.
class FinderHarness : private LauncherHolder, public WindowHarness {
public:
    explicit FinderHarness(double dpi = 96)
        : WindowHarness(launcher, {{'C', "hd"}, {'D', "hd"}, {'N', "network"}}, dpi),
          finderContext{state, searchServices, messages, addresses, launcher, screen, images, forms}
    {
        for (const char* picture : {"Go.bmp", "GoOff.bmp"})
            prefix.programFile(QStringLiteral("Support/") + QLatin1String(picture), BmpOf({44, 24}));
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

    using LauncherHolder::launcher;
    WalkCountingDrives drives{services.drives};
    Services searchServices{services.files, drives, services.pointer, services.events,
                            services.services.programFolder};
    WindowContext finderContext;
};

} // namespace zv::test
