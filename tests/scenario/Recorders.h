#pragma once

#include "platform/AddressOpener.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"
#include "platform/QtServices.h"

#include <QStringList>

namespace zv::scenario {

// Message boxes that never block: each text is written down and answered with OK.
class RecordingMessageBoxes final : public MessageBoxes {
public:
    void show(const QString& text) override { shown.append(text); }
    QStringList shown;
};

// The default web browser, as far as the program can tell.
class RecordingAddressOpener final : public AddressOpener {
public:
    void open(const QString& address) override { opened.append(address); }
    QStringList opened;
};

// Starts program files of the sandbox as the program's own launcher does (Windows programs
// through Wine in the sandbox's prefix) and writes down which ones it started.
class SandboxLauncher final : public Launcher {
public:
    SandboxLauncher(const HostFileSystem& files, const DriveTable& drives)
        : m_launcher(files, drives)
    {
    }
    qint64 start(const QString& programPath) override
    {
        const qint64 id = m_launcher.start(programPath);
        started.append(programPath);
        return id;
    }
    QStringList started;

private:
    QtLauncher m_launcher;
};

} // namespace zv::scenario
