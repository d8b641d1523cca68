#include "Notes.h"

#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace zv {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

QByteArray Quoted(const QString& text)
{
    return '"' + text.toLatin1() + '"';
}

// Reads one field starting at pos: a quoted field runs to the next quote,
// anything else to the next comma or line end; pos ends past the separator.
QString ReadField(const QByteArray& bytes, qsizetype& pos)
{
    while (pos < bytes.size() && bytes[pos] == ' ')
        ++pos;
    if (pos >= bytes.size())
        throw Failure(FailureNumber::PastEndOfFile);
    QByteArray value;
    if (bytes[pos] == '"') {
        const qsizetype close = bytes.indexOf('"', pos + 1);
        if (close < 0)
            throw Failure(FailureNumber::PastEndOfFile);
        value = bytes.mid(pos + 1, close - pos - 1);
        pos = close + 1;
    }
    while (pos < bytes.size() && bytes[pos] != ',' && bytes[pos] != '\n') {
        if (value.isEmpty() && bytes[pos] != '\r')
            value.append(bytes[pos]);
        ++pos;
    }
    ++pos;
    return QString::fromLatin1(value);
}

} // namespace

QString NotesFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("\\Notepad.txt");
}

void LoadNotes(NoteTable& table, const Services& services)
{
    const QString path = NotesFilePath(services.programFolder);
    if (services.files.find(path, ListKind::Files).isEmpty()) {
        services.files.writeFile(path, "0" + kLineEnd);
        table.entryCount = 0;
        table.lastIndex = 1;
        while (table.names.size() < 2) {
            table.names.append(QString());
            table.notes.append(QString());
        }
        return;
    }
    const QByteArray bytes = services.files.readFile(path);
    qsizetype pos = 0;
    table.entryCount = static_cast<std::int16_t>(ReadField(bytes, pos).toInt());
    if (table.entryCount == 0)
        table.lastIndex = 0;
    if (table.entryCount > 0) {
        while (table.names.size() <= table.entryCount) {
            table.names.append(QString());
            table.notes.append(QString());
        }
        for (int k = 1; k <= table.entryCount; ++k) {
            table.names[k] = ReadField(bytes, pos);
            table.notes[k] = ReadField(bytes, pos);
        }
        table.lastIndex = table.entryCount;
    }
}

void SaveNotes(NoteTable& table, const Services& services, MessageBoxes& messages)
{
    table.entryCount = table.lastIndex;
    QByteArray bytes = QByteArray::number(table.entryCount) + kLineEnd;
    for (int k = 1; k <= table.lastIndex; ++k)
        bytes += Quoted(table.names.value(k)) + ',' + Quoted(table.notes.value(k)) + kLineEnd;
    try {
        services.files.writeFile(NotesFilePath(services.programFolder), bytes);
    } catch (const Failure& failure) {
        messages.show(QString::number(failure.number()) + QStringLiteral(": ") + failure.description());
    }
}

bool StoreNoteEntry(NoteTable& table, const QString& mapName, const QString& text,
                    const Services& services, MessageBoxes& messages)
{
    LoadNotes(table, services);
    ++table.lastIndex;
    while (table.names.size() <= table.lastIndex) {
        table.names.append(QString());
        table.notes.append(QString());
    }
    table.names[table.lastIndex] = mapName;
    table.notes[table.lastIndex] = text;
    for (int j = 0; j < table.lastIndex; ++j) {
        if (table.names[j] == mapName) {
            table.names[j].clear();
            table.notes[j].clear();
        }
    }
    SaveNotes(table, services, messages);
    return true;
}

std::optional<QString> LookUpNote(const NoteTable& table, const QString& mapName)
{
    std::optional<QString> note;
    for (int j = 0; j <= table.lastIndex && j < table.names.size(); ++j) {
        if (table.names[j] == mapName)
            note = table.notes[j];
    }
    return note;
}

} // namespace zv
