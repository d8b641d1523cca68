#pragma once

#include <QString>

namespace zv {

// Message boxes with an OK button only, no icon and the program's title.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void show(const QString& text) = 0;
};

// The title every message box carries.
inline const QString kProgramTitle = QStringLiteral("Zorvane 2.0");

} // namespace zv
