#pragma once

#include "FileSystem.h"

#include <functional>
#include <optional>
#include <vector>

namespace zv {

// A file system that passes everything to another one, except the operations
// it has been told to fail: for tests of every handler's failure path. It
// numbers the calls that pass through it, so a test can fail the n-th call
// or watch every call before it runs.
class FaultInjectingFileSystem final : public FileSystem {
public:
    enum class Operation {
        Copy,
        Delete,
        Rename,
        MakeFolder,
        RemoveFolder,
        Read,
        Write,
        List,
        SetFolder, // setting the current folder
    };

    // One call as it arrives, before it is passed on.
    struct Call {
        int number;      // 1 for the first call through this file system
        Operation op;
        QString path;    // the path, or the source of a copy or rename
        QString target;  // the target of a copy or rename; empty otherwise
        qsizetype bytes; // the size a write writes; -1 for every other call
    };
    using Observer = std::function<void(const Call&)>;

    explicit FaultInjectingFileSystem(FileSystem& inner) : m_inner(inner) {}

    // From now on, op on path (either end of a copy or rename; "*" for every
    // path; compared ignoring case) fails with number.
    void failOn(Operation op, const QString& path, int number);
    // The nth call from now (1 for the next one) fails with number before it
    // reaches the inner file system; every other call passes.
    void failCall(int nth, int number);
    // The calls made through this file system so far.
    int calls() const { return m_calls; }
    // Called with every call before it is passed on or failed; the observer
    // may throw Failure to fail the call itself.
    void setObserver(Observer observer) { m_observer = std::move(observer); }

    // "copy", "delete", "rename", "mkdir", "rmdir", "read", "write", "list".
    static std::optional<Operation> OperationNamed(const QString& name);
    // The name of an operation, as above; "cd" for setting the current folder.
    static QString NameOf(Operation op);

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
    QString currentFolder() const override { return m_inner.currentFolder(); }

private:
    struct Rule {
        Operation op;
        QString path;
        int number;
    };
    // Numbers the call, tells the observer, and fails it when it is the one to fail.
    void arrive(Operation op, const QString& path, const QString& target = {},
                qsizetype bytes = -1);
    void check(Operation op, const QString& path) const;

    FileSystem& m_inner;
    std::vector<Rule> m_rules;
    int m_calls = 0;
    int m_failingCall = 0; // 0: none
    int m_failingNumber = 0;
    Observer m_observer;
};

} // namespace zv
