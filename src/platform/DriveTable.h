#pragma once

#include <QChar>
#include <QList>
#include <QString>

#include <map>
#include <optional>

namespace zv {

// Drive type numbers as the Windows drive-type query reports them.
namespace DriveType {
constexpr int Unknown = 0;
constexpr int NoRootDir = 1;
constexpr int Removable = 2;
constexpr int Fixed = 3;
constexpr int Remote = 4;
constexpr int CdRom = 5;
constexpr int RamDisk = 6;
} // namespace DriveType

// The program's drive letters and the host folders behind them. Under Wine a
// prefix's dosdevices/<letter>: links name the folders, and the prefix's
// registry ([Software\\Wine\\Drives]) may give a letter its type.
class DriveTable {
public:
    struct Drive {
        QString hostFolder; // where the letter's link leads; empty when it leads nowhere
        int type = DriveType::NoRootDir;
    };

    DriveTable() = default; // no drives at all

    // Reads the prefix's drives once; a missing prefix gives a table without drives.
    static DriveTable FromWinePrefix(const QString& prefix);

    // Lower-case letter a..z; nullopt when the letter does not exist.
    std::optional<Drive> drive(QChar letter) const;
    // The type number of a root such as "C:\" (or "c:", "C:\\").
    int driveType(const QString& root) const;
    // The program path ("C:\Games") of a host path, through the drive whose
    // folder holds it (the deepest such folder wins); nullopt when none does.
    std::optional<QString> programPathOf(const QString& hostPath) const;

    // The letters that exist, lower case, in order.
    QList<QChar> letters() const;
    // The host folder of the prefix the table was read from; empty for a table made by hand.
    const QString& prefix() const { return m_prefix; }

    void setDrive(QChar letter, Drive drive); // for tests and fakes

private:
    std::map<QChar, Drive> m_drives;
    QString m_prefix;
};

// The letter of a program path that starts with "X:", lower case; nullopt otherwise.
std::optional<QChar> DriveLetterOf(const QString& programPath);

} // namespace zv
