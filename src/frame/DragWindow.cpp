#include "frame/DragWindow.h"

#include "platform/Screen.h"

#include <QMouseEvent>
#include <QWidget>

namespace zv {

namespace {

// Room left on screen, in twips, when a window dropped past the edge is brought back.
constexpr double StandardRightMargin = 200;
constexpr double StandardBottomMargin = 100;
constexpr double FoundFilesMargin = 10;
constexpr double LeftmostPosition = 50;
constexpr double TopmostPosition = 0;

// The right or bottom limit comes first, so a window too big for the screen is then pulled
// back to the left or top limit.
double ClampAxis(double position, double limit, double backTo, double lowest)
{
    if (position >= limit)
        position = backTo;
    if (position <= lowest)
        position = lowest;
    return position;
}

} // namespace

QPointF ClampStandard(QPointF leftTop, QSizeF size, QSizeF screen)
{
    const double rightLimit = screen.width() - size.width();
    const double bottomLimit = screen.height() - size.height();
    return {ClampAxis(leftTop.x(), rightLimit, rightLimit - StandardRightMargin, LeftmostPosition),
            ClampAxis(leftTop.y(), bottomLimit, bottomLimit - StandardBottomMargin,
                      TopmostPosition)};
}

QPointF ClampFoundFilesList(QPointF leftTop, QSizeF size, QSizeF screen)
{
    const double rightLimit = screen.width() - size.width() / 4;
    const double bottomLimit = screen.height() - size.height() / 4;
    return {ClampAxis(leftTop.x(), rightLimit, rightLimit - FoundFilesMargin, LeftmostPosition),
            ClampAxis(leftTop.y(), bottomLimit, bottomLimit - FoundFilesMargin, TopmostPosition)};
}

QPointF ClampWindowPosition(DragVariant variant, QPointF leftTop, QSizeF size, QSizeF screen)
{
    return variant == DragVariant::FoundFilesList ? ClampFoundFilesList(leftTop, size, screen)
                                                  : ClampStandard(leftTop, size, screen);
}

WindowDragger::WindowDragger(QWidget& window, DragVariant variant, const Screen& screen)
    : QObject(&window), m_window(window), m_variant(variant), m_screen(screen)
{
    m_window.installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_window)
        return false;
    switch (event->type()) {
    // A quick second press arrives as a double click; it starts a drag like any press.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return startDrag(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseMove:
        return follow(static_cast<const QMouseEvent&>(*event));
    case QEvent::MouseButtonRelease:
        return finishDrag(static_cast<const QMouseEvent&>(*event));
    default:
        return false;
    }
}

bool WindowDragger::startDrag(const QMouseEvent& press)
{
    if (isDragging())
        return true;
    // Presses on controls reach the window only when the control ignores them; they still
    // belong to the control.
    if (m_window.childAt(press.position().toPoint()) != nullptr)
        return false;
    m_dragButton = press.button();
    m_pressGlobal = press.globalPosition();
    m_startPosition = m_window.pos();
    return true;
}

bool WindowDragger::follow(const QMouseEvent& move)
{
    if (!isDragging())
        return false;
    const QPointF moved = move.globalPosition() - m_pressGlobal;
    m_window.move(m_startPosition + moved.toPoint());
    return true;
}

// The release's own position is not followed: the window is where the last move put it, and a
// release reported in the moved window's coordinates would otherwise jump it.
bool WindowDragger::finishDrag(const QMouseEvent& release)
{
    if (!isDragging())
        return false;
    if (release.button() != m_dragButton)
        return true;
    m_dragButton = Qt::NoButton;
    clampPosition();
    return true;
}

void WindowDragger::clampPosition()
{
    const double tppX = m_screen.twipsPerPixelX();
    const double tppY = m_screen.twipsPerPixelY();
    const QPointF leftTop(m_window.x() * tppX, m_window.y() * tppY);
    const QSize outer = m_window.frameGeometry().size();
    const QSizeF size(outer.width() * tppX, outer.height() * tppY);
    const QSizeF screen(m_screen.widthTwips(), m_screen.heightTwips());
    const QPointF clamped = ClampWindowPosition(m_variant, leftTop, size, screen);
    m_window.move(qRound(clamped.x() / tppX), qRound(clamped.y() / tppY));
}

} // namespace zv
