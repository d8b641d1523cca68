#pragma once

#include <QPoint>
#include <QString>

#include <optional>

class QWidget;

namespace zv::scenario {

// Mouse and keyboard input as the window system delivers it: through the top-level window, to
// whatever widget lies under the pointer, so outlines, covering controls and disabled controls
// count as they do for a user.

// A point of target (in its own coordinates) where a press would land on target itself or on
// one of its children; with bodyOnly, on target and none of its children. The preferred point
// is tried first, then the rest of the widget.
std::optional<QPoint> ReachablePoint(const QWidget& target, QPoint preferred, bool bodyOnly);

void Press(QWidget& target, QPoint at, Qt::MouseButton button);
void Release(QWidget& target, QPoint at, Qt::MouseButton button);
void Click(QWidget& target, QPoint at, Qt::MouseButton button);
void DoubleClick(QWidget& target, QPoint at);
// Press at a point of target, move the pointer by delta in a few steps, release.
void DragBy(QWidget& target, QPoint at, QPoint delta);

// A key by its scenario name ("Enter", "Escape", "Tab", ... or one character); nullopt for a
// name that is no key.
std::optional<int> KeyNamed(const QString& name);
// A key press and release sent to a widget; text is what the key types (may be empty).
void PressKey(QWidget& target, int key, const QString& text);
// What a named key types ("\r" for Enter); empty for keys that type nothing.
QString TextOfKey(int key);
// Types one character as a key press.
void TypeCharacter(QWidget& target, QChar character);

} // namespace zv::scenario
