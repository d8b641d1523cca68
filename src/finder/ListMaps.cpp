#include "ListMaps.h"

#include "FinderLook.h"

#include "frame/MDIForm1.h"
#include "platform/Screen.h"
#include "widgets/ImageButton.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace zv {

namespace {

// Where the list sits against the map manager's top-left corner, in pixels.
constexpr int kRightOfManager = 500;
constexpr int kBelowManager = 360;

// The minimized bar, in design pixels.
constexpr int kBarWidth = 160;
constexpr int kBarHeight = 22;

} // namespace

void SetMinimized(QWidget& window, bool minimized)
{
    Qt::WindowStates state = window.windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (minimized)
        state |= Qt::WindowMinimized;
    window.setWindowState(state);
}

ListMaps::ListMaps(const WindowContext& context)
    : SkinnedWindow(QStringLiteral("ListMaps"), context.forms.mainFrame().clientArea(), context.images,
                    context.screen),
      m_forms(context.forms), Text1(Named(new QPlainTextEdit(this), QStringLiteral("Text1"))),
      Image1(new ImageButton(context.images, QStringLiteral("Image1"), this)),
      m_minimizedBar(Named(new QPushButton(QStringLiteral("Found Files List"), this),
                           QStringLiteral("MinimizedBar")))
{
    place(Text1, 35, 58, 300, 103);
    place(Image1, 337, 16, 18, 18);

    // Nothing reads the list back, so it takes no typing; its lines can still be copied.
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    UseFinderLook(*Text1);
    Image1->setToolTip(QStringLiteral("Close the Find Map tool"));

    UseFinderLook(*m_minimizedBar);
    m_minimizedBar->setFlat(true);
    m_minimizedBar->setToolTip(QStringLiteral("Show the Found Files List"));
    m_minimizedBar->hide();

    connect(Image1, &ImageButton::clicked, this, &ListMaps::Image1_Click);
    connect(m_minimizedBar, &QPushButton::clicked, this, [this] {
        SetMinimized(*this, false);
        raise();
    });
    // The bar keeps to the bottom of the client area as the frame is resized.
    if (parentWidget())
        parentWidget()->installEventFilter(this);
}

ListMaps::~ListMaps() = default;

void ListMaps::Load()
{
    applyShape();
    if (SkinnedWindow* manager = placeBesideManager())
        manager->centreOnTwips(m_forms.mainFrame().outerSizeTwips());
}

void ListMaps::Unload()
{
    releaseShape();
}

void ListMaps::appendFoundPath(const QString& path)
{
    QTextCursor end(Text1->document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("\n") + path);
}

SkinnedWindow* ListMaps::placeBesideManager()
{
    auto* manager = qobject_cast<SkinnedWindow*>(m_forms.load(QStringLiteral("MapManager")));
    if (!manager)
        return nullptr;
    moveToTwips(manager->positionTwips() + QPointF(kRightOfManager * screen().twipsPerPixelX(),
                                                   kBelowManager * screen().twipsPerPixelY()));
    return manager;
}

void ListMaps::Image1_Click()
{
    SetMinimized(*this, true);
}

void ListMaps::changeEvent(QEvent* event)
{
    SkinnedWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        showStateLook();
}

bool ListMaps::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize && m_showsBar)
        placeMinimizedBar();
    return SkinnedWindow::eventFilter(watched, event);
}

void ListMaps::showStateLook()
{
    const bool minimized = isMinimized();
    if (minimized == m_showsBar)
        return;
    m_showsBar = minimized;
    if (minimized) {
        m_normalPosition = pos();
        m_normalSize = size();
        Text1->hide();
        Image1->hide();
        clearMask();
        setFixedSize(scale().size(kBarWidth, kBarHeight));
        m_minimizedBar->setGeometry(rect());
        m_minimizedBar->show();
        placeMinimizedBar();
    } else {
        m_minimizedBar->hide();
        setFixedSize(m_normalSize);
        move(m_normalPosition);
        if (shape().isApplied())
            setMask(shape().region());
        Text1->show();
        Image1->show();
    }
}

void ListMaps::placeMinimizedBar()
{
    if (parentWidget())
        move(0, parentWidget()->height() - height());
}

} // namespace zv
