// Any bytes as a notes file: the reader must not crash, hang or read outside
// the input, and whatever it reads must write back as a sound file that reads
// the same again.

#include "core/Notes.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "notes reader: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zv;
    const NoteTable table = ReadNotesFile(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    Check(table.lastIndex >= 0 && table.lastIndex <= kMaxNoteEntries, "entry count out of range");
    Check(table.names.size() == table.lastIndex + 1 && table.notes.size() == table.lastIndex + 1,
          "lists and entry count disagree");
    Check(table.names[0].isEmpty() && table.notes[0].isEmpty(), "position 0 holds a note");

    const QByteArray written = NotesFileBytes(table);
    const NoteTable again = ReadNotesFile(written);
    Check(!again.damaged, "a written file reads as damaged");
    Check(again.lastIndex == table.lastIndex, "a written file reads back a different count");
    for (int k = 1; k <= table.lastIndex; ++k) {
        Check(again.names[k] == StorableNoteText(table.names[k]), "a name reads back changed");
        Check(again.notes[k] == StorableNoteText(table.notes[k]), "a note reads back changed");
    }
    Check(NotesFileBytes(again) == written, "writing is not stable");
    return 0;
}
