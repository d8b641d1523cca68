#include "Scenario.h"

#include "Outcome.h"
#include "Windows.h"

#include "frame/MDIForm1.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCoreApplication>
#include <QProgressBar>
#include <QWidget>

namespace zv::scenario {

namespace {

// The window a widget of the program belongs to: the frame, or the child window of its client
// area that holds it.
QString WindowNameOf(const QWidget* widget, const MDIForm1& frame)
{
    for (const QWidget* at = widget; at; at = at->parentWidget()) {
        if (at->parentWidget() == frame.clientArea())
            return at->objectName();
    }
    return frame.objectName();
}

constexpr int kMostRounds = 1000;
constexpr int kQuietRounds = 3;

} // namespace

void ProgressHistory::follow(const Program& program)
{
    const MDIForm1* frame = program.frame();
    if (!frame)
        return;
    for (QProgressBar* bar : frame->findChildren<QProgressBar*>()) {
        const QString name = WindowNameOf(bar, *frame) + QLatin1Char('.') + bar->objectName();
        auto& followed = m_bars[name];
        if (followed && followed->bar == bar)
            continue;
        followed = std::make_shared<Followed>();
        followed->bar = bar;
        followed->values.append(bar->value());
        QObject::connect(bar, &QProgressBar::valueChanged,
                         [record = followed](int value) { record->values.append(value); });
    }
}

const QList<int>* ProgressHistory::valuesOf(const QString& name) const
{
    const auto found = m_bars.find(name);
    return found == m_bars.end() ? nullptr : &found.value()->values;
}

ControlName SplitControlName(const QString& name)
{
    const auto dot = name.indexOf(QLatin1Char('.'));
    if (dot < 0)
        return {name, QString()};
    return {name.left(dot), name.mid(dot + 1)};
}

Scenario::Scenario(const QString& supportFolder, QString scriptFolder)
    : m_sandbox(supportFolder), m_scriptFolder(std::move(scriptFolder))
{
}

Scenario::~Scenario()
{
    m_program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void Scenario::start()
{
    if (m_program)
        Fail(QStringLiteral("expected one `start`, saw a second one"));
    ProgramHost host{m_sandbox.files(),         m_sandbox.drives(),
                     m_sandbox.pointer,         m_sandbox.events,
                     m_sandbox.messages,        m_sandbox.addresses,
                     m_sandbox.launcher,        m_sandbox.screen,
                     m_sandbox.programFolder(), [] {}};
    m_program = std::make_unique<Program>(std::move(host));
    m_program->browserSetup() = m_sandbox.browserSetup();
    m_program->StartProgram();
    if (QWidget* frame = m_program->frame())
        frame->activateWindow();
    settle();
}

Program& Scenario::program() const
{
    if (!m_program)
        Fail(QStringLiteral("expected the program to be running, but `start` has not run yet"));
    return *m_program;
}

// Deferred deletes are asked for explicitly: outside a running event loop nothing else would
// delete a window that closed itself.
void Scenario::settle()
{
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    int quiet = 0;
    for (int round = 0; round < kMostRounds && quiet < kQuietRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const bool busy = dispatcher && dispatcher->processEvents(QEventLoop::AllEvents);
        quiet = busy ? 0 : quiet + 1;
    }
    if (m_program)
        m_progress.follow(*m_program);
}

QWidget* Scenario::findWindow(const QString& name) const
{
    switch (KindOfWindow(name)) {
    case WindowKind::Unknown:
        Fail(QStringLiteral("expected a window name (") + WindowNames() +
             QStringLiteral("), saw ") + Quoted(name));
    case WindowKind::NotBuilt:
        Fail(QStringLiteral("unsupported command: the program has no window ") + name +
             QStringLiteral(" yet"));
    case WindowKind::Built:
        break;
    }
    return program().window(name);
}

QWidget* Scenario::window(const QString& name) const
{
    QWidget* found = findWindow(name);
    if (!found)
        Fail(QStringLiteral("expected ") + name + QStringLiteral(" to be loaded, but it is not") +
             (program().hasEnded() ? QStringLiteral(" (the program has ended)") : QString()));
    return found;
}

QWidget* Scenario::control(const QString& name) const
{
    const ControlName parts = SplitControlName(name);
    if (parts.control.isEmpty())
        Fail(QStringLiteral("expected a control as WINDOW.CONTROL, saw ") + Quoted(name));
    QWidget* owner = window(parts.window);
    if (parts.window == QLatin1String("MDIForm1"))
        Fail(QStringLiteral("expected a control, but ") + name +
             QStringLiteral(" can only be a menu entry of the frame"));
    const QList<QWidget*> found = owner->findChildren<QWidget*>(parts.control);
    if (found.isEmpty())
        Fail(QStringLiteral("expected a control ") + name + QStringLiteral(", but ") +
             parts.window + QStringLiteral(" has none of that name"));
    return found.first();
}

QAction* Scenario::menuEntry(const QString& name) const
{
    const ControlName parts = SplitControlName(name);
    QString entry;
    if (parts.control.isEmpty()) {
        entry = parts.window;
    } else if (parts.window == QLatin1String("MDIForm1")) {
        entry = parts.control;
    } else {
        // A window's own menu item (Grabber.SwitchGame), which stands in the frame's menu bar
        // while that window is shown.
        if (KindOfWindow(parts.window) != WindowKind::Built)
            return nullptr;
        const QWidget* owner = program().window(parts.window);
        return owner ? owner->findChild<QAction*>(parts.control) : nullptr;
    }
    const MDIForm1* frame = program().frame();
    return frame ? frame->menuItem(entry) : nullptr;
}

const QString* Scenario::peekMessage() const
{
    const QStringList& shown = m_sandbox.messages.shown;
    return m_messagesTaken < shown.size() ? &shown.at(m_messagesTaken) : nullptr;
}

const QString* Scenario::take(const QStringList& records, qsizetype& taken)
{
    if (taken >= records.size())
        return nullptr;
    return &records.at(taken++);
}

} // namespace zv::scenario
