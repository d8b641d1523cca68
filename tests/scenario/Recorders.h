#pragma once

#include "platform/AddressOpener.h"
#include "platform/Launcher.h"
#include "platform/MessageBoxes.h"

#include <QStringList>

namespace zv {
class HostFileSystem;
}

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

// Starts program files of the sandbox as the installer would, without Wine, and writes down
// which ones it started.
class SandboxLauncher final : public Launcher {
public:
    explicit SandboxLauncher(const HostFileSystem& files) : m_files(files) {}
    void start(const QString& programPath) override;
    QStringList started;

private:
    const HostFileSystem& m_files;
};

} // namespace zv::scenario
