#pragma once

#include "AddressOpener.h"
#include "Drives.h"
#include "EventPump.h"
#include "Launcher.h"
#include "MessageBoxes.h"
#include "Pointer.h"
#include "Screen.h"

#include <functional>

class QWidget;

namespace zv {

class DriveTable;
class HostFileSystem;

// Message boxes with an OK button, no icon and the program's title, owned by
// the window the caller names (the main frame when there is none).
class QtMessageBoxes final : public MessageBoxes {
public:
    explicit QtMessageBoxes(std::function<QWidget*()> owner = {}) : m_owner(std::move(owner)) {}
    void show(const QString& text) override;

private:
    std::function<QWidget*()> m_owner;
};

class QtPointer final : public Pointer {
public:
    ~QtPointer() override;
    void showBusy() override;
    void showDefault() override;

private:
    bool m_busy = false;
};

// Lets paint and timer events run; what the user types or clicks waits.
class QtEventPump final : public EventPump {
public:
    void letEventsRun() override;
};

class QtAddressOpener final : public AddressOpener {
public:
    void open(const QString& address) override;
};

// Starts program files on the host: Windows programs through Wine in the prefix the drive
// table was read from, anything else directly (see PlanProgramStart).
class QtLauncher final : public Launcher {
public:
    QtLauncher(const HostFileSystem& files, const DriveTable& drives)
        : m_files(files), m_drives(drives)
    {
    }
    qint64 start(const QString& programPath) override;

private:
    const HostFileSystem& m_files;
    const DriveTable& m_drives;
};

class QtScreen final : public Screen {
public:
    QSize pixelSize() const override;
    double dotsPerInchX() const override;
    double dotsPerInchY() const override;
};

// Runs each tree search on a worker thread while the window thread keeps
// painting; user input and window closing are held off until it returns.
class ResponsiveDrives final : public Drives {
public:
    explicit ResponsiveDrives(const Drives& inner) : m_inner(inner) {}
    int driveType(const QString& root) const override { return m_inner.driveType(root); }
    QString searchTreeForFile(const QString& root, const QString& fileName) const override;
    QStringList driveNames() const override { return m_inner.driveNames(); }

private:
    const Drives& m_inner;
};

} // namespace zv
