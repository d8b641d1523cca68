#include "FileSystem.h"

#include "Wildcard.h"

namespace zv {

QStringList FileSystem::listFolderMatching(const QString& folder, ListKind kind,
                                           const QString& patterns)
{
    QStringList matching;
    for (const QString& name : listFolder(folder, kind)) {
        if (MatchesPatternList(name, patterns))
            matching.append(name);
    }
    return matching;
}

} // namespace zv
