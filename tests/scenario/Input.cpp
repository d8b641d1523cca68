#include "Input.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace zv::scenario {

namespace {

constexpr int kScanStep = 3;
constexpr int kDragSteps = 4;

QWidget& TopOf(QWidget& target)
{
    return *target.window();
}

QWindow* HandleOf(QWidget& target)
{
    QWidget& top = TopOf(target);
    top.winId(); // makes the native window when the widget has none yet
    return top.windowHandle();
}

QPoint InTop(QWidget& target, QPoint at)
{
    return target.mapTo(&TopOf(target), at);
}

bool Lands(const QWidget& target, QPoint at, bool bodyOnly)
{
    if (!target.rect().contains(at))
        return false;
    const QWidget* top = target.window();
    const QWidget* hit = top->childAt(target.mapTo(top, at));
    if (!hit)
        hit = top;
    return bodyOnly ? hit == &target : (hit == &target || target.isAncestorOf(hit));
}

} // namespace

std::optional<QPoint> ReachablePoint(const QWidget& target, QPoint preferred, bool bodyOnly)
{
    if (!target.isVisible())
        return std::nullopt;
    if (Lands(target, preferred, bodyOnly))
        return preferred;
    for (int y = 0; y < target.height(); y += kScanStep) {
        for (int x = 0; x < target.width(); x += kScanStep) {
            if (Lands(target, QPoint(x, y), bodyOnly))
                return QPoint(x, y);
        }
    }
    return std::nullopt;
}

void Press(QWidget& target, QPoint at, Qt::MouseButton button)
{
    QTest::mousePress(HandleOf(target), button, Qt::NoModifier, InTop(target, at));
}

void Release(QWidget& target, QPoint at, Qt::MouseButton button)
{
    QTest::mouseRelease(HandleOf(target), button, Qt::NoModifier, InTop(target, at));
}

void Click(QWidget& target, QPoint at, Qt::MouseButton button)
{
    QTest::mouseClick(HandleOf(target), button, Qt::NoModifier, InTop(target, at));
}

void DoubleClick(QWidget& target, QPoint at)
{
    QWindow* handle = HandleOf(target);
    const QPoint point = InTop(target, at);
    QTest::mouseDClick(handle, Qt::LeftButton, Qt::NoModifier, point);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, point);
}

// The points are fixed in the top-level window before the press: the dragged window moves
// under the pointer, the pointer does not move with it.
void DragBy(QWidget& target, QPoint at, QPoint delta)
{
    QWindow* handle = HandleOf(target);
    const QPoint start = InTop(target, at);
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    for (int step = 1; step <= kDragSteps; ++step)
        QTest::mouseMove(handle, start + delta * step / kDragSteps);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, start + delta);
}

std::optional<int> KeyNamed(const QString& name)
{
    static const std::pair<const char*, int> kKeys[] = {
        {"Enter", Qt::Key_Return},
        {"Return", Qt::Key_Return},
        {"Escape", Qt::Key_Escape},
        {"Tab", Qt::Key_Tab},
        {"Backspace", Qt::Key_Backspace},
        {"Delete", Qt::Key_Delete},
        {"Space", Qt::Key_Space},
        {"Up", Qt::Key_Up},
        {"Down", Qt::Key_Down},
        {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right},
        {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},
        {"PageUp", Qt::Key_PageUp},
        {"PageDown", Qt::Key_PageDown},
        {"F1", Qt::Key_F1},
    };
    for (const auto& [keyName, key] : kKeys) {
        if (name == QLatin1String(keyName))
            return key;
    }
    if (name.size() == 1) {
        const QChar c = name.at(0).toUpper();
        if (c.unicode() < 128)
            return c.unicode(); // Qt's key codes of the ASCII characters are the characters
        return Qt::Key_unknown;
    }
    return std::nullopt;
}

void PressKey(QWidget& target, int key, const QString& text)
{
    QTest::sendKeyEvent(QTest::Click, &target, static_cast<Qt::Key>(key), text, Qt::NoModifier);
}

QString TextOfKey(int key)
{
    const char ascii = QTest::keyToAscii(static_cast<Qt::Key>(key));
    return ascii ? QString(QLatin1Char(ascii)) : QString();
}

void TypeCharacter(QWidget& target, QChar character)
{
    const QString name(character);
    PressKey(target, KeyNamed(name).value_or(Qt::Key_unknown), name);
}

} // namespace zv::scenario
