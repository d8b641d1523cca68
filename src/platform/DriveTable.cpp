#include "DriveTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace zv {

namespace {

// Wine's own names for drive types, as its registry keeps them.
int DriveTypeOfWineName(const QString& name)
{
    static const std::map<QString, int> kTypes = {
        {QStringLiteral("hd"), DriveType::Fixed},
        {QStringLiteral("network"), DriveType::Remote},
        {QStringLiteral("floppy"), DriveType::Removable},
        {QStringLiteral("cdrom"), DriveType::CdRom},
        {QStringLiteral("ramdisk"), DriveType::RamDisk},
    };
    auto it = kTypes.find(name.toLower());
    return it == kTypes.end() ? DriveType::Unknown : it->second;
}

// The "x:"="type" values of the [Software\\Wine\\Drives] key of system.reg.
std::map<QChar, int> ReadWineDriveTypes(const QString& prefix)
{
    std::map<QChar, int> types;
    QFile reg(prefix + QStringLiteral("/system.reg"));
    if (!reg.open(QIODevice::ReadOnly | QIODevice::Text))
        return types;
    static const QRegularExpression kValue(QStringLiteral(R"re(^"([A-Za-z]):"="([^"]*)")re"));
    bool inDrives = false;
    while (!reg.atEnd()) {
        const QString line = QString::fromUtf8(reg.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inDrives = line.startsWith(QStringLiteral("[Software\\\\Wine\\\\Drives]"),
                                       Qt::CaseInsensitive);
            continue;
        }
        if (!inDrives)
            continue;
        const auto match = kValue.match(line);
        if (match.hasMatch())
            types[match.captured(1).at(0).toLower()] = DriveTypeOfWineName(match.captured(2));
    }
    return types;
}

// A letter's type when Wine's settings say nothing: a folder is a fixed
// disk, a link that leads nowhere is no root at all.
DriveTable::Drive DriveOfLink(const QFileInfo& link)
{
    DriveTable::Drive drive;
    if (link.exists() && link.isDir()) {
        drive.hostFolder = link.canonicalFilePath();
        drive.type = DriveType::Fixed;
    } else if (link.exists()) {
        drive.type = DriveType::Unknown;
    } else {
        drive.type = DriveType::NoRootDir;
    }
    return drive;
}

} // namespace

DriveTable DriveTable::FromWinePrefix(const QString& prefix)
{
    DriveTable table;
    table.m_prefix = prefix;
    const QDir devices(prefix + QStringLiteral("/dosdevices"));
    if (!devices.exists())
        return table;
    const auto wineTypes = ReadWineDriveTypes(prefix);
    const auto entries = devices.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    static const QRegularExpression kLetter(QStringLiteral("^[A-Za-z]:$"));
    for (const QFileInfo& entry : entries) {
        if (!kLetter.match(entry.fileName()).hasMatch())
            continue;
        const QChar letter = entry.fileName().at(0).toLower();
        Drive drive = DriveOfLink(entry);
        const auto wine = wineTypes.find(letter);
        if (wine != wineTypes.end() && drive.type != DriveType::NoRootDir)
            drive.type = wine->second;
        table.m_drives[letter] = drive;
    }
    return table;
}

std::optional<DriveTable::Drive> DriveTable::drive(QChar letter) const
{
    auto it = m_drives.find(letter.toLower());
    if (it == m_drives.end())
        return std::nullopt;
    return it->second;
}

int DriveTable::driveType(const QString& root) const
{
    const auto letter = DriveLetterOf(root);
    if (!letter)
        return DriveType::NoRootDir;
    const auto found = drive(*letter);
    return found ? found->type : DriveType::NoRootDir;
}

std::optional<QString> DriveTable::programPathOf(const QString& hostPath) const
{
    const QString canonical = QFileInfo(hostPath).canonicalFilePath();
    const QString path = canonical.isEmpty() ? QDir::cleanPath(hostPath) : canonical;
    std::optional<QString> best;
    qsizetype bestLength = -1;
    for (const auto& [letter, drive] : m_drives) {
        if (drive.hostFolder.isEmpty())
            continue;
        const QString folder = drive.hostFolder == QStringLiteral("/") ? QString() : drive.hostFolder;
        const bool inside = path == drive.hostFolder || path.startsWith(folder + QLatin1Char('/'));
        if (!inside || folder.size() <= bestLength)
            continue;
        bestLength = folder.size();
        QString rest = path.mid(folder.size());
        if (rest.startsWith(QLatin1Char('/')))
            rest.remove(0, 1);
        rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
        best = QString(letter.toUpper()) + QStringLiteral(":\\") + rest;
    }
    return best;
}

QList<QChar> DriveTable::letters() const
{
    QList<QChar> letters;
    for (const auto& entry : m_drives)
        letters.append(entry.first);
    return letters;
}

void DriveTable::setDrive(QChar letter, Drive drive)
{
    m_drives[letter.toLower()] = std::move(drive);
}

std::optional<QChar> DriveLetterOf(const QString& programPath)
{
    if (programPath.size() < 2 || programPath.at(1) != QLatin1Char(':'))
        return std::nullopt;
    const QChar letter = programPath.at(0).toLower();
    if (letter < QLatin1Char('a') || letter > QLatin1Char('z'))
        return std::nullopt;
    return letter;
}

} // namespace zv
