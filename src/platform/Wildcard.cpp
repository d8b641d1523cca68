#include "Wildcard.h"

#include <algorithm>

namespace zv {

bool HasWildcards(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

namespace {

// Case folding with a quick way for the plain letters most file names are made of.
inline char16_t Folded(QChar c)
{
    const char16_t code = c.unicode();
    if (code < 0x80)
        return code >= u'A' && code <= u'Z' ? static_cast<char16_t>(code + (u'a' - u'A')) : code;
    return c.toCaseFolded().unicode();
}

// "*.gmx" and the like: a name matches when it ends in the text after the star.
bool MatchesEnding(const QString& name, QStringView ending)
{
    if (name.size() < ending.size())
        return false;
    const qsizetype start = name.size() - ending.size();
    for (qsizetype i = 0; i < ending.size(); ++i) {
        if (Folded(name[start + i]) != Folded(ending[i]))
            return false;
    }
    return true;
}

} // namespace

bool MatchesWildcard(const QString& name, const QString& pattern)
{
    const QStringView afterStar = QStringView(pattern).mid(1);
    if (pattern.startsWith(QLatin1Char('*')) && !afterStar.contains(QLatin1Char('*')) &&
        !afterStar.contains(QLatin1Char('?')))
        return MatchesEnding(name, afterStar);

    // Plain iterative matching with backtracking to the last '*': linear in
    // practice and free of regular-expression escaping pitfalls.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') ||
                                   (pattern[p] != QLatin1Char('*') &&
                                    Folded(name[n]) == Folded(pattern[p])))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == QLatin1Char('*')) {
            starP = p++;
            starN = n;
        } else if (starP >= 0) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

QStringList SplitPatternList(const QString& patterns)
{
    QStringList parts;
    for (const QString& part : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = part.trimmed();
        if (!trimmed.isEmpty())
            parts.append(trimmed);
    }
    return parts;
}

bool MatchesPatternList(const QString& name, const QString& patterns)
{
    const QStringList parts = SplitPatternList(patterns);
    return std::any_of(parts.begin(), parts.end(),
                       [&](const QString& pattern) { return MatchesWildcard(name, pattern); });
}

} // namespace zv
