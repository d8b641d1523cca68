#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace zv {

// Windows code page 1252, the system code page the notes file is written in.
// Every byte decodes to one character and encodes back to the same byte: the
// five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number, as on Windows.
QString DecodeCp1252(QByteArrayView bytes);

// The bytes of text; a character the code page cannot hold becomes '?'.
// Check with CharactersOutsideCp1252 first where that would lose something.
QByteArray EncodeCp1252(QStringView text);

// The characters of text that the code page cannot hold, each once, in the
// order they first appear (a character outside the Basic Multilingual Plane,
// such as an emoji, is one entry of two code units).
QStringList CharactersOutsideCp1252(QStringView text);

} // namespace zv
