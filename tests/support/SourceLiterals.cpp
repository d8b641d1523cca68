#include "SourceLiterals.h"

#include <QStringList>
#include <QStringView>

namespace zv {

namespace {

bool IsIdentifierChar(QChar c)
{
    return c.isLetterOrNumber() || c == u'_';
}

// Start of the identifier or number that ends just before position at.
qsizetype TokenStart(const QString& source, qsizetype at)
{
    qsizetype start = at;
    while (start > 0 && (IsIdentifierChar(source[start - 1]) || source[start - 1] == u'\''))
        --start;
    return start;
}

// A quote right after a number's digits groups them (1'000, 0xFF'FF); anywhere else it opens a
// character literal.
bool IsDigitSeparator(const QString& source, qsizetype at)
{
    const qsizetype start = TokenStart(source, at);
    return start < at && source[start].isDigit();
}

bool OpensRawLiteral(const QString& source, qsizetype quote)
{
    static const QStringList prefixes{"R", "u8R", "uR", "UR", "LR"};
    qsizetype start = quote;
    while (start > 0 && IsIdentifierChar(source[start - 1]))
        --start;
    return prefixes.contains(source.mid(start, quote - start));
}

QChar Unescaped(QChar c)
{
    switch (c.unicode()) {
    case u'n':
        return u'\n';
    case u't':
        return u'\t';
    case u'r':
        return u'\r';
    default:
        return c; // \\, \", \' and anything rarer stand for themselves here
    }
}

// Reads the literal whose opening quote is at quote; returns the position after its end.
qsizetype ReadPlainLiteral(const QString& source, qsizetype quote, QString& text)
{
    qsizetype at = quote + 1;
    while (at < source.size() && source[at] != u'"' && source[at] != u'\n') {
        if (source[at] == u'\\' && at + 1 < source.size()) {
            text += Unescaped(source[at + 1]);
            at += 2;
        } else {
            text += source[at++];
        }
    }
    return at + 1;
}

qsizetype ReadRawLiteral(const QString& source, qsizetype quote, QString& text)
{
    const qsizetype open = source.indexOf(u'(', quote);
    if (open < 0)
        return source.size();
    const QString close = u')' + source.mid(quote + 1, open - quote - 1) + u'"';
    const qsizetype end = source.indexOf(close, open + 1);
    if (end < 0)
        return source.size();
    text = source.mid(open + 1, end - open - 1);
    return end + close.size();
}

qsizetype SkipCharLiteral(const QString& source, qsizetype quote)
{
    qsizetype at = quote + 1;
    while (at < source.size() && source[at] != u'\'' && source[at] != u'\n')
        at += source[at] == u'\\' ? 2 : 1;
    return at + 1;
}

qsizetype SkipPast(const QString& source, qsizetype from, QStringView end)
{
    const qsizetype found = source.indexOf(end, from);
    return found < 0 ? source.size() : found + end.size();
}

} // namespace

std::vector<SourceLiteral> StringLiteralsIn(const QString& source)
{
    std::vector<SourceLiteral> literals;
    int line = 1;
    qsizetype counted = 0; // newlines before this position are in line
    qsizetype at = 0;
    while (at < source.size()) {
        const QChar c = source[at];
        const QStringView rest = QStringView(source).sliced(at);
        if (rest.startsWith(u"//")) {
            at = SkipPast(source, at, u"\n");
        } else if (rest.startsWith(u"/*")) {
            at = SkipPast(source, at + 2, u"*/");
        } else if (c == u'\'') {
            at = IsDigitSeparator(source, at) ? at + 1 : SkipCharLiteral(source, at);
        } else if (c == u'"') {
            line += int(QStringView(source).sliced(counted, at - counted).count(u'\n'));
            counted = at;
            SourceLiteral literal{QString(), line};
            at = OpensRawLiteral(source, at) ? ReadRawLiteral(source, at, literal.text)
                                             : ReadPlainLiteral(source, at, literal.text);
            literals.push_back(std::move(literal));
        } else {
            ++at;
        }
    }
    return literals;
}

QString SupportNameIn(const QString& literal)
{
    if (!literal.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return {};
    QString name = literal;
    for (const QLatin1String folder : {QLatin1String("\\Support\\"), QLatin1String("/Support/")}) {
        if (name.startsWith(folder))
            name.remove(0, folder.size());
    }
    static const QStringList tails{".bmp", "On.bmp", "Off.bmp", "_Copy.bmp"};
    if (tails.contains(name) || !name.front().isLetterOrNumber())
        return {};
    return name;
}

} // namespace zv
