#pragma once

#include <QString>
#include <QStringList>

namespace zv {

// Matches a name against a Windows wildcard pattern (* any run, ? one
// character), ignoring case as Windows and Wine do.
bool MatchesWildcard(const QString& name, const QString& pattern);

// A pattern text of several patterns separated by "; " ("*.gmx; *.GMX").
QStringList SplitPatternList(const QString& patterns);
bool MatchesPatternList(const QString& name, const QString& patterns);

bool HasWildcards(const QString& text);

} // namespace zv
