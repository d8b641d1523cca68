#pragma once

#include <QString>

namespace zv::test {

// A program path or name written in a test as a plain literal.
inline QString S(const char* text)
{
    return QString::fromLatin1(text);
}

} // namespace zv::test
