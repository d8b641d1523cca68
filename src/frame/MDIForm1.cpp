#include "MDIForm1.h"

#include "core/ProgramState.h"
#include "frame/Addresses.h"
#include "frame/SkinnedWindow.h"
#include "platform/AddressOpener.h"
#include "platform/Failure.h"
#include "platform/Screen.h"
#include "platform/SupportImages.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPainter>
#include <QStyle>
#include <QToolButton>

namespace zv {

namespace {

// Black, with the frame picture drawn from the top-left corner, not stretched.
class ClientArea final : public QWidget {
public:
    ClientArea(const SupportImages& images, QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("ClientArea"));
        try {
            m_background = images.load(QStringLiteral("Frame.bmp"));
        } catch (const Failure&) {
            // Black alone is the frame's look without its picture.
        }
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.drawPixmap(0, 0, m_background);
    }

private:
    QPixmap m_background;
};

void Run(const std::function<void()>& command)
{
    if (command)
        command();
}

} // namespace

MDIForm1::MDIForm1(ProgramState& state, AddressOpener& addresses, const SupportImages& images,
                   const Screen& screen)
    : m_state(state), m_addresses(addresses), m_screen(screen),
      m_clientArea(new ClientArea(images, this))
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(kFrameTitle);
    setCentralWidget(m_clientArea);
    const DesignScale scale(screen);
    resize(scale.size(698, 593));
    buildMenus();
}

QMenu* MDIForm1::addTopMenu(const QString& name, const QString& caption)
{
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

void MDIForm1::addItem(QMenu* menu, const QString& name, const QString& caption,
                       void (MDIForm1::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    connect(action, &QAction::triggered, this, handler);
}

void MDIForm1::buildMenus()
{
    QMenu* file = addTopMenu(QStringLiteral("File"), QStringLiteral("    &File    "));
    addItem(file, QStringLiteral("FileRepar"), QStringLiteral("&Repair Maps"), &MDIForm1::FileRepar);
    addItem(file, QStringLiteral("FileExit"), QStringLiteral("E&xit"), &MDIForm1::FileExit);

    QMenu* internet = addTopMenu(QStringLiteral("Internet"), QStringLiteral("    &Downloads    "));
    addItem(internet, QStringLiteral("InternetBHWWE"), QStringLiteral("&Download new maps"),
            &MDIForm1::InternetBHWWE);
    addItem(internet, QStringLiteral("InternetForums"), QStringLiteral("Visit &Vellmoor Forums"),
            &MDIForm1::InternetForums);
    addItem(internet, QStringLiteral("VisitSSmb"), QStringLiteral("Visit the &Sunstorm message board"),
            &MDIForm1::VisitSSmb);
    addItem(internet, QStringLiteral("DownloadVisitSite"), QStringLiteral("Visit &Zorvane's website"),
            &MDIForm1::DownloadVisitSite);

    QMenu* help = addTopMenu(QStringLiteral("Help"), QStringLiteral("    &Help    "));
    addItem(help, QStringLiteral("HelpWhat"), QStringLiteral("&What is Zorvane?"), &MDIForm1::HelpWhat);
    addItem(help, QStringLiteral("HelpUse"), QStringLiteral("&Using Zorvane 2.0 (Internet based)"),
            &MDIForm1::HelpUse);
    addItem(help, QStringLiteral("HelpTerms"), QStringLiteral("&Terms of Use"), &MDIForm1::HelpTerms);
    addItem(help, QStringLiteral("HelpAbout"), QStringLiteral("&About Zorvane"), &MDIForm1::HelpAbout);
}

void MDIForm1::setMenuEnabled(const QString& menu, bool enabled)
{
    if (QMenu* top = findChild<QMenu*>(menu))
        top->menuAction()->setEnabled(enabled);
}

bool MDIForm1::isMenuEnabled(const QString& menu) const
{
    const QMenu* top = findChild<QMenu*>(menu);
    return top && top->menuAction()->isEnabled();
}

QAction* MDIForm1::menuItem(const QString& name) const
{
    if (const QMenu* top = findChild<QMenu*>(name))
        return top->menuAction();
    return findChild<QAction*>(name);
}

void MDIForm1::showWindowMenu(QWidget* window, const QList<QAction*>& items,
                             std::function<void()> closeWindow)
{
    if (m_menuOwner)
        showFrameMenu(m_menuOwner);
    for (const char* top : {"File", "Internet", "Help"}) {
        if (QMenu* menu = findChild<QMenu*>(QLatin1String(top)))
            menu->menuAction()->setVisible(false);
    }
    menuBar()->addActions(items);
    auto* close = new QToolButton(menuBar());
    close->setObjectName(QStringLiteral("CloseWindow"));
    close->setAutoRaise(true);
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(QStringLiteral("Close"));
    connect(close, &QToolButton::clicked, this, [closeWindow = std::move(closeWindow)] {
        if (closeWindow)
            closeWindow();
    });
    menuBar()->setCornerWidget(close, Qt::TopRightCorner);
    close->show();
    m_menuOwner = window;
    m_windowItems = items;
}

void MDIForm1::showFrameMenu(QWidget* window)
{
    if (!m_menuOwner || window != m_menuOwner)
        return;
    for (QAction* item : std::as_const(m_windowItems))
        menuBar()->removeAction(item);
    m_windowItems.clear();
    m_menuOwner = nullptr;
    if (QWidget* close = menuBar()->cornerWidget(Qt::TopRightCorner)) {
        menuBar()->setCornerWidget(nullptr, Qt::TopRightCorner);
        close->deleteLater();
    }
    for (const char* top : {"File", "Internet", "Help"}) {
        if (QMenu* menu = findChild<QMenu*>(QLatin1String(top)))
            menu->menuAction()->setVisible(true);
    }
}

QSizeF MDIForm1::outerSizeTwips() const
{
    const QSize outer = frameGeometry().size();
    return QSizeF(outer.width() * m_screen.twipsPerPixelX(), outer.height() * m_screen.twipsPerPixelY());
}

void MDIForm1::closeEvent(QCloseEvent* event)
{
    QMainWindow::closeEvent(event);
    Run(m_commands.endProgram);
}

void MDIForm1::FileRepar()
{
    if (m_state.Rmth3Folder.size() > 1)
        m_state.Rmth3RepairDue = true;
    if (m_state.BhwweFolder.size() > 1)
        m_state.BhwweRepairDue = true;
    Run(m_commands.repairMaps);
}

void MDIForm1::FileExit()
{
    Run(m_commands.endProgram);
}

void MDIForm1::InternetBHWWE()
{
    try {
        Run(m_commands.openDownloads);
    } catch (...) {
        // Every failure of the download command leaves the program as it was.
    }
}

void MDIForm1::InternetForums()
{
    m_addresses.open(ForumsAddress);
}

void MDIForm1::VisitSSmb()
{
    m_addresses.open(MessageBoardPage());
}

void MDIForm1::DownloadVisitSite()
{
    m_addresses.open(ProgramSitePage());
}

void MDIForm1::HelpWhat()
{
    Run(m_commands.openHelp1);
}

void MDIForm1::HelpUse()
{
    m_addresses.open(ProgramHelpPages());
}

void MDIForm1::HelpTerms()
{
    Run(m_commands.openHelp3);
}

void MDIForm1::HelpAbout()
{
    Run(m_commands.openHelp2);
}

} // namespace zv
