#pragma once

#include "frame/Forms.h"
#include "frame/SkinnedWindow.h"
#include "frame/WindowContext.h"

class QPlainTextEdit;
class QPushButton;

namespace zv {

class ImageButton;

// Puts a child window of the frame into the minimized or the normal state. A window that is
// not shown stays hidden either way.
void SetMinimized(QWidget& window, bool minimized);

// The found-files list: one line per return from the finder, kept for the whole run.
// Minimized, it shrinks to a bar at the bottom left of the frame's client area, which
// brings it back when clicked.
class ListMaps final : public SkinnedWindow, public Form {
    Q_OBJECT
public:
    explicit ListMaps(const WindowContext& context);
    ~ListMaps() override;

    // Form
    void Load() override;
    void Unload() override;

    // Adds a line break and the path; the list's first line stays empty.
    void appendFoundPath(const QString& path);
    // 500 pixels right of and 360 pixels below the map manager's top-left corner, the
    // manager loaded first when it is not. Returns the manager (nullptr when there is none).
    SkinnedWindow* placeBesideManager();

protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Image1_Click();
    // Shows the window's body or its minimized bar, by its state.
    void showStateLook();
    void placeMinimizedBar();

    Forms& m_forms;
    // Where the body was and how big it is, while the window is only a bar.
    QPoint m_normalPosition;
    QSize m_normalSize;
    bool m_showsBar = false;

    QPlainTextEdit* Text1;
    ImageButton* Image1;
    QPushButton* m_minimizedBar;
};

} // namespace zv
