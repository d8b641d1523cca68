#pragma once

#include <QString>

namespace zv {

// The scheme and host of the map repository, chosen when the program is configured
// (ZORVANE_REPOSITORY_BASE). Every page the download browser opens is this followed by a path.
const QString& RepositoryBase();

// The repository's index page, below RepositoryBase.
inline const QString kIndexPagePath = QStringLiteral("/archive/Zorvane/index.html");

} // namespace zv
