#include "Latin1.h"
#include "TestServices.h"

#include "core/GameRecord.h"
#include "frame/MDIForm1.h"
#include "manager/MapManager.h"
#include "platform/Launcher.h"
#include "platform/QtServices.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <atomic>
#include <thread>

namespace zv {
namespace {

using test::S;

class NoLauncher final : public Launcher {
public:
    qint64 start(const QString&) override { return 0; }
};

// The forms collection with the manager and, standing in for the windows it
// hands over to, plain windows of the names offered.
class HandOverForms final : public Forms {
public:
    HandOverForms(ProgramState& state, const SupportImages& images, const Screen& screen)
        : m_frame(state, m_addresses, images, screen)
    {
    }
    void setContext(const WindowContext* context) { m_context = context; }

    QWidget* loaded(const QString& name) const override
    {
        for (QWidget* child : m_frame.clientArea()->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            if (!child->property("unloaded").toBool())
                return child;
        }
        return nullptr;
    }
    QWidget* load(const QString& name) override
    {
        if (QWidget* window = loaded(name))
            return window;
        if (name == QLatin1String("MapManager")) {
            auto* manager = new MapManager(*m_context);
            manager->Load();
            return manager;
        }
        if (!offered.contains(name))
            return nullptr;
        auto* window = new QWidget(m_frame.clientArea());
        window->setObjectName(name);
        return window;
    }
    void unload(const QString& name) override
    {
        if (QWidget* window = loaded(name)) {
            window->setProperty("unloaded", true);
            if (auto* form = dynamic_cast<Form*>(window))
                form->Unload();
            window->hide();
            window->deleteLater();
        }
    }
    MDIForm1& mainFrame() const override { return const_cast<MDIForm1&>(m_frame); }
    void endProgram() override {}

    QStringList offered; // the other windows this collection can load

private:
    test::RecordingAddressOpener m_addresses;
    MDIForm1 m_frame;
    const WindowContext* m_context = nullptr;
};

// Wild Wings with a maps folder on C:, the manager not yet open.
class ManagerWindowTest : public ::testing::Test {
protected:
    ManagerWindowTest()
    {
        prefix.addDrive('C');
        prefix.file(S("C:\\Games\\WW\\Home\\Maps\\Creek.gmx"), "map");
        prefix.file(S("C:\\Games\\WW\\Home\\Found\\Lost.gmx"), "map");
        state.CurrentGame = kBhwwe;
        state.BhwweFolder = S("C:\\Games\\WW");
        state.MapsFolder = S("C:\\Games\\WW\\Home\\Maps");
    }
    ~ManagerWindowTest() override { QDir::setCurrent(m_savedFolder); }

    // Builds the host and the frame over the prefix as it is now; drives may stand in.
    void build(Drives* drives = nullptr)
    {
        host = std::make_unique<test::TestServices>(prefix);
        services = std::make_unique<Services>(Services{host->files, drives ? *drives : host->drives,
                                                       host->pointer, host->events,
                                                       host->services.programFolder});
        images = std::make_unique<SupportImages>(host->files, services->programFolder);
        forms = std::make_unique<HandOverForms>(state, *images, screen);
        context = std::make_unique<WindowContext>(WindowContext{
            state, *services, messages, addresses, launcher, screen, *images, *forms});
        forms->setContext(context.get());
        forms->mainFrame().show();
    }
    MapManager* open()
    {
        auto* manager = dynamic_cast<MapManager*>(forms->load(S("MapManager")));
        manager->show();
        return manager;
    }
    template <typename Control> Control* control(MapManager* manager, const char* name)
    {
        return manager->findChild<Control*>(S(name));
    }
    void click(MapManager* manager, const char* button)
    {
        QTest::mouseClick(control<ImageButton>(manager, button), Qt::LeftButton);
    }

    test::TestPrefix prefix;
    ProgramState state;
    test::RecordingMessageBoxes messages;
    test::RecordingAddressOpener addresses;
    NoLauncher launcher;
    FixedScreen screen;
    std::unique_ptr<test::TestServices> host;
    std::unique_ptr<Services> services;
    std::unique_ptr<SupportImages> images;
    std::unique_ptr<HandOverForms> forms;
    std::unique_ptr<WindowContext> context;

private:
    QString m_savedFolder = QDir::currentPath();
};

TEST_F(ManagerWindowTest, ExitToMainHandsOverToTheConsole)
{
    build();
    forms->offered = QStringList{S("MapMain"), S("ListMaps")};
    QWidget* list = forms->load(S("ListMaps"));
    list->show();
    MapManager* manager = open();

    click(manager, "Image11");
    EXPECT_TRUE(state.ReturnFromManager) << "the console's load takes the manager's place";
    EXPECT_TRUE(list->windowState() & Qt::WindowMinimized);
    QWidget* console = forms->loaded(S("MapMain"));
    ASSERT_NE(console, nullptr);
    EXPECT_TRUE(console->isVisible());
    EXPECT_FALSE(manager->isVisible());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ManagerWindowTest, WithoutAConsoleExitToMainStaysQuietly)
{
    build();
    MapManager* manager = open();
    click(manager, "Image11");
    EXPECT_FALSE(state.ReturnFromManager);
    EXPECT_TRUE(manager->isVisible());
    EXPECT_EQ(forms->loaded(S("ListMaps")), nullptr) << "a list that is not loaded is not loaded for this";
}

TEST_F(ManagerWindowTest, FindMapsHidesTheManagerAndKeepsIt)
{
    build();
    MapManager* manager = open();
    click(manager, "Image11"); // nothing to go to: stays
    click(manager, "Image6");
    EXPECT_TRUE(manager->isVisible()) << "without a finder the manager stays";

    forms->offered = QStringList{S("FindMaps")};
    auto* files = control<FileListBox>(manager, "File1");
    files->setCurrentRow(0);
    emit files->clicked();
    click(manager, "Image1");
    ASSERT_EQ(manager->mode(), ManagerMode::CopyArmed);
    click(manager, "Image15"); // Home shows the tool buttons, the copy stays armed
    click(manager, "Image6");
    QWidget* finder = forms->loaded(S("FindMaps"));
    ASSERT_NE(finder, nullptr);
    EXPECT_TRUE(finder->isVisible());
    EXPECT_FALSE(manager->isVisible());
    EXPECT_EQ(forms->loaded(S("MapManager")), manager);
    EXPECT_EQ(manager->mode(), ManagerMode::CopyArmed) << "hidden with its state";
}

TEST_F(ManagerWindowTest, APendingFindOpensTheFoundMapsFolder)
{
    state.FoundMapPending = true;
    state.FoundMapPath = S("C:\\Games\\WW\\Home\\Found\\Lost.gmx");
    build();
    MapManager* manager = open();
    EXPECT_FALSE(state.FoundMapPending);
    EXPECT_EQ(control<DirListBox>(manager, "Dir1")->path(), S("C:\\Games\\WW\\Home\\Found"));
    EXPECT_EQ(control<FileListBox>(manager, "File1")->fileName(), S("Lost.gmx"));
    EXPECT_EQ(state.ManagerSelection, S("C:\\Games\\WW\\Home\\Found\\Lost.gmx"));
    EXPECT_EQ(control<QLabel>(manager, "Label1")->text(), S("The Lost.gmx map has been selected."));
    EXPECT_TRUE(control<ImageButton>(manager, "Image1")->isEnabled());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ManagerWindowTest, APendingFindThatIsGoneLeavesTheMapsFolderOpen)
{
    state.FoundMapPending = true;
    state.FoundMapPath = S("C:\\Gone\\Lost.gmx");
    build();
    MapManager* manager = open();
    EXPECT_FALSE(state.FoundMapPending);
    EXPECT_EQ(control<DirListBox>(manager, "Dir1")->path(), state.MapsFolder);
    EXPECT_EQ(state.ManagerSelection, QString());
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A drive search that takes its time; every search is counted.
class SlowDrives final : public Drives {
public:
    int driveType(const QString& root) const override { return root == QLatin1String("C:\\") ? 3 : 1; }
    QString searchTreeForFile(const QString&, const QString&) const override
    {
        ++searches;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        return QString();
    }
    QStringList driveNames() const override { return {S("c:")}; }
    mutable std::atomic<int> searches = 0;
};

TEST_F(ManagerWindowTest, TheSwitchSearchKeepsTheWindowPaintedAndTakesNoInput)
{
    // Rocky Mountain's record names a folder that is gone: the switch searches.
    prefix.programFile(S("RMTH3.txt"), EncodeGameRecord(S("C:\\Old\\RM\\Home\\Maps")));
    state.Rmth3Folder = S("C:\\Old\\RM");
    SlowDrives slow;
    ResponsiveDrives responsive(slow);
    build(&responsive);
    MapManager* manager = open();

    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    // A second click on the switch while the first one searches.
    QTimer::singleShot(100, [&] { click(manager, "Image10"); });
    click(manager, "Image10");
    QCoreApplication::processEvents();

    EXPECT_GE(ticks, 5) << "the window thread kept running during the search";
    EXPECT_EQ(slow.searches, 1) << "drive C: once, and the click during the search was not taken";
    EXPECT_EQ(state.CurrentGame, kBhwwe);
    EXPECT_EQ(control<QLabel>(manager, "Label1")->text(),
              S("The Rocky Mountain Trophy Hunter 3 game could not be found."));
}

} // namespace
} // namespace zv
