#pragma once

#include "FileSystem.h"

#include <optional>
#include <vector>

namespace zv {

// A file system that passes everything to another one, except the operations
// it has been told to fail: for tests of every handler's failure path.
class FaultInjectingFileSystem final : public FileSystem {
public:
    enum class Operation { Copy, Delete, Rename, MakeFolder, RemoveFolder, Read, Write, List };

    explicit FaultInjectingFileSystem(FileSystem& inner) : m_inner(inner) {}

    // From now on, op on path (either end of a copy or rename; "*" for every
    // path; compared ignoring case) fails with number.
    void failOn(Operation op, const QString& path, int number);
    // "copy", "delete", "rename", "mkdir", "rmdir", "read", "write", "list".
    static std::optional<Operation> OperationNamed(const QString& name);

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
    void setCurrentFolder(const QString& path) override { m_inner.setCurrentFolder(path); }
    QString currentFolder() const override { return m_inner.currentFolder(); }

private:
    struct Rule {
        Operation op;
        QString path;
        int number;
    };
    void check(Operation op, const QString& path) const;

    FileSystem& m_inner;
    std::vector<Rule> m_rules;
};

} // namespace zv
