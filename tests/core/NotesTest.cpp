#include "ExpectFailure.h"
#include "FileSizeLimit.h"
#include "TestServices.h"

#include "core/CodePage1252.h"
#include "core/Notes.h"
#include "platform/Failure.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>


namespace zv {
namespace {

using test::PrefixWithDriveC;
using test::RecordingMessageBoxes;
using test::TestPrefix;
using test::TestServices;
using Op = FaultInjectingFileSystem::Operation;

// --- code page 1252 -----------------------------------------------------------------------------

TEST(CodePage1252, DecodesEachByteToItsCharacter)
{
    const struct {
        unsigned char byte;
        char16_t character;
    } cases[] = {
        {0x00, u'\u0000'}, {0x41, u'A'},      {0x7F, u'\u007F'}, {0x80, u'\u20AC'},
        {0x81, u'\u0081'}, {0x8A, u'\u0160'}, {0x8D, u'\u008D'}, {0x8F, u'\u008F'},
        {0x90, u'\u0090'}, {0x93, u'\u201C'}, {0x96, u'\u2013'}, {0x99, u'\u2122'},
        {0x9D, u'\u009D'}, {0x9F, u'\u0178'}, {0xA0, u'\u00A0'}, {0xE9, u'\u00E9'},
        {0xFF, u'\u00FF'},
    };
    for (const auto& c : cases) {
        const char byte = static_cast<char>(c.byte);
        EXPECT_EQ(DecodeCp1252(QByteArrayView(&byte, 1)), QString(QChar(c.character))) << int(c.byte);
        EXPECT_EQ(EncodeCp1252(QString(QChar(c.character))), QByteArray(1, byte)) << int(c.byte);
    }
}

TEST(CodePage1252, EveryByteComesBackUnchanged)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    const QString text = DecodeCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_TRUE(CharactersOutsideCp1252(text).isEmpty());
    EXPECT_EQ(EncodeCp1252(text), all);
}

TEST(CodePage1252, NamesTheCharactersItCannotHold)
{
    const QString text = QStringLiteral("Ж\u00E9\U0001F600Ж\u0080ok\u0141");
    EXPECT_EQ(CharactersOutsideCp1252(text),
              (QStringList{QStringLiteral("Ж"), QStringLiteral("\U0001F600"), QStringLiteral("\u0080"),
                           QStringLiteral("\u0141")}));
    EXPECT_EQ(EncodeCp1252(text), QByteArray("?\xE9??" "?ok?"));
    // A lone surrogate is no character of the code page either.
    const QString lone(QChar(0xD800));
    EXPECT_EQ(CharactersOutsideCp1252(lone), QStringList{lone});
}

// --- reading the file ---------------------------------------------------------------------------

// A file as the Windows program writes it: a replaced note left a blank, a
// multi-line note, and characters of code page 1252 beyond ASCII.
const QByteArray kWindowsFile = QByteArrayLiteral(
    "3\r\n"
    "\"\",\"\"\r\n"
    "\"Marsh.gmx\",\"Ducks at dawn.\r\nBring waders \x96 the \x93" "deep\x94 end.\"\r\n"
    "\"Caf\xE9 Creek.gmx\",\"\x80" "5 fee, \xA9 2003\"\r\n");

TEST(NotesFile, ReadsAFileTheWindowsProgramWrote)
{
    const NoteTable table = ReadNotesFile(kWindowsFile);
    EXPECT_FALSE(table.damaged);
    EXPECT_EQ(table.entryCount, 3);
    EXPECT_EQ(table.lastIndex, 3);
    EXPECT_EQ(table.names, (QStringList{"", "", "Marsh.gmx", QStringLiteral("Café Creek.gmx")}));
    EXPECT_EQ(table.notes, (QStringList{"", "",
                                        QStringLiteral("Ducks at dawn.\r\nBring waders – the “deep” end."),
                                        QStringLiteral("€5 fee, © 2003")}));
    EXPECT_EQ(NotesFileBytes(table), kWindowsFile) << "written back byte for byte";
}

struct ReadCase {
    const char* label;
    QByteArray bytes;
    QStringList names; // entries 1 onward
    QStringList notes;
    bool damaged;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.label;
}

QStringList Storable(const QStringList& texts)
{
    QStringList stored;
    for (const QString& text : texts)
        stored.append(StorableNoteText(text));
    return stored;
}

class NotesFileReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NotesFileReading, FollowsTheReadingRules)
{
    const ReadCase& c = GetParam();
    const NoteTable table = ReadNotesFile(c.bytes);
    EXPECT_EQ(table.damaged, c.damaged);
    EXPECT_EQ(table.lastIndex, c.names.size());
    EXPECT_EQ(table.names.mid(1, table.lastIndex), c.names);
    EXPECT_EQ(table.notes.mid(1, table.lastIndex), c.notes);
    EXPECT_EQ(table.names.value(0), QString());

    // Whatever could be read is written as a whole, sound file (a double
    // quote, which only an unquoted field can hold, as a typographic one).
    const NoteTable again = ReadNotesFile(NotesFileBytes(table));
    EXPECT_FALSE(again.damaged);
    EXPECT_EQ(again.names.mid(1, again.lastIndex), Storable(c.names));
    EXPECT_EQ(again.notes.mid(1, again.lastIndex), Storable(c.notes));
}

const ReadCase kReadCases[] = {
    {"empty_file", "", {}, {}, false},
    {"zero_count", "0\r\n", {}, {}, false},
    {"count_after_spaces", "  2\r\n\"a\",\"x\"\r\n\"b\",\"y\"\r\n", {"a", "b"}, {"x", "y"}, false},
    {"count_ended_by_comma", "1,\"a\",\"x\"\r\n", {"a"}, {"x"}, false},
    {"fields_start_at_first_non_blank", "1\r\n   \"a\" ,\t\"x\"  \r\n", {"a"}, {"x"}, false},
    {"commas_and_line_ends_inside_quotes", "1\r\n\"a,b\",\"x,\r\ny\r\n\"\r\n", {"a,b"}, {"x,\r\ny\r\n"},
     false},
    {"quoted_blanks_kept", "1\r\n\" a \",\"  \"\r\n", {" a "}, {"  "}, false},
    {"unquoted_fields", "1\r\nplain name , plain note\r\n", {"plain name"}, {"plain note"}, false},
    {"quotes_inside_unquoted_fields", "1\r\nab\"c,x \"y\"\r\n", {"ab\"c"}, {"x \"y\""}, false},
    {"no_line_end_at_the_end", "1\r\n\"a\",\"x\"", {"a"}, {"x"}, false},
    {"lf_line_ends", "2\n\"a\",\"x\"\n\"b\",\"y\"\n", {"a", "b"}, {"x", "y"}, false},
    {"blank_line_between_records", "2\r\n\"a\",\"x\"\r\n\r\n\"b\",\"y\"\r\n", {"a", "b"}, {"x", "y"},
     false},
    {"leading_zeros", "002\r\n\"a\",\"x\"\r\n\"b\",\"y\"\r\n", {"a", "b"}, {"x", "y"}, false},
    // Damaged files: what could be read, and the mark that more was there.
    {"fewer_records_than_count", "3\r\n\"a\",\"x\"\r\n\"b\",\"y\"\r\n", {"a", "b"}, {"x", "y"}, true},
    {"record_without_closing_quote", "2\r\n\"a\",\"x\"\r\n\"b\",\"never closed\r\n", {"a"}, {"x"}, true},
    {"name_without_note", "2\r\n\"a\",\"x\"\r\n\"b\"\r\n", {"a"}, {"x"}, true},
    {"text_after_closing_quote", "1\r\n\"a\"junk,\"x\"\r\n", {"a"}, {"x"}, true},
    {"more_records_than_count", "1\r\n\"a\",\"x\"\r\n\"b\",\"y\"\r\n", {"a"}, {"x"}, true},
    {"records_after_zero_count", "0\r\n\"a\",\"x\"\r\n", {}, {}, true},
    {"count_not_a_number", "two\r\n\"a\",\"x\"\r\n\"b\",\"y\"\r\n", {"a", "b"}, {"x", "y"}, true},
    {"negative_count", "-1\r\n\"a\",\"x\"\r\n", {"a"}, {"x"}, true},
    {"count_past_the_limit", "40000\r\n\"a\",\"x\"\r\n", {"a"}, {"x"}, true},
    {"count_far_past_any_integer", "99999999999999999999\r\n\"a\",\"x\"\r\n", {"a"}, {"x"}, true},
    {"count_only", "\"", {}, {}, true},
};

INSTANTIATE_TEST_SUITE_P(Cases, NotesFileReading, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST(NotesFile, AFileOfManyRecordsStopsAtTheLimit)
{
    QByteArray bytes = "x\r\n";
    for (int k = 0; k <= kMaxNoteEntries; ++k)
        bytes += "\"m\",\"n\"\r\n";
    const NoteTable table = ReadNotesFile(bytes);
    EXPECT_TRUE(table.damaged);
    EXPECT_EQ(table.lastIndex, kMaxNoteEntries);
}

// --- the note operations on the program folder --------------------------------------------------

const QString kNotepad = QStringLiteral("Notepad.txt");

class NotesTest : public ::testing::Test {
protected:
    QString notesPath() const { return NotesFilePath(host.services.programFolder); }
    QByteArray notesFile() const { return prefix.programFileContent(kNotepad); }
    void writeNotesFile(const QByteArray& bytes) { prefix.programFile(kNotepad, bytes); }

    bool store(const QString& name, const QString& text)
    {
        return StoreNoteEntry(table, name, text, host.services, messages);
    }
    // The note a freshly opened console shows for a map.
    std::optional<QString> noteOnDisk(const QString& name) const
    {
        NoteTable fresh;
        LoadNotes(fresh, host.services);
        return LookUpNote(fresh, name);
    }

    PrefixWithDriveC prefix;
    TestServices host{prefix};
    RecordingMessageBoxes messages;
    NoteTable table;
};

TEST_F(NotesTest, FirstLoadCreatesTheFileWithCountZero)
{
    LoadNotes(table, host.services);
    EXPECT_EQ(notesFile(), "0\r\n");
    EXPECT_EQ(table.entryCount, 0);
    EXPECT_EQ(table.lastIndex, 1);
    EXPECT_EQ(table.names, (QStringList{"", ""}));
    EXPECT_EQ(LookUpNote(table, QStringLiteral("Marsh.gmx")), std::nullopt);

    LoadNotes(table, host.services);
    EXPECT_EQ(table.lastIndex, 0) << "an existing file of no entries";
}

TEST_F(NotesTest, NotesRoundTripThroughTheFile)
{
    LoadNotes(table, host.services);
    ASSERT_TRUE(store(QStringLiteral("Marsh.gmx"),
                      QStringLiteral("Ducks at dawn.\r\nBring waders.\r\n")));
    EXPECT_EQ(notesFile(), "1\r\n\"Marsh.gmx\",\"Ducks at dawn.\r\nBring waders.\r\n\"\r\n");
    ASSERT_TRUE(store(QStringLiteral("Empty.gmx"), QString()));
    ASSERT_TRUE(store(QStringLiteral("MARSH.GMX"), QStringLiteral("upper")));
    ASSERT_TRUE(store(QStringLiteral("Marsh.gmx"), QStringLiteral("new")));

    // The replaced note stays as a blank record; the new one is last.
    EXPECT_EQ(notesFile(), "4\r\n"
                           "\"\",\"\"\r\n"
                           "\"Empty.gmx\",\"\"\r\n"
                           "\"MARSH.GMX\",\"upper\"\r\n"
                           "\"Marsh.gmx\",\"new\"\r\n");
    EXPECT_EQ(noteOnDisk(QStringLiteral("Marsh.gmx")), QStringLiteral("new"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("MARSH.GMX")), QStringLiteral("upper"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Empty.gmx")), QString());
    EXPECT_EQ(noteOnDisk(QStringLiteral("marsh.gmx")), std::nullopt);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(NotesTest, LineBreaksAreStoredAsTheWindowsProgramStoresThem)
{
    LoadNotes(table, host.services);
    ASSERT_TRUE(store(QStringLiteral("Marsh.gmx"), QStringLiteral("a\nb\rc\r\nd\n\n")));
    EXPECT_EQ(notesFile(), "1\r\n\"Marsh.gmx\",\"a\r\nb\r\nc\r\nd\r\n\r\n\"\r\n");
    EXPECT_EQ(LookUpNote(table, QStringLiteral("Marsh.gmx")),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\n\r\n"));
}

TEST_F(NotesTest, StoringKeepsANoteTheWindowsProgramWrote)
{
    writeNotesFile(kWindowsFile);
    ASSERT_TRUE(store(QStringLiteral("Pond.gmx"), QStringLiteral("Geese \u2013 \u20AC2")));
    EXPECT_EQ(notesFile(), "4" + kWindowsFile.mid(1) + "\"Pond.gmx\",\"Geese \x96 \x80" "2\"\r\n");
}

TEST(LookUpNote, TheLastMatchWins)
{
    NoteTable table;
    table.names = QStringList{"", "a.gmx", "b.gmx", "a.gmx", "c.gmx"};
    table.notes = QStringList{"", "old", "b", "newer", "beyond"};
    table.lastIndex = 3;
    EXPECT_EQ(LookUpNote(table, QStringLiteral("a.gmx")), QStringLiteral("newer"));
    EXPECT_EQ(LookUpNote(table, QStringLiteral("A.GMX")), std::nullopt);
    EXPECT_EQ(LookUpNote(table, QStringLiteral("c.gmx")), std::nullopt) << "past the last entry";
    EXPECT_EQ(LookUpNote(table, QString()), std::nullopt) << "a blank is no one's note";
}

// --- text the file cannot hold ------------------------------------------------------------------

const QByteArray kTwoNotes =
    QByteArrayLiteral("2\r\n\"Marsh.gmx\",\"first\"\r\n\"Pond.gmx\",\"second\"\r\n");

TEST_F(NotesTest, DoubleQuotesInANoteBecomeTypographicQuotes)
{
    writeNotesFile(kTwoNotes);
    ASSERT_TRUE(
        store(QStringLiteral("Creek.gmx"), QStringLiteral("\"Big\" (\"old\") buck, 6\" of snow")));
    EXPECT_EQ(notesFile(), "3" + kTwoNotes.mid(1) +
                               "\"Creek.gmx\",\"\x93" "Big\x94 (\x93" "old\x94) buck, 6\x94 of snow\"\r\n");
    const QString stored = QStringLiteral("“Big” (“old”) buck, 6” of snow");
    EXPECT_EQ(noteOnDisk(QStringLiteral("Creek.gmx")), stored);
    EXPECT_EQ(noteOnDisk(QStringLiteral("Marsh.gmx")), QStringLiteral("first"));
    EXPECT_EQ(noteOnDisk(QStringLiteral("Pond.gmx")), QStringLiteral("second"));
    EXPECT_EQ(LookUpNote(table, QStringLiteral("Creek.gmx")), stored)
        << "the table holds what the file holds";
}

struct RefusedCase {
    const char* label;
    QString name;
    QString text;
    QString messagePart;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.label;
}

class RefusedNotes : public NotesTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedNotes, AreToldAndChangeNothing)
{
    const RefusedCase& c = GetParam();
    writeNotesFile(kTwoNotes);
    EXPECT_FALSE(store(c.name, c.text));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(c.messagePart)) << messages.shown[0].toStdString();
    EXPECT_EQ(notesFile(), kTwoNotes);
    EXPECT_EQ(LookUpNote(table, QStringLiteral("Pond.gmx")), QStringLiteral("second"));
    EXPECT_EQ(LookUpNote(table, c.name), std::nullopt);
}

const RefusedCase kRefusedCases[] = {
    {"no_map", QString(), QStringLiteral("x"), QStringLiteral("Select a map for these notes.")},
    {"quote_in_name", QStringLiteral("a\"b.gmx"), QStringLiteral("x"), QStringLiteral("double quote")},
    {"cyrillic_name", QStringLiteral("Тайга.gmx"), QStringLiteral("x"), QStringLiteral("Т а й г")},
    {"emoji_in_note", QStringLiteral("Creek.gmx"), QStringLiteral("Big one \U0001F98C!"),
     QStringLiteral("\U0001F98C")},
    {"polish_letter_in_note", QStringLiteral("Creek.gmx"), QStringLiteral("\u0141ód\u017A"),
     QStringLiteral("\u0141")},
};

INSTANTIATE_TEST_SUITE_P(Cases, RefusedNotes, ::testing::ValuesIn(kRefusedCases),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(NotesTest, ATableTheFileCannotHoldIsNotWritten)
{
    writeNotesFile(kTwoNotes);
    LoadNotes(table, host.services);
    table.notes[1] = QStringLiteral("\U0001F98C");
    EXPECT_FALSE(SaveNotes(table, host.services, messages));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("This note cannot be saved")))
        << messages.shown[0].toStdString();
    EXPECT_EQ(notesFile(), kTwoNotes);
}

// --- failures -----------------------------------------------------------------------------------

class FailedSaves : public NotesTest, public ::testing::WithParamInterface<int> {};

TEST_P(FailedSaves, KeepTheOldFileAndTheTable)
{
    const int number = GetParam();
    writeNotesFile(kTwoNotes);
    host.files.failOn(Op::Write, notesPath(), number);
    EXPECT_FALSE(store(QStringLiteral("Creek.gmx"), QStringLiteral("lost?")));
    EXPECT_EQ(messages.shown,
              QStringList{QString::number(number) + QStringLiteral(": ") + DescriptionOf(number)});
    EXPECT_EQ(notesFile(), kTwoNotes);
    EXPECT_EQ(table.lastIndex, 2);
    EXPECT_EQ(LookUpNote(table, QStringLiteral("Creek.gmx")), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(Numbers, FailedSaves,
                         ::testing::Values(FailureNumber::DiskFull, FailureNumber::PermissionDenied,
                                           FailureNumber::PathAccessError));

TEST_F(NotesTest, AWriteRunningOutOfRoomKeepsTheOldFile)
{
    writeNotesFile(kTwoNotes);
    {
        const test::FileSizeLimit limit(1024);
        EXPECT_FALSE(store(QStringLiteral("Creek.gmx"), QString(4096, u'x')));
    }
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith(QStringLiteral("61: "))) << messages.shown[0].toStdString();
    EXPECT_EQ(notesFile(), kTwoNotes);
    EXPECT_EQ(QDir(prefix.programHostFolder()).entryList(QDir::Files | QDir::Hidden),
              QStringList{kNotepad})
        << "no half-written file is left behind";
}

TEST_F(NotesTest, SaveNotesShowsNumberAndDescription)
{
    LoadNotes(table, host.services);
    host.files.failOn(Op::Write, notesPath(), FailureNumber::PermissionDenied);
    EXPECT_FALSE(SaveNotes(table, host.services, messages));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("70: ") + DescriptionOf(70)});
}

TEST_F(NotesTest, AFileThatCannotBeReadOrMadeFails)
{
    writeNotesFile(kTwoNotes);
    host.files.failOn(Op::Read, notesPath(), FailureNumber::PermissionDenied);
    test::ExpectFailure(FailureNumber::PermissionDenied, [&] { LoadNotes(table, host.services); });
    // The save button tells the user instead of failing out of the window.
    EXPECT_FALSE(store(QStringLiteral("Creek.gmx"), QStringLiteral("x")));
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("70: ") + DescriptionOf(70)});

    PrefixWithDriveC empty;
    TestServices other(empty);
    other.files.failOn(Op::Write, NotesFilePath(other.services.programFolder), FailureNumber::DiskFull);
    test::ExpectFailure(FailureNumber::DiskFull, [&] { LoadNotes(table, other.services); });
}

// --- damaged files ------------------------------------------------------------------------------

const QByteArray kShortFile = QByteArrayLiteral("3\r\n\"a.gmx\",\"x\"\r\n\"b.gmx\",\"y\"\r\n");

TEST_F(NotesTest, ADamagedFileIsKeptAsideOnceAtTheNextSave)
{
    writeNotesFile(kShortFile);
    LoadNotes(table, host.services);
    EXPECT_TRUE(table.damaged);
    EXPECT_EQ(LookUpNote(table, QStringLiteral("b.gmx")), QStringLiteral("y"));

    ASSERT_TRUE(store(QStringLiteral("c.gmx"), QStringLiteral("z")));
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("Notepad (damaged).txt")), kShortFile);
    EXPECT_EQ(notesFile(), "3\r\n\"a.gmx\",\"x\"\r\n\"b.gmx\",\"y\"\r\n\"c.gmx\",\"z\"\r\n");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("\"Notepad (damaged).txt\"")))
        << messages.shown[0].toStdString();

    ASSERT_TRUE(store(QStringLiteral("d.gmx"), QStringLiteral("w")));
    EXPECT_EQ(messages.shown.size(), 1) << "said once";
    EXPECT_FALSE(prefix.programFileExists(QStringLiteral("Notepad (damaged 2).txt")));
}

TEST_F(NotesTest, AnEarlierDamagedFileIsNotOverwritten)
{
    prefix.programFile(QStringLiteral("Notepad (damaged).txt"), "earlier");
    writeNotesFile("x\r\n\"a.gmx\",\"x\"\r\n");
    ASSERT_TRUE(store(QStringLiteral("c.gmx"), QStringLiteral("z")));
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("Notepad (damaged).txt")), "earlier");
    EXPECT_EQ(prefix.programFileContent(QStringLiteral("Notepad (damaged 2).txt")),
              "x\r\n\"a.gmx\",\"x\"\r\n");
    EXPECT_EQ(noteOnDisk(QStringLiteral("a.gmx")), QStringLiteral("x"));
}

// A copy that fails, also as "not found" while the file is there, keeps the
// damaged file as it is.
class DamagedFileNotKept : public NotesTest, public ::testing::WithParamInterface<int> {};

TEST_P(DamagedFileNotKept, IsNotReplaced)
{
    const int number = GetParam();
    writeNotesFile(kShortFile);
    host.files.failOn(Op::Copy, DamagedNotesFilePath(host.services.programFolder), number);
    EXPECT_FALSE(store(QStringLiteral("c.gmx"), QStringLiteral("z")));
    EXPECT_EQ(messages.shown, QStringList{QString::number(number) + QStringLiteral(": ") + DescriptionOf(number)});
    EXPECT_EQ(notesFile(), kShortFile);
}

INSTANTIATE_TEST_SUITE_P(Numbers, DamagedFileNotKept,
                         ::testing::Values(FailureNumber::DiskFull, FailureNumber::FileNotFound));

TEST_F(NotesTest, ADamagedFileThatHasGoneNeedsNoKeeping)
{
    writeNotesFile(kShortFile);
    LoadNotes(table, host.services);
    ASSERT_TRUE(table.damaged);
    QFile::remove(prefix.programHostFolder() + QStringLiteral("/Notepad.txt"));
    EXPECT_TRUE(SaveNotes(table, host.services, messages));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(notesFile(), "2\r\n\"a.gmx\",\"x\"\r\n\"b.gmx\",\"y\"\r\n");
    EXPECT_FALSE(prefix.programFileExists(QStringLiteral("Notepad (damaged).txt")));
}

// --- the entry limit ----------------------------------------------------------------------------

QString MapName(int k)
{
    return QStringLiteral("map%1.gmx").arg(k);
}

// A file of kMaxNoteEntries records; live(k) decides which are notes and
// which are blanks.
template <typename Live> QByteArray FullFile(Live live)
{
    NoteTable table;
    table.names.append(QString());
    table.notes.append(QString());
    for (int k = 1; k <= kMaxNoteEntries; ++k) {
        table.names.append(live(k) ? MapName(k) : QString());
        table.notes.append(live(k) ? QStringLiteral("note %1").arg(k) : QString());
    }
    table.lastIndex = kMaxNoteEntries;
    return NotesFileBytes(table);
}

TEST_F(NotesTest, AFullFileGivesItsBlanksBack)
{
    const auto live = [](int k) { return k % 3 != 0; };
    writeNotesFile(FullFile(live));
    ASSERT_TRUE(store(QStringLiteral("new.gmx"), QStringLiteral("fresh")));

    NoteTable fresh;
    LoadNotes(fresh, host.services);
    EXPECT_FALSE(fresh.damaged);
    EXPECT_EQ(fresh.lastIndex, kMaxNoteEntries - kMaxNoteEntries / 3 + 1);
    EXPECT_EQ(notesFile().left(notesFile().indexOf('\r')), QByteArray::number(fresh.lastIndex));
    EXPECT_EQ(LookUpNote(fresh, QStringLiteral("new.gmx")), QStringLiteral("fresh"));
    EXPECT_EQ(fresh.names.value(fresh.lastIndex), QStringLiteral("new.gmx")) << "the new note is last";
    int missing = 0;
    for (int k = 1; k <= kMaxNoteEntries; ++k) {
        if (live(k) && LookUpNote(fresh, MapName(k)) != QStringLiteral("note %1").arg(k))
            ++missing;
    }
    EXPECT_EQ(missing, 0) << "every live note is kept";
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(NotesTest, AFileFullOfNotesRefusesANewMapButTakesAReplacement)
{
    const QByteArray full = FullFile([](int) { return true; });
    writeNotesFile(full);
    EXPECT_FALSE(store(QStringLiteral("new.gmx"), QStringLiteral("no room")));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].contains(QStringLiteral("32767"))) << messages.shown[0].toStdString();
    EXPECT_EQ(notesFile(), full);
    EXPECT_EQ(LookUpNote(table, QStringLiteral("new.gmx")), std::nullopt);

    ASSERT_TRUE(store(MapName(5), QStringLiteral("replaced")));
    NoteTable fresh;
    LoadNotes(fresh, host.services);
    EXPECT_EQ(fresh.lastIndex, kMaxNoteEntries);
    EXPECT_EQ(LookUpNote(fresh, MapName(5)), QStringLiteral("replaced"));
    EXPECT_EQ(LookUpNote(fresh, MapName(4)), QStringLiteral("note 4"));
    EXPECT_EQ(LookUpNote(fresh, MapName(kMaxNoteEntries)),
              QStringLiteral("note %1").arg(kMaxNoteEntries));
}

} // namespace
} // namespace zv
