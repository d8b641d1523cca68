#pragma once

#include "Recorders.h"
#include "RepositoryServer.h"
#include "TestPrefix.h"
#include "TestServices.h"

#include "browser/BrowserSetup.h"
#include "platform/DriveTable.h"
#include "platform/Drives.h"
#include "platform/FaultInjectingFileSystem.h"
#include "platform/HostFileSystem.h"
#include "platform/QtServices.h"
#include "platform/Screen.h"

#include <QByteArray>
#include <QString>

#include <map>
#include <memory>

namespace zv::scenario {

// Everything one scenario file runs in: a Wine-style prefix and a program folder holding a copy
// of the Support pictures, all inside one temporary folder, and the host services the program
// is given. The process's working folder is put back when the sandbox goes.
class Sandbox {
    QString m_savedWorkingFolder;
    test::TestPrefix m_prefix;
    std::map<QChar, QString> m_driveTypes; // lower-case letter -> type
    DriveTable m_table;
    HostFileSystem m_hostFiles{m_table};
    FaultInjectingFileSystem m_files{m_hostFiles};
    HostDrives m_drives{m_table};

public:
    explicit Sandbox(const QString& supportFolder);
    ~Sandbox();
    Sandbox(const Sandbox&) = delete;
    Sandbox& operator=(const Sandbox&) = delete;

    // TYPE as the prefix knows it: "hd", "cdrom", "floppy", "network", "ramdisk" or "absent".
    void addDrive(QChar letter, const QString& type);
    // The host path of a program path on a drive of the sandbox, spelled exactly as written.
    // Fails (ScenarioFailure) for a path without a drive letter or on a drive the sandbox
    // does not hold; writable asks for a drive that has a folder behind it.
    QString hostPathOf(const QString& programPath, bool writable) const;
    // The host path of a name in the program folder ("BHWWE.txt", "Support\\Go.bmp").
    QString programHostPathOf(const QString& name) const;

    // File contents are 8-bit text, one byte per character, as the program reads and writes.
    static QByteArray BytesOf(const QString& text) { return text.toLatin1(); }

    QString programFolder() const; // the program path of the program folder

    // The download browser's repository is the sample repository served on the loopback
    // interface once this runs; before, it is an address where nothing answers, so no scenario
    // ever reaches the internet.
    void serveRepository();
    const QString& repositoryBase() const { return m_repositoryBase; }
    // Downloads go to a folder of the sandbox: PATH on one of its drives once set, before that
    // a folder outside every drive.
    void setDownloadFolder(const QString& programPath);
    // What the program's download browser is given.
    BrowserSetup browserSetup() const;

    HostFileSystem& hostFiles() { return m_hostFiles; }
    FaultInjectingFileSystem& files() { return m_files; }
    Drives& drives() { return m_drives; }

    test::RecordingPointer pointer;
    QtEventPump events;
    RecordingMessageBoxes messages;
    RecordingAddressOpener addresses;
    FixedScreen screen; // set by `screen` before the program starts
    SandboxLauncher launcher{m_hostFiles, m_table};

private:
    void copySupport(const QString& supportFolder) const;

    std::unique_ptr<RepositoryServer> m_repository;
    QString m_repositoryBase;
    DownloadFolder m_downloads;
};

} // namespace zv::scenario
