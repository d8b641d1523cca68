// What the user does: start the program, use the mouse and the keyboard, choose from the menu.

#include "Commands.h"
#include "Controls.h"
#include "Input.h"
#include "Outcome.h"
#include "Scenario.h"

#include "browser/Grabber.h"
#include "frame/MDIForm1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QThread>

#include <optional>

namespace zv::scenario {

namespace {

void RequireShown(const QWidget& widget, const QString& name, const QString& doing)
{
    if (!widget.isVisible())
        Fail(QStringLiteral("expected to ") + doing + QLatin1Char(' ') + name +
             QStringLiteral(", but it is not shown"));
}

QPoint ReachableOrFail(const QWidget& target, QPoint preferred, bool bodyOnly, const QString& name)
{
    const auto point = ReachablePoint(target, preferred, bodyOnly);
    if (!point)
        Fail(QStringLiteral("expected the mouse to reach ") + name +
             QStringLiteral(", but it is covered or outside its window's outline everywhere"));
    return *point;
}

Qt::MouseButton ButtonWord(const QString& word)
{
    if (word == QLatin1String("left"))
        return Qt::LeftButton;
    if (word == QLatin1String("right"))
        return Qt::RightButton;
    if (word == QLatin1String("middle"))
        return Qt::MiddleButton;
    Fail(QStringLiteral("expected a mouse button (left, right), saw ") + Quoted(word));
}

// A drop-down list is chosen from as its popup reports a choice: the entry becomes current
// and the list reports it activated.
void ChooseEntry(QComboBox& list, const QString& item, const QString& name)
{
    const int index = list.findText(item, Qt::MatchExactly);
    if (index < 0)
        Fail(QStringLiteral("expected an entry ") + Quoted(item) + QStringLiteral(" in ") + name +
             QStringLiteral(", saw entries ") + ItemsOf(list, name).join(QStringLiteral(", ")));
    if (!list.isEnabled())
        return;
    list.setCurrentIndex(index);
    emit list.activated(index);
    emit list.textActivated(item);
}

// Where an entry of a list is on screen, scrolled into view; fails when there is no such entry.
QPoint EntryPoint(QAbstractItemView& view, const QString& item, const QString& name)
{
    const QAbstractItemModel* model = view.model();
    for (int row = 0; model && row < model->rowCount(view.rootIndex()); ++row) {
        const QModelIndex index = model->index(row, 0, view.rootIndex());
        if (index.data().toString() != item)
            continue;
        view.scrollTo(index);
        return view.visualRect(index).center();
    }
    Fail(QStringLiteral("expected an entry ") + Quoted(item) + QStringLiteral(" in ") + name +
         QStringLiteral(", saw entries ") + ItemsOf(view, name).join(QStringLiteral(", ")));
}

template <typename Act>
void OnEntry(Scenario& scenario, const QStringList& words, const QString& doing, Act act)
{
    const QString& name = words.at(0);
    QWidget* control = scenario.control(name);
    RequireShown(*control, name, doing);
    if (auto* list = qobject_cast<QComboBox*>(control))
        return ChooseEntry(*list, words.at(1), name);
    auto* view = qobject_cast<QAbstractItemView*>(control);
    if (!view)
        Fail(QStringLiteral("expected a list to ") + doing + QStringLiteral(" an entry of, but ") +
             name + QStringLiteral(" is none"));
    const QPoint at = EntryPoint(*view, words.at(1), name);
    QWidget& viewport = *view->viewport();
    act(viewport, ReachableOrFail(viewport, at, false, name));
}

void FocusOn(QWidget& control, const QString& name)
{
    RequireShown(control, name, QStringLiteral("give the focus to"));
    if (!control.isEnabled())
        Fail(QStringLiteral("expected to give the focus to ") + name +
             QStringLiteral(", but it is disabled"));
    control.setFocus(Qt::MouseFocusReason);
    QApplication::processEvents();
    const QWidget* focus = QApplication::focusWidget();
    if (focus != &control && !control.isAncestorOf(focus))
        Fail(QStringLiteral("expected ") + name +
             QStringLiteral(" to take the keyboard focus, saw it on ") +
             (focus ? Quoted(focus->objectName()) : QStringLiteral("no control")));
}

// The widget that takes the typing and how it is emptied first.
QWidget* TextBoxOf(QWidget* control, const QString& name)
{
    if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->lineEdit())
        return combo->lineEdit();
    if (qobject_cast<QLineEdit*>(control) || qobject_cast<QTextEdit*>(control) ||
        qobject_cast<QPlainTextEdit*>(control))
        return control;
    Fail(QStringLiteral("expected a text box to type into, but ") + name +
         QStringLiteral(" is none"));
}

void SelectAllOf(QWidget& box)
{
    if (auto* line = qobject_cast<QLineEdit*>(&box))
        line->selectAll();
    else if (auto* text = qobject_cast<QTextEdit*>(&box))
        text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(&box))
        plain->selectAll();
}

void Start(Scenario& scenario, const QStringList&)
{
    scenario.start();
}

void ClickOn(Scenario& scenario, const QStringList& words)
{
    QWidget* control = scenario.control(words.at(0));
    RequireShown(*control, words.at(0), QStringLiteral("click"));
    Click(*control, ReachableOrFail(*control, control->rect().center(), false, words.at(0)),
          Qt::LeftButton);
}

// The button is let go away from the control, so the press does not also count as a click.
void MouseDown(Scenario& scenario, const QStringList& words)
{
    const Qt::MouseButton button = ButtonWord(words.value(1, QStringLiteral("left")));
    QPointer<QWidget> control = scenario.control(words.at(0));
    RequireShown(*control, words.at(0), QStringLiteral("press the mouse on"));
    const QPoint at = ReachableOrFail(*control, control->rect().center(), false, words.at(0));
    QPointer<QWidget> top = control->window();
    Press(*control, at, button);
    scenario.settle();
    if (top)
        Release(*top, QPoint(-1, -1), button);
}

void Select(Scenario& scenario, const QStringList& words)
{
    OnEntry(scenario, words, QStringLiteral("select"),
            [](QWidget& viewport, QPoint at) { Click(viewport, at, Qt::LeftButton); });
}

void Open(Scenario& scenario, const QStringList& words)
{
    OnEntry(scenario, words, QStringLiteral("open"),
            [](QWidget& viewport, QPoint at) { DoubleClick(viewport, at); });
}

void Focus(Scenario& scenario, const QStringList& words)
{
    FocusOn(*scenario.control(words.at(0)), words.at(0));
}

void Type(Scenario& scenario, const QStringList& words)
{
    QWidget* control = scenario.control(words.at(0));
    QPointer<QWidget> box = TextBoxOf(control, words.at(0));
    FocusOn(*box, words.at(0));
    SelectAllOf(*box);
    if (!TextOf(*box, words.at(0)).isEmpty())
        PressKey(*box, Qt::Key_Backspace, QString());
    const QString& text = words.at(1);
    for (qsizetype i = 0; i < text.size() && box; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() &&
                text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            PressKey(*box, Qt::Key_Return, QStringLiteral("\r"));
        } else {
            TypeCharacter(*box, c);
        }
    }
}

void Key(Scenario& scenario, const QStringList& words)
{
    QWidget* window = scenario.window(words.at(0));
    RequireShown(*window, words.at(0), QStringLiteral("press a key in"));
    const auto key = KeyNamed(words.at(1));
    if (!key)
        Fail(QStringLiteral("expected a key (Enter, Escape, Tab, ... or one character), saw ") +
             Quoted(words.at(1)));
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = focus && (focus == window || window->isAncestorOf(focus)) ? focus : window;
    PressKey(*target, *key, words.at(1).size() == 1 ? words.at(1) : TextOfKey(*key));
}

void Menu(Scenario& scenario, const QStringList& words)
{
    QAction* entry = scenario.menuEntry(words.at(0));
    if (!entry)
        Fail(QStringLiteral("expected a menu item of the frame, saw ") + Quoted(words.at(0)));
    if (entry->menu())
        Fail(QStringLiteral("expected a menu item, but ") + words.at(0) +
             QStringLiteral(" is a menu; choose one of its items"));
    // An item the user cannot reach (disabled, or out of the menu bar) does nothing.
    if (MenuEntryReacts(*entry) && MenuEntryVisible(*entry))
        entry->trigger();
}

void Drag(Scenario& scenario, const QStringList& words)
{
    const QString& name = words.at(0);
    if (!SplitControlName(name).control.isEmpty())
        Fail(QStringLiteral("expected a window to drag, saw ") + Quoted(name));
    QWidget* window = scenario.window(name);
    if (window == scenario.program().frame())
        Fail(QStringLiteral("expected a window inside the frame to drag, saw the frame"));
    RequireShown(*window, name, QStringLiteral("drag"));
    const QPoint delta(NumberWord(words.at(1), QStringLiteral("DX")),
                       NumberWord(words.at(2), QStringLiteral("DY")));
    DragBy(
        *window,
        ReachableOrFail(*window, window->rect().center(), true, name + QStringLiteral("'s body")),
        delta);
}

// Waits, letting the program's events run once it has started, until done() holds; false when
// seconds ran out.
template <typename Done> bool WaitFor(Scenario& scenario, double seconds, Done done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done()) {
        if (waited.elapsed() > seconds * 1000)
            return false;
        if (scenario.isStarted())
            scenario.settle();
        QThread::msleep(10);
    }
    return true;
}

void WaitFile(Scenario& scenario, const QStringList& words)
{
    const QString host = scenario.sandbox().hostPathOf(words.at(0), false);
    const double seconds = RealWord(words.at(1), QStringLiteral("SECONDS"));
    if (!WaitFor(scenario, seconds, [&] { return QFileInfo::exists(host); }))
        Fail(QStringLiteral("expected ") + Quoted(words.at(0)) + QStringLiteral(" within ") +
             words.at(1) + QStringLiteral(" seconds, but it did not appear"));
}

void WaitLoad(Scenario& scenario, const QStringList& words)
{
    const double seconds = RealWord(words.at(1), QStringLiteral("SECONDS"));
    BrowserComponent& browser = BrowserOf(scenario, words.at(0));
    // The load must stay finished across a round of events: a page that has just ended may
    // still hand over to the next one.
    const auto idle = [&] {
        if (browser.Busy())
            return false;
        scenario.settle();
        return !browser.Busy();
    };
    if (!WaitFor(scenario, seconds, idle))
        Fail(QStringLiteral("expected ") + words.at(0) + QStringLiteral("'s browser to finish within ") +
             words.at(1) + QStringLiteral(" seconds, but it is still loading ") +
             Quoted(browser.LocationURL()));
}

void BrowserProgress(Scenario& scenario, const QStringList& words)
{
    GrabberOf(scenario, words.at(0))
        .WebBrowser1_ProgressChange(NumberWord(words.at(1), QStringLiteral("PROGRESS")),
                                    NumberWord(words.at(2), QStringLiteral("MAXIMUM")));
}

void ClickLink(Scenario& scenario, const QStringList& words)
{
    BrowserComponent& browser = BrowserOf(scenario, words.at(0));
    RequireShown(*browser.widget(), words.at(0), QStringLiteral("click a link in"));
    std::optional<bool> found;
    browser.FollowLink(words.at(1), [&found](bool there) { found = there; });
    if (!WaitFor(scenario, 10, [&] { return found.has_value(); }))
        Fail(QStringLiteral("expected the page to answer within 10 seconds, but it did not"));
    if (!*found)
        Fail(QStringLiteral("expected a link ") + Quoted(words.at(1)) +
             QStringLiteral(" on the page ") + Quoted(browser.LocationURL()) +
             QStringLiteral(", saw none"));
}

void CloseWindow(Scenario& scenario, const QStringList& words)
{
    QWidget* window = scenario.window(words.at(0));
    RequireShown(*window, words.at(0), QStringLiteral("close"));
    window->close();
}

constexpr CommandKind kAction = CommandKind::Action;

constexpr CommandRow kActions[] = {
    {"start", 0, 0, "start", kAction, &Start},
    {"click", 1, 1, "click WINDOW.CONTROL", kAction, &ClickOn},
    {"mousedown", 1, 2, "mousedown WINDOW.CONTROL [left|right]", kAction, &MouseDown},
    {"select", 2, 2, "select WINDOW.CONTROL ITEM", kAction, &Select},
    {"open", 2, 2, "open WINDOW.CONTROL ITEM", kAction, &Open},
    {"focus", 1, 1, "focus WINDOW.CONTROL", kAction, &Focus},
    {"type", 2, 2, "type WINDOW.CONTROL TEXT", kAction, &Type},
    {"key", 2, 2, "key WINDOW KEY", kAction, &Key},
    {"menu", 1, 1, "menu NAME", kAction, &Menu},
    {"drag", 3, 3, "drag WINDOW DX DY", kAction, &Drag},
    {"wait-file", 2, 2, "wait-file PATH SECONDS", kAction, &WaitFile},
    {"wait-load", 2, 2, "wait-load WINDOW SECONDS", kAction, &WaitLoad},
    // Not in the first set of the format: the browser's own doings, and the close button.
    {"browser-progress", 3, 3, "browser-progress WINDOW PROGRESS MAXIMUM", kAction,
     &BrowserProgress},
    {"click-link", 2, 2, "click-link WINDOW TEXT", kAction, &ClickLink},
    {"close", 1, 1, "close WINDOW", kAction, &CloseWindow},
};

} // namespace

std::span<const CommandRow> ActionCommands()
{
    return kActions;
}

Grabber& GrabberOf(Scenario& scenario, const QString& name)
{
    auto* grabber = qobject_cast<Grabber*>(scenario.window(name));
    if (!grabber)
        Fail(QStringLiteral("expected a window with a browser, but ") + name +
             QStringLiteral(" has none"));
    return *grabber;
}

BrowserComponent& BrowserOf(Scenario& scenario, const QString& name)
{
    Grabber& grabber = GrabberOf(scenario, name);
    if (!grabber.browser())
        Fail(QStringLiteral("expected ") + name + QStringLiteral("'s browser to run, but it did not start"));
    return *grabber.browser();
}

} // namespace zv::scenario
