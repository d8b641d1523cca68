#include "Wildcard.h"

#include <algorithm>

namespace zv {

bool HasWildcards(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

bool MatchesWildcard(const QString& name, const QString& pattern)
{
    // Plain iterative matching with backtracking to the last '*': linear in
    // practice and free of regular-expression escaping pitfalls.
    qsizetype n = 0, p = 0, starP = -1, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == QLatin1Char('?') ||
                                   (pattern[p] != QLatin1Char('*') &&
                                    name[n].toCaseFolded() == pattern[p].toCaseFolded()))) {
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
