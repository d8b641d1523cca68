#include "Program.h"

#include "browser/Grabber.h"
#include "console/MapMain.h"
#include "core/MapRepair.h"
#include "finder/FindMaps.h"
#include "finder/ListMaps.h"
#include "frame/InformationWindow.h"
#include "frame/MDIForm1.h"
#include "installer/Install.h"
#include "manager/MapManager.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"
#include "startup/Startup.h"

#include <QGuiApplication>
#include <QScreen>

namespace zv {

namespace {

// Marks a window that has been unloaded but not yet deleted (its own handler
// may still be on the stack), so that it no longer counts as loaded.
const char* const kUnloaded = "unloaded";

} // namespace

Program::Program(ProgramHost host)
    : m_host(std::move(host)),
      m_services{m_host.files, m_host.drives, m_host.pointer, m_host.events, m_host.programFolder},
      m_images(m_host.files, m_host.programFolder),
      m_context{m_state,          m_services,    m_host.messages, m_host.addresses,
                m_host.launcher,  m_host.screen, m_images,        *this}
{
    registerWindows();
}

Program::~Program()
{
    if (m_frame) {
        for (QWidget* child : m_frame->clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            delete child;
    }
}

void Program::registerWindows()
{
    m_windowBuilders = {
        {QStringLiteral("Startup"),
         [this]() -> QWidget* {
             auto* startup = new Startup(m_context);
             startup->setHandovers({[this] { repairMaps(); }, [this] { openConsole(); },
                                    [this] { unload(QStringLiteral("Startup")); }});
             return startup;
         }},
        {QStringLiteral("MapMain"), [this]() -> QWidget* { return new MapMain(m_context); }},
        {QStringLiteral("MapManager"), [this]() -> QWidget* { return new MapManager(m_context); }},
        {QStringLiteral("FindMaps"), [this]() -> QWidget* { return new FindMaps(m_context); }},
        {QStringLiteral("ListMaps"), [this]() -> QWidget* { return new ListMaps(m_context); }},
        {QStringLiteral("Install"), [this]() -> QWidget* { return new Install(m_context); }},
        {QStringLiteral("Grabber"),
         [this]() -> QWidget* { return new Grabber(m_context, m_browserSetup); }},
    };
    for (const QString& help : {QStringLiteral("Help1"), QStringLiteral("Help2"), QStringLiteral("Help3")})
        m_windowBuilders.insert(help, [this, help]() -> QWidget* { return new InformationWindow(help, m_context); });
}

void Program::StartProgram()
{
    m_host.pointer.showBusy();
    m_frame = std::make_unique<MDIForm1>(m_state, m_host.addresses, m_images, m_host.screen);
    wireFrame();
    // Where no window manager maximizes it, the frame still covers the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        m_frame->setGeometry(screen->availableGeometry());
    m_frame->showMaximized();

    auto* startup = static_cast<Startup*>(load(QStringLiteral("Startup")));
    startup->placeOnScreen();
    startup->showChoice();

    m_host.pointer.showDefault();
    startup->show();
    startup->raise();
}

void Program::wireFrame()
{
    FrameCommands commands;
    commands.repairMaps = [this] { repairMaps(); };
    commands.openDownloads = [this] { openDownloads(); };
    commands.endProgram = [this] { endProgram(); };
    commands.openHelp1 = [this] { showWindow(QStringLiteral("Help1")); };
    commands.openHelp2 = [this] { showWindow(QStringLiteral("Help2")); };
    commands.openHelp3 = [this] { showWindow(QStringLiteral("Help3")); };
    m_frame->setCommands(std::move(commands));
}

void Program::showWindow(const QString& name)
{
    if (QWidget* window = load(name)) {
        window->show();
        window->raise();
    }
}

QWidget* Program::window(const QString& name) const
{
    if (m_ended || !m_frame)
        return nullptr;
    return loaded(name);
}

QWidget* Program::loaded(const QString& name) const
{
    if (!m_frame)
        return nullptr;
    if (name == m_frame->objectName())
        return m_frame.get();
    for (QWidget* child : m_frame->clientArea()->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
        if (!child->property(kUnloaded).toBool())
            return child;
    }
    return nullptr;
}

QWidget* Program::load(const QString& name)
{
    // Once the program is ending, a window's close handling opens nothing new.
    if (m_ended)
        return nullptr;
    if (QWidget* window = loaded(name))
        return window;
    const auto builder = m_windowBuilders.constFind(name);
    if (builder == m_windowBuilders.cend())
        return nullptr;
    QWidget* window = (*builder)();
    if (auto* form = dynamic_cast<Form*>(window))
        form->Load();
    return window;
}

void Program::unload(const QString& name)
{
    QWidget* window = loaded(name);
    if (!window || window == m_frame.get())
        return;
    window->setProperty(kUnloaded, true);
    if (auto* form = dynamic_cast<Form*>(window))
        form->Unload();
    window->hide();
    window->deleteLater(); // its own handler may still be on the stack
}

void Program::openConsole()
{
    QWidget* console = load(QStringLiteral("MapMain"));
    // The console's load ends the program when neither game is there.
    if (!console || m_ended)
        return;
    console->show();
    console->raise();
}

void Program::openDownloads()
{
    // The working windows and the information windows make way; any failure leaves things be.
    for (const char* name : Grabber::kClosedOnOpening) {
        try {
            unload(QString::fromLatin1(name));
        } catch (...) {
        }
    }
    // Already loaded (hidden while the installer was open), it comes back as it was.
    showWindow(QStringLiteral("Grabber"));
}

void Program::repairMaps()
{
    RepairMaps(m_state, m_services);
}

void Program::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    m_host.pointer.showDefault();
    for (QWidget* child : m_frame->clientArea()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->hide();
    m_frame->hide();
    if (m_host.endProgram)
        m_host.endProgram();
}

} // namespace zv
