#include "FaultInjectingFileSystem.h"

#include "Failure.h"


namespace zv {

void FaultInjectingFileSystem::failOn(Operation op, const QString& path, int number)
{
    m_rules.push_back({op, path, number});
}

namespace {

// The operations a failure can be asked for by name.
constexpr struct {
    FaultInjectingFileSystem::Operation op;
    const char* name;
} kOperationNames[] = {
    {FaultInjectingFileSystem::Operation::Copy, "copy"},
    {FaultInjectingFileSystem::Operation::Delete, "delete"},
    {FaultInjectingFileSystem::Operation::Rename, "rename"},
    {FaultInjectingFileSystem::Operation::MakeFolder, "mkdir"},
    {FaultInjectingFileSystem::Operation::RemoveFolder, "rmdir"},
    {FaultInjectingFileSystem::Operation::Read, "read"},
    {FaultInjectingFileSystem::Operation::Write, "write"},
    {FaultInjectingFileSystem::Operation::List, "list"},
};

} // namespace

std::optional<FaultInjectingFileSystem::Operation>
FaultInjectingFileSystem::OperationNamed(const QString& name)
{
    for (const auto& row : kOperationNames) {
        if (name == QLatin1String(row.name))
            return row.op;
    }
    return std::nullopt;
}

QString FaultInjectingFileSystem::NameOf(Operation op)
{
    for (const auto& row : kOperationNames) {
        if (row.op == op)
            return QString::fromLatin1(row.name);
    }
    return QStringLiteral("cd");
}

void FaultInjectingFileSystem::failCall(int nth, int number)
{
    m_failingCall = m_calls + nth;
    m_failingNumber = number;
}

void FaultInjectingFileSystem::arrive(Operation op, const QString& path, const QString& target,
                                      qsizetype bytes)
{
    const int number = ++m_calls;
    if (m_observer)
        m_observer(Call{number, op, path, target, bytes});
    if (number == m_failingCall)
        throw Failure(m_failingNumber);
    check(op, path);
    if (!target.isEmpty())
        check(op, target);
}

void FaultInjectingFileSystem::check(Operation op, const QString& path) const
{
    for (const Rule& rule : m_rules) {
        if (rule.op != op)
            continue;
        if (rule.path == QLatin1String("*") || rule.path.compare(path, Qt::CaseInsensitive) == 0)
            throw Failure(rule.number);
    }
}

void FaultInjectingFileSystem::copyFile(const QString& from, const QString& to)
{
    arrive(Operation::Copy, from, to);
    m_inner.copyFile(from, to);
}

void FaultInjectingFileSystem::deleteFile(const QString& path)
{
    arrive(Operation::Delete, path);
    m_inner.deleteFile(path);
}

void FaultInjectingFileSystem::rename(const QString& from, const QString& to)
{
    arrive(Operation::Rename, from, to);
    m_inner.rename(from, to);
}

void FaultInjectingFileSystem::makeFolder(const QString& path)
{
    arrive(Operation::MakeFolder, path);
    m_inner.makeFolder(path);
}

void FaultInjectingFileSystem::removeFolder(const QString& path)
{
    arrive(Operation::RemoveFolder, path);
    m_inner.removeFolder(path);
}

QStringList FaultInjectingFileSystem::find(const QString& pattern, ListKind kind)
{
    arrive(Operation::List, pattern);
    return m_inner.find(pattern, kind);
}

QStringList FaultInjectingFileSystem::listFolder(const QString& folder, ListKind kind)
{
    arrive(Operation::List, folder);
    return m_inner.listFolder(folder, kind);
}

QStringList FaultInjectingFileSystem::listFolderMatching(const QString& folder, ListKind kind,
                                                         const QString& patterns)
{
    arrive(Operation::List, folder);
    return m_inner.listFolderMatching(folder, kind, patterns);
}

QByteArray FaultInjectingFileSystem::readFile(const QString& path)
{
    arrive(Operation::Read, path);
    return m_inner.readFile(path);
}

void FaultInjectingFileSystem::writeFile(const QString& path, const QByteArray& bytes)
{
    arrive(Operation::Write, path, {}, bytes.size());
    m_inner.writeFile(path, bytes);
}

void FaultInjectingFileSystem::setCurrentFolder(const QString& path)
{
    arrive(Operation::SetFolder, path);
    m_inner.setCurrentFolder(path);
}

} // namespace zv
