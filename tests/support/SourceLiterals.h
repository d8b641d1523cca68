#pragma once

#include <QString>

#include <vector>

namespace zv {

struct SourceLiteral {
    QString text; // escapes resolved; raw literals as written
    int line = 0; // 1-based line of the opening quote
};

// The string literals of a C++ source text, in order. Comments, character literals and digit
// separators (1'000) are passed over, so a quote inside them starts no literal.
std::vector<SourceLiteral> StringLiteralsIn(const QString& source);

// The Support file name that a literal names, or the empty text. A literal names a picture when
// it ends in ".bmp"; a leading "\Support\" (or "/Support/") is dropped. Tails of names that are
// put together at run time (".bmp", "On.bmp", "Off.bmp", "_Copy.bmp", " MapMain.bmp") name none.
QString SupportNameIn(const QString& literal);

} // namespace zv
