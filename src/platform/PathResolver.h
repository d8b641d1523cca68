#pragma once

#include "DriveTable.h"

#include <QString>

#include <string>

namespace zv {

// Turns the program's Windows-form paths into host paths.
//
// "X:\a\b" goes through drive X's folder; a path starting with a single "\"
// is rooted at the host's "/" (how a program folder outside every drive is
// named); anything else is taken relative to the current folder. Each
// component matches a directory entry exactly, else the first entry that
// matches ignoring case, as Windows and Wine do; components that do not exist
// are kept as written, so a path to a file about to be made resolves too.
// Empty components (a root joined with "\name") are skipped. "/" separates
// components as "\" does; "." and ".." are taken textually and never climb
// above the drive's folder.
class PathResolver {
public:
    explicit PathResolver(const DriveTable& drives) : m_drives(drives) {}

    // Throws Failure 76 for a letter that does not exist, 71 for a letter
    // whose folder is missing (a drive that is not ready) and 75 for a path
    // holding a NUL character, which names no file.
    std::string hostPath(const QString& programPath, const QString& currentFolder) const;

    // The program path of a host path (drive form where a drive covers it,
    // else "\"-rooted host form).
    QString programPath(const std::string& hostPath) const;

    const DriveTable& drives() const { return m_drives; }

private:
    const DriveTable& m_drives;
};

// A host folder and a name with one "/" between them, also for the root "/".
std::string JoinHostPath(const std::string& hostFolder, const std::string& name);

// One path component matched against the entries of a host folder: the exact
// name when present, else the first entry (in byte order) equal ignoring case,
// else the name itself.
std::string ResolveComponent(const std::string& hostFolder, const QString& name);

} // namespace zv
