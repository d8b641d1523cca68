// The console's side of the hand-overs with the map manager: the manager opens where the
// console was and the console goes; coming back, the console opens where the manager was.

#include "TestServices.h"

#include "console/MapMain.h"
#include "frame/MDIForm1.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"
#include "widgets/ImageButton.h"

#include <QCoreApplication>
#include <QHash>
#include <QPointer>

#include <gtest/gtest.h>

#include <functional>

namespace zv {
namespace {

// The windows by name, as the program keeps them, with a stand-in for the map manager.
class Windows final : public Forms {
public:
    explicit Windows(const test::TestPrefix& prefix)
        : host(prefix), images(host.files, host.services.programFolder),
          context{state, host.services, messages, addresses, launcher, screen, images, *this},
          frame(state, addresses, images, screen)
    {
        frame.resize(1024, 768);
        frame.show();
        builders[QStringLiteral("MapMain")] = [this] { return new MapMain(context); };
    }

    void withManager()
    {
        builders[QStringLiteral("MapManager")] = [this] {
            return new SkinnedWindow(QStringLiteral("MapManager"), frame.clientArea(), images, screen);
        };
    }

    QWidget* loaded(const QString& name) const override { return windows.value(name); }
    QWidget* load(const QString& name) override
    {
        if (QWidget* window = loaded(name))
            return window;
        if (!builders.contains(name))
            return nullptr;
        QWidget* window = builders[name]();
        windows[name] = window;
        if (auto* form = dynamic_cast<Form*>(window))
            form->Load();
        return window;
    }
    void unload(const QString& name) override
    {
        QWidget* window = windows.take(name);
        if (!window)
            return;
        if (auto* form = dynamic_cast<Form*>(window))
            form->Unload();
        window->hide();
        window->deleteLater();
    }
    MDIForm1& mainFrame() const override { return const_cast<MDIForm1&>(frame); }
    void endProgram() override { ended = true; }

    ProgramState state;
    test::TestServices host;
    SupportImages images;
    test::RecordingMessageBoxes messages;
    test::RecordingAddressOpener addresses;
    test::RecordingLauncher launcher;
    FixedScreen screen;
    WindowContext context;
    MDIForm1 frame;
    QHash<QString, std::function<QWidget*()>> builders;
    QHash<QString, QPointer<QWidget>> windows;
    bool ended = false;
};

class ConsoleHandover : public ::testing::Test {
protected:
    ConsoleHandover()
    {
        prefix.addDrive('C');
        prefix.folder(QStringLiteral("C:\\Game\\Home\\Maps\\Stored Maps"));
        forms = std::make_unique<Windows>(prefix);
        forms->state.CurrentGame = QStringLiteral("BHWWE");
        forms->state.BhwweFolder = QStringLiteral("C:\\Game");
    }
    ~ConsoleHandover() override
    {
        forms.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    test::TestPrefix prefix;
    std::unique_ptr<Windows> forms;
};

TEST_F(ConsoleHandover, TheManagerOpensWhereTheConsoleWasAndTheConsoleGoes)
{
    forms->withManager();
    QPointer<QWidget> console = forms->load(QStringLiteral("MapMain"));
    console->show();
    console->move(40, 30);
    emit console->findChild<ImageButton*>(QStringLiteral("Image6"))->mouseDown(Qt::RightButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QWidget* manager = forms->loaded(QStringLiteral("MapManager"));
    ASSERT_NE(manager, nullptr);
    EXPECT_EQ(manager->pos(), QPoint(40, 30));
    EXPECT_TRUE(manager->isVisible());
    EXPECT_EQ(forms->loaded(QStringLiteral("MapMain")), nullptr);
    EXPECT_TRUE(console.isNull());
    EXPECT_FALSE(forms->host.pointer.busy);
}

TEST_F(ConsoleHandover, BackFromTheManagerTheConsoleTakesItsPlace)
{
    forms->withManager();
    QWidget* manager = forms->load(QStringLiteral("MapManager"));
    manager->move(25, 60);
    forms->state.ReturnFromManager = true;
    QWidget* console = forms->load(QStringLiteral("MapMain"));
    EXPECT_EQ(console->pos(), QPoint(25, 60));
    EXPECT_EQ(forms->loaded(QStringLiteral("MapManager")), nullptr);
    EXPECT_FALSE(forms->state.ReturnFromManager);
}

TEST_F(ConsoleHandover, WithoutAManagerToComeBackFromTheConsoleIsCentred)
{
    QList<QPoint> places;
    for (bool returning : {false, true}) {
        forms->state.ReturnFromManager = returning;
        places.append(forms->load(QStringLiteral("MapMain"))->pos());
        EXPECT_FALSE(forms->state.ReturnFromManager);
        forms->unload(QStringLiteral("MapMain"));
    }
    const QSize frame = forms->frame.frameGeometry().size();
    EXPECT_EQ(places.at(0), places.at(1));
    EXPECT_NEAR(places.at(0).x(), (frame.width() - 641) / 2.0, 1);
    EXPECT_NEAR(places.at(0).y(), (frame.height() - 562) / 2.0, 1);
}

} // namespace
} // namespace zv
