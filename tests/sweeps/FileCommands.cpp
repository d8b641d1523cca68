#include "FileCommands.h"

#include "core/ConsoleRules.h"
#include "core/FailureTexts.h"
#include "core/GameRecord.h"
#include "core/MapFolders.h"
#include "core/MapMove.h"
#include "core/MapRepair.h"
#include "core/Notes.h"
#include "manager/CommandSteps.h"
#include "manager/FolderOperations.h"
#include "manager/MapOperations.h"
#include "platform/Failure.h"
#include "platform/FileSystem.h"
#include "platform/ProgramPath.h"

#include <QFile>

namespace zv::test {

namespace {

const QString kWildWings = QStringLiteral("C:\\Games\\Wild Wings");
const QString kRocky = QStringLiteral("C:\\Games\\Rocky Mountain");
const QString kMaps = kWildWings + QStringLiteral("\\Home\\Maps");
const QString kStored = kMaps + QStringLiteral("\\Stored Maps");
const QString kRockyMaps = kRocky + QStringLiteral("\\Home\\Maps");
const QString kRockyStored = kRockyMaps + QStringLiteral("\\Stored Maps");
const QString kStrays = QStringLiteral("C:\\WINDOWS\\TEMP");
const QString kKeep = QStringLiteral("D:\\Keep");
const QString kFull = QStringLiteral("D:\\Full");
const QString kProgram = QStringLiteral("%P");

QString In(const QString& folder, const char* name)
{
    return JoinPath(folder, QString::fromLatin1(name));
}

// clang-format off
// The common sandbox: every file with its content, each content told apart
// from every other.
const struct {
    const QString& folder;
    const char* name;
    const char* content;
} kSandboxFiles[] = {
    // folder          name                    content
    {kMaps,            "Marsh.gmx",            "Marsh map"},
    {kMaps,            "Marsh.bmp",            "Marsh preview"},
    {kMaps,            "Creek.gmx",            "Creek map, no preview"},
    {kMaps,            "Pond.gmx",             "Pond map, the game's older copy"},
    {kMaps,            "LA_01.gmx",            "LA_01 stock map"},
    {kMaps,            "VMLA.bmp",             "LA_01 preview the user drew"},
    {kStored,          "Ridge.gmx",            "Ridge map"},
    {kStored,          "Ridge.bmp",            "Ridge preview"},
    {kStored,          "Pond.gmx",             "Pond map"},
    {kStored,          "Pond.bmp",             "Pond preview"},
    {kRockyMaps,       "Olney.gmx",            "Olney stock map"},
    {kStrays,          "Taiga.gmx",            "Taiga stray map"},
    {kStrays,          "Taiga.bmp",            "Taiga stray preview"},
    {kStrays,          "setup.log",            "someone else's file"},
    {kKeep,            "Marsh.gmx",            "Marsh map, an older copy"},
    {kFull,            "New Folder",           "a file in the way of a new folder"},
    {kFull,            "Readme.txt",           "a file that keeps the folder"},
    {kProgram,         "Notepad.txt",          "2\r\n\"Marsh.gmx\",\"Geese at dawn\"\r\n\"Ridge.gmx\",\"Elk\"\r\n"},
    {kProgram,         "BHWWE.txt",            "\"C:\\Games\\Wild Wings\\Home\\Maps\"\r\n"},
    {kProgram,         "RMTH3.txt",            "\"C:\\Games\\Rocky Mountain\\Home\\Maps\"\r\n"},
    {kProgram,         "Support\\LA_01.bmp",   "stock LA_01 picture"},
    {kProgram,         "Support\\Olney.bmp",   "stock Olney picture"},
};
// clang-format on

const QString kEmptyFolders[] = {kRockyStored, kKeep + QStringLiteral("\\Old")};

// A file of the sandbox at a program path written as in Area.
void Put(TestPrefix& prefix, const QString& path, const QByteArray& content)
{
    if (path.startsWith(kProgram + QLatin1Char('\\')))
        prefix.programFile(
            path.mid(kProgram.size() + 1).replace(QLatin1Char('\\'), QLatin1Char('/')), content);
    else
        prefix.file(path, content);
}

// ---- The console ------------------------------------------------------------

// Store and install: the move of the pair, and the console's answer to a failure.
void ConsoleMove(CommandRun& run, const QString& from, const char* name, const QString& to)
{
    const QString map = In(from, name);
    try {
        MoveMapPair(run.services.files, {map, PreviewPathFor(map), QString::fromLatin1(name), to});
    } catch (const Failure& failure) {
        if (AnswerToMoveFailure(failure.number()) == MoveFailureAnswer::ShowMessage)
            run.messages.show(NumberCommaDescription(failure));
    }
}

// The console's save button once the map is known; the console's table is
// whatever it last read.
void SaveNote(CommandRun& run, const char* map, const char* text)
{
    NoteTable table;
    StoreNoteEntry(table, QString::fromLatin1(map), QString::fromLatin1(text), run.services,
                   run.messages);
}

// ---- The manager ------------------------------------------------------------

void ReportMapFailure(CommandRun& run, MapCommand command, const std::optional<Failure>& failure)
{
    if (failure)
        run.messages.show(ReactionToMapFailure(command, *failure).message);
}

void CopyMap(CommandRun& run, const QString& from, const char* name, const QString& to)
{
    std::optional<Failure> failure;
    try {
        const QString source = QString::fromLatin1(name);
        failure =
            CopyMapFiles(run.services.files, from, source, to, CopyNamesFor(from, source, to));
    } catch (const Failure& thrown) {
        failure = thrown;
    }
    ReportMapFailure(run, MapCommand::Copy, failure);
}

void MoveMap(CommandRun& run, const QString& from, const char* name, const QString& to)
{
    const MoveResult result = MoveMapFiles(run.services.files, from, QString::fromLatin1(name), to);
    if (!result.failure && !result.arrived)
        run.status.append(QStringLiteral("There was a problem moving this map."));
    ReportMapFailure(run, MapCommand::Move, result.failure);
}

void RenameMap(CommandRun& run, const QString& folder, const char* name, const char* newBase)
{
    ReportMapFailure(run, MapCommand::Rename,
                     RenameMapFiles(run.services.files, folder, QString::fromLatin1(name),
                                    QString::fromLatin1(newBase)));
}

void DeleteMap(CommandRun& run, const QString& folder, const char* name)
{
    ReportMapFailure(run, MapCommand::Delete, DeleteMapFiles(run.services.files, In(folder, name)));
}

void MakeFolder(CommandRun& run, const QString& folder)
{
    try {
        MakeNewFolder(run.services.files, folder);
    } catch (const Failure& failure) {
        run.messages.show(ErrorNumberDescription(failure));
    }
}

// The removal skips a path that is not there, as the window's steps do.
void RemoveFolder(CommandRun& run, const QString& folder)
{
    const auto failure = RunSteps({[&] { RemoveEmptyFolder(run.services.files, folder); }},
                                  {FailureNumber::PathNotFound});
    if (failure) {
        const QString message = ReactionToRemoveFailure(*failure).message;
        if (!message.isEmpty())
            run.messages.show(message);
    }
}

void RenameFolder(CommandRun& run, const QString& folder, const char* newName)
{
    try {
        RenameFolderTo(run.services.files, folder, QString::fromLatin1(newName));
    } catch (const Failure& failure) {
        const QString message = ReactionToRenameFailure(failure).message;
        if (!message.isEmpty())
            run.messages.show(message);
    }
}

// ---- Housekeeping -----------------------------------------------------------

void Repair(CommandRun& run)
{
    ProgramState state;
    state.BhwweFolder = kWildWings;
    state.Rmth3Folder = kRocky;
    state.BhwweRepairDue = true;
    state.Rmth3RepairDue = true;
    RepairMaps(state, run.services);
}

void WriteRecord(CommandRun& run)
{
    ProgramState state;
    state.CurrentGame = kBhwwe;
    state.MapsFolder = QStringLiteral("D:\\Games\\Wild Wings\\Home\\Maps");
    WriteGameRecord(state, run.services);
}

void ClearRecord(CommandRun& run)
{
    ProgramState state;
    state.CurrentGame = kRmth3;
    state.MapsFolder = kRockyMaps;
    ClearGameRecord(state, run.services);
}

// ---- What some commands add to the sandbox ----------------------------------

// A map far larger than any buffer of the file layer.
void AddLargeMap(TestPrefix& prefix)
{
    QByteArray map(4 << 20, Qt::Uninitialized);
    for (qsizetype i = 0; i < map.size(); ++i)
        map[i] = static_cast<char>((i * 7 + i / 4096) & 0xff);
    Put(prefix, In(kMaps, "Prairie.gmx"), map);
    Put(prefix, In(kMaps, "Prairie.bmp"), QByteArray(64 << 10, 'p'));
}

void DamageNotes(TestPrefix& prefix)
{
    Put(prefix, In(kProgram, "Notepad.txt"),
        "3\r\n\"Marsh.gmx\",\"Geese at dawn\"\r\n\"Ridge.gmx\",\"Elk, and the rest is cut off");
}

void RemoveNotes(TestPrefix& prefix)
{
    QFile::remove(prefix.programHostFolder() + QStringLiteral("/Notepad.txt"));
}

Area Entries(const QString& folder)
{
    return {folder, Area::Entries};
}

Area Tree(const QString& folder)
{
    return {folder, Area::Tree};
}

Area File(const QString& folder, const char* name)
{
    return {In(folder, name), Area::File};
}

constexpr int kNotFound = FailureNumber::FileNotFound;

} // namespace

const std::vector<FileCommand>& FileCommands()
{
    // clang-format off
    static const std::vector<FileCommand> commands = {
        // The console: a failure not found skips the step, any other shows its message.
        {"StoreMapWithPreview", [](CommandRun& run) { ConsoleMove(run, kMaps, "Marsh.gmx", kStored); },
         {Entries(kMaps), Entries(kStored)}, {kNotFound}},
        {"StoreMapWithoutPreview", [](CommandRun& run) { ConsoleMove(run, kMaps, "Creek.gmx", kStored); },
         {Entries(kMaps), Entries(kStored)}, {kNotFound}},
        {"StoreLargeMap", [](CommandRun& run) { ConsoleMove(run, kMaps, "Prairie.gmx", kStored); },
         {Entries(kMaps), Entries(kStored)}, {kNotFound}, false, AddLargeMap},
        {"InstallMap", [](CommandRun& run) { ConsoleMove(run, kStored, "Ridge.gmx", kMaps); },
         {Entries(kMaps), Entries(kStored)}, {kNotFound}},
        {"InstallOverTheGamesCopy", [](CommandRun& run) { ConsoleMove(run, kStored, "Pond.gmx", kMaps); },
         {Entries(kMaps), Entries(kStored)}, {kNotFound}},
        {"SaveNote", [](CommandRun& run) { SaveNote(run, "Creek.gmx", "Teal \"early\"\nin the reeds"); },
         {File(kProgram, "Notepad.txt")}},
        {"SaveFirstNote", [](CommandRun& run) { SaveNote(run, "Creek.gmx", "Teal"); },
         {File(kProgram, "Notepad.txt")}, {}, false, RemoveNotes},
        {"SaveNoteOverDamagedFile", [](CommandRun& run) { SaveNote(run, "Marsh.gmx", "Geese at noon"); },
         {File(kProgram, "Notepad.txt"), File(kProgram, "Notepad (damaged).txt")}, {}, false, DamageNotes},

        // The manager: a failure not found skips the step; the folder commands
        // have rules of their own.
        {"CopyMapToAnotherFolder", [](CommandRun& run) { CopyMap(run, kMaps, "Marsh.gmx", kKeep); },
         {Entries(kKeep)}, {kNotFound}},
        {"CopyMapIntoItsFolder", [](CommandRun& run) { CopyMap(run, kMaps, "Marsh.gmx", kMaps); },
         {Entries(kMaps)}, {kNotFound}},
        {"MoveMapToAnotherFolder", [](CommandRun& run) { MoveMap(run, kStored, "Ridge.gmx", kKeep); },
         {Entries(kStored), Entries(kKeep)}, {kNotFound}},
        {"MoveMapOntoAnOlderCopy", [](CommandRun& run) { MoveMap(run, kMaps, "Marsh.gmx", kKeep); },
         {Entries(kMaps), Entries(kKeep)}, {kNotFound}},
        {"RenameMap", [](CommandRun& run) { RenameMap(run, kMaps, "Marsh.gmx", "Heron"); },
         {Entries(kMaps)}, {kNotFound}},
        {"RenameMapWithoutPreview", [](CommandRun& run) { RenameMap(run, kMaps, "Creek.gmx", "Brook"); },
         {Entries(kMaps)}, {kNotFound}},
        {"DeleteMap", [](CommandRun& run) { DeleteMap(run, kMaps, "Marsh.gmx"); },
         {Entries(kMaps)}, {kNotFound}},
        {"MakeFolder", [](CommandRun& run) { MakeFolder(run, kKeep); },
         {Entries(kKeep)}, {FailureNumber::PathAccessError}, false, nullptr,
         {kKeep + QStringLiteral("\\New Folder0")}},
        {"MakeFolderWhereTheNameIsTaken", [](CommandRun& run) { MakeFolder(run, kFull); },
         {Entries(kFull)}, {FailureNumber::PathAccessError}},
        {"RemoveEmptyFolder", [](CommandRun& run) { RemoveFolder(run, kKeep + QStringLiteral("\\Old")); },
         {Entries(kKeep)}, {FailureNumber::PathNotFound}},
        {"RemoveFolderThatHoldsFiles", [](CommandRun& run) { RemoveFolder(run, kFull); },
         {Entries(QStringLiteral("D:\\"))}, {FailureNumber::PathNotFound}},
        {"RenameFolderOfMaps", [](CommandRun& run) { RenameFolder(run, kKeep, "Kept"); },
         {Entries(QStringLiteral("D:\\")), Tree(kKeep), Tree(QStringLiteral("D:\\Kept"))},
         {FailureNumber::PathNotFound}},

        // Housekeeping shows nothing.
        {"RepairStockPreviews", Repair,
         {Entries(kMaps), Entries(kStored), Entries(kRockyMaps), Entries(kRockyStored), Entries(kStrays)},
         {}, true},
        {"WriteRecord", WriteRecord, {File(kProgram, "BHWWE.txt")}, {}, true},
        {"ClearRecord", ClearRecord, {File(kProgram, "RMTH3.txt")}, {}, true},
    };
    // clang-format on
    return commands;
}

void BuildSandbox(TestPrefix& prefix, const FileCommand& command)
{
    prefix.addDrive('C');
    prefix.addDrive('D');
    for (const auto& row : kSandboxFiles)
        Put(prefix, In(row.folder, row.name), QByteArray(row.content));
    for (const QString& folder : kEmptyFolders)
        prefix.folder(folder);
    if (command.setUp)
        command.setUp(prefix);
}

QString SandboxPathOf(const TestPrefix& prefix, const QString& path)
{
    QString host;
    if (path.startsWith(kProgram))
        host = prefix.programHostFolder() + QString(path.mid(kProgram.size())).replace(u'\\', u'/');
    else
        host = prefix.hostPathOf(path);
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host.mid(prefix.root().size() + 1);
}

} // namespace zv::test
