#pragma once

#include <QString>
#include <QStringList>

namespace zv {

// The drive services of the locator, the manager and the finder.
class Drives {
public:
    virtual ~Drives() = default;
    // The type number (0 to 6) of a root such as "C:\".
    virtual int driveType(const QString& root) const = 0;
    // The program path of the first file named fileName under root, or an
    // empty text. Throws Failure when the root cannot be reached.
    virtual QString searchTreeForFile(const QString& root, const QString& fileName) const = 0;
    // The drives that exist, as "c:", "d:", in letter order.
    virtual QStringList driveNames() const = 0;
};

class DriveTable;

// The drives of a drive table on the host.
class HostDrives final : public Drives {
public:
    explicit HostDrives(const DriveTable& table) : m_table(table) {}
    int driveType(const QString& root) const override;
    QString searchTreeForFile(const QString& root, const QString& fileName) const override;
    QStringList driveNames() const override;

private:
    const DriveTable& m_table;
};

} // namespace zv
