// The runner's input and reading layer against plain widgets: where the mouse lands, what a
// press, click and double click do, typing, and what the readers report.

#include "Input.h"
#include "Controls.h"
#include "Outcome.h"

#include "platform/DriveTable.h"
#include "platform/HostFileSystem.h"
#include "widgets/ImageButton.h"
#include "platform/SupportImages.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace zv::scenario {
namespace {

class InputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_top = std::make_unique<QWidget>();
        m_top->resize(400, 300);
    }

    void showTop()
    {
        m_top->show();
        m_top->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_top.get()));
    }

    template <typename W, typename... Args> W* add(QRect geometry, Args&&... args)
    {
        auto* widget = new W(std::forward<Args>(args)..., m_top.get());
        widget->setGeometry(geometry);
        return widget;
    }

    ImageButton* addButton(const char* name, QRect geometry)
    {
        auto* button = new ImageButton(m_images, QString::fromLatin1(name), m_top.get());
        button->setGeometry(geometry);
        return button;
    }

    DriveTable m_drives;
    HostFileSystem m_files{m_drives};
    SupportImages m_images{m_files, QString()};
    std::unique_ptr<QWidget> m_top;
};

// --- where the mouse lands -------------------------------------------------------------------

struct ReachCase {
    const char* label;
    QRect cover;        // a later sibling over the target; empty for none
    QRegion parentMask; // the top window's outline; empty for none
    bool hidden;
    std::optional<QPoint> expected;
};

class ReachTest : public InputTest, public ::testing::WithParamInterface<ReachCase> {};

TEST_P(ReachTest, FindsAPointThatLandsOnTheTarget)
{
    const ReachCase& c = GetParam();
    auto* target = add<QLabel>(QRect(100, 100, 40, 20));
    if (!c.cover.isEmpty())
        add<QLabel>(c.cover);
    if (!c.parentMask.isEmpty())
        m_top->setMask(c.parentMask);
    target->setHidden(c.hidden);
    showTop();

    const auto point = ReachablePoint(*target, target->rect().center(), false);
    EXPECT_EQ(point, c.expected);
    if (point) {
        EXPECT_EQ(m_top->childAt(target->mapTo(m_top.get(), *point)), target);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReachTest,
    ::testing::Values(
        ReachCase{"free", {}, {}, false, QPoint(19, 9)},
        // The right part is covered: the first free point in reading order is the top-left.
        ReachCase{"half_covered", QRect(110, 90, 60, 40), {}, false, QPoint(0, 0)},
        ReachCase{"covered", QRect(90, 90, 60, 40), {}, false, std::nullopt},
        // Only the bottom-right corner of the target lies inside the outline.
        ReachCase{"cut_by_outline", {}, QRegion(130, 115, 100, 100), false, QPoint(30, 15)},
        ReachCase{"outside_outline", {}, QRegion(0, 0, 50, 50), false, std::nullopt},
        ReachCase{"hidden", {}, {}, true, std::nullopt}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(InputTest, TheBodyOfAWindowIsWhereNoControlIs)
{
    auto* window = add<QWidget>(QRect(50, 50, 30, 30));
    new QLabel(window); // covers 0,0 upwards
    window->findChild<QLabel*>()->setGeometry(0, 0, 30, 20);
    showTop();

    const auto body = ReachablePoint(*window, window->rect().center(), true);
    ASSERT_TRUE(body.has_value());
    EXPECT_GE(body->y(), 20);
    EXPECT_EQ(m_top->childAt(window->mapTo(m_top.get(), *body)), window);
}

// --- presses and clicks -----------------------------------------------------------------------

TEST_F(InputTest, APressLetGoElsewhereIsNoClickAndLeavesTheMouseFree)
{
    ImageButton* pressed = addButton("Pressed", QRect(10, 10, 50, 50));
    ImageButton* clicked = addButton("Clicked", QRect(100, 10, 50, 50));
    showTop();
    QSignalSpy downs(pressed, &ImageButton::mouseDown);
    QSignalSpy pressedClicks(pressed, &ImageButton::clicked);
    QSignalSpy otherClicks(clicked, &ImageButton::clicked);

    Press(*pressed, QPoint(25, 25), Qt::RightButton);
    Release(*m_top, QPoint(-1, -1), Qt::RightButton);
    Press(*pressed, QPoint(25, 25), Qt::LeftButton);
    Release(*m_top, QPoint(-1, -1), Qt::LeftButton);
    Click(*clicked, QPoint(25, 25), Qt::LeftButton);

    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(pressedClicks.count(), 0);
    EXPECT_EQ(otherClicks.count(), 1) << "the earlier press must not hold the mouse";
}

TEST_F(InputTest, ADisabledButtonIgnoresAClick)
{
    ImageButton* button = addButton("Off", QRect(10, 10, 50, 50));
    button->setEnabled(false);
    showTop();
    QSignalSpy clicks(button, &ImageButton::clicked);
    QSignalSpy downs(button, &ImageButton::mouseDown);

    Click(*button, QPoint(25, 25), Qt::LeftButton);

    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(downs.count(), 0);
}

TEST_F(InputTest, ClicksAndDoubleClicksOnListEntries)
{
    auto* list = add<QListWidget>(QRect(10, 10, 200, 200));
    list->addItems({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    showTop();
    QSignalSpy clicked(list, &QListWidget::itemClicked);
    QSignalSpy opened(list, &QListWidget::itemDoubleClicked);
    const QPoint b = list->visualItemRect(list->item(1)).center();

    Click(*list->viewport(), b, Qt::LeftButton);
    EXPECT_EQ(SelectedOf(*list, QStringLiteral("L")), QStringList{QStringLiteral("b")});
    EXPECT_EQ(TextOf(*list, QStringLiteral("L")), QStringLiteral("b"));
    EXPECT_EQ(clicked.count(), 1);
    EXPECT_EQ(opened.count(), 0);

    DoubleClick(*list->viewport(), list->visualItemRect(list->item(2)).center());
    ASSERT_EQ(opened.count(), 1);
    EXPECT_EQ(opened.at(0).at(0).value<QListWidgetItem*>()->text(), QStringLiteral("c"));
}

// --- typing -------------------------------------------------------------------------------------

TEST_F(InputTest, TypedCharactersAndEnterReachATextBox)
{
    auto* line = add<QLineEdit>(QRect(10, 10, 200, 20));
    showTop();
    line->setFocus();
    QSignalSpy entered(line, &QLineEdit::returnPressed);

    for (QChar c : QStringLiteral("Creek é-1 \"x\""))
        TypeCharacter(*line, c);
    PressKey(*line, Qt::Key_Return, TextOfKey(Qt::Key_Return));

    EXPECT_EQ(line->text(), QStringLiteral("Creek é-1 \"x\""));
    EXPECT_EQ(entered.count(), 1);
}

TEST_F(InputTest, AMultiLineBoxReadsWithCrLf)
{
    auto* box = add<QTextEdit>(QRect(10, 10, 200, 100));
    showTop();
    box->setFocus();
    TypeCharacter(*box, QLatin1Char('a'));
    PressKey(*box, Qt::Key_Return, TextOfKey(Qt::Key_Return));
    TypeCharacter(*box, QLatin1Char('b'));
    EXPECT_EQ(TextOf(*box, QStringLiteral("Text1")), QStringLiteral("a\r\nb"));
}

struct KeyCase {
    const char* name;
    std::optional<int> key;
};

class KeyNamedTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyNamedTest, NamesAKey)
{
    EXPECT_EQ(KeyNamed(QString::fromUtf8(GetParam().name)), GetParam().key) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyNamedTest,
                         ::testing::Values(KeyCase{"Enter", Qt::Key_Return},
                                           KeyCase{"Escape", Qt::Key_Escape},
                                           KeyCase{"a", Qt::Key_A}, KeyCase{"A", Qt::Key_A},
                                           KeyCase{"7", Qt::Key_7}, KeyCase{"é", Qt::Key_unknown},
                                           KeyCase{"enter", std::nullopt},
                                           KeyCase{"", std::nullopt}));

// --- readers
// --------------------------------------------------------------------------------------

TEST_F(InputTest, ReadersFailForControlsWithoutTheProperty)
{
    auto* label = add<QLabel>(QRect(0, 0, 10, 10));
    EXPECT_THROW(ItemsOf(*label, QStringLiteral("W.Label1")), ScenarioFailure);
    EXPECT_THROW(ValueOf(*label, QStringLiteral("W.Label1")), ScenarioFailure);
    EXPECT_THROW(PictureOf(*label, QStringLiteral("W.Label1")), ScenarioFailure);
    EXPECT_THROW(TextOf(*m_top, QStringLiteral("W.Frame")), ScenarioFailure);
}

TEST_F(InputTest, ADropDownListReadsItsEntriesAndChoice)
{
    auto* combo = add<QComboBox>(QRect(0, 0, 100, 20));
    EXPECT_TRUE(SelectedOf(*combo, QStringLiteral("C")).isEmpty());
    combo->addItems({QStringLiteral("c:"), QStringLiteral("d:")});
    combo->setCurrentIndex(1);
    EXPECT_EQ(ItemsOf(*combo, QStringLiteral("C")),
              (QStringList{QStringLiteral("c:"), QStringLiteral("d:")}));
    EXPECT_EQ(SelectedOf(*combo, QStringLiteral("C")), QStringList{QStringLiteral("d:")});
    EXPECT_EQ(TextOf(*combo, QStringLiteral("C")), QStringLiteral("d:"));
}

struct MenuCase {
    const char* label;
    bool topEnabled;
    bool itemEnabled;
    bool reacts;
};

class MenuReachTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(MenuReachTest, AnItemReactsOnlyWithItsMenu)
{
    const MenuCase& c = GetParam();
    QMainWindow frame;
    QMenu* top = frame.menuBar()->addMenu(QStringLiteral("&File"));
    QAction* item = top->addAction(QStringLiteral("E&xit"));
    top->menuAction()->setEnabled(c.topEnabled);
    item->setEnabled(c.itemEnabled);
    EXPECT_EQ(MenuEntryReacts(*item), c.reacts);
    EXPECT_EQ(MenuEntryReacts(*top->menuAction()), c.topEnabled);
}

INSTANTIATE_TEST_SUITE_P(Menus, MenuReachTest,
                         ::testing::Values(MenuCase{"both_enabled", true, true, true},
                                           MenuCase{"menu_disabled", false, true, false},
                                           MenuCase{"item_disabled", true, false, false}),
                         [](const auto& info) { return std::string(info.param.label); });

} // namespace
} // namespace zv::scenario
