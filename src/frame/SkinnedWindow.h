#pragma once

#include "frame/DragWindow.h"
#include "frame/WindowShape.h"

#include <QPixmap>
#include <QWidget>

#include <memory>

namespace zv {

class Screen;
class SupportImages;

// Turns design pixels (15 twips each) into the display's pixels.
class DesignScale {
public:
    explicit DesignScale(const Screen& screen);
    int x(int design) const;
    int y(int design) const;
    QRect rect(int left, int top, int width, int height) const;
    QSize size(int width, int height) const;

private:
    double m_fx;
    double m_fy;
};

// Gives a control its name (the objectName that scenarios and other windows find it by).
template <typename Control> Control* Named(Control* control, const QString& name)
{
    control->setObjectName(name);
    return control;
}

// A borderless child window of the frame's client area: it paints its skin
// picture from its top-left corner, is cut to its outline while loaded and
// is moved by dragging its body.
class SkinnedWindow : public QWidget {
    Q_OBJECT
public:
    SkinnedWindow(const QString& name, QWidget* clientArea, const SupportImages& images,
                  const Screen& screen);
    ~SkinnedWindow() override;

    // The window's Load: the outline first, as every skinned window does.
    void applyShape();
    // The window's Unload.
    void releaseShape();
    const WindowShape& shape() const { return m_shape; }

    // Position in the client area and outer size, in twips.
    QPointF positionTwips() const;
    QSizeF sizeTwips() const;
    void moveToTwips(QPointF leftTop);
    // Centres the window on an outer size in twips (the main frame's): top = (frame height -
    // window height) / 2, left likewise.
    void centreOnTwips(QSizeF frameOuterSize);

    const Screen& screen() const { return m_screen; }
    const SupportImages& images() const { return m_images; }
    const DesignScale& scale() const { return m_scale; }

protected:
    void paintEvent(QPaintEvent* event) override;
    // Places a control at its design position.
    void place(QWidget* control, int left, int top, int width, int height) const;

private:
    const SupportImages& m_images;
    const Screen& m_screen;
    DesignScale m_scale;
    QPixmap m_skin;
    WindowShape m_shape;
    std::unique_ptr<WindowDragger> m_dragger;
};

} // namespace zv
