#include "Drives.h"

#include "DriveTable.h"
#include "Failure.h"
#include "PathResolver.h"
#include "TreeSearch.h"

namespace zv {

int HostDrives::driveType(const QString& root) const
{
    return m_table.driveType(root);
}

QString HostDrives::searchTreeForFile(const QString& root, const QString& fileName) const
{
    const PathResolver resolver(m_table);
    const std::string hostRoot = resolver.hostPath(root, QString());
    const auto found = SearchTreeForFile(hostRoot, fileName.toStdString());
    if (!found)
        return QString();
    // Through the root as the caller named it, so the drive letter stays.
    QString rest = QString::fromStdString(found->substr(hostRoot.size()));
    while (rest.startsWith(QLatin1Char('/')))
        rest.remove(0, 1);
    rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
    QString base = root;
    if (!base.endsWith(QLatin1Char('\\')))
        base += QLatin1Char('\\');
    return base + rest;
}

QStringList HostDrives::driveNames() const
{
    QStringList names;
    for (QChar letter : m_table.letters())
        names.append(QString(letter) + QLatin1Char(':'));
    return names;
}

} // namespace zv
