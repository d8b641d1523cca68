#include "FinderHarness.h"

#include "finder/FindMaps.h"
#include "finder/ListMaps.h"
#include "finder/MapSearch.h"
#include "platform/QtServices.h"
#include "widgets/ImageButton.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace zv {
namespace {

template <typename Control = QWidget> Control* ControlOf(QWidget* window, const char* name)
{
    auto* control = window ? window->findChild<Control*>(QString::fromLatin1(name)) : nullptr;
    EXPECT_NE(control, nullptr) << name;
    return control;
}

class FinderWindows : public ::testing::Test {
protected:
    explicit FinderWindows(double dpi = 96) : world(dpi)
    {
        world.forms.addBuilder(QStringLiteral("FindMaps"),
                               [this] { return new FindMaps(world.finderContext); });
        world.forms.addBuilder(QStringLiteral("ListMaps"),
                               [this] { return new ListMaps(world.finderContext); });
    }

    QWidget* finder() const { return world.forms.loaded(QStringLiteral("FindMaps")); }
    QWidget* list() const { return world.forms.loaded(QStringLiteral("ListMaps")); }
    QWidget* manager() const { return world.forms.loaded(QStringLiteral("MapManager")); }

    void type(const QString& text)
    {
        auto* box = ControlOf<QLineEdit>(finder(), "Text1");
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    void pressEnter() { QTest::keyClick(ControlOf(finder(), "Text1"), Qt::Key_Return); }
    void click(QWidget* window, const char* control)
    {
        QTest::mouseClick(ControlOf(window, control), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString message() const { return ControlOf<QLabel>(finder(), "Label1")->text(); }
    QString goPicture() const { return ControlOf<ImageButton>(finder(), "Image2")->pictureName(); }
    // The list's text with the line breaks the program writes.
    QString listText() const
    {
        return ControlOf<QPlainTextEdit>(list(), "Text1")->toPlainText().replace(
            QLatin1Char('\n'), QStringLiteral("\r\n"));
    }

    test::FinderHarness world;
};

TEST_F(FinderWindows, OpeningShowsTheInstructionAndLoadsTheListMinimizedAndHidden)
{
    world.openFinder();
    EXPECT_EQ(message(), kFinderInstruction);
    EXPECT_EQ(goPicture(), QStringLiteral("Go.bmp"));
    EXPECT_EQ(finder()->pos(), QPoint(331, 294));
    EXPECT_TRUE(finder()->isVisible());
    ASSERT_NE(list(), nullptr);
    EXPECT_TRUE(list()->isMinimized());
    EXPECT_FALSE(list()->isVisible());
    EXPECT_EQ(ControlOf<QLineEdit>(finder(), "Text1"), QApplication::focusWidget())
        << "the name can be typed at once";
    EXPECT_EQ(ControlOf(finder(), "Image1")->toolTip(), QStringLiteral("Close the Find Map tool"));
    EXPECT_TRUE(world.drives.walked.isEmpty());
}

TEST_F(FinderWindows, TheListStartsBesideTheManagerWhichIsThenCentredInTheFrame)
{
    world.openFinder();
    SetMinimized(*list(), false);
    // Placed against the manager at (40, 30) before it moved.
    EXPECT_EQ(list()->pos(), QPoint(540, 390));
    // Centred by the frame's outer size (title and menu bar included), not its client area.
    const QSize outer = world.frame.frameGeometry().size();
    ASSERT_NE(outer, world.frame.clientArea()->size());
    EXPECT_EQ(manager()->size(), QSize(624, 567));
    EXPECT_EQ(manager()->pos(), QPoint(qRound((outer.width() - 624) / 2.0),
                                       qRound((outer.height() - 567) / 2.0)));
}

TEST_F(FinderWindows, EnterSearchesForTheNameWithoutItsBlanks)
{
    world.prefix.file(QStringLiteral("C:\\Maps\\Marsh.gmx"));
    world.prefix.file(QStringLiteral("D:\\Marsh.gmx"));
    world.openFinder();
    type(QStringLiteral("   Marsh.gmx  "));
    pressEnter();
    EXPECT_EQ(message(), FoundMessage(QStringLiteral("C:\\Maps\\Marsh.gmx")));
    EXPECT_EQ(world.state.FoundMapPath, QStringLiteral("C:\\Maps\\Marsh.gmx"));
    EXPECT_TRUE(world.state.FoundMapPending);
    EXPECT_EQ(goPicture(), QStringLiteral("Go.bmp"));
    EXPECT_FALSE(world.services.pointer.busy);
    EXPECT_EQ(world.drives.walked, QStringList{QStringLiteral("C:\\")});
    EXPECT_EQ(ControlOf<QLineEdit>(finder(), "Text1")->text(), QStringLiteral("   Marsh.gmx  "))
        << "Enter does not reach the box";
}

TEST_F(FinderWindows, EnterInAnEmptyOrBlankBoxDoesNothing)
{
    for (const char* typed : {"", "    "}) {
        SCOPED_TRACE(typed);
        world.openFinder();
        type(QString::fromLatin1(typed));
        pressEnter();
        EXPECT_EQ(message(), kFinderInstruction);
        EXPECT_TRUE(world.drives.walked.isEmpty());
        EXPECT_EQ(world.state.DriveTypes[0], QString()) << "not even the drives are classified";
        EXPECT_TRUE(world.services.pointer.calls.isEmpty());
        world.forms.unload(QStringLiteral("FindMaps"));
    }
}

TEST_F(FinderWindows, GoInAnEmptyOrBlankBoxSearchesForTheEmptyName)
{
    world.prefix.file(QStringLiteral("C:\\Marsh.gmx"));
    for (const char* typed : {"", "    "}) {
        SCOPED_TRACE(typed);
        world.drives.walked.clear();
        world.openFinder();
        type(QString::fromLatin1(typed));
        click(finder(), "Image2");
        EXPECT_EQ(message(), kNotFoundMessage);
        EXPECT_EQ(world.drives.walked, (QStringList{"C:\\", "D:\\"}));
        EXPECT_FALSE(world.state.FoundMapPending);
        EXPECT_NE(finder(), nullptr) << "the finder stays open";
        world.forms.unload(QStringLiteral("FindMaps"));
    }
}

// After a find, both ways out show the manager and the list with the path as its last line;
// only Go clears the pending find.
TEST_F(FinderWindows, LeavingAfterAFindShowsTheManagerAndTheList)
{
    const struct {
        const char* button;
        bool pendingAfter;
    } cases[] = {{"Image2", false}, {"Image1", true}};
    world.prefix.file(QStringLiteral("D:\\Hunting\\Marsh.gmx"));
    QString expectedText;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button);
        world.openFinder();
        type(QStringLiteral("Marsh.gmx"));
        pressEnter();
        ASSERT_TRUE(world.state.FoundMapPending);
        QPointer<QWidget> leaving = finder();

        click(finder(), c.button);

        expectedText += QStringLiteral("\r\nD:\\Hunting\\Marsh.gmx");
        EXPECT_EQ(finder(), nullptr);
        EXPECT_TRUE(leaving.isNull()) << "the finder is unloaded";
        EXPECT_EQ(world.state.FoundMapPending, c.pendingAfter);
        EXPECT_TRUE(manager()->isVisible());
        ASSERT_NE(list(), nullptr);
        EXPECT_TRUE(list()->isVisible());
        EXPECT_FALSE(list()->isMinimized());
        EXPECT_EQ(listText(), expectedText);
        EXPECT_EQ(list()->pos(), manager()->pos() + QPoint(500, 360));
    }
    EXPECT_EQ(world.state.FoundMapPath, QStringLiteral("D:\\Hunting\\Marsh.gmx"));
}

TEST_F(FinderWindows, ClosingWithAnEmptyBoxAddsTheLastFindAndMinimizesTheList)
{
    const struct {
        const char* earlier;
        const char* text;
    } cases[] = {{"", "\r\n"}, {"C:\\Maps\\Earlier.gmx", "\r\n\r\nC:\\Maps\\Earlier.gmx"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.earlier);
        world.state.FoundMapPath = QString::fromLatin1(c.earlier);
        world.openFinder();
        click(finder(), "Image1");
        EXPECT_EQ(finder(), nullptr);
        EXPECT_TRUE(manager()->isVisible());
        EXPECT_EQ(listText(), QString::fromLatin1(c.text));
        EXPECT_TRUE(list()->isVisible());
        EXPECT_TRUE(list()->isMinimized());
        EXPECT_FALSE(world.state.FoundMapPending);
    }
    EXPECT_TRUE(world.drives.walked.isEmpty());
}

TEST_F(FinderWindows, ClosingAfterAFailedSearchWithTextAddsTheEarlierFindAndKeepsTheListOpen)
{
    world.state.FoundMapPath = QStringLiteral("C:\\Maps\\Earlier.gmx");
    world.openFinder();
    type(QStringLiteral("Nowhere.gmx"));
    click(finder(), "Image2");
    ASSERT_EQ(message(), kNotFoundMessage);
    click(finder(), "Image1");
    EXPECT_EQ(listText(), QStringLiteral("\r\nC:\\Maps\\Earlier.gmx"));
    EXPECT_TRUE(list()->isVisible());
    EXPECT_FALSE(list()->isMinimized());
}

TEST_F(FinderWindows, AFailedSearchAfterAFindLeavesGoShowingTheFind)
{
    world.prefix.file(QStringLiteral("C:\\Marsh.gmx"));
    world.openFinder();
    type(QStringLiteral("Marsh.gmx"));
    pressEnter();
    type(QStringLiteral("Nowhere.gmx"));
    pressEnter();
    EXPECT_EQ(message(), kNotFoundMessage);
    EXPECT_TRUE(world.state.FoundMapPending);
    world.drives.walked.clear();
    click(finder(), "Image2");
    EXPECT_TRUE(world.drives.walked.isEmpty()) << "Go shows the find instead of searching";
    EXPECT_EQ(finder(), nullptr);
    EXPECT_FALSE(world.state.FoundMapPending);
    EXPECT_EQ(listText(), QStringLiteral("\r\nC:\\Marsh.gmx"));
}

// Closed with its close button after a find, the finder leaves the find waiting for the
// manager's next load. Opened again before that, its Go still searches for the new name.
TEST_F(FinderWindows, AFindLeftWaitingByAnEarlierOpeningDoesNotStopGoFromSearching)
{
    world.prefix.file(QStringLiteral("C:\\Marsh.gmx"));
    world.prefix.file(QStringLiteral("D:\\Lake.gmx"));
    world.openFinder();
    type(QStringLiteral("Marsh.gmx"));
    pressEnter();
    click(finder(), "Image1");
    ASSERT_TRUE(world.state.FoundMapPending);

    world.openFinder();
    type(QStringLiteral("Lake.gmx"));
    click(finder(), "Image2");
    ASSERT_NE(finder(), nullptr) << "Go searched instead of leaving";
    EXPECT_EQ(message(), FoundMessage(QStringLiteral("D:\\Lake.gmx")));
    EXPECT_TRUE(world.state.FoundMapPending);

    click(finder(), "Image2");
    EXPECT_EQ(finder(), nullptr);
    EXPECT_FALSE(world.state.FoundMapPending);
    EXPECT_EQ(listText(), QStringLiteral("\r\nC:\\Marsh.gmx\r\nD:\\Lake.gmx"));
}

// Without a find in this opening, a name that is nowhere leaves Go searching again.
TEST_F(FinderWindows, AfterAnEarlierFindAndAMissGoSearchesAgain)
{
    world.state.FoundMapPath = QStringLiteral("C:\\Maps\\Earlier.gmx");
    world.state.FoundMapPending = true;
    world.openFinder();
    type(QStringLiteral("Nowhere.gmx"));
    click(finder(), "Image2");
    ASSERT_EQ(message(), kNotFoundMessage);
    world.drives.walked.clear();
    click(finder(), "Image2");
    EXPECT_EQ(world.drives.walked, (QStringList{"C:\\", "D:\\"}));
    EXPECT_NE(finder(), nullptr);
    EXPECT_TRUE(world.state.FoundMapPending) << "still the manager's to take";
}

TEST_F(FinderWindows, TheListKeepsEveryLineForTheRunDuplicatesIncluded)
{
    world.prefix.file(QStringLiteral("C:\\Maps\\Marsh.gmx"));
    world.prefix.file(QStringLiteral("D:\\Lake.gmx"));
    for (const char* name : {"Marsh.gmx", "Marsh.gmx", "Lake.gmx"}) {
        world.openFinder();
        type(QString::fromLatin1(name));
        pressEnter();
        click(finder(), "Image2");
        // What the manager does when it returns to the console.
        SetMinimized(*list(), true);
    }
    world.openFinder();
    click(finder(), "Image1");
    EXPECT_EQ(listText(), QStringLiteral("\r\nC:\\Maps\\Marsh.gmx\r\nC:\\Maps\\Marsh.gmx"
                                         "\r\nD:\\Lake.gmx\r\nD:\\Lake.gmx"));
}

TEST_F(FinderWindows, TheListsCloseButtonMinimizesItToABarThatBringsItBack)
{
    world.state.FoundMapPath = QStringLiteral("C:\\Marsh.gmx");
    world.openFinder();
    type(QStringLiteral("x"));
    click(finder(), "Image1");
    ASSERT_FALSE(list()->isMinimized());
    const QRect normal = list()->geometry();
    const QRegion outline = list()->mask();
    ASSERT_FALSE(outline.isEmpty());

    click(list(), "Image1");
    EXPECT_TRUE(list()->isMinimized());
    EXPECT_TRUE(list()->isVisible());
    EXPECT_NE(world.forms.loaded(QStringLiteral("ListMaps")), nullptr) << "it stays loaded";
    auto* bar = ControlOf<QPushButton>(list(), "MinimizedBar");
    EXPECT_TRUE(bar->isVisible());
    EXPECT_FALSE(ControlOf(list(), "Text1")->isVisible());
    const QWidget* area = world.frame.clientArea();
    EXPECT_EQ(list()->geometry().bottomLeft(), QPoint(0, area->height() - 1));

    click(list(), "MinimizedBar");
    EXPECT_FALSE(list()->isMinimized());
    EXPECT_EQ(list()->geometry(), normal);
    EXPECT_EQ(list()->mask(), outline);
    EXPECT_EQ(listText(), QStringLiteral("\r\nC:\\Marsh.gmx"));
}

TEST_F(FinderWindows, TheListTakesNoTyping)
{
    world.openFinder();
    click(finder(), "Image1");
    SetMinimized(*list(), false);
    auto* text = ControlOf<QPlainTextEdit>(list(), "Text1");
    text->setFocus();
    QTest::keyClicks(text, QStringLiteral("typed"));
    EXPECT_EQ(listText(), QStringLiteral("\r\n"));
}

TEST_F(FinderWindows, AFailingSearchIsShownAndTheFinderGivesWayToTheManager)
{
    QFile::remove(world.prefix.programHostFolder() + QStringLiteral("/Support/GoOff.bmp"));
    world.state.FoundMapPath = QStringLiteral("C:\\Earlier.gmx");
    world.prefix.file(QStringLiteral("C:\\Marsh.gmx"));
    world.openFinder();
    type(QStringLiteral("Marsh.gmx"));
    pressEnter();
    EXPECT_EQ(world.messages.shown, QStringList{QStringLiteral("File not found, 53")});
    EXPECT_EQ(finder(), nullptr);
    EXPECT_TRUE(manager()->isVisible());
    EXPECT_FALSE(list()->isVisible()) << "the list is not shown on this way out";
    EXPECT_EQ(world.state.FoundMapPath, QStringLiteral("C:\\Earlier.gmx"));
    EXPECT_FALSE(world.state.FoundMapPending);
    EXPECT_FALSE(world.services.pointer.busy);
    EXPECT_TRUE(world.drives.walked.isEmpty());
}

TEST_F(FinderWindows, WithoutItsGoPictureTheFinderStillOpensAndSearches)
{
    QFile::remove(world.prefix.programHostFolder() + QStringLiteral("/Support/Go.bmp"));
    world.prefix.file(QStringLiteral("D:\\Marsh.gmx"));
    world.openFinder();
    EXPECT_EQ(message(), kFinderInstruction);
    EXPECT_TRUE(list()->isMinimized()) << "the rest of the load went on";
    type(QStringLiteral("Marsh.gmx"));
    click(finder(), "Image2");
    EXPECT_EQ(world.state.FoundMapPath, QStringLiteral("D:\\Marsh.gmx"));
    // Putting the ready picture back fails after the find: shown, and the finder closes.
    EXPECT_EQ(world.messages.shown, QStringList{QStringLiteral("File not found, 53")});
    EXPECT_EQ(finder(), nullptr);
}

class FinderWindowsAt120Dpi : public FinderWindows {
protected:
    FinderWindowsAt120Dpi() : FinderWindows(120) {}
};

TEST_F(FinderWindowsAt120Dpi, TheListKeepsItsOffsetInDevicePixels)
{
    world.openFinder();
    EXPECT_EQ(finder()->pos(), QPoint(414, 368)) << "331, 294 design pixels at 1.25";
    SetMinimized(*list(), false);
    EXPECT_EQ(list()->pos(), QPoint(540, 390));
    SetMinimized(*list(), true);
    world.state.FoundMapPath = QStringLiteral("C:\\Marsh.gmx");
    type(QStringLiteral("x"));
    click(finder(), "Image1");
    EXPECT_EQ(list()->pos(), manager()->pos() + QPoint(500, 360));
}

// A drive search that waits for the test to let it finish.
class GatedDrives final : public Drives {
public:
    explicit GatedDrives(const Drives& inner) : m_inner(inner) {}
    int driveType(const QString& root) const override { return m_inner.driveType(root); }
    QString searchTreeForFile(const QString& root, const QString& fileName) const override
    {
        ++searches;
        for (int waited = 0; !open && waited < 10000; waited += 5)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return m_inner.searchTreeForFile(root, fileName);
    }
    QStringList driveNames() const override { return m_inner.driveNames(); }

    mutable std::atomic<int> searches{0};
    std::atomic<bool> open{false};

private:
    const Drives& m_inner;
};

class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The program searches through ResponsiveDrives: while a drive is walked the finder keeps
// painting, but a click or a key press meanwhile is not taken.
TEST_F(FinderWindows, WhileADriveIsSearchedTheFinderPaintsButTakesNoInput)
{
    GatedDrives gated(world.services.drives);
    ResponsiveDrives responsive(gated);
    Services services{world.services.files, responsive, world.services.pointer,
                      world.services.events, world.services.services.programFolder};
    WindowContext context{world.state, services, world.messages, world.addresses,
                          world.launcher, world.screen, world.images, world.forms};
    world.forms.addBuilder(QStringLiteral("FindMaps"), [&] { return new FindMaps(context); });
    world.prefix.file(QStringLiteral("D:\\Marsh.gmx"));
    world.openFinder();
    type(QStringLiteral("Marsh.gmx"));

    PaintCounter painted;
    ControlOf(finder(), "Label1")->installEventFilter(&painted);
    QString messageMeanwhile;
    QString pictureMeanwhile;
    bool pointerBusyMeanwhile = false;
    QTimer::singleShot(100, [&] {
        messageMeanwhile = message();
        pictureMeanwhile = goPicture();
        pointerBusyMeanwhile = world.services.pointer.busy;
        QTest::mouseClick(ControlOf(finder(), "Image2"), Qt::LeftButton);
        QTest::keyClick(ControlOf(finder(), "Text1"), Qt::Key_Return);
        QTest::mouseClick(ControlOf(finder(), "Image1"), Qt::LeftButton);
        gated.open = true;
    });
    pressEnter();

    EXPECT_EQ(messageMeanwhile, kSearchingMessage);
    EXPECT_EQ(pictureMeanwhile, QStringLiteral("GoOff.bmp"));
    EXPECT_TRUE(pointerBusyMeanwhile);
    EXPECT_GE(painted.paints, 1) << "the waiting message was painted during the search";
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(gated.searches, 2) << "C: and D:, once each: the click and the key were not taken";
    ASSERT_NE(finder(), nullptr) << "the close button was not taken either";
    EXPECT_EQ(message(), FoundMessage(QStringLiteral("D:\\Marsh.gmx")));
    EXPECT_EQ(ControlOf<QLineEdit>(finder(), "Text1")->text(), QStringLiteral("Marsh.gmx"));
}

} // namespace
} // namespace zv
