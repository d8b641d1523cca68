#pragma once

#include "frame/Outline.h"

#include <QRegion>

class QWidget;

namespace zv {

class Screen;

// A window's outline as device pixels: its visible and clickable area.
using WindowOutline = QRegion;

// Holds one skinned window's outline from its load to its unload. The outline is built for the
// display once and then never changes; a window loaded again builds a fresh one.
class WindowShape {
public:
    // Cuts the window to the outline and repaints it at once.
    void apply(QWidget& window, const OutlineSpec& description, const Screen& screen);
    // Gives the window back its full rectangle and forgets the outline.
    void release(QWidget& window);

    const WindowOutline& region() const { return m_outline; }
    bool isApplied() const { return !m_outline.isEmpty(); }

private:
    WindowOutline m_outline;
};

void ApplyWindowShape(QWidget& window, WindowShape& shape, const OutlineSpec& description,
                      const Screen& screen);
void ReleaseWindowShape(QWidget& window, WindowShape& shape);

} // namespace zv
