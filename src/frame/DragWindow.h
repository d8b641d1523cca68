#pragma once

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <QSizeF>

class QMouseEvent;
class QWidget;

namespace zv {

class Screen;

// Where a dragged window may come to rest.
enum class DragVariant {
    // Keeps the whole window on screen, with a margin at the right and bottom.
    Standard,
    // Lets the found-files list hang off the right and bottom by up to three quarters.
    FoundFilesList,
};

// The clamps take and return twips: leftTop is the window's position in the frame's client
// area, size its outer size and screen the whole screen's size.
QPointF ClampStandard(QPointF leftTop, QSizeF size, QSizeF screen);
QPointF ClampFoundFilesList(QPointF leftTop, QSizeF size, QSizeF screen);
QPointF ClampWindowPosition(DragVariant variant, QPointF leftTop, QSizeF size, QSizeF screen);

// Moves a skinned child window when its body is dragged with any mouse button, and brings it
// back on screen when the button is released. A press on one of the window's controls is left
// to that control. Owned by the window; the screen must outlive it.
class WindowDragger : public QObject {
    Q_OBJECT

public:
    WindowDragger(QWidget& window, DragVariant variant, const Screen& screen);

    bool isDragging() const { return m_dragButton != Qt::NoButton; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool startDrag(const QMouseEvent& press);
    bool follow(const QMouseEvent& move);
    bool finishDrag(const QMouseEvent& release);
    void clampPosition();

    QWidget& m_window;
    DragVariant m_variant;
    const Screen& m_screen;
    Qt::MouseButton m_dragButton = Qt::NoButton;
    QPointF m_pressGlobal;
    QPoint m_startPosition;
};

} // namespace zv
