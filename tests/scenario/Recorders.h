#pragma once

#include "StandInServices.h"

#include "platform/Launcher.h"

#include <QStringList>

namespace zv {
class HostFileSystem;
}

namespace zv::scenario {

// Message boxes that never block: each text is written down and answered with OK. The default
// web browser, as far as the program can tell.
using RecordingMessageBoxes = test::RecordingMessages;
using RecordingAddressOpener = test::RecordingAddressOpener;

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
