#pragma once

#include "StandInServices.h"
#include "TestPrefix.h"

#include "core/Services.h"

#include <QStringList>

#include <algorithm>
#include <vector>

namespace zv::test {

// A place where a command may change the sandbox, by program path; a path
// that starts with "%P\" lies in the program folder.
struct Area {
    enum Kind {
        Entries, // the entries of a folder (not what lies in its sub-folders)
        Tree,    // a folder and everything in it
        File,    // one file
    };
    QString path;
    Kind kind;
};

// One run of a command: the services it works through, and what the user was told.
struct CommandRun {
    explicit CommandRun(const Services& services) : services(services) {}

    const Services& services;
    RecordingMessageBoxes messages;
    QStringList status; // what the window would write on its own status line

    // Whether any message box or status text said something.
    bool toldUser() const
    {
        const auto said = [](const QStringList& texts) {
            return std::any_of(texts.begin(), texts.end(),
                               [](const QString& text) { return !text.trimmed().isEmpty(); });
        };
        return said(messages.shown) || said(status);
    }
};

// A command of the program that moves, copies, renames or deletes a map or a
// folder, or writes a record or the notes file, run the way its window runs
// it: the window-free work, then the window's answer to a failure.
struct FileCommand {
    const char* name;
    void (*run)(CommandRun& run);
    // Everything else in the sandbox stays as it is.
    std::vector<Area> changes;
    // Failures whose rule ends or skips the work without a word to the user.
    std::vector<int> silentNumbers = {};
    // The command never shows anything: every failure is silent.
    bool housekeeping = false;
    // What this command needs beside the common sandbox.
    void (*setUp)(TestPrefix& prefix) = nullptr;
    // Folders a failure's rule may make instead of the one the command makes.
    QStringList mayAppear = {};
};

// Every file command, each on the common sandbox.
const std::vector<FileCommand>& FileCommands();

// Fills a new prefix with drives C and D, two games with maps, stray maps,
// folders of maps and the program folder's records, notes and pictures, then
// what the command adds.
void BuildSandbox(TestPrefix& prefix, const FileCommand& command);

// The path below the prefix's root ("drives/c/Games/...", "program/...") of a
// program path written as in Area.
QString SandboxPathOf(const TestPrefix& prefix, const QString& path);

} // namespace zv::test
