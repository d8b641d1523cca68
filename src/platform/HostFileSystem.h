#pragma once

#include "FileSystem.h"
#include "PathResolver.h"

namespace zv {

// Whether a file name is that of the temporary file a write or copy makes
// beside its target (".Marsh.gmx.zv-" and six random characters beside
// Marsh.gmx) and renames to the target when it is whole. A process that is
// killed while writing leaves one behind; no map list, record or notes file
// name matches it.
bool IsWriteTemporaryName(const QString& name);

// The file operations on the host, through the drive table.
class HostFileSystem final : public FileSystem {
public:
    explicit HostFileSystem(const DriveTable& drives);

    void copyFile(const QString& from, const QString& to) override;
    void deleteFile(const QString& path) override;
    void rename(const QString& from, const QString& to) override;
    void makeFolder(const QString& path) override;
    void removeFolder(const QString& path) override;
    QStringList find(const QString& pattern, ListKind kind) override;
    QStringList listFolder(const QString& folder, ListKind kind) override;
    QStringList listFolderMatching(const QString& folder, ListKind kind,
                                   const QString& patterns) override;
    QByteArray readFile(const QString& path) override;
    void writeFile(const QString& path, const QByteArray& bytes) override;
    void setCurrentFolder(const QString& path) override;
    QString currentFolder() const override;

    std::string hostPath(const QString& programPath) const;

private:
    PathResolver m_resolver;
    QString m_currentFolder;
};

} // namespace zv
