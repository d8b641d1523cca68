#pragma once

#include <QString>

namespace zv {

// The parent of a folder ("C:\a\b" -> "C:\a", "C:\a" -> "C:\"); a root stays.
QString ParentFolderOf(const QString& folder);
// Joins a folder and a name with one "\" between them.
QString JoinPath(const QString& folder, const QString& name);

} // namespace zv
