#include "HostFileSystem.h"

#include "Failure.h"
#include "Wildcard.h"

#include <QDir>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

// A file descriptor that closes itself.
class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    int release() { return std::exchange(m_fd, -1); }

private:
    int m_fd;
};

[[noreturn]] void ThrowErrno(const std::string& hostPath, int err = errno)
{
    throw FailureForErrno(err, hostPath);
}

std::string ParentOf(const std::string& hostPath)
{
    const auto slash = hostPath.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? std::string("/") : hostPath.substr(0, slash);
}

std::string NameOf(const std::string& hostPath)
{
    const auto slash = hostPath.find_last_of('/');
    return slash == std::string::npos ? hostPath : hostPath.substr(slash + 1);
}

void WriteAll(int fd, const char* data, size_t size, const std::string& hostPath)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(hostPath);
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
}

// Copies from the current offset of in to the end through the kernel, which
// shares the blocks where the file system can (a reflink) and otherwise moves
// the bytes without passing them through this process. Stops early, leaving
// both offsets where it got to, where the kernel cannot copy between these
// two files (another file system, a special file) or reports no bytes at
// all, as it may for files whose size is not known in advance (/proc).
// Throws on a real failure such as a full disk.
//
// The copy goes in pieces, and the disk starts writing each piece while the
// next is copied, so the flush before the copy takes the original's place
// waits for little more than the last piece.
void CopyInKernel(int in, int out, const std::string& target)
{
    constexpr size_t kPiece = size_t(8) << 20;
    off_t written = 0;
    for (;;) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, kPiece, 0);
        if (copied > 0) {
            // Only a hint: where the file system cannot, the flush does it all.
            ::sync_file_range(out, written, copied, SYNC_FILE_RANGE_WRITE);
            written += copied;
            continue;
        }
        if (copied == 0)
            return;
        switch (errno) {
        case EINTR:
            continue;
        case EXDEV:
        case EINVAL:
        case ENOSYS:
        case EOPNOTSUPP:
        case EBADF:
        case ETXTBSY:
            return;
        default:
            // Mostly a full disk or a write error. The path only tells a
            // missing file from a missing folder, which cannot happen here,
            // so a read error of the source is numbered right as well.
            ThrowErrno(target);
        }
    }
}

// What follows the target's name in the name of its temporary file, before
// six random characters.
constexpr char kTemporaryMark[] = ".zv-";
constexpr int kTemporaryRandom = 6;

// A temporary file beside the target that becomes the target in one rename,
// so that readers see either the old content or the whole new one.
class ReplacingWriter {
public:
    explicit ReplacingWriter(std::string target) : m_target(std::move(target))
    {
        m_temp = JoinHostPath(ParentOf(m_target), "." + NameOf(m_target) + kTemporaryMark +
                                                    std::string(kTemporaryRandom, 'X'));
        Fd fd(::mkstemp(m_temp.data()));
        if (!fd.valid())
            ThrowErrno(m_target);
        m_fd = fd.release();
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(m_fd, 0666 & ~mask);
    }
    ~ReplacingWriter()
    {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_committed)
            ::unlink(m_temp.c_str());
    }
    int fd() const { return m_fd; }
    const std::string& target() const { return m_target; }

    void commit()
    {
        if (::fsync(m_fd) != 0)
            ThrowErrno(m_target);
        const int fd = std::exchange(m_fd, -1);
        if (::close(fd) != 0)
            ThrowErrno(m_target);
        if (::rename(m_temp.c_str(), m_target.c_str()) != 0)
            ThrowErrno(m_target);
        m_committed = true;
    }

private:
    std::string m_target;
    std::string m_temp;
    int m_fd = -1;
    bool m_committed = false;
};

bool SameFile(const struct stat& a, const struct stat& b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

bool IsFolder(const std::string& hostPath)
{
    struct stat st {};
    return ::stat(hostPath.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& hostPath)
{
    struct stat st {};
    return ::lstat(hostPath.c_str(), &st) == 0;
}

bool KindAccepts(ListKind kind, bool folder)
{
    switch (kind) {
    case ListKind::Files: return !folder;
    case ListKind::Folders: return folder;
    case ListKind::FilesAndFolders: return true;
    }
    return false;
}

// The entries of a host folder with whether each is a folder (links followed).
struct Entry {
    QString name;
    bool folder;
};

std::vector<Entry> ReadEntries(const std::string& hostFolder)
{
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(hostFolder.c_str()), &::closedir);
    if (!dir) {
        if (errno == ENOENT || errno == ENOTDIR)
            throw Failure(FailureNumber::PathNotFound);
        ThrowErrno(hostFolder);
    }
    std::vector<Entry> entries;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        bool folder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK)
            folder = IsFolder(JoinHostPath(hostFolder, name));
        entries.push_back({QString::fromStdString(name), folder});
    }
    return entries;
}

// The key a name sorts by without regard to case: its folded letters as UTF-8
// bytes, made directly for the plain ASCII names most files have.
std::string CaseFoldedKey(const QString& name)
{
    std::string key;
    key.reserve(static_cast<size_t>(name.size()));
    for (const QChar c : name) {
        const char16_t code = c.unicode();
        if (code >= 0x80)
            return name.toCaseFolded().toStdString();
        key.push_back(static_cast<char>(code >= u'A' && code <= u'Z' ? code + (u'a' - u'A') : code));
    }
    return key;
}

// Sorts names without regard to case as a listing shows them; names that differ
// only in case keep a fixed order. Each name is folded once, not at every
// comparison, which matters for folders of tens of thousands of maps.
void SortIgnoringCase(QStringList& names)
{
    std::vector<std::pair<std::string, qsizetype>> keyed;
    keyed.reserve(static_cast<size_t>(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        keyed.emplace_back(CaseFoldedKey(names.at(i)), i);
    std::sort(keyed.begin(), keyed.end(), [&names](const auto& a, const auto& b) {
        if (const int order = a.first.compare(b.first))
            return order < 0;
        return names.at(a.second) < names.at(b.second);
    });
    QStringList sorted;
    sorted.reserve(names.size());
    for (const auto& [key, index] : keyed)
        sorted.append(names.at(index));
    names = std::move(sorted);
}

// Splits "C:\a\b\*.gmx" into "C:\a\b" and "*.gmx"; "/" separates as "\" does.
std::pair<QString, QString> SplitLast(const QString& path)
{
    const auto slash = std::max(path.lastIndexOf(QLatin1Char('\\')), path.lastIndexOf(QLatin1Char('/')));
    if (slash < 0) {
        if (path.size() >= 2 && path.at(1) == QLatin1Char(':'))
            return {path.left(2) + QLatin1Char('\\'), path.mid(2)};
        return {QString(), path};
    }
    QString folder = path.left(slash);
    if (folder.size() == 2 && folder.at(1) == QLatin1Char(':'))
        folder += QLatin1Char('\\');
    if (folder.isEmpty())
        folder = QStringLiteral("\\");
    return {folder, path.mid(slash + 1)};
}

} // namespace

bool IsWriteTemporaryName(const QString& name)
{
    const qsizetype mark = name.size() - kTemporaryRandom - qsizetype(sizeof kTemporaryMark - 1);
    return name.startsWith(QLatin1Char('.')) && mark > 1 &&
           QStringView(name).sliced(mark).startsWith(QLatin1String(kTemporaryMark));
}

HostFileSystem::HostFileSystem(const DriveTable& drives) : m_resolver(drives) {}

std::string HostFileSystem::hostPath(const QString& programPath) const
{
    return m_resolver.hostPath(programPath, m_currentFolder);
}

void HostFileSystem::copyFile(const QString& from, const QString& to)
{
    const std::string source = hostPath(from);
    const std::string target = hostPath(to);
    // Without blocking: opening a named pipe would wait for a writer.
    Fd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!in.valid())
        ThrowErrno(source);
    struct stat sourceStat {};
    if (::fstat(in.get(), &sourceStat) != 0)
        ThrowErrno(source);
    // Only plain files are copied: a folder cannot be, and a pipe or a device
    // such as /dev/zero could block or fill the disk.
    if (!S_ISREG(sourceStat.st_mode))
        throw Failure(FailureNumber::PathAccessError);
    struct stat targetStat {};
    if (::stat(target.c_str(), &targetStat) == 0) {
        // Two spellings of one file: writing the copy would destroy the original.
        if (SameFile(sourceStat, targetStat) || S_ISDIR(targetStat.st_mode))
            throw Failure(FailureNumber::PathAccessError);
    }
    ReplacingWriter out(target);
    CopyInKernel(in.get(), out.fd(), target);
    // Whatever the kernel did not copy (all of it where it cannot copy
    // between these files) goes through a buffer; after a kernel copy this
    // is one read that finds the end.
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t got = ::read(in.get(), buffer.data(), buffer.size());
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(source);
        }
        if (got == 0)
            break;
        WriteAll(out.fd(), buffer.data(), static_cast<size_t>(got), target);
    }
    out.commit();
}

void HostFileSystem::deleteFile(const QString& path)
{
    const std::string host = hostPath(path);
    if (::unlink(host.c_str()) != 0)
        ThrowErrno(host);
}

void HostFileSystem::rename(const QString& from, const QString& to)
{
    const std::string source = hostPath(from);
    struct stat sourceStat {};
    if (::lstat(source.c_str(), &sourceStat) != 0)
        ThrowErrno(source);
    if (to.contains(QChar(0))) // the host would cut the name there
        throw Failure(FailureNumber::PathAccessError);

    // The new name is taken as written; an existing entry that differs only
    // in case is the same name to Windows, so it blocks the rename unless it
    // is the source itself (a change of case).
    const auto [folder, name] = SplitLast(to);
    const std::string targetFolder = hostPath(folder);
    const std::string target = JoinHostPath(targetFolder, name.toStdString());
    const std::string existing = JoinHostPath(targetFolder, ResolveComponent(targetFolder, name));
    struct stat existingStat {};
    if (::lstat(existing.c_str(), &existingStat) == 0) {
        if (!SameFile(existingStat, sourceStat))
            throw Failure(FailureNumber::FileExists);
        if (::rename(source.c_str(), target.c_str()) != 0)
            ThrowErrno(target);
        return;
    }
    if (::renameat2(AT_FDCWD, source.c_str(), AT_FDCWD, target.c_str(), RENAME_NOREPLACE) == 0)
        return;
    if (errno != EINVAL && errno != ENOSYS)
        ThrowErrno(target);
    // A file system without no-replace renames: a hard link fails on an
    // existing target just as well, for files; folders are checked first.
    if (S_ISDIR(sourceStat.st_mode)) {
        if (Exists(target))
            throw Failure(FailureNumber::FileExists);
        if (::rename(source.c_str(), target.c_str()) != 0)
            ThrowErrno(target);
        return;
    }
    if (::link(source.c_str(), target.c_str()) != 0)
        ThrowErrno(target);
    ::unlink(source.c_str());
}

void HostFileSystem::makeFolder(const QString& path)
{
    const std::string host = hostPath(path);
    if (::mkdir(host.c_str(), 0777) == 0)
        return;
    if (errno == EEXIST)
        throw Failure(FailureNumber::PathAccessError);
    ThrowErrno(host);
}

void HostFileSystem::removeFolder(const QString& path)
{
    const std::string host = hostPath(path);
    if (::rmdir(host.c_str()) == 0)
        return;
    switch (errno) {
    case ENOTEMPTY:
    case EEXIST:
        throw Failure(FailureNumber::PathAccessError);
    case ENOENT:
        throw Failure(FailureNumber::PathNotFound);
    default:
        ThrowErrno(host);
    }
}

QStringList HostFileSystem::find(const QString& pattern, ListKind kind)
{
    if (pattern.isEmpty() || pattern.contains(QChar(0)))
        return {};
    const auto [folder, last] = SplitLast(pattern);
    std::string hostFolder;
    try {
        hostFolder = hostPath(folder.isEmpty() ? QStringLiteral(".") : folder);
    } catch (const Failure& failure) {
        // A letter that does not exist holds nothing; a drive that is there
        // but not ready is still reported.
        if (failure.number() == FailureNumber::PathNotFound)
            return {};
        throw;
    }
    if (!IsFolder(hostFolder))
        return {};
    const QString wanted = last.isEmpty() ? QStringLiteral("*") : last;
    QStringList names;
    if (!HasWildcards(wanted)) {
        const std::string name = ResolveComponent(hostFolder, wanted);
        const std::string host = JoinHostPath(hostFolder, name);
        if (Exists(host) && KindAccepts(kind, IsFolder(host)))
            names.append(QString::fromStdString(name));
        return names;
    }
    std::vector<Entry> entries;
    try {
        entries = ReadEntries(hostFolder);
    } catch (const Failure&) {
        return {};
    }
    for (const Entry& entry : entries) {
        if (KindAccepts(kind, entry.folder) && MatchesWildcard(entry.name, wanted))
            names.append(entry.name);
    }
    SortIgnoringCase(names);
    return names;
}

QStringList HostFileSystem::listFolder(const QString& folder, ListKind kind)
{
    return listFolderMatching(folder, kind, QStringLiteral("*"));
}

QStringList HostFileSystem::listFolderMatching(const QString& folder, ListKind kind,
                                               const QString& patterns)
{
    const std::string host = hostPath(folder);
    // The names are matched before they are sorted: a folder of maps holds as
    // many previews, which the map lists leave out.
    const QStringList wanted = SplitPatternList(patterns);
    QStringList names;
    for (const Entry& entry : ReadEntries(host)) {
        if (KindAccepts(kind, entry.folder) &&
            std::any_of(wanted.cbegin(), wanted.cend(), [&entry](const QString& pattern) {
                return MatchesWildcard(entry.name, pattern);
            }))
            names.append(entry.name);
    }
    SortIgnoringCase(names);
    return names;
}

QByteArray HostFileSystem::readFile(const QString& path)
{
    const std::string host = hostPath(path);
    Fd fd(::open(host.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.valid())
        ThrowErrno(host);
    QByteArray bytes;
    char buffer[1 << 14];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno(host);
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    return bytes;
}

void HostFileSystem::writeFile(const QString& path, const QByteArray& bytes)
{
    const std::string host = hostPath(path);
    if (IsFolder(host))
        throw Failure(FailureNumber::PathAccessError);
    ReplacingWriter out(host);
    WriteAll(out.fd(), bytes.constData(), static_cast<size_t>(bytes.size()), host);
    out.commit();
}

void HostFileSystem::setCurrentFolder(const QString& path)
{
    const std::string host = hostPath(path);
    if (!IsFolder(host))
        throw Failure(FailureNumber::PathNotFound);
    if (::chdir(host.c_str()) != 0)
        ThrowErrno(host);
    m_currentFolder = path;
}

QString HostFileSystem::currentFolder() const
{
    return m_currentFolder;
}

} // namespace zv
