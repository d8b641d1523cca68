#include "core/ProgramState.h"
#include "frame/Addresses.h"
#include "frame/MDIForm1.h"
#include "platform/AddressOpener.h"
#include "platform/HostFileSystem.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

namespace zv {
namespace {

class RecordingAddresses final : public AddressOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

class MainFrame : public ::testing::Test {
protected:
    DriveTable drives;
    HostFileSystem files{drives};
    SupportImages images{files, QStringLiteral("\\nowhere")};
    FixedScreen screen;
    ProgramState state;
    RecordingAddresses addresses;
    MDIForm1 frame{state, addresses, images, screen};
};

TEST_F(MainFrame, MenuTreeNamesAndCaptions)
{
    const struct {
        const char* top;
        const char* topCaption;
        std::vector<std::pair<const char*, const char*>> items;
    } tree[] = {
        {"File", "    &File    ", {{"FileRepar", "&Repair Maps"}, {"FileExit", "E&xit"}}},
        {"Internet",
         "    &Downloads    ",
         {{"InternetBHWWE", "&Download new maps"},
          {"InternetForums", "Visit &Vellmoor Forums"},
          {"VisitSSmb", "Visit the &Sunstorm message board"},
          {"DownloadVisitSite", "Visit &Zorvane's website"}}},
        {"Help",
         "    &Help    ",
         {{"HelpWhat", "&What is Zorvane?"},
          {"HelpUse", "&Using Zorvane 2.0 (Internet based)"},
          {"HelpTerms", "&Terms of Use"},
          {"HelpAbout", "&About Zorvane"}}},
    };
    const QList<QAction*> tops = frame.menuBar()->actions();
    ASSERT_EQ(tops.size(), 3);
    for (size_t i = 0; i < std::size(tree); ++i) {
        EXPECT_EQ(tops[i]->objectName(), QString::fromLatin1(tree[i].top));
        EXPECT_EQ(tops[i]->text(), QString::fromLatin1(tree[i].topCaption));
        const QList<QAction*> items = tops[i]->menu()->actions();
        ASSERT_EQ(items.size(), static_cast<qsizetype>(tree[i].items.size()));
        for (size_t j = 0; j < tree[i].items.size(); ++j) {
            EXPECT_EQ(items[j]->objectName(), QString::fromLatin1(tree[i].items[j].first));
            EXPECT_EQ(items[j]->text(), QString::fromUtf8(tree[i].items[j].second));
            EXPECT_TRUE(items[j]->isEnabled());
            EXPECT_TRUE(items[j]->shortcut().isEmpty());
        }
    }
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("  Zorvane 2.0"));
}

TEST_F(MainFrame, TopMenusAreEnabledAndDisabledWhole)
{
    frame.setMenuEnabled(QStringLiteral("Internet"), false);
    EXPECT_FALSE(frame.isMenuEnabled(QStringLiteral("Internet")));
    EXPECT_TRUE(frame.isMenuEnabled(QStringLiteral("File")));
    EXPECT_FALSE(frame.menuItem(QStringLiteral("Internet"))->isEnabled());
    frame.setMenuEnabled(QStringLiteral("Internet"), true);
    EXPECT_TRUE(frame.isMenuEnabled(QStringLiteral("Internet")));
}

TEST_F(MainFrame, AddressItemsOpenTheirPages)
{
    for (const char* item : {"InternetForums", "VisitSSmb", "DownloadVisitSite", "HelpUse"})
        frame.menuItem(QString::fromLatin1(item))->trigger();
    EXPECT_EQ(addresses.opened,
              (QStringList{ForumsAddress, BoardSiteBase + QStringLiteral("/cgi-bin/ultimate.cgi"),
                           ProgramSiteBase + QStringLiteral("/Zorvane/index.html"),
                           ProgramSiteBase + QStringLiteral("/Zorvane/Help/index.html")}));
}

TEST_F(MainFrame, RepairSetsTheFlagsOfKnownGamesOnly)
{
    int repairs = 0;
    frame.setCommands({[&] { ++repairs; }, {}, {}, {}, {}, {}});
    const struct {
        const char* bhwwe;
        const char* rmth3;
        bool bhwweDue;
        bool rmth3Due;
    } cases[] = {{"", "", false, false}, {"C", "", false, false},
                 {"C:\\WW", "", true, false}, {"", "C:\\R", false, true}, {"C:\\WW", "C:\\R", true, true}};
    for (const auto& c : cases) {
        state = ProgramState{};
        state.BhwweFolder = QString::fromLatin1(c.bhwwe);
        state.Rmth3Folder = QString::fromLatin1(c.rmth3);
        frame.menuItem(QStringLiteral("FileRepar"))->trigger();
        EXPECT_EQ(state.BhwweRepairDue, c.bhwweDue) << c.bhwwe;
        EXPECT_EQ(state.Rmth3RepairDue, c.rmth3Due) << c.rmth3;
    }
    EXPECT_EQ(repairs, 5);
}

TEST_F(MainFrame, ExitAndClosingEndTheProgram)
{
    int ends = 0;
    frame.setCommands({{}, {}, {}, {}, {}, [&] { ++ends; }});
    frame.menuItem(QStringLiteral("FileExit"))->trigger();
    EXPECT_EQ(ends, 1);
    frame.show();
    frame.close();
    EXPECT_EQ(ends, 2);
}

} // namespace
} // namespace zv
