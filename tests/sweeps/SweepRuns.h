#pragma once

#include "FileCommands.h"
#include "TestPrefix.h"

#include "platform/FaultInjectingFileSystem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace zv::test {

// Puts the sandboxes of this process in memory (/dev/shm) when there is room
// there (a sweep needs some 10 MB at a time): a sweep writes and syncs
// thousands of small files, which a disk does many times slower. Elsewhere
// the usual temporary folder is used.
void KeepSandboxesInMemory();

// One file or folder of the sandbox.
struct TreeEntry {
    bool folder = false;
    QByteArray bytes;
    friend bool operator==(const TreeEntry&, const TreeEntry&) = default;
};

// Every file and folder of the sandbox's drives and program folder, by its
// path below the prefix's root.
using SandboxTree = std::map<QString, TreeEntry>;
SandboxTree TreeOf(const TestPrefix& prefix);

// Puts the sandbox back as it was (before) from how a run left it (now, its
// tree): what the run made is removed, what it changed or removed is written
// again. Cheaper than a new sandbox for every run.
void RestoreSandbox(const TestPrefix& prefix, const SandboxTree& before, const SandboxTree& now);

// A call the command makes when nothing fails, with the size it writes (the
// data of a write, the source of a copy; -1 for calls that write nothing).
struct PlannedCall {
    FaultInjectingFileSystem::Operation op;
    QString path;
    qint64 writes = -1;
};

// The command run once without a failure: the sandbox before and after, and
// its calls in order.
struct Reference {
    SandboxTree before;
    SandboxTree finished;
    std::vector<PlannedCall> calls;
    QStringList told; // what the finished run told the user
};
Reference FinishedRun(const FileCommand& command);

// "copy C:\a" for a report.
QString Describe(const PlannedCall& call);

enum class RunEnd {
    Failed, // a call failed; the program went on as it does
    Killed, // the process was killed; nothing of the program ran after it
};

// What is wrong with the sandbox after a run that ended early: a file or
// folder that is neither as before nor as after the finished command (a
// killed run may leave the temporary file of a write where the command may
// change things, named so that no map list shows it); a change outside the
// places the command names; a content the finished command keeps (a map, a
// preview, a kept notes file) found nowhere.
QStringList ProblemsAfter(const TestPrefix& prefix, const FileCommand& command,
                          const Reference& reference, const SandboxTree& after, RunEnd end);

} // namespace zv::test
