#include "ProgramFolder.h"

#include "PathResolver.h"

namespace zv {

QString ProgramFolderPath(const DriveTable& drives, const QString& hostFolder)
{
    QString path = PathResolver(drives).programPath(hostFolder.toStdString());
    // Folder fields never end in a backslash; a drive root keeps its own.
    if (path.size() > 3 && path.endsWith(QLatin1Char('\\')))
        path.chop(1);
    return path;
}

} // namespace zv
