#pragma once

#include <QString>

#include <functional>

namespace zv {

// The folder downloads are saved in: its host path, where the browser writes, and the name the
// user is shown for it (its program path, so the installer's lists lead there).
struct DownloadFolder {
    QString host;
    QString shown;

    // The host path to save a download named suggestedName at: the folder is made when it is
    // missing, and a name already taken gets " (1)", " (2)", ... before its extension, so no
    // file is ever replaced. Throws Failure when the folder cannot be made or written.
    QString placeFor(const QString& suggestedName) const;
};

// The user's own download folder on the host.
QString UserDownloadFolder();

// A name for a new file that taken() does not report, built from name as placeFor() says.
QString FreeFileName(const QString& name, const std::function<bool(const QString&)>& taken);

} // namespace zv
