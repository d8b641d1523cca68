#include "frame/WindowShape.h"

#include "platform/Screen.h"

#include <QWidget>

namespace zv {

void WindowShape::apply(QWidget& window, const OutlineSpec& description, const Screen& screen)
{
    m_outline = BuildOutline(description, 1.0f, 1.0f, 0, 0, screen.twipsPerPixelX(),
                             screen.twipsPerPixelY());
    window.setMask(m_outline);
    window.repaint();
}

void WindowShape::release(QWidget& window)
{
    window.clearMask();
    m_outline = WindowOutline();
}

void ApplyWindowShape(QWidget& window, WindowShape& shape, const OutlineSpec& description,
                      const Screen& screen)
{
    shape.apply(window, description, screen);
}

void ReleaseWindowShape(QWidget& window, WindowShape& shape)
{
    shape.release(window);
}

} // namespace zv
