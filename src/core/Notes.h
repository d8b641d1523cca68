#pragma once

#include "Services.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace zv {

class MessageBoxes;

// The notes of all maps as the console holds them while it is loaded.
// Position 0 never holds a note; entries 1 to lastIndex are the notes, and an
// entry with an empty name is a blank (a note that was later replaced).
// Texts hold their line breaks as CR LF, as the notes file does.
struct NoteTable {
    QStringList names;
    QStringList notes;
    std::int16_t entryCount = 0;
    std::int16_t lastIndex = 0;
    // The file the table was read from held more than could be read: a
    // count that is not a number, fewer records than the count, a record
    // that never ends, text after the last record. The table holds what
    // could be read; the next save keeps that file aside before replacing it.
    bool damaged = false;
};

// The most entries the table and the notes file hold.
inline constexpr int kMaxNoteEntries = 32767;

// "\Notepad.txt" in the program folder.
QString NotesFilePath(const QString& programFolder);

// Where a damaged notes file is kept before the next save replaces it:
// "\Notepad (damaged).txt" in the program folder, or with " 2", " 3"... after
// "damaged" for the 2nd, 3rd... such file.
QString DamagedNotesFilePath(const QString& programFolder, int number = 1);

// Fills the table from the notes file, creating the file with the count 0
// when it is missing. Throws Failure when the file cannot be read or made;
// a damaged file never throws (see NoteTable::damaged).
void LoadNotes(NoteTable& table, const Services& services);

// Writes the table to the notes file, replacing the old file as a whole: a
// failure leaves the old file as it was. A failure is shown as "number:
// description"; a damaged file is first kept aside (and the user told where).
// Returns whether the file was written.
bool SaveNotes(NoteTable& table, const Services& services, MessageBoxes& messages);

// The save button's work once the map's name is known: the table is read
// again, the note becomes the last entry, every earlier entry of that name is
// blanked, and the table is saved. A double quote in the text is stored as a
// typographic quote (the file cannot hold it), a line break of any kind as
// CR LF. Returns false when the note was not saved (see NoteRefusal; a full
// table; a file that cannot be read or written): the user has been told why,
// and the table is what the file holds. Never throws.
bool StoreNoteEntry(NoteTable& table, const QString& mapName, const QString& text,
                    const Services& services, MessageBoxes& messages);

// The note of a map name (names compare exactly); nullopt when it has none.
std::optional<QString> LookUpNote(const NoteTable& table, const QString& mapName);

// Why a note with this text cannot be kept for mapName (the message shown to
// the user), or an empty text when it can.
QString NoteRefusal(const QString& mapName, const QString& text);

// The text as the notes file keeps it: each double quote becomes a
// typographic quote, opening at the start of the text and after a blank or an
// opening bracket, closing elsewhere.
QString StorableNoteText(const QString& text);

// The notes file's bytes read into a table by the file's reading rules. Never
// fails: what cannot be read is left out and the table is marked damaged.
NoteTable ReadNotesFile(QByteArrayView bytes);

// The bytes of the notes file holding entries 1 to lastIndex of the table.
QByteArray NotesFileBytes(const NoteTable& table);

} // namespace zv
