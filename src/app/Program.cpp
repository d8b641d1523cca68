#include "Program.h"

#include "frame/MDIForm1.h"
#include "platform/MessageBoxes.h"
#include "platform/Pointer.h"
#include "startup/Startup.h"

#include <QGuiApplication>
#include <QScreen>

namespace zv {

Program::Program(ProgramHost host)
    : m_host(std::move(host)),
      m_services{m_host.files, m_host.drives, m_host.pointer, m_host.events, m_host.programFolder},
      m_images(m_host.files, m_host.programFolder)
{
}

Program::~Program()
{
    delete m_startup.data();
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

    m_startup = new Startup(m_state, m_services, m_host.messages, *m_frame, m_images, m_host.screen);
    m_startup->setHandovers({[this] { repairMaps(); }, [this] { openConsole(); },
                             [this] { closeSelection(); }});
    m_startup->placeOnScreen();
    m_startup->showChoice();

    m_host.pointer.showDefault();
    m_startup->show();
    m_startup->raise();
}

void Program::wireFrame()
{
    FrameCommands commands;
    commands.repairMaps = [this] { repairMaps(); };
    commands.endProgram = [this] { endProgram(); };
    m_frame->setCommands(std::move(commands));
}

QWidget* Program::window(const QString& name) const
{
    if (m_ended || !m_frame)
        return nullptr;
    if (name == m_frame->objectName())
        return m_frame.get();
    for (QWidget* child : m_frame->clientArea()->findChildren<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
        if (!child->property("unloaded").toBool())
            return child;
    }
    return nullptr;
}

void Program::openConsole()
{
    // The console window takes over from here once it exists.
}

void Program::repairMaps()
{
    // The stock-map repair runs here once it exists.
}

void Program::closeSelection()
{
    if (!m_startup)
        return;
    m_startup->Unload();
    m_startup->hide();
    m_startup->setProperty("unloaded", true);
    m_startup->deleteLater(); // its click handler is still on the stack
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
