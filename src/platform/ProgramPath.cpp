#include "ProgramPath.h"

namespace zv {

QString JoinPath(const QString& folder, const QString& name)
{
    return folder.endsWith(QLatin1Char('\\')) ? folder + name : folder + QLatin1Char('\\') + name;
}

QString ParentFolderOf(const QString& folder)
{
    QString trimmed = folder;
    while (trimmed.size() > 3 && trimmed.endsWith(QLatin1Char('\\')))
        trimmed.chop(1);
    const auto slash = trimmed.lastIndexOf(QLatin1Char('\\'));
    if (slash < 0 || (slash == 2 && trimmed.size() == 3))
        return trimmed;
    return slash == 2 ? trimmed.left(3) : trimmed.left(slash);
}

} // namespace zv
