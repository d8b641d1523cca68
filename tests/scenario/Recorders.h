#pragma once

#include "TestServices.h"

#include "platform/Launcher.h"
#include "platform/QtServices.h"

#include <QStringList>

namespace zv::scenario {

using test::RecordingAddressOpener;
using test::RecordingMessageBoxes;

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
