#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace zv {

enum class ListKind {
    Files,           // plain files only
    FilesAndFolders, // files and folders
    Folders,         // folders only
};

// The file operations of the program, on program paths. Every operation
// throws Failure with the failure number and a description.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Copies a file, replacing the target; copying a file onto itself fails (75).
    virtual void copyFile(const QString& from, const QString& to) = 0;
    virtual void deleteFile(const QString& path) = 0;
    // Renames a file or folder; fails with 58 when the target exists.
    virtual void rename(const QString& from, const QString& to) = 0;
    // Fails with 75 when the name is taken.
    virtual void makeFolder(const QString& path) = 0;
    // Fails with 75 when the folder holds anything.
    virtual void removeFolder(const QString& path) = 0;

    // The names (as stored on disk) matching the last component of pattern,
    // which is an exact name or holds the wildcards * and ?, in the folder the
    // rest names. Like the directory-listing existence test: no match, also
    // in a folder that does not exist, is an empty list.
    virtual QStringList find(const QString& pattern, ListKind kind) = 0;
    // The entries of a folder, sorted without regard to case; fails with 76
    // when the folder does not exist.
    virtual QStringList listFolder(const QString& folder, ListKind kind) = 0;
    // The entries of a folder whose names match a pattern text of several
    // patterns separated by "; " ("*.gmx; *.GMX"), in the order of listFolder;
    // fails as listFolder does. A file system may filter before it sorts.
    virtual QStringList listFolderMatching(const QString& folder, ListKind kind,
                                           const QString& patterns) = 0;

    // The whole content of a file, byte for byte.
    virtual QByteArray readFile(const QString& path) = 0;
    // Writes a whole file, replacing the old one atomically: a failure leaves
    // the old content in place, never a half-written file.
    virtual void writeFile(const QString& path, const QByteArray& bytes) = 0;

    // The folder relative program paths start from.
    virtual void setCurrentFolder(const QString& path) = 0;
    virtual QString currentFolder() const = 0;
};

} // namespace zv
