// The download browser window with a stand-in for the browser engine: what the user is told
// about downloads, the window without a browser, and the frame's menu bar.

#include "TestPrefix.h"
#include "TestServices.h"

#include "browser/Grabber.h"
#include "frame/MDIForm1.h"
#include "platform/AddressOpener.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"
#include "widgets/ImageButton.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>

#include <gtest/gtest.h>

#include <utility>

namespace zv {
namespace {

class RecordedMessages final : public MessageBoxes {
public:
    void show(const QString& text) override { shown.append(text); }
    QStringList shown;
};

class NoAddresses final : public AddressOpener {
public:
    void open(const QString&) override {}
};

// Never asked to start anything here; it answers as the launcher interface has it answer.
class NoLauncher final : public Launcher {
public:
    using Answer = decltype(std::declval<Launcher&>().start(QString()));
    Answer start(const QString&) override { return Answer(); }
};

// The browser engine as far as the window can tell: it writes down what it is asked.
class StandInBrowser final : public QWidget, public BrowserComponent {
public:
    StandInBrowser(QWidget* parent, BrowserEvents given) : QWidget(parent), events(std::move(given)) {}
    QWidget* widget() override { return this; }
    void Navigate2(const QString& address) override { asked.append(address); }
    void GoBack() override { asked.append(QStringLiteral("back")); }
    void GoForward() override { asked.append(QStringLiteral("forward")); }
    void Refresh2() override { asked.append(QStringLiteral("refresh")); }
    void Stop() override { asked.append(QStringLiteral("stop")); }
    QString LocationURL() const override { return asked.value(0); }
    bool Busy() const override { return false; }
    void FollowLink(const QString&, std::function<void(bool)> done) override { done(false); }

    BrowserEvents events;
    QStringList asked;
};

// Just enough of the forms collection for one browser window in a frame.
class OneWindowForms final : public Forms {
public:
    explicit OneWindowForms(MDIForm1& frame) : m_frame(frame) {}
    QWidget* loaded(const QString& name) const override
    {
        return window && name == window->objectName() ? window : nullptr;
    }
    QWidget* load(const QString& name) override
    {
        asked.append(name);
        return loaded(name);
    }
    void unload(const QString& name) override
    {
        unloaded.append(name);
        if (QWidget* found = loaded(name)) {
            dynamic_cast<Form*>(found)->Unload();
            found->hide();
            window = nullptr;
        }
    }
    MDIForm1& mainFrame() const override { return m_frame; }
    void endProgram() override {}

    QWidget* window = nullptr;
    QStringList asked;
    QStringList unloaded;

private:
    MDIForm1& m_frame;
};

class GrabberTest : public ::testing::Test {
protected:
    test::TestPrefix prefix;
    test::TestServices host{prefix};
    SupportImages images{host.files, QStringLiteral("C:\\nowhere")};
    FixedScreen screen;
    ProgramState state;
    RecordedMessages messages;
    NoAddresses addresses;
    NoLauncher launcher;
    MDIForm1 frame{state, addresses, images, screen};
    OneWindowForms forms{frame};
    WindowContext context{state, host.services, messages, addresses, launcher, screen, images, forms};
    StandInBrowser* browser = nullptr;

    BrowserSetup setup(const QString& downloadHost)
    {
        BrowserSetup made;
        made.repositoryBase = QStringLiteral("http://repository.test");
        made.downloads = {downloadHost, QStringLiteral("C:\\Downloads")};
        made.makeBrowser = [this](QWidget* parent, BrowserEvents events, QString*) {
            browser = new StandInBrowser(parent, std::move(events));
            return browser;
        };
        return made;
    }

    Grabber* open(const BrowserSetup& with)
    {
        auto* grabber = new Grabber(context, with);
        forms.window = grabber;
        grabber->Load();
        return grabber;
    }

    QString statusOf(Grabber* grabber)
    {
        return grabber->findChild<QLabel*>(QStringLiteral("DownloadStatus"))->text();
    }
};

TEST_F(GrabberTest, ADownloadIsFollowedFromStartToItsSavedFile)
{
    const QString folder = prefix.root() + QStringLiteral("/Downloads");
    Grabber* grabber = open(setup(folder));
    ASSERT_TRUE(browser);
    EXPECT_EQ(browser->asked, QStringList{QStringLiteral("http://repository.test/archive/Zorvane/index.html")});

    const QString target = browser->events.downloadRequested(QStringLiteral("Marsh.exe"));
    EXPECT_EQ(target, folder + QStringLiteral("/Marsh.exe"));
    EXPECT_EQ(statusOf(grabber), QStringLiteral("Downloading Marsh.exe ..."));

    browser->events.downloadChanged({DownloadReport::Stage::Receiving, QStringLiteral("Marsh.exe"), 512, 2048, {}});
    EXPECT_EQ(statusOf(grabber), QStringLiteral("Downloading Marsh.exe: 25 %"));
    EXPECT_EQ(grabber->findChild<QProgressBar*>(QStringLiteral("DownloadProgress"))->value(), 25);
    browser->events.downloadChanged({DownloadReport::Stage::Receiving, QStringLiteral("Marsh.exe"), 4096, -1, {}});
    EXPECT_EQ(statusOf(grabber), QStringLiteral("Downloading Marsh.exe: 4 KB"));
    browser->events.downloadChanged({DownloadReport::Stage::Saved, QStringLiteral("Marsh.exe"), 2048, 2048, {}});
    EXPECT_EQ(statusOf(grabber), QStringLiteral("Marsh.exe was saved in C:\\Downloads."));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(GrabberTest, AFailedDownloadSaysWhyInAMessage)
{
    Grabber* grabber = open(setup(prefix.root() + QStringLiteral("/Downloads")));
    ASSERT_TRUE(browser);
    browser->events.downloadRequested(QStringLiteral("Ridge.exe"));
    browser->events.downloadChanged({DownloadReport::Stage::Failed, QStringLiteral("Ridge.exe"), 10, 900,
                                     QStringLiteral("Network error")});
    const QString said = QStringLiteral("The download of Ridge.exe failed: Network error.");
    EXPECT_EQ(messages.shown, QStringList{said});
    EXPECT_EQ(statusOf(grabber), said);
}

TEST_F(GrabberTest, ADownloadFolderThatCannotBeMadeRefusesTheDownload)
{
    const QString blocked = prefix.root() + QStringLiteral("/Downloads");
    {
        QFile inTheWay(blocked);
        ASSERT_TRUE(inTheWay.open(QIODevice::WriteOnly));
        inTheWay.write("kept");
    }
    open(setup(blocked));
    ASSERT_TRUE(browser);
    EXPECT_TRUE(browser->events.downloadRequested(QStringLiteral("Ridge.exe")).isEmpty());
    EXPECT_EQ(messages.shown,
              QStringList{QStringLiteral("The download of Ridge.exe cannot be saved: the folder "
                                         "C:\\Downloads cannot be written to.")});
    QFile kept(blocked);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("kept"));
}

TEST_F(GrabberTest, WithoutABrowserTheWindowSaysWhyAndStillWorks)
{
    BrowserSetup without = setup(prefix.root());
    without.makeBrowser = [](QWidget*, BrowserEvents, QString* whyNot) -> BrowserComponent* {
        *whyNot = QStringLiteral("The download browser is not installed.");
        return nullptr;
    };
    Grabber* grabber = open(without);
    EXPECT_EQ(grabber->browser(), nullptr);
    auto* reason = grabber->findChild<QLabel*>(QStringLiteral("WebBrowser1"));
    ASSERT_TRUE(reason);
    EXPECT_EQ(reason->text(), QStringLiteral("The download browser is not installed."));
    grabber->show();
    // The page buttons and the navigation row have nothing to drive, and say nothing.
    for (const char* name : {"Image1", "Image2", "Image3", "Command2", "Command6", "Command7"}) {
        QWidget* button = grabber->findChild<QWidget*>(QLatin1String(name));
        ASSERT_TRUE(button) << name;
        QMetaObject::invokeMethod(button, "clicked");
    }
    EXPECT_EQ(grabber->pageButtons().ButtonMode, 2);
    EXPECT_TRUE(messages.shown.isEmpty());
    delete grabber;
}

TEST_F(GrabberTest, ItsMenuHoldsTheMenuBarWhileItIsShown)
{
    frame.show();
    Grabber* grabber = open(setup(prefix.root()));
    const auto barNames = [this] {
        QStringList names;
        for (QAction* entry : frame.menuBar()->actions()) {
            if (entry->isVisible())
                names.append(entry->objectName());
        }
        return names;
    };
    EXPECT_EQ(barNames(), (QStringList{QStringLiteral("File"), QStringLiteral("Internet"), QStringLiteral("Help")}));
    grabber->show();
    EXPECT_EQ(barNames(), (QStringList{QStringLiteral("Return"), QStringLiteral("SwitchGame")}));
    EXPECT_EQ(frame.menuOwner(), grabber);
    // Hidden for the installer, then shown again.
    grabber->hide();
    EXPECT_EQ(barNames(), (QStringList{QStringLiteral("File"), QStringLiteral("Internet"), QStringLiteral("Help")}));
    grabber->show();
    EXPECT_EQ(barNames(), (QStringList{QStringLiteral("Return"), QStringLiteral("SwitchGame")}));
    // The close button at the bar's end closes the browser, which brings the console back.
    auto* close = frame.menuBar()->cornerWidget(Qt::TopRightCorner);
    ASSERT_TRUE(close);
    QMetaObject::invokeMethod(close, "click");
    EXPECT_EQ(forms.unloaded, (QStringList{QStringLiteral("MapMain"), QStringLiteral("MapManager"),
                                           QStringLiteral("FindMaps"), QStringLiteral("Help1"),
                                           QStringLiteral("Help2"), QStringLiteral("Help3"),
                                           QStringLiteral("Install"), QStringLiteral("Grabber"),
                                           QStringLiteral("MapManager")}));
    EXPECT_EQ(forms.asked.value(forms.asked.size() - 1), QStringLiteral("MapMain"));
    EXPECT_EQ(barNames(), (QStringList{QStringLiteral("File"), QStringLiteral("Internet"), QStringLiteral("Help")}));
    EXPECT_EQ(frame.menuOwner(), nullptr);
    delete grabber;
}

TEST_F(GrabberTest, UnloadedFromElsewhereItStillBringsTheConsoleBack)
{
    // An information window closes the browser through the forms collection.
    frame.show();
    Grabber* grabber = open(setup(prefix.root()));
    grabber->show();
    forms.asked.clear();
    forms.unloaded.clear();
    forms.unload(QStringLiteral("Grabber"));
    EXPECT_EQ(forms.unloaded, (QStringList{QStringLiteral("Grabber"), QStringLiteral("MapManager")}));
    EXPECT_EQ(forms.asked, QStringList{QStringLiteral("MapMain")});
    EXPECT_EQ(frame.menuOwner(), nullptr);
    delete grabber;
}

TEST_F(GrabberTest, MissingPicturesLeaveThePageButtonsBlankButWorking)
{
    // This test's program folder holds no Support pictures at all.
    Grabber* grabber = open(setup(prefix.root()));
    ASSERT_TRUE(browser);
    for (const char* name : {"Image2", "Image5"}) {
        auto* button = grabber->findChild<ImageButton*>(QLatin1String(name));
        ASSERT_TRUE(button);
        QMetaObject::invokeMethod(button, "clicked");
        EXPECT_TRUE(button->pictureName().isEmpty()) << name;
    }
    EXPECT_EQ(browser->asked.value(1),
              QStringLiteral("http://repository.test/archive/Zorvane/BHWWE/grouse.html"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(GrabberTest, TheBrowsersProgressReachesTheBar)
{
    Grabber* grabber = open(setup(prefix.root()));
    ASSERT_TRUE(browser);
    auto* bar = grabber->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    browser->events.progressChange(40, 100);
    EXPECT_EQ(bar->value(), 40);
    browser->events.progressChange(100, 100);
    EXPECT_EQ(bar->value(), 40);
    browser->events.progressChange(-1, 100);
    EXPECT_EQ(bar->value(), 0);
}

} // namespace
} // namespace zv
