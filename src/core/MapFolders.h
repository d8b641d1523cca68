#pragma once

#include <QString>

namespace zv {

// The pattern text every list of maps uses.
inline const QString kMapListFilter = QStringLiteral("*.gmx; *.GMX");

// The folder layout of one game, G being its folder (no trailing backslash).
QString MapsFolderOf(const QString& gameFolder);   // G\Home\Maps
QString StorageFolderOf(const QString& gameFolder); // G\Home\Maps\Stored Maps
// The storage folder of a maps folder: the maps folder, then "\Stored Maps".
QString StoredFolderFor(const QString& mapsFolder);
// The game folder of a maps folder: the text without "\Home\Maps" (its last
// 10 characters). Throws Failure 5 for a text too short to cut.
QString GameFolderOfMapsFolder(const QString& mapsFolder);

// The preview of a map: the path without its last three characters, then
// "bmp". Works on bare names too; a text shorter than three characters
// throws Failure 5.
QString PreviewPathFor(const QString& mapPath);

// Whether a file name is listed by a map list.
bool MatchesMapFilter(const QString& fileName);

} // namespace zv
