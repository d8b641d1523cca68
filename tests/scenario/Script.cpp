#include "Script.h"

#include <QRegularExpression>

namespace zv::scenario {

namespace {

bool IsBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QChar Unescaped(QChar escape)
{
    switch (escape.unicode()) {
    case '"':
        return QLatin1Char('"');
    case '\\':
        return QLatin1Char('\\');
    case 'r':
        return QLatin1Char('\r');
    case 'n':
        return QLatin1Char('\n');
    case 't':
        return QLatin1Char('\t');
    default:
        throw ScriptError{0, QStringLiteral("unknown escape \\") + escape +
                                 QStringLiteral(" in a quoted word")};
    }
}

// Reads the quoted word that starts at line[at] (the opening quote); returns the index after
// the closing quote.
qsizetype ReadQuoted(const QString& line, qsizetype at, QString& word)
{
    for (qsizetype i = at + 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('"'))
            return i + 1;
        if (c == QLatin1Char('\\')) {
            if (++i == line.size())
                break;
            word += Unescaped(line.at(i));
        } else {
            word += c;
        }
    }
    throw ScriptError{0, QStringLiteral("a quoted word is not closed")};
}

qsizetype ReadPlain(const QString& line, qsizetype at, QString& word)
{
    qsizetype i = at;
    for (; i < line.size() && !IsBlank(line.at(i)); ++i) {
        if (line.at(i) == QLatin1Char('"'))
            throw ScriptError{0, QStringLiteral("a double quote inside the word \"") +
                                     line.mid(at, i - at + 1) +
                                     QStringLiteral("\" (quote the whole word)")};
        word += line.at(i);
    }
    return i;
}

} // namespace

QStringList WordsOfLine(const QString& line)
{
    QStringList words;
    qsizetype i = 0;
    while (true) {
        while (i < line.size() && IsBlank(line.at(i)))
            ++i;
        if (i == line.size())
            return words;
        if (words.isEmpty() && line.at(i) == QLatin1Char('#'))
            return {};
        QString word;
        if (line.at(i) == QLatin1Char('"')) {
            i = ReadQuoted(line, i, word);
            if (i < line.size() && !IsBlank(line.at(i)))
                throw ScriptError{0, QStringLiteral("a quoted word must be followed by a blank")};
        } else {
            i = ReadPlain(line, i, word);
        }
        words.append(word);
    }
}

QList<ScriptLine> ParseScript(const QString& text)
{
    QList<ScriptLine> script;
    QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype index = 0; index < lines.size(); ++index) {
        QString line = lines.at(index);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        const int number = static_cast<int>(index) + 1;
        QStringList words;
        try {
            words = WordsOfLine(line);
        } catch (ScriptError& error) {
            error.line = number;
            throw;
        }
        if (words.isEmpty())
            continue;
        const QString command = words.takeFirst();
        script.append({number, command, words});
    }
    return script;
}

bool MatchesLike(const QString& pattern, const QString& text)
{
    QString expression;
    const QStringList pieces = pattern.split(QLatin1Char('*'));
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            expression += QStringLiteral(".*");
        expression += QRegularExpression::escape(pieces.at(i));
    }
    const QRegularExpression like(QRegularExpression::anchoredPattern(expression),
                                  QRegularExpression::DotMatchesEverythingOption);
    return like.match(text).hasMatch();
}

QString Quoted(const QString& text)
{
    QString shown = QStringLiteral("\"");
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            shown += QStringLiteral("\\\"");
            break;
        case '\\':
            shown += QStringLiteral("\\\\");
            break;
        case '\r':
            shown += QStringLiteral("\\r");
            break;
        case '\n':
            shown += QStringLiteral("\\n");
            break;
        case '\t':
            shown += QStringLiteral("\\t");
            break;
        default:
            shown += c;
        }
    }
    return shown + QLatin1Char('"');
}

} // namespace zv::scenario
