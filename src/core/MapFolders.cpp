#include "MapFolders.h"

#include "platform/Failure.h"
#include "platform/Wildcard.h"

namespace zv {

namespace {
const QString kHomeMaps = QStringLiteral("\\Home\\Maps");
const QString kStoredMaps = QStringLiteral("\\Stored Maps");
} // namespace

QString MapsFolderOf(const QString& gameFolder)
{
    return gameFolder + kHomeMaps;
}

QString StorageFolderOf(const QString& gameFolder)
{
    return StoredFolderFor(MapsFolderOf(gameFolder));
}

QString StoredFolderFor(const QString& mapsFolder)
{
    return mapsFolder + kStoredMaps;
}

QString GameFolderOfMapsFolder(const QString& mapsFolder)
{
    if (mapsFolder.size() < kHomeMaps.size())
        throw Failure(FailureNumber::InvalidArgument);
    return mapsFolder.left(mapsFolder.size() - kHomeMaps.size());
}

QString PreviewPathFor(const QString& mapPath)
{
    if (mapPath.size() < 3)
        throw Failure(FailureNumber::InvalidArgument);
    return mapPath.left(mapPath.size() - 3) + QStringLiteral("bmp");
}

bool MatchesMapFilter(const QString& fileName)
{
    return MatchesPatternList(fileName, kMapListFilter);
}

} // namespace zv
