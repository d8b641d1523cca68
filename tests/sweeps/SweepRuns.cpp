#include "SweepRuns.h"

#include "TestServices.h"

#include "core/GameRecord.h"
#include "core/MapFolders.h"
#include "core/Notes.h"
#include "platform/Failure.h"
#include "platform/HostFileSystem.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <optional>
#include <set>
#include <sys/statvfs.h>
#include <unistd.h>

namespace zv::test {

namespace {

using Op = FaultInjectingFileSystem::Operation;

QString ParentOf(const QString& path)
{
    return path.left(std::max<qsizetype>(path.lastIndexOf(QLatin1Char('/')), 0));
}

QString NameOf(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString Describe(const TreeEntry* entry)
{
    if (!entry)
        return QStringLiteral("missing");
    if (entry->folder)
        return QStringLiteral("a folder");
    const QByteArray start = entry->bytes.left(40);
    return QStringLiteral("%1 bytes \"%2%3\"")
        .arg(entry->bytes.size())
        .arg(QString::fromLatin1(start),
             entry->bytes.size() > start.size() ? QStringLiteral("...") : QString());
}

const TreeEntry* Find(const SandboxTree& tree, const QString& path)
{
    const auto it = tree.find(path);
    return it == tree.end() ? nullptr : &it->second;
}

bool Same(const TreeEntry* a, const TreeEntry* b)
{
    return a == b || (a && b && *a == *b);
}

// What the program reads from its notes file or a game record, which the same
// reading may come from other bytes (a missing notes file reads as one without
// notes); nullopt for every other file.
std::optional<QString> ReadBack(const QString& path, const TreeEntry* entry)
{
    const QString name = path.mid(sizeof "program/" - 1);
    if (!path.startsWith(QLatin1String("program/")) || name.contains(QLatin1Char('/')))
        return std::nullopt;
    const QByteArray bytes = entry && !entry->folder ? entry->bytes : QByteArray();
    if (name == QLatin1String("Notepad.txt")) {
        const NoteTable table = ReadNotesFile(bytes);
        QString notes = table.damaged ? QStringLiteral("damaged:") : QStringLiteral("notes:");
        for (int k = 1; k <= table.lastIndex; ++k) {
            if (!table.names.value(k).isEmpty())
                notes += QLatin1Char(' ') + table.names.value(k) + QLatin1Char('=') +
                         table.notes.value(k);
        }
        return notes;
    }
    if (name == QLatin1String("BHWWE.txt") || name == QLatin1String("RMTH3.txt"))
        return DecodeGameRecord(bytes).value_or(QString());
    return std::nullopt;
}

// The places a command may change, as sandbox paths.
class Places {
public:
    Places(const TestPrefix& prefix, const FileCommand& command)
    {
        for (const Area& area : command.changes)
            m_areas.push_back({SandboxPathOf(prefix, area.path), area.kind});
        for (const QString& folder : command.mayAppear)
            m_mayAppear.insert(SandboxPathOf(prefix, folder));
    }

    // Whether the command may change path; a temporary file counts as part of
    // the file it is written for.
    bool contain(const QString& path, bool temporary = false) const
    {
        for (const auto& [area, kind] : m_areas) {
            switch (kind) {
            case Area::Entries:
                if (ParentOf(path) == area)
                    return true;
                break;
            case Area::Tree:
                if (path == area || path.startsWith(area + QLatin1Char('/')))
                    return true;
                break;
            case Area::File:
                if (path == area)
                    return true;
                if (temporary && ParentOf(path) == ParentOf(area) &&
                    NameOf(path).startsWith(QLatin1Char('.') + NameOf(area) + QLatin1Char('.')))
                    return true;
                break;
            }
        }
        return false;
    }

    bool mayAppear(const QString& path) const { return m_mayAppear.contains(path); }

private:
    std::vector<std::pair<QString, Area::Kind>> m_areas;
    std::set<QString> m_mayAppear;
};

} // namespace

void KeepSandboxesInMemory()
{
    constexpr unsigned long long kRoomNeeded = 48ull << 20;
    const char* const memory = "/dev/shm";
    struct statvfs room {};
    if (::access(memory, W_OK) == 0 && ::statvfs(memory, &room) == 0 &&
        static_cast<unsigned long long>(room.f_bavail) * room.f_frsize >= kRoomNeeded)
        qputenv("TMPDIR", memory);
}

SandboxTree TreeOf(const TestPrefix& prefix)
{
    SandboxTree tree;
    const QString root = prefix.root() + QLatin1Char('/');
    for (const QString& top : {QStringLiteral("drives"), QStringLiteral("program")}) {
        QDirIterator it(root + top,
                        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QFileInfo info = it.fileInfo();
            TreeEntry entry;
            entry.folder = info.isDir();
            if (!entry.folder) {
                QFile file(path);
                if (file.open(QIODevice::ReadOnly))
                    entry.bytes = file.readAll();
            }
            tree.emplace(path.mid(root.size()), std::move(entry));
        }
    }
    return tree;
}

void RestoreSandbox(const TestPrefix& prefix, const SandboxTree& before, const SandboxTree& now)
{
    const QString root = prefix.root() + QLatin1Char('/');
    // Deeper paths sort after their folders: backwards, a folder is emptied before it goes.
    for (auto it = now.rbegin(); it != now.rend(); ++it) {
        const TreeEntry* was = Find(before, it->first);
        if (was && was->folder == it->second.folder)
            continue;
        if (it->second.folder)
            QDir().rmdir(root + it->first);
        else
            QFile::remove(root + it->first);
    }
    for (const auto& [path, entry] : before) {
        const TreeEntry* is = Find(now, path);
        if (is && *is == entry)
            continue;
        if (entry.folder) {
            QDir().mkdir(root + path);
            continue;
        }
        QFile file(root + path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(entry.bytes) != entry.bytes.size())
            qFatal("cannot restore %s", qPrintable(path));
    }
}

Reference FinishedRun(const FileCommand& command)
{
    TestPrefix prefix;
    BuildSandbox(prefix, command);
    Reference reference;
    reference.before = TreeOf(prefix);
    TestServices host(prefix);
    host.files.setObserver([&](const FaultInjectingFileSystem::Call& call) {
        PlannedCall planned{call.op, call.path, call.bytes};
        if (call.op == Op::Copy) {
            try {
                planned.writes =
                    QFileInfo(QString::fromStdString(host.hostFiles.hostPath(call.path))).size();
            } catch (const Failure&) {
            }
        }
        reference.calls.push_back(planned);
    });
    CommandRun run(host.services);
    command.run(run);
    reference.finished = TreeOf(prefix);
    reference.told = run.messages.shown + run.status;
    return reference;
}

QString Describe(const PlannedCall& call)
{
    return FaultInjectingFileSystem::NameOf(call.op) + QLatin1Char(' ') + call.path;
}

QStringList ProblemsAfter(const TestPrefix& prefix, const FileCommand& command,
                          const Reference& reference, const SandboxTree& after, RunEnd end)
{
    const Places places(prefix, command);
    QStringList problems;

    std::set<QString> paths;
    for (const SandboxTree* tree : {&reference.before, &reference.finished, &after}) {
        for (const auto& entry : *tree)
            paths.insert(entry.first);
    }
    for (const QString& path : paths) {
        const TreeEntry* before = Find(reference.before, path);
        const TreeEntry* finished = Find(reference.finished, path);
        const TreeEntry* now = Find(after, path);
        const bool temporary = end == RunEnd::Killed && now && !now->folder && !before &&
                               !finished && IsWriteTemporaryName(NameOf(path));
        if (!Same(now, before) && !places.contain(path, temporary)) {
            problems.append(
                QStringLiteral("%1 changed, outside the places the command names: %2, was %3")
                    .arg(path, Describe(now), Describe(before)));
            continue;
        }
        if (Same(now, before) || Same(now, finished))
            continue;
        if (const auto read = ReadBack(path, now);
            read && (read == ReadBack(path, before) || read == ReadBack(path, finished)))
            continue;
        if (now && now->folder && !before && places.mayAppear(path))
            continue;
        if (temporary) {
            if (MatchesMapFilter(NameOf(path)))
                problems.append(
                    QStringLiteral("the temporary file %1 shows in a map list").arg(path));
            continue;
        }
        problems.append(
            QStringLiteral(
                "%1 is %2: neither as before (%3) nor as after the finished command (%4)")
                .arg(path, Describe(now), Describe(before), Describe(finished)));
    }

    // What the finished command keeps must be somewhere: every map and
    // preview that is not deleted or replaced on purpose, a notes file kept aside.
    std::set<QByteArray> kept;
    for (const auto& [path, entry] : reference.finished) {
        if (!entry.folder)
            kept.insert(entry.bytes);
    }
    std::set<QByteArray> present;
    for (const auto& [path, entry] : after) {
        if (!entry.folder)
            present.insert(entry.bytes);
    }
    for (const auto& [path, entry] : reference.before) {
        if (!entry.folder && kept.contains(entry.bytes) && !present.contains(entry.bytes))
            problems.append(
                QStringLiteral("the content of %1 (%2) is nowhere").arg(path, Describe(&entry)));
    }
    return problems;
}

} // namespace zv::test
