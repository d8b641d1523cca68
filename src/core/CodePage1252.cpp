#include "CodePage1252.h"

#include <array>

namespace zv {

namespace {

// The characters of bytes 0x80 to 0x9F; every other byte is the character of
// the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178',
};

// The byte of a code point, or -1 when the code page has none.
int ByteOf(char32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == codePoint)
            return 0x80 + static_cast<int>(i);
    }
    return -1;
}

// The code point starting at index i of text, and how many code units it
// takes; a lone surrogate is U+FFFD, which the code page has no byte for.
char32_t CodePointAt(QStringView text, qsizetype i, qsizetype& units)
{
    const QChar c = text[i];
    units = 1;
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        units = 2;
        return QChar::surrogateToUcs4(c, text[i + 1]);
    }
    return c.isSurrogate() ? U'\uFFFD' : c.unicode();
}

} // namespace

QString DecodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80])
                                                : QChar(char16_t(byte));
    }
    return text;
}

QByteArray EncodeCp1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype units = 0;
    for (qsizetype i = 0; i < text.size(); i += units) {
        const int byte = ByteOf(CodePointAt(text, i, units));
        bytes.append(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return bytes;
}

QStringList CharactersOutsideCp1252(QStringView text)
{
    QStringList found;
    qsizetype units = 0;
    for (qsizetype i = 0; i < text.size(); i += units) {
        if (ByteOf(CodePointAt(text, i, units)) >= 0)
            continue;
        const QString character = text.sliced(i, units).toString();
        if (!found.contains(character))
            found.append(character);
    }
    return found;
}

} // namespace zv
