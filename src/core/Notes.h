#pragma once

#include "Services.h"

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
};

// "\Notepad.txt" in the program folder.
QString NotesFilePath(const QString& programFolder);

// Fills the table from the notes file, creating the file with the count 0
// when it is missing. Throws Failure when the file cannot be read or made.
void LoadNotes(NoteTable& table, const Services& services);

// Writes the table to the notes file. A failure is shown as
// "number: description" and the routine returns normally.
void SaveNotes(NoteTable& table, const Services& services, MessageBoxes& messages);

// The save button's work once the map's name is known: the table is read
// again, the note becomes the last entry, every earlier entry of that name is
// blanked, and the table is saved. Returns false when the note was not saved
// (the user has been told why).
bool StoreNoteEntry(NoteTable& table, const QString& mapName, const QString& text,
                    const Services& services, MessageBoxes& messages);

// The note of a map name (names compare exactly); nullopt when it has none.
std::optional<QString> LookUpNote(const NoteTable& table, const QString& mapName);

} // namespace zv
