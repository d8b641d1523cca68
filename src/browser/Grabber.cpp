#include "Grabber.h"

#include "browser/GrabberLayout.h"
#include "browser/ProgressRule.h"
#include "core/MapFolders.h"
#include "frame/MDIForm1.h"
#include "frame/Outline.h"
#include "frame/SkinnedWindow.h"
#include "platform/Failure.h"
#include "platform/MessageBoxes.h"
#include "platform/Screen.h"
#include "widgets/FileLists.h"
#include "widgets/ImageButton.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include <algorithm>

namespace zv {

namespace {

constexpr int kShelfHeight = 22;

// Runs one step of a sequence whose failing steps are skipped without a word.
template <typename Step> void Skipping(Step step)
{
    try {
        step();
    } catch (...) {
    }
}

ImageButton* NavigationButton(const SupportImages& images, const QString& name,
                              const QString& picture, const QString& tip, QWidget* parent)
{
    auto* button = new ImageButton(images, name, parent);
    button->setToolTip(tip);
    Skipping([&] { button->setPicture(picture); });
    return button;
}

QString SizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QString::number(bytes) + QStringLiteral(" bytes");
    return QString::number(bytes / 1024) + QStringLiteral(" KB");
}

} // namespace

Grabber::Grabber(const WindowContext& context, const BrowserSetup& setup)
    : QWidget(context.forms.mainFrame().clientArea()), m_state(context.state),
      m_messages(context.messages), m_screen(context.screen), m_forms(context.forms),
      m_frame(context.forms.mainFrame()), m_setup(setup),
      ProgressBar1(Named(new QProgressBar(this), QStringLiteral("ProgressBar1"))),
      Command2(NavigationButton(context.images, QStringLiteral("Command2"),
                                QStringLiteral("BrowseBack.bmp"), QStringLiteral("Back"), this)),
      Command3(NavigationButton(context.images, QStringLiteral("Command3"),
                                QStringLiteral("BrowseForward.bmp"), QStringLiteral("Forward"),
                                this)),
      Command7(NavigationButton(context.images, QStringLiteral("Command7"),
                                QStringLiteral("BrowseStop.bmp"), QStringLiteral("Stop"), this)),
      Command6(NavigationButton(context.images, QStringLiteral("Command6"),
                                QStringLiteral("BrowseRefresh.bmp"), QStringLiteral("Refresh"),
                                this)),
      Command8(NavigationButton(context.images, QStringLiteral("Command8"),
                                QStringLiteral("BrowseInstall.bmp"),
                                QStringLiteral("Install a map package you saved"), this)),
      Label1(Named(new QLabel(QStringLiteral("Map folder contents:"), this),
                   QStringLiteral("Label1"))),
      Combo1(Named(new QComboBox(this), QStringLiteral("Combo1"))),
      Label2(Named(new QLabel(QStringLiteral("Stored map folder contents:"), this),
                   QStringLiteral("Label2"))),
      Combo2(Named(new QComboBox(this), QStringLiteral("Combo2"))),
      File1(new FileListBox(context.services.files, QStringLiteral("File1"), this)),
      File2(new FileListBox(context.services.files, QStringLiteral("File2"), this)),
      WebBrowser1(nullptr),
      Return(Named(new QAction(QStringLiteral("  &Return to the Zorvane console..."), this),
                   QStringLiteral("Return"))),
      SwitchGame(Named(new QAction(QStringLiteral("    Switch game    "), this),
                       QStringLiteral("SwitchGame"))),
      m_downloadShelf(Named(new QFrame(this), QStringLiteral("DownloadShelf"))),
      m_downloadStatus(Named(new QLabel(m_downloadShelf), QStringLiteral("DownloadStatus"))),
      m_downloadProgress(Named(new QProgressBar(m_downloadShelf),
                               QStringLiteral("DownloadProgress")))
{
    setObjectName(QStringLiteral("Grabber"));
    setWindowTitle(kCaption);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(0x16, 0x22, 0x14));
    colours.setColor(QPalette::WindowText, QColor(0xf0, 0xe6, 0xc8));
    setPalette(colours);

    // The small type of the window's design, so the captions fit their places.
    for (QLabel* label : {Label1, Label2}) {
        QFont small = label->font();
        small.setPointSize(8);
        label->setFont(small);
    }
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    // The map lists only feed the drop-downs; the user never works with them.
    File1->hide();
    File2->hide();

    for (int k = 1; k <= kPageButtonCount; ++k) {
        auto* button = new ImageButton(context.images, QStringLiteral("Image%1").arg(k), this);
        m_images[k - 1] = button;
        if (k == 1)
            connect(button, &ImageButton::clicked, this, [this] { m_column.Image1_Click(); });
        else
            connect(button, &ImageButton::clicked, this, [this, k] { m_column.Image_Click(k); });
    }

    BrowserEvents events;
    events.progressChange = [this](qint32 progress, qint32 maximum) {
        WebBrowser1_ProgressChange(progress, maximum);
    };
    events.downloadRequested = [this](const QString& name) { return placeDownload(name); };
    events.downloadChanged = [this](const DownloadReport& report) { showDownload(report); };
    QString whyNot;
    if (m_setup.makeBrowser)
        m_browser = m_setup.makeBrowser(this, std::move(events), &whyNot);
    if (m_browser) {
        WebBrowser1 = m_browser->widget();
    } else {
        // The window still lists the maps; where the pages would be, it says why there are none.
        auto* reason = new QLabel(whyNot, this);
        reason->setWordWrap(true);
        reason->setAlignment(Qt::AlignCenter);
        reason->setFrameStyle(QFrame::Box | QFrame::Plain);
        WebBrowser1 = reason;
    }
    WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));

    // A strip along the browser's foot tells how a download goes; a click puts it away.
    m_downloadShelf->setAutoFillBackground(true);
    m_downloadShelf->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_downloadShelf->setCursor(Qt::PointingHandCursor);
    m_downloadShelf->setToolTip(QStringLiteral("Click to close"));
    auto* shelfRow = new QHBoxLayout(m_downloadShelf);
    shelfRow->setContentsMargins(6, 1, 6, 1);
    shelfRow->addWidget(m_downloadStatus, 1);
    shelfRow->addWidget(m_downloadProgress);
    m_downloadProgress->setRange(0, 100);
    m_downloadProgress->setFixedWidth(120);
    m_downloadProgress->setTextVisible(false);
    m_downloadShelf->hide();
    m_downloadShelf->installEventFilter(this);

    const std::pair<ImageButton*, void (BrowserComponent::*)()> navigation[] = {
        {Command2, &BrowserComponent::GoBack},
        {Command3, &BrowserComponent::GoForward},
        {Command7, &BrowserComponent::Stop},
        {Command6, &BrowserComponent::Refresh2},
    };
    for (const auto& [button, operation] : navigation)
        connect(button, &ImageButton::clicked, this, [this, operation] { onBrowser(operation); });
    connect(Command8, &ImageButton::clicked, this, &Grabber::Command8_Click);
    connect(Return, &QAction::triggered, this, &Grabber::Return_Click);
    connect(SwitchGame, &QAction::triggered, this, &Grabber::SwitchGame_Click);

    if (parentWidget())
        parentWidget()->installEventFilter(this);
    hide();
}

void Grabber::Load()
{
    for (const char* name : kClosedOnOpening)
        Skipping([&] { m_forms.unload(QString::fromLatin1(name)); });
    Skipping([&] {
        if (QWidget* found = m_forms.loaded(QStringLiteral("ListMaps")))
            found->hide();
    });
    Skipping([&] {
        fillClientArea();
        layOut();
    });
    Skipping([&] { openAddress(m_setup.repositoryBase + kIndexPagePath); });

    if (m_state.CurrentGame == kRmth3 && !m_state.Rmth3Folder.isEmpty()) {
        Skipping([&] { pointMapLists(m_state.Rmth3Folder); });
        SwitchGame->setText(QStringLiteral("Switch to BHWWE"));
    } else if (m_state.CurrentGame == kBhwwe && !m_state.BhwweFolder.isEmpty()) {
        Skipping([&] { pointMapLists(m_state.BhwweFolder); });
        SwitchGame->setText(QStringLiteral("Switch to RMTH3"));
    }
    if ((m_state.CurrentGame == kBhwwe && m_state.Rmth3Folder.isEmpty()) ||
        (m_state.CurrentGame == kRmth3 && m_state.BhwweFolder.isEmpty())) {
        SwitchGame->setEnabled(false);
        SwitchGame->setText(QString());
    }
    Skipping([&] { FillMapLists(); });
    m_column.ButtonMode = 1;
    Skipping([&] { m_column.ShowMainPageButtons(); });
}

void Grabber::Unload()
{
    // However the window goes (its close button, the return command, an information window
    // closing it), the map manager goes too and the console comes back. While the program
    // ends, nothing loads any more.
    m_frame.showFrameMenu(this);
    Skipping([&] { m_forms.unload(QStringLiteral("MapManager")); });
    Skipping([&] { showConsole(); });
}

void Grabber::WebBrowser1_ProgressChange(qint32 progress, qint32 maximum)
{
    if (const auto value = ProgressBarValue(progress, maximum))
        ProgressBar1->setValue(*value);
}

void Grabber::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Shown again after the installer, the window is maximized as it was when it opened.
    fillClientArea();
    layOut();
    raise();
    m_frame.showWindowMenu(this, {Return, SwitchGame}, [this] { close(); });
}

void Grabber::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_frame.showFrameMenu(this);
}

void Grabber::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_forms.unload(QStringLiteral("Grabber"));
}

bool Grabber::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && isVisible()) {
        fillClientArea();
        layOut();
    } else if (watched == m_downloadShelf && event->type() == QEvent::MouseButtonRelease) {
        m_downloadShelf->hide();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Grabber::fillClientArea()
{
    if (QWidget* area = parentWidget())
        setGeometry(area->rect());
}

void Grabber::layOut()
{
    const double perPixelX = m_screen.twipsPerPixelX();
    const double perPixelY = m_screen.twipsPerPixelY();
    for (const ControlPlace& place :
         GrabberLayout(m_screen.widthTwips(), m_screen.heightTwips(), perPixelX)) {
        auto* control = findChild<QWidget*>(QLatin1String(place.name));
        if (!control)
            continue;
        QRect at(RoundHalfEven(place.left / perPixelX), RoundHalfEven(place.top / perPixelY),
                 RoundHalfEven(place.width / perPixelX), RoundHalfEven(place.height / perPixelY));
        if (control == WebBrowser1) {
            // The browser ends at the window's foot even where the frame has less room than
            // the screen.
            at.setHeight(std::max(0, std::min(at.height(), height() - at.top())));
            m_downloadShelf->setGeometry(at.left(), at.bottom() + 1 - kShelfHeight, at.width(),
                                         kShelfHeight);
        }
        control->setGeometry(at);
    }
    m_downloadShelf->raise();
}

void Grabber::pointMapLists(const QString& gameFolder)
{
    // A list whose folder cannot be read shows nothing rather than another game's maps.
    const auto point = [](FileListBox& list, const QString& folder) {
        list.setPattern(kMapListFilter);
        try {
            list.setPath(folder);
        } catch (const Failure&) {
            list.clear();
        }
    };
    point(*File1, MapsFolderOf(gameFolder));
    point(*File2, StorageFolderOf(gameFolder));
}

void Grabber::FillMapLists()
{
    Combo1->addItems(File1->names());
    Combo2->addItems(File2->names());
    // A drop-down list shows no entry until the user picks one; until then it says how many
    // it holds.
    for (QComboBox* list : {Combo1, Combo2}) {
        list->setCurrentIndex(-1);
        list->setPlaceholderText(list->count() == 1 ? QStringLiteral("1 map")
                                                    : QStringLiteral("%1 maps").arg(list->count()));
    }
}

void Grabber::openAddress(const QString& address)
{
    if (m_browser)
        m_browser->Navigate2(address);
}

void Grabber::showConsole()
{
    if (QWidget* console = m_forms.load(QStringLiteral("MapMain"))) {
        console->show();
        console->raise();
    }
}

void Grabber::onBrowser(void (BrowserComponent::*operation)())
{
    // Back, Forward, Stop and Refresh: with nothing to go to, nothing happens.
    if (m_browser)
        (m_browser->*operation)();
}

void Grabber::Command8_Click()
{
    for (const char* name : {"MapMain", "MapManager", "ListMaps"}) {
        if (QWidget* found = m_forms.loaded(QString::fromLatin1(name)); found && found->isVisible())
            found->hide();
    }
    QWidget* installer = m_forms.load(QStringLiteral("Install"));
    if (!installer)
        return; // without an installer to show, the browser stays
    installer->show();
    installer->raise();
    // Hidden, not closed: the page and its history wait for the installer to close.
    hide();
}

void Grabber::Return_Click()
{
    close();
    showConsole();
}

void Grabber::SwitchGame_Click()
{
    if (m_state.CurrentGame == kRmth3 && m_state.BhwweFolder.size() > 1) {
        m_state.CurrentGame = kBhwwe;
        m_frame.setTitle(QStringLiteral("Zorvane 2.0 - Bird Hunter Wild Wings Edition"));
        pointMapLists(m_state.BhwweFolder);
        SwitchGame->setText(QStringLiteral("    Switch to RMTH3    "));
    } else if (m_state.CurrentGame == kBhwwe && m_state.Rmth3Folder.size() > 1) {
        m_state.CurrentGame = kRmth3;
        m_frame.setTitle(QStringLiteral("Zorvane 2.0 - Rocky Mountain Trophy Hunter 3"));
        pointMapLists(m_state.Rmth3Folder);
        SwitchGame->setText(QStringLiteral("    Switch to BHWWE    "));
    }
    openAddress(m_setup.repositoryBase + kIndexPagePath);
    Combo1->clear();
    Combo2->clear();
    FillMapLists();
    m_column.ButtonMode = 1;
    m_column.ShowMainPageButtons();
}

void Grabber::setButtonPicture(int button, const QString& picture)
{
    ImageButton* image = m_images.at(button - 1);
    if (picture.isEmpty()) {
        image->clearPicture();
        return;
    }
    try {
        image->setPicture(picture);
    } catch (const Failure&) {
        // A missing picture leaves the button blank but working.
        image->clearPicture();
    }
}

void Grabber::setButtonEnabled(int button, bool enabled)
{
    m_images.at(button - 1)->setEnabled(enabled);
}

void Grabber::openPage(const QString& path)
{
    openAddress(m_setup.repositoryBase + path);
}

QString Grabber::placeDownload(const QString& suggestedName)
{
    try {
        const QString target = m_setup.downloads.placeFor(suggestedName);
        showDownloadText(QStringLiteral("Downloading ") + target.section(QLatin1Char('/'), -1) +
                         QStringLiteral(" ..."));
        m_downloadProgress->setValue(0);
        return target;
    } catch (const Failure&) {
        const QString text = QStringLiteral("The download of ") + suggestedName +
                             QStringLiteral(" cannot be saved: the folder ") +
                             m_setup.downloads.shown + QStringLiteral(" cannot be written to.");
        showDownloadText(text);
        m_messages.show(text);
        return QString();
    }
}

void Grabber::showDownload(const DownloadReport& report)
{
    switch (report.stage) {
    case DownloadReport::Stage::Receiving:
        if (report.total > 0) {
            const auto percent = static_cast<int>(report.received * 100 / report.total);
            m_downloadProgress->setValue(std::clamp(percent, 0, 100));
            showDownloadText(QStringLiteral("Downloading %1: %2 %").arg(report.fileName).arg(percent));
        } else {
            showDownloadText(QStringLiteral("Downloading ") + report.fileName +
                             QStringLiteral(": ") + SizeText(report.received));
        }
        break;
    case DownloadReport::Stage::Saved:
        m_downloadProgress->setValue(100);
        showDownloadText(report.fileName + QStringLiteral(" was saved in ") +
                         m_setup.downloads.shown + QLatin1Char('.'));
        break;
    case DownloadReport::Stage::Failed: {
        m_downloadProgress->setValue(0);
        const QString text = QStringLiteral("The download of ") + report.fileName +
                             QStringLiteral(" failed: ") + report.reason +
                             (report.reason.endsWith(QLatin1Char('.')) ? QString()
                                                                        : QStringLiteral("."));
        showDownloadText(text);
        m_messages.show(text);
        break;
    }
    }
}

void Grabber::showDownloadText(const QString& text)
{
    m_downloadStatus->setText(text);
    m_downloadShelf->show();
    m_downloadShelf->raise();
}

} // namespace zv
