// What the user sees: message boxes, captions, lists, pictures, files, the program's state.

#include "Commands.h"
#include "Controls.h"
#include "Outcome.h"
#include "Scenario.h"
#include "StateFields.h"
#include "Windows.h"

#include "browser/Grabber.h"
#include "frame/MDIForm1.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace zv::scenario {

namespace {

const QString kNone = QStringLiteral("none");

// A window, a control, or a menu entry of the frame ("FileRepar", "MDIForm1.File").
struct Subject {
    QAction* entry = nullptr;
    QWidget* widget = nullptr;
};

Subject SubjectOf(Scenario& scenario, const QString& name)
{
    if (QAction* entry = scenario.menuEntry(name))
        return {entry, nullptr};
    const ControlName parts = SplitControlName(name);
    if (parts.control.isEmpty()) {
        if (KindOfWindow(name) == WindowKind::Unknown)
            Fail(QStringLiteral(
                     "expected a window, a WINDOW.CONTROL or a menu entry of the frame, saw ") +
                 Quoted(name));
        return {nullptr, scenario.window(name)};
    }
    if (parts.window == QLatin1String("MDIForm1"))
        Fail(QStringLiteral("expected a menu entry of the frame, but it has none named ") +
             Quoted(parts.control));
    return {nullptr, scenario.control(name)};
}

QString TextOfSubject(Scenario& scenario, const QString& name)
{
    const Subject subject = SubjectOf(scenario, name);
    if (subject.entry)
        return subject.entry->text();
    if (subject.widget == scenario.program().frame())
        return subject.widget->windowTitle();
    return TextOf(*subject.widget, name);
}

QString Listed(QStringList items)
{
    if (items.isEmpty())
        return QStringLiteral("no entries");
    for (QString& item : items)
        item = Quoted(item);
    return items.join(QLatin1Char(' '));
}

QString FileText(const QString& hostPath)
{
    QFile file(hostPath);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QString();
}

void ExpectFileAt(const QString& shownPath, const QString& hostPath, const QStringList& text)
{
    const QFileInfo info(hostPath);
    if (!info.isFile())
        Fail(QStringLiteral("expected a file at ") + Quoted(shownPath) + QStringLiteral(", saw ") +
             (info.exists() ? QStringLiteral("a folder") : QStringLiteral("nothing")));
    if (text.isEmpty())
        return;
    const QString held = FileText(hostPath);
    if (held != text.first())
        Fail(QStringLiteral("expected ") + Quoted(shownPath) + QStringLiteral(" to hold ") +
             Quoted(text.first()) + QStringLiteral(", saw ") + Quoted(held));
}

void ExpectNothingAt(const QString& shownPath, const QString& hostPath)
{
    const QFileInfo info(hostPath);
    if (info.exists() || info.isSymLink())
        Fail(QStringLiteral("expected nothing at ") + Quoted(shownPath) + QStringLiteral(", saw ") +
             (info.isDir() ? QStringLiteral("a folder") : QStringLiteral("a file")));
}

// Every failing expectation names its command, then what it expected and what it saw.
void ExpectEqual(const QString& what, const QString& expected, const QString& seen)
{
    if (seen != expected)
        Fail(QStringLiteral("expected ") + what + QLatin1Char(' ') + Quoted(expected) +
             QStringLiteral(", saw ") + Quoted(seen));
}

void ExpectLike(const QString& what, const QString& pattern, const QString& seen)
{
    if (!MatchesLike(pattern, seen))
        Fail(QStringLiteral("expected ") + what + QStringLiteral(" like ") + Quoted(pattern) +
             QStringLiteral(", saw ") + Quoted(seen));
}

void ExpectTaken(const QString* taken, const QString& what, const QString& expected, bool like)
{
    if (!taken)
        Fail(QStringLiteral("expected ") + what + QLatin1Char(' ') + Quoted(expected) +
             QStringLiteral(", saw none (every one so far was expected)"));
    if (like)
        ExpectLike(what, expected, *taken);
    else
        ExpectEqual(what, expected, *taken);
}

void Message(Scenario& scenario, const QStringList& words)
{
    ExpectTaken(scenario.takeMessage(), QStringLiteral("the message"), words.at(0), false);
}

void MessageLike(Scenario& scenario, const QStringList& words)
{
    ExpectTaken(scenario.takeMessage(), QStringLiteral("the message"), words.at(0), true);
}

void NoMessage(Scenario& scenario, const QStringList&)
{
    if (const QString* shown = scenario.peekMessage())
        Fail(QStringLiteral("expected no message box, saw ") + Quoted(*shown));
}

void Title(Scenario& scenario, const QStringList& words)
{
    ExpectEqual(QStringLiteral("the frame's title"), words.at(0),
                scenario.window(QStringLiteral("MDIForm1"))->windowTitle());
}

void Text(Scenario& scenario, const QStringList& words)
{
    ExpectEqual(words.at(0) + QStringLiteral(" to read"), words.at(1),
                TextOfSubject(scenario, words.at(0)));
}

void TextLike(Scenario& scenario, const QStringList& words)
{
    ExpectLike(words.at(0) + QStringLiteral(" to read"), words.at(1),
               TextOfSubject(scenario, words.at(0)));
}

// Fails unless a yes-or-no property of a window or control is as expected.
void ExpectFlag(const QString& name, bool seen, bool expected, const char* yes, const char* no)
{
    if (seen != expected)
        Fail(QStringLiteral("expected ") + name + QStringLiteral(" to be ") +
             QLatin1String(expected ? yes : no) + QStringLiteral(", saw it ") +
             QLatin1String(seen ? yes : no));
}

bool IsLoaded(Scenario& scenario, const QString& name)
{
    return scenario.findWindow(name) != nullptr;
}

bool IsShown(Scenario& scenario, const QString& name)
{
    const Subject subject = SubjectOf(scenario, name);
    return subject.entry ? MenuEntryVisible(*subject.entry) : subject.widget->isVisible();
}

bool Reacts(Scenario& scenario, const QString& name)
{
    const Subject subject = SubjectOf(scenario, name);
    return subject.entry ? MenuEntryReacts(*subject.entry) : subject.widget->isEnabled();
}

void Open(Scenario& scenario, const QStringList& words)
{
    ExpectFlag(words.at(0), IsLoaded(scenario, words.at(0)), true, "loaded", "closed");
}

void Closed(Scenario& scenario, const QStringList& words)
{
    ExpectFlag(words.at(0), IsLoaded(scenario, words.at(0)), false, "loaded", "closed");
}

void Visible(Scenario& scenario, const QStringList& words)
{
    ExpectFlag(words.at(0), IsShown(scenario, words.at(0)), true, "shown", "hidden");
}

void Hidden(Scenario& scenario, const QStringList& words)
{
    ExpectFlag(words.at(0), IsShown(scenario, words.at(0)), false, "shown", "hidden");
}

// A child window's state as the toolkit keeps it: a minimized window may still be shown
// (as its bar), and a hidden one keeps its state for when it is shown.
void WindowState(Scenario& scenario, const QStringList& words)
{
    const QString& name = words.at(0);
    if (!SplitControlName(name).control.isEmpty())
        Fail(QStringLiteral("expected a window, saw ") + Quoted(name));
    const QString& expected = words.at(1);
    if (expected != QLatin1String("normal") && expected != QLatin1String("minimized") &&
        expected != QLatin1String("maximized"))
        Fail(QStringLiteral("expected a window state (normal, minimized, maximized), saw ") +
             Quoted(expected));
    const Qt::WindowStates state = scenario.window(name)->windowState();
    const QString seen = state.testFlag(Qt::WindowMinimized)   ? QStringLiteral("minimized")
                         : state.testFlag(Qt::WindowMaximized) ? QStringLiteral("maximized")
                                                               : QStringLiteral("normal");
    ExpectEqual(name + QStringLiteral("'s state"), expected, seen);
}

void Enabled(Scenario& scenario, const QStringList& words)
{
    ExpectFlag(words.at(0), Reacts(scenario, words.at(0)), true, "enabled", "disabled");
}

void Disabled(Scenario& scenario, const QStringList& words)
{
    ExpectFlag(words.at(0), Reacts(scenario, words.at(0)), false, "enabled", "disabled");
}

void Picture(Scenario& scenario, const QStringList& words)
{
    const QString shown = PictureOf(*scenario.control(words.at(0)), words.at(0));
    const QString expected = words.at(1) == kNone ? QString() : words.at(1);
    if (shown != expected)
        Fail(QStringLiteral("expected ") + words.at(0) + QStringLiteral(" to show ") +
             (expected.isEmpty() ? QStringLiteral("no picture") : Quoted(expected)) +
             QStringLiteral(", saw ") +
             (shown.isEmpty() ? QStringLiteral("no picture") : Quoted(shown)));
}

void Items(Scenario& scenario, const QStringList& words)
{
    QStringList expected = words.mid(1);
    QStringList seen = ItemsOf(*scenario.control(words.at(0)), words.at(0));
    const QStringList shownOrder = seen;
    std::sort(expected.begin(), expected.end());
    std::sort(seen.begin(), seen.end());
    if (seen != expected)
        Fail(QStringLiteral("expected ") + words.at(0) + QStringLiteral(" to hold ") +
             Listed(words.mid(1)) + QStringLiteral(", saw ") + Listed(shownOrder));
}

void Selected(Scenario& scenario, const QStringList& words)
{
    const QStringList seen = SelectedOf(*scenario.control(words.at(0)), words.at(0));
    const bool holds = words.at(1) == kNone ? seen.isEmpty() : seen.contains(words.at(1));
    if (!holds)
        Fail(QStringLiteral("expected ") + words.at(0) + QStringLiteral(" to have ") +
             (words.at(1) == kNone ? QStringLiteral("nothing") : Quoted(words.at(1))) +
             QStringLiteral(" selected, saw ") +
             (seen.isEmpty() ? QStringLiteral("nothing selected") : Listed(seen)));
}

void Value(Scenario& scenario, const QStringList& words)
{
    const int expected = NumberWord(words.at(1), QStringLiteral("the value"));
    const int seen = ValueOf(*scenario.control(words.at(0)), words.at(0));
    if (seen != expected)
        Fail(QStringLiteral("expected ") + words.at(0) + QStringLiteral(" at ") +
             QString::number(expected) + QStringLiteral(", saw ") + QString::number(seen));
}

void State(Scenario& scenario, const QStringList& words)
{
    const auto seen = StateFieldText(scenario.program().state(), words.at(0));
    if (!seen)
        Fail(QStringLiteral("expected a field of the program state, saw ") + Quoted(words.at(0)));
    ExpectEqual(words.at(0), words.at(1), *seen);
}

void FileExpected(Scenario& scenario, const QStringList& words)
{
    ExpectFileAt(words.at(0), scenario.sandbox().hostPathOf(words.at(0), false), words.mid(1));
}

void NoFile(Scenario& scenario, const QStringList& words)
{
    ExpectNothingAt(words.at(0), scenario.sandbox().hostPathOf(words.at(0), false));
}

void FolderExpected(Scenario& scenario, const QStringList& words)
{
    const QFileInfo info(scenario.sandbox().hostPathOf(words.at(0), false));
    if (!info.isDir())
        Fail(QStringLiteral("expected a folder at ") + Quoted(words.at(0)) +
             QStringLiteral(", saw ") +
             (info.exists() ? QStringLiteral("a file") : QStringLiteral("nothing")));
}

void ProgramFile(Scenario& scenario, const QStringList& words)
{
    ExpectFileAt(words.at(0), scenario.sandbox().programHostPathOf(words.at(0)), words.mid(1));
}

void NoProgramFile(Scenario& scenario, const QStringList& words)
{
    ExpectNothingAt(words.at(0), scenario.sandbox().programHostPathOf(words.at(0)));
}

void CopyOf(Scenario& scenario, const QStringList& words)
{
    const QString copy = scenario.sandbox().hostPathOf(words.at(0), false);
    const QString original = scenario.sandbox().programHostPathOf(words.at(1));
    ExpectFileAt(words.at(0), copy, {});
    ExpectFileAt(words.at(1), original, {});
    QFile a(copy);
    QFile b(original);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.readAll() != b.readAll())
        Fail(QStringLiteral("expected ") + Quoted(words.at(0)) +
             QStringLiteral(" to be a copy of ") + Quoted(words.at(1)) +
             QStringLiteral(", saw other bytes (") + QString::number(a.size()) +
             QStringLiteral(" against ") + QString::number(b.size()) + QStringLiteral(")"));
}

QRect GeometryOf(Scenario& scenario, const QString& name)
{
    const ControlName parts = SplitControlName(name);
    if (parts.control.isEmpty()) {
        QWidget* window = scenario.window(name);
        if (window == scenario.program().frame())
            return window->frameGeometry();
        return QRect(window->pos(), window->frameGeometry().size());
    }
    QWidget* window = scenario.window(parts.window);
    QWidget* control = scenario.control(name);
    return QRect(control->mapTo(window, QPoint(0, 0)), control->size());
}

void Geometry(Scenario& scenario, const QStringList& words)
{
    if (words.size() != 3 && words.size() != 5)
        Fail(QStringLiteral("expected `expect-geometry WINDOW[.CONTROL] LEFT TOP [WIDTH HEIGHT]`"));
    const QRect seen = GeometryOf(scenario, words.at(0));
    const int values[] = {seen.left(), seen.top(), seen.width(), seen.height()};
    const char* names[] = {"LEFT", "TOP", "WIDTH", "HEIGHT"};
    bool holds = true;
    for (qsizetype i = 1; i < words.size(); ++i) {
        if (words.at(i) != QLatin1String("*") &&
            NumberWord(words.at(i), QLatin1String(names[i - 1])) != values[i - 1])
            holds = false;
    }
    if (!holds)
        Fail(QStringLiteral("expected ") + words.at(0) + QStringLiteral(" at ") +
             words.mid(1).join(QLatin1Char(' ')) + QStringLiteral(", saw ") +
             QStringLiteral("%1 %2 %3 %4")
                 .arg(values[0])
                 .arg(values[1])
                 .arg(values[2])
                 .arg(values[3]));
}

void Started(Scenario& scenario, const QStringList& words)
{
    ExpectTaken(scenario.takeStarted(), QStringLiteral("the started program"), words.at(0), false);
}

void Ended(Scenario& scenario, const QStringList&)
{
    if (!scenario.program().hasEnded())
        Fail(QStringLiteral("expected the program to have ended, saw it running"));
}

// Not in the first set of the format: the recording browser's addresses, a progress bar's
// history and the mouse pointer.

void Opened(Scenario& scenario, const QStringList& words)
{
    ExpectTaken(scenario.takeAddress(), QStringLiteral("the opened address"), words.at(0), false);
}

void Progress(Scenario& scenario, const QStringList& words)
{
    const QString& name = words.at(0);
    const ControlName parts = SplitControlName(name);
    if (parts.control.isEmpty())
        Fail(QStringLiteral("expected a progress bar as WINDOW.CONTROL, saw ") + Quoted(name));
    scenario.findWindow(parts.window); // fails for windows the program does not have
    const QList<int>* values = scenario.progress().valuesOf(name);
    if (!values)
        Fail(QStringLiteral("expected a progress bar ") + name +
             QStringLiteral(", saw none so far"));
    QStringList seen;
    for (int value : *values)
        seen.append(QString::number(value));
    const QStringList expected = words.mid(1);
    for (const QString& value : expected)
        NumberWord(value, QStringLiteral("a progress value"));
    if (seen != expected)
        Fail(QStringLiteral("expected ") + name + QStringLiteral(" to go ") +
             expected.join(QLatin1Char(' ')) + QStringLiteral(", saw ") +
             seen.join(QLatin1Char(' ')));
}

void Pointer(Scenario& scenario, const QStringList& words)
{
    const QString& expected = words.at(0);
    if (expected != QLatin1String("busy") && expected != QLatin1String("default"))
        Fail(QStringLiteral("expected a pointer (busy, default), saw ") + Quoted(expected));
    const QString seen =
        scenario.sandbox().pointer.busy ? QStringLiteral("busy") : QStringLiteral("default");
    ExpectEqual(QStringLiteral("the mouse pointer"), expected, seen);
}

// The manager's armed command, which the window shows as its ManagerMode property.
void Mode(Scenario& scenario, const QStringList& words)
{
    const int expected = NumberWord(words.at(0), QStringLiteral("the mode"));
    const QVariant seen = scenario.window(QStringLiteral("MapManager"))->property("ManagerMode");
    if (!seen.isValid())
        Fail(QStringLiteral("expected the map manager to show its mode, but it has none"));
    if (seen.toInt() != expected)
        Fail(QStringLiteral("expected the map manager in mode ") + QString::number(expected) +
             QStringLiteral(", saw ") + QString::number(seen.toInt()));
}

void Url(Scenario& scenario, const QStringList& words)
{
    const QString base = scenario.sandbox().repositoryBase();
    QString seen = BrowserOf(scenario, QStringLiteral("Grabber")).LocationURL();
    if (seen.startsWith(base + QLatin1Char('/')))
        seen = seen.mid(base.size());
    ExpectEqual(QStringLiteral("the browser to show"), words.at(0), seen);
}

constexpr CommandKind kExpect = CommandKind::Expectation;

constexpr CommandRow kExpectations[] = {
    {"expect-message", 1, 1, "expect-message TEXT", kExpect, &Message},
    {"expect-message-like", 1, 1, "expect-message-like PATTERN", kExpect, &MessageLike},
    {"expect-no-message", 0, 0, "expect-no-message", kExpect, &NoMessage},
    {"expect-title", 1, 1, "expect-title TEXT", kExpect, &Title},
    {"expect-text", 2, 2, "expect-text WINDOW.CONTROL TEXT", kExpect, &Text},
    {"expect-text-like", 2, 2, "expect-text-like WINDOW.CONTROL PATTERN", kExpect, &TextLike},
    {"expect-open", 1, 1, "expect-open WINDOW", kExpect, &Open},
    {"expect-closed", 1, 1, "expect-closed WINDOW", kExpect, &Closed},
    {"expect-visible", 1, 1, "expect-visible WINDOW[.CONTROL]", kExpect, &Visible},
    {"expect-hidden", 1, 1, "expect-hidden WINDOW[.CONTROL]", kExpect, &Hidden},
    {"expect-window-state", 2, 2, "expect-window-state WINDOW normal|minimized|maximized", kExpect,
     &WindowState},
    {"expect-enabled", 1, 1, "expect-enabled WINDOW.CONTROL", kExpect, &Enabled},
    {"expect-disabled", 1, 1, "expect-disabled WINDOW.CONTROL", kExpect, &Disabled},
    {"expect-picture", 2, 2, "expect-picture WINDOW.CONTROL NAME", kExpect, &Picture},
    {"expect-items", 1, -1, "expect-items WINDOW.CONTROL ITEM...", kExpect, &Items},
    {"expect-selected", 2, 2, "expect-selected WINDOW.CONTROL ITEM", kExpect, &Selected},
    {"expect-value", 2, 2, "expect-value WINDOW.CONTROL N", kExpect, &Value},
    {"expect-state", 2, 2, "expect-state FIELD TEXT", kExpect, &State},
    {"expect-file", 1, 2, "expect-file PATH [TEXT]", kExpect, &FileExpected},
    {"expect-no-file", 1, 1, "expect-no-file PATH", kExpect, &NoFile},
    {"expect-folder", 1, 1, "expect-folder PATH", kExpect, &FolderExpected},
    {"expect-program-file", 1, 2, "expect-program-file NAME [TEXT]", kExpect, &ProgramFile},
    {"expect-no-program-file", 1, 1, "expect-no-program-file NAME", kExpect, &NoProgramFile},
    {"expect-copy-of", 2, 2, "expect-copy-of PATH NAME", kExpect, &CopyOf},
    {"expect-geometry", 3, 5, "expect-geometry WINDOW[.CONTROL] LEFT TOP [WIDTH HEIGHT]", kExpect,
     &Geometry},
    {"expect-started", 1, 1, "expect-started PATH", kExpect, &Started},
    {"expect-ended", 0, 0, "expect-ended", kExpect, &Ended},
    {"expect-opened", 1, 1, "expect-opened ADDRESS", kExpect, &Opened},
    {"expect-progress", 2, -1, "expect-progress WINDOW.CONTROL N...", kExpect, &Progress},
    {"expect-pointer", 1, 1, "expect-pointer busy|default", kExpect, &Pointer},
    {"expect-mode", 1, 1, "expect-mode N", kExpect, &Mode},
    {"expect-url", 1, 1, "expect-url PATH", kExpect, &Url},
};

} // namespace

std::span<const CommandRow> Expectations()
{
    return kExpectations;
}

} // namespace zv::scenario
