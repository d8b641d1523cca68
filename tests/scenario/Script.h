#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <stdexcept>

namespace zv::scenario {

// One command of a scenario file: its line number (from 1), its name and the words after it.
struct ScriptLine {
    int number = 0;
    QString command;
    QStringList words;
};

// A line the tokenizer cannot read (an unknown escape, a quote left open).
struct ScriptError {
    int line = 0;
    QString message;
};

// The words of one line: blanks separate words; a word in double quotes may hold blanks and the
// escapes \" \\ \r \n \t. A line whose first word starts with '#' is a comment and blank lines
// hold nothing; both give an empty list. Throws ScriptError (with line 0) on a bad line.
QStringList WordsOfLine(const QString& line);

// Every command of a script, in order; comments and blank lines are left out.
// Throws ScriptError at the first line that cannot be read.
QList<ScriptLine> ParseScript(const QString& text);

// A pattern of "expect-...-like": '*' matches any run of characters (line breaks too), every
// other character only itself.
bool MatchesLike(const QString& pattern, const QString& text);

// A text as it is shown in a failure line: quoted, with the script's escapes, so blanks and
// line breaks can be seen.
QString Quoted(const QString& text);

} // namespace zv::scenario
