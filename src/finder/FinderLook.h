#pragma once

#include <QFont>
#include <QPalette>
#include <QWidget>

namespace zv {

// The finder's controls: green Arial 9 pt text on the skin's dark grey.
inline void UseFinderLook(QWidget& control)
{
    control.setFont(QFont(QStringLiteral("Arial"), 9));
    QPalette palette = control.palette();
    const QColor text(0x00, 0xC0, 0x00);
    const QColor back(0x29, 0x2A, 0x2C);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        palette.setColor(role, back);
    control.setPalette(palette);
    control.setAutoFillBackground(true);
}

} // namespace zv
