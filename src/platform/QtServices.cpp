#include "QtServices.h"

#include "Failure.h"
#include "DriveTable.h"
#include "HostFileSystem.h"
#include "ProgramStart.h"

#include <QApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>

#include <chrono>
#include <future>

namespace zv {

void QtMessageBoxes::show(const QString& text)
{
    QWidget* owner = m_owner ? m_owner() : nullptr;
    QMessageBox box(QMessageBox::NoIcon, kProgramTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

QtPointer::~QtPointer()
{
    if (m_busy)
        QGuiApplication::restoreOverrideCursor();
}

void QtPointer::showBusy()
{
    if (m_busy)
        return;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    m_busy = true;
}

void QtPointer::showDefault()
{
    if (!m_busy)
        return;
    QGuiApplication::restoreOverrideCursor();
    m_busy = false;
}

void QtEventPump::letEventsRun()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtAddressOpener::open(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address)); // the result is not examined
}

qint64 QtLauncher::start(const QString& programPath)
{
    const QString host = QString::fromStdString(m_files.hostPath(programPath));
    const ProgramStart plan = PlanProgramStart(host, m_drives.prefix(), FindWineLoader());
    QProcess process;
    process.setProgram(plan.program);
    process.setArguments(plan.arguments);
    process.setWorkingDirectory(plan.workingFolder);
    if (!plan.winePrefix.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("WINEPREFIX"), plan.winePrefix);
        process.setProcessEnvironment(environment);
    }
    qint64 id = 0;
    if (!process.startDetached(&id))
        throw Failure(FailureNumber::InvalidArgument, process.errorString());
    return id;
}

QSize QtScreen::pixelSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

double QtScreen::dotsPerInchX() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : 96.0;
}

double QtScreen::dotsPerInchY() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

namespace {

// Swallows user input and close requests while it lives.
class InputBlocker final : public QObject {
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Close:
            event->ignore();
            return true;
        default:
            return false;
        }
    }
};

} // namespace

QString ResponsiveDrives::searchTreeForFile(const QString& root, const QString& fileName) const
{
    InputBlocker blocker;
    auto search = std::async(std::launch::async,
                             [&] { return m_inner.searchTreeForFile(root, fileName); });
    using namespace std::chrono_literals;
    while (search.wait_for(15ms) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 15);
    return search.get();
}

} // namespace zv
