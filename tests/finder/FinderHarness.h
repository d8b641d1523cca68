#pragma once

#include "SearchFixtures.h"
#include "TestPictures.h"
#include "TestServices.h"

#include "core/ProgramState.h"
#include "frame/Forms.h"
#include "frame/MDIForm1.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"
#include "platform/AddressOpener.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include <functional>

namespace zv::test {

class RecordingMessages final : public MessageBoxes {
public:
    void show(const QString& text) override { shown.append(text); }
    QStringList shown;
};

class IgnoredAddresses final : public AddressOpener {
public:
    void open(const QString&) override {}
};

class IgnoredLauncher final : public Launcher {
public:
    void start(const QString&) override {}
};

// The program's window collection over a real main frame, a builder per window name.
class TestForms final : public Forms {
public:
    using Builder = std::function<QWidget*()>;

    explicit TestForms(MDIForm1& frame) : m_frame(frame) {}
    ~TestForms() override
    {
        for (const QPointer<QWidget>& window : m_loaded)
            delete window.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void setBuilder(const QString& name, Builder builder) { m_builders.insert(name, std::move(builder)); }

    QWidget* loaded(const QString& name) const override { return m_loaded.value(name).data(); }
    QWidget* load(const QString& name) override
    {
        if (QWidget* window = loaded(name))
            return window;
        const auto builder = m_builders.constFind(name);
        if (builder == m_builders.cend())
            return nullptr;
        QWidget* window = (*builder)();
        m_loaded.insert(name, window);
        if (auto* form = dynamic_cast<Form*>(window))
            form->Load();
        return window;
    }
    void unload(const QString& name) override
    {
        QWidget* window = loaded(name);
        if (!window)
            return;
        m_loaded.remove(name);
        if (auto* form = dynamic_cast<Form*>(window))
            form->Unload();
        window->hide();
        window->deleteLater();
    }
    MDIForm1& mainFrame() const override { return m_frame; }
    void endProgram() override {}

private:
    MDIForm1& m_frame;
    QHash<QString, Builder> m_builders;
    QHash<QString, QPointer<QWidget>> m_loaded;
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
        forms.setBuilder(QStringLiteral("MapManager"), [this] {
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
    RecordingMessages messages;
    IgnoredAddresses addresses;
    IgnoredLauncher launcher;
    FixedScreen screen;
    SupportImages images{host.files, host.services.programFolder};
    MDIForm1 frame{state, addresses, images, screen};
    TestForms forms{frame};
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
