#include "Notes.h"

#include "CodePage1252.h"
#include "FailureTexts.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/MessageBoxes.h"

namespace zv {

namespace {

bool FileExists(const Services& services, const QString& path)
{
    return !services.files.find(path, ListKind::Files).isEmpty();
}

// Keeps a damaged notes file under a name no earlier one took; returns that
// name, or an empty text when there was no file to keep.
QString KeepDamagedFile(const Services& services)
{
    const QString path = NotesFilePath(services.programFolder);
    int number = 1;
    while (FileExists(services, DamagedNotesFilePath(services.programFolder, number)))
        ++number;
    const QString kept = DamagedNotesFilePath(services.programFolder, number);
    try {
        services.files.copyFile(path, kept);
    } catch (const Failure& failure) {
        // Nothing to keep when the file has gone meanwhile; a file that is
        // there but could not be kept is never replaced.
        if (failure.number() == FailureNumber::FileNotFound && !FileExists(services, path))
            return {};
        throw;
    }
    return kept;
}

QString FileNameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(u'\\') + 1);
}

QString NameRefusal(const QString& mapName)
{
    const QString keep = QStringLiteral(" Rename the map to keep notes for it.");
    if (mapName.contains(u'"')) {
        return QStringLiteral("Notes cannot be kept for the map %1: the notes file cannot hold a "
                              "double quote (\") in a map name.")
                   .arg(mapName) +
               keep;
    }
    if (const QStringList outside = CharactersOutsideCp1252(mapName); !outside.isEmpty()) {
        return QStringLiteral("Notes cannot be kept for the map %1: the notes file cannot hold "
                              "these characters of its name: %2.")
                   .arg(mapName, outside.join(QLatin1Char(' '))) +
               keep;
    }
    return {};
}

QString TextRefusal(const QString& text)
{
    if (const QStringList outside = CharactersOutsideCp1252(text); !outside.isEmpty()) {
        return QStringLiteral("This note cannot be saved: the notes file cannot hold these "
                              "characters of it: %1. Remove them and save again.")
            .arg(outside.join(QLatin1Char(' ')));
    }
    return {};
}

// Why the notes file cannot hold the table as it stands; empty when it can.
// (A double quote in a name read from a damaged file is written as a
// typographic one.)
QString TableRefusal(const NoteTable& table)
{
    for (int k = 1; k <= table.lastIndex; ++k) {
        const QString name = table.names.value(k);
        QString refusal = CharactersOutsideCp1252(name).isEmpty() ? QString() : NameRefusal(name);
        if (refusal.isEmpty())
            refusal = TextRefusal(table.notes.value(k));
        if (!refusal.isEmpty())
            return refusal;
    }
    return {};
}

// Removes the blanks, keeping every note and the order of the entries.
void ReclaimBlanks(NoteTable& table)
{
    QStringList names{QString()};
    QStringList notes{QString()};
    for (int k = 1; k <= table.lastIndex; ++k) {
        if (!table.names.value(k).isEmpty()) {
            names.append(table.names.value(k));
            notes.append(table.notes.value(k));
        }
    }
    table.names = names;
    table.notes = notes;
    table.lastIndex = static_cast<std::int16_t>(names.size() - 1);
}

// Every line break as CR LF, as the file and the Windows text box keep them.
QString WithWindowsLineBreaks(const QString& text)
{
    QString result = text;
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(u'\r', u'\n');
    result.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return result;
}

void MakeRoomFor(NoteTable& table, int index)
{
    while (table.names.size() <= index)
        table.names.append(QString());
    while (table.notes.size() <= index)
        table.notes.append(QString());
}

} // namespace

QString NotesFilePath(const QString& programFolder)
{
    return programFolder + QStringLiteral("\\Notepad.txt");
}

QString DamagedNotesFilePath(const QString& programFolder, int number)
{
    const QString suffix = number <= 1 ? QString() : QLatin1Char(' ') + QString::number(number);
    return programFolder + QStringLiteral("\\Notepad (damaged") + suffix + QStringLiteral(").txt");
}

void LoadNotes(NoteTable& table, const Services& services)
{
    const QString path = NotesFilePath(services.programFolder);
    if (!FileExists(services, path)) {
        services.files.writeFile(path, NotesFileBytes(NoteTable{}));
        table = NoteTable{};
        table.names = QStringList{QString(), QString()};
        table.notes = table.names;
        table.lastIndex = 1;
        return;
    }
    table = ReadNotesFile(services.files.readFile(path));
}

bool SaveNotes(NoteTable& table, const Services& services, MessageBoxes& messages)
{
    if (const QString refusal = TableRefusal(table); !refusal.isEmpty()) {
        messages.show(refusal);
        return false;
    }
    table.entryCount = std::max<std::int16_t>(table.lastIndex, 0);
    QString kept;
    try {
        if (table.damaged)
            kept = KeepDamagedFile(services);
        services.files.writeFile(NotesFilePath(services.programFolder), NotesFileBytes(table));
    } catch (const Failure& failure) {
        messages.show(NumberColonDescription(failure));
        return false;
    }
    table.damaged = false;
    if (!kept.isEmpty()) {
        messages.show(QStringLiteral("Part of the notes file could not be read. The file as it was "
                                     "is kept as \"%1\" in the program's folder.")
                          .arg(FileNameOf(kept)));
    }
    return true;
}

bool StoreNoteEntry(NoteTable& table, const QString& mapName, const QString& text,
                    const Services& services, MessageBoxes& messages)
{
    try {
        LoadNotes(table, services);
    } catch (const Failure& failure) {
        messages.show(NumberColonDescription(failure));
        return false;
    }
    if (const QString refusal = NoteRefusal(mapName, text); !refusal.isEmpty()) {
        messages.show(refusal);
        return false;
    }
    const NoteTable onDisk = table;

    for (int j = 0; j <= table.lastIndex && j < table.names.size(); ++j) {
        if (table.names[j] == mapName) {
            table.names[j].clear();
            table.notes[j].clear();
        }
    }
    if (table.lastIndex >= kMaxNoteEntries)
        ReclaimBlanks(table);
    if (table.lastIndex >= kMaxNoteEntries) {
        messages.show(QStringLiteral("This note cannot be saved: the notes file holds %1 notes, "
                                     "the most it can hold.")
                          .arg(kMaxNoteEntries));
        table = onDisk;
        return false;
    }

    ++table.lastIndex;
    MakeRoomFor(table, table.lastIndex);
    table.names[table.lastIndex] = mapName;
    table.notes[table.lastIndex] = StorableNoteText(WithWindowsLineBreaks(text));

    if (!SaveNotes(table, services, messages)) {
        table = onDisk;
        return false;
    }
    return true;
}

std::optional<QString> LookUpNote(const NoteTable& table, const QString& mapName)
{
    if (mapName.isEmpty())
        return std::nullopt; // blanks are no one's notes
    std::optional<QString> note;
    for (int j = 0; j <= table.lastIndex && j < table.names.size(); ++j) {
        if (table.names[j] == mapName)
            note = table.notes.value(j);
    }
    return note;
}

QString NoteRefusal(const QString& mapName, const QString& text)
{
    if (mapName.isEmpty())
        return QStringLiteral("Select a map for these notes.");
    const QString refusal = NameRefusal(mapName);
    return refusal.isEmpty() ? TextRefusal(text) : refusal;
}

} // namespace zv
