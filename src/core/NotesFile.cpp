// The notes file's format: a count line, then one record per entry of two
// quoted fields, name and note, in code page 1252 with CR LF line ends. The
// format has no escapes, so the writer keeps double quotes out of the fields.

#include "CodePage1252.h"
#include "Notes.h"

#include <optional>

namespace zv {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool IsLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Reads the fields of a notes file. A field starts at its first non-blank
// character; a field that starts with a double quote runs to the next one,
// line ends included, and the reader then moves just past the next comma or
// line end; any other field runs to the next comma or line end.
class FieldReader {
public:
    enum class Outcome {
        Read,     // value holds the field
        End,      // nothing but blanks was left
        Unclosed, // a quoted field without its closing quote
    };

    explicit FieldReader(QByteArrayView bytes) : m_bytes(bytes) {}

    Outcome next(QByteArrayView& value)
    {
        skipBlanks();
        if (m_pos >= m_bytes.size())
            return Outcome::End;
        if (m_bytes[m_pos] != '"')
            return nextUnquoted(value);
        const qsizetype open = m_pos + 1;
        const qsizetype close = m_bytes.indexOf('"', open);
        if (close < 0) {
            m_pos = m_bytes.size();
            return Outcome::Unclosed;
        }
        value = m_bytes.sliced(open, close - open);
        m_pos = close + 1;
        skipPastSeparator();
        return Outcome::Read;
    }

    // A field read without regard to quotes (the count).
    Outcome nextUnquoted(QByteArrayView& value)
    {
        skipBlanks();
        if (m_pos >= m_bytes.size())
            return Outcome::End;
        const qsizetype start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !IsLineEnd(m_bytes[m_pos]))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && (m_bytes[end - 1] == ' ' || m_bytes[end - 1] == '\t'))
            --end;
        value = m_bytes.sliced(start, end - start);
        skipSeparator();
        return Outcome::Read;
    }

    // Whether the reader passed over text that belongs to no field (after a
    // closing quote) or has more than blanks left.
    bool leftTextUnread()
    {
        skipBlanks();
        return m_skippedText || m_pos < m_bytes.size();
    }

private:
    void skipBlanks()
    {
        while (m_pos < m_bytes.size() && IsBlank(m_bytes[m_pos]))
            ++m_pos;
    }

    void skipPastSeparator()
    {
        while (m_pos < m_bytes.size() && m_bytes[m_pos] != ',' && !IsLineEnd(m_bytes[m_pos])) {
            if (!IsBlank(m_bytes[m_pos]))
                m_skippedText = true;
            ++m_pos;
        }
        skipSeparator();
    }

    // At a comma or a line end (CR LF, CR or LF), moves past it.
    void skipSeparator()
    {
        if (m_pos >= m_bytes.size())
            return;
        const char c = m_bytes[m_pos++];
        if (c == '\r' && m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
            ++m_pos;
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_skippedText = false;
};

// The count line: plain decimal digits up to the table's limit.
std::optional<int> ParseCount(QByteArrayView field)
{
    if (field.isEmpty())
        return std::nullopt;
    int count = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        count = count * 10 + (c - '0');
        if (count > kMaxNoteEntries)
            return std::nullopt;
    }
    return count;
}

QByteArray FieldBytes(const QString& text)
{
    return '"' + EncodeCp1252(StorableNoteText(text)) + '"';
}

} // namespace

QString StorableNoteText(const QString& text)
{
    QString stored = text;
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] != u'"')
            continue;
        // Opening at the start and after a blank or an opening bracket, as
        // in "the "big" one"; closing everywhere else, as in 6" of snow.
        const QChar before = i > 0 ? stored[i - 1] : QChar(u' ');
        const bool opening = before.isSpace() || QStringView(u"([{\u201C\u2018").contains(before);
        stored[i] = opening ? u'\u201C' : u'\u201D';
    }
    return stored;
}

NoteTable ReadNotesFile(QByteArrayView bytes)
{
    NoteTable table;
    table.names.append(QString());
    table.notes.append(QString());
    FieldReader reader(bytes);

    QByteArrayView field;
    if (reader.nextUnquoted(field) == FieldReader::Outcome::End)
        return table; // nothing at all: an empty table, and nothing lost
    const std::optional<int> count = ParseCount(field);
    // Without a count every record the file holds is read, up to the limit.
    const int wanted = count.value_or(kMaxNoteEntries);
    bool damaged = !count.has_value();

    int read = 0;
    while (read < wanted) {
        QByteArrayView name;
        QByteArrayView note;
        const FieldReader::Outcome nameRead = reader.next(name);
        if (nameRead == FieldReader::Outcome::End && !count)
            break;
        if (nameRead != FieldReader::Outcome::Read ||
            reader.next(note) != FieldReader::Outcome::Read) {
            damaged = true;
            break;
        }
        table.names.append(DecodeCp1252(name));
        table.notes.append(DecodeCp1252(note));
        ++read;
    }
    if (reader.leftTextUnread())
        damaged = true;

    table.lastIndex = static_cast<std::int16_t>(read);
    table.entryCount = static_cast<std::int16_t>(count.value_or(read));
    table.damaged = damaged;
    return table;
}

QByteArray NotesFileBytes(const NoteTable& table)
{
    const int last = std::max<int>(table.lastIndex, 0);
    QByteArray bytes = QByteArray::number(last) + kLineEnd;
    for (int k = 1; k <= last; ++k)
        bytes +=
            FieldBytes(table.names.value(k)) + ',' + FieldBytes(table.notes.value(k)) + kLineEnd;
    return bytes;
}

} // namespace zv
