#include "TreeSearch.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <atomic>
#include <cstdint>
#include <exception>
#include <limits>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sched.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// The descriptors all threads of one search keep open for the ancestors of
// the folders they read. Each thread caches the ancestors down to its share
// of this depth; folders deeper than that are opened by their full path, so a
// pathological depth cannot use up the process's descriptors.
constexpr std::uint32_t kCachedDescriptors = 64;

// A level is shared out only where every thread gets at least this many
// folders of it: starting a thread and waiting for it to end costs about as
// much as reading a few folders, and far more on a busy machine.
constexpr std::size_t kFoldersPerThread = 8;

// Folders handed to a thread at a time: consecutive folders mostly share a
// parent, whose descriptor the thread then opens once.
constexpr std::size_t kLargestChunk = 64;

constexpr std::uint32_t kNoFolder = std::numeric_limits<std::uint32_t>::max();

constexpr std::array<unsigned char, 256> MakeAsciiFold()
{
    std::array<unsigned char, 256> fold{};
    for (int c = 0; c < 256; ++c)
        fold[c] = static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
    return fold;
}

constexpr std::array<unsigned char, 256> kAsciiFold = MakeAsciiFold();

// Equality ignoring case, as Windows compares file names. Almost every name
// differs from the wanted one in its first bytes, so the test runs on the raw
// bytes and decodes UTF-8 only when the bytes stop agreeing at a non-ASCII one.
// Matches is const and safe to call from several threads at once.
class NameMatcher {
public:
    explicit NameMatcher(const std::string& fileName)
    {
        m_folded.reserve(fileName.size());
        for (unsigned char c : fileName)
            m_folded.push_back(static_cast<char>(kAsciiFold[c]));
        m_wideValid = Decode(fileName.c_str(), m_wide);
    }

    bool Matches(const char* name) const
    {
        const auto* a = reinterpret_cast<const unsigned char*>(name);
        const auto* b = reinterpret_cast<const unsigned char*>(m_folded.c_str());
        for (;; ++a, ++b) {
            if (kAsciiFold[*a] != *b) {
                // Up to here both names agree code point by code point; two
                // different ASCII characters (or an end) cannot fold together.
                if ((*a | *b) < 0x80)
                    return false;
                return MatchesUnicode(name);
            }
            if (*a == 0)
                return true;
        }
    }

private:
    static bool Decode(const char* bytes, QString& text)
    {
        QStringDecoder decoder(QStringDecoder::Utf8);
        text = decoder(QByteArrayView(bytes));
        return !decoder.hasError();
    }

    bool MatchesUnicode(const char* name) const
    {
        QString wide;
        // A name that is not UTF-8 only matches byte for byte, which has failed.
        if (!m_wideValid || !Decode(name, wide))
            return false;
        return wide.compare(m_wide, Qt::CaseInsensitive) == 0;
    }

    std::string m_folded;
    QString m_wide;
    bool m_wideValid = false;
};

bool IsDotOrDotDot(const char* name)
{
    return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0));
}

// The entry type from lstat, for file systems that leave d_type unknown.
unsigned char TypeOf(int folderFd, const char* name)
{
    struct stat st {};
    if (::fstatat(folderFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return DT_UNKNOWN;
    if (S_ISDIR(st.st_mode))
        return DT_DIR;
    if (S_ISREG(st.st_mode))
        return DT_REG;
    if (S_ISLNK(st.st_mode))
        return DT_LNK;
    return DT_UNKNOWN;
}

bool LeadsToPlainFile(int folderFd, const char* name)
{
    struct stat st {};
    return ::fstatat(folderFd, name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

// A name kept in an arena of NUL-terminated names.
struct NameRef {
    std::uint32_t offset = 0;
    std::uint32_t length = 0;
};

bool FitsInArena(const std::vector<char>& arena, std::size_t length)
{
    return arena.size() + length + 1 <= std::numeric_limits<std::uint32_t>::max();
}

NameRef AddName(std::vector<char>& arena, std::string_view name)
{
    const NameRef ref{static_cast<std::uint32_t>(arena.size()),
                      static_cast<std::uint32_t>(name.size())};
    arena.insert(arena.end(), name.begin(), name.end());
    arena.push_back('\0');
    return ref;
}

std::string_view ViewOf(const std::vector<char>& arena, NameRef ref)
{
    return {arena.data() + ref.offset, ref.length};
}

// Every folder the search has queued, in visiting order: each holds its
// parent's index and its name in one shared arena, so a path is only built
// where one is needed. It grows only between levels, while no thread reads it.
class FolderTable {
public:
    struct Folder {
        std::uint32_t parent;
        std::uint32_t depth;
        NameRef name;
    };

    explicit FolderTable(const std::string& hostRoot) : m_root(hostRoot)
    {
        m_rootPrefix = std::string_view(m_root);
        while (!m_rootPrefix.empty() && m_rootPrefix.back() == '/')
            m_rootPrefix.remove_suffix(1);
        m_folders.push_back({0, 0, AddName(m_names, {})});
    }

    FolderTable(const FolderTable&) = delete;
    FolderTable& operator=(const FolderTable&) = delete;

    std::uint32_t size() const { return static_cast<std::uint32_t>(m_folders.size()); }
    const Folder& operator[](std::uint32_t index) const { return m_folders[index]; }
    const std::string& root() const { return m_root; }
    const char* NameOf(std::uint32_t index) const
    {
        return m_names.data() + m_folders[index].name.offset;
    }

    // False, and nothing added, when the table cannot index more.
    bool Add(std::uint32_t parent, std::string_view name)
    {
        if (m_folders.size() >= kNoFolder || !FitsInArena(m_names, name.size()))
            return false;
        m_folders.push_back({parent, m_folders[parent].depth + 1, AddName(m_names, name)});
        return true;
    }

    // The host path of a folder, or of the entry leaf inside it.
    std::string PathOf(std::uint32_t index, std::string_view leaf) const
    {
        std::vector<std::uint32_t> chain;
        for (std::uint32_t at = index; at != 0; at = m_folders[at].parent)
            chain.push_back(at);
        std::string path(m_rootPrefix);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            path += '/';
            path += ViewOf(m_names, m_folders[*it].name);
        }
        if (!leaf.empty()) {
            path += '/';
            path += leaf;
        }
        return path;
    }

private:
    std::string m_root;
    std::string_view m_rootPrefix;
    std::vector<Folder> m_folders;
    std::vector<char> m_names;
};

// The folders of one depth, read by several threads: each claims chunks of
// consecutive folders in visiting order. A thread that finds a match lowers
// firstMatch, after which no folder beyond the match is started; every folder
// before it is still read, since one of them may hold an earlier match.
struct Level {
    Level(std::uint32_t first, std::uint32_t count, std::size_t threads)
        : first(first),
          count(count),
          chunk(std::clamp<std::size_t>(count / (threads * 8), 1, kLargestChunk)),
          results(count)
    {
    }

    // Where a folder's sub-folders lie in the records of the thread that read it.
    struct Result {
        std::uint32_t reader = 0;
        std::uint32_t firstChild = 0;
        std::uint32_t endChild = 0;
    };

    const std::uint32_t first;
    const std::uint32_t count;
    const std::size_t chunk;
    std::atomic<std::size_t> next{0};
    std::atomic<std::uint32_t> firstMatch{kNoFolder};
    std::vector<Result> results; // by position in the level; each written by its reader only

    void NoteMatch(std::uint32_t position)
    {
        std::uint32_t seen = firstMatch.load(std::memory_order_relaxed);
        while (position < seen &&
               !firstMatch.compare_exchange_weak(seen, position, std::memory_order_relaxed)) {
        }
    }

    bool Beyond(std::size_t position) const
    {
        return position >= count || position > firstMatch.load(std::memory_order_relaxed);
    }
};

// What one thread needs to read folders: its own entry buffer, its cached
// ancestor descriptors and the records of what it found on the current level.
// It lives for the whole search, so its cached descriptors serve every level.
class FolderReader {
public:
    FolderReader(const FolderTable& table, const NameMatcher& matcher, std::uint32_t id,
                 std::uint32_t cachedDepth)
        : m_table(table), m_matcher(matcher), m_id(id), m_ancestors(cachedDepth)
    {
    }

    ~FolderReader()
    {
        for (const Ancestor& ancestor : m_ancestors)
            if (ancestor.fd >= 0)
                ::close(ancestor.fd);
    }

    FolderReader(const FolderReader&) = delete;
    FolderReader& operator=(const FolderReader&) = delete;

    // Reads the folders it claims until the level is done. Never throws: a
    // failure (out of memory) is kept for the caller and ends this reader.
    void ReadLevel(Level& level) noexcept
    {
        try {
            for (;;) {
                const std::size_t start = level.next.fetch_add(level.chunk, std::memory_order_relaxed);
                if (level.Beyond(start))
                    return;
                const std::size_t end = std::min<std::size_t>(start + level.chunk, level.count);
                for (std::size_t position = start; position < end && !level.Beyond(position);
                     ++position)
                    ReadFolder(level, static_cast<std::uint32_t>(position));
            }
        } catch (...) {
            m_failure = std::current_exception();
            // The level's outcome is unknown now; no other reader starts a folder.
            level.NoteMatch(0);
        }
    }

    void RethrowFailure() const
    {
        if (m_failure)
            std::rethrow_exception(m_failure);
    }

    // The match this reader found in the folder at position, if it read that folder.
    const std::string* MatchAt(std::uint32_t position) const
    {
        for (const auto& [at, name] : m_matches)
            if (at == position)
                return &name;
        return nullptr;
    }

    std::string_view ChildName(std::uint32_t child) const
    {
        return ViewOf(m_childNames, m_children[child]);
    }

    void ClearLevel()
    {
        m_children.clear();
        m_childNames.clear();
        m_matches.clear();
    }

private:
    struct Ancestor {
        std::uint32_t index = kNoFolder;
        int fd = -1;
    };

    // Reads one folder: records the first matching name in byte order, or its
    // sub-folders in byte order when nothing in it matches.
    void ReadFolder(Level& level, std::uint32_t position)
    {
        const auto firstChild = static_cast<std::uint32_t>(m_children.size());
        const std::size_t namesBefore = m_childNames.size();
        level.results[position] = {m_id, firstChild, firstChild};
        const int fd = OpenFolder(level.first + position);
        if (fd < 0)
            return;
        std::optional<std::string> match;
        ReadEntries(fd, match);
        ::close(fd);
        if (match) {
            m_children.resize(firstChild);
            m_childNames.resize(namesBefore);
            m_matches.emplace_back(position, std::move(*match));
            level.NoteMatch(position);
            return;
        }
        std::sort(m_children.begin() + firstChild, m_children.end(),
                  [this](NameRef a, NameRef b) {
                      return ViewOf(m_childNames, a) < ViewOf(m_childNames, b);
                  });
        level.results[position].endChild = static_cast<std::uint32_t>(m_children.size());
    }

    // getdents64 into one buffer kept for the whole search: fdopendir would
    // fstat the folder and allocate its own buffer for every one of them.
    void ReadEntries(int fd, std::optional<std::string>& match)
    {
        for (;;) {
            const ssize_t length = ::getdents64(fd, m_entries.data(), m_entries.size());
            if (length <= 0)
                return;
            for (ssize_t at = 0; at < length;) {
                const auto* entry = reinterpret_cast<const dirent64*>(m_entries.data() + at);
                at += entry->d_reclen;
                VisitEntry(fd, *entry, match);
            }
        }
    }

    void VisitEntry(int fd, const dirent64& entry, std::optional<std::string>& match)
    {
        const char* name = entry.d_name;
        if (IsDotOrDotDot(name))
            return;
        unsigned char type = entry.d_type;
        if (type == DT_UNKNOWN)
            type = TypeOf(fd, name);
        if (type == DT_DIR) {
            if (!match)
                AddChild(name);
            return;
        }
        if (type != DT_REG && type != DT_LNK)
            return;
        if (!m_matcher.Matches(name))
            return;
        if (type == DT_LNK && !LeadsToPlainFile(fd, name))
            return;
        if (!match || std::string_view(name) < std::string_view(*match))
            match = name;
    }

    void AddChild(std::string_view name)
    {
        if (m_children.size() >= kNoFolder || !FitsInArena(m_childNames, name.size()))
            return;
        m_children.push_back(AddName(m_childNames, name));
    }

    // A new descriptor for the folder, to be closed by the caller.
    int OpenFolder(std::uint32_t index)
    {
        if (index == 0)
            return ::open(m_table.root().c_str(), kFolderFlags);
        const FolderTable::Folder& folder = m_table[index];
        if (folder.depth > m_ancestors.size())
            return ::open(m_table.PathOf(index, {}).c_str(), kFolderFlags | O_NOFOLLOW);
        const int parentFd = AncestorFd(folder.parent);
        if (parentFd < 0)
            return -1;
        return ::openat(parentFd, m_table.NameOf(index), kFolderFlags | O_NOFOLLOW);
    }

    // The cached descriptor of a folder no deeper than the cache; the folders
    // this reader reads in a row mostly share it.
    int AncestorFd(std::uint32_t index)
    {
        Ancestor& slot = m_ancestors[m_table[index].depth];
        if (slot.index == index)
            return slot.fd;
        if (slot.fd >= 0)
            ::close(slot.fd);
        slot.index = index;
        slot.fd = OpenFolder(index);
        return slot.fd;
    }

    const FolderTable& m_table;
    const NameMatcher& m_matcher;
    const std::uint32_t m_id;
    std::vector<Ancestor> m_ancestors;
    std::vector<char> m_entries = std::vector<char>(64 * 1024);
    std::vector<NameRef> m_children;
    std::vector<char> m_childNames;
    std::vector<std::pair<std::uint32_t, std::string>> m_matches;
    std::exception_ptr m_failure;
};

// One search: the levels of the tree one after another, the folders of each
// read by up to `threads` threads, the calling one among them. The threads
// that help with a level are started for it and joined before the level's
// result is looked at.
class TreeWalk {
public:
    TreeWalk(const std::string& hostRoot, const std::string& fileName, unsigned threads)
        : m_table(hostRoot), m_matcher(fileName)
    {
        const unsigned count = std::clamp(threads, 1U, kMaxTreeSearchThreads);
        const std::uint32_t cachedDepth = std::max<std::uint32_t>(1, kCachedDescriptors / count);
        m_readers.reserve(count);
        for (std::uint32_t id = 0; id < count; ++id)
            m_readers.push_back(std::make_unique<FolderReader>(m_table, m_matcher, id, cachedDepth));
    }

    std::optional<std::string> Run()
    {
        std::uint32_t first = 0;
        while (first < m_table.size()) {
            Level level(first, m_table.size() - first, m_readers.size());
            ReadLevel(level);
            const std::uint32_t position = level.firstMatch.load();
            if (position != kNoFolder)
                return m_table.PathOf(first + position, MatchOf(level, position));
            QueueChildren(level);
            first += level.count;
        }
        return std::nullopt;
    }

private:
    void ReadLevel(Level& level)
    {
        const std::size_t wanted =
            std::min<std::size_t>(m_readers.size(), level.count / kFoldersPerThread);
        {
            std::vector<std::jthread> threads;
            threads.reserve(wanted);
            for (std::size_t id = 1; id < wanted; ++id) {
                try {
                    threads.emplace_back([&level, reader = m_readers[id].get()] {
                        reader->ReadLevel(level);
                    });
                } catch (const std::system_error&) {
                    break; // the threads that did start share the level
                }
            }
            m_readers[0]->ReadLevel(level);
        } // every helper has ended here
        for (const auto& reader : m_readers)
            reader->RethrowFailure();
    }

    std::string_view MatchOf(const Level& level, std::uint32_t position) const
    {
        return *m_readers[level.results[position].reader]->MatchAt(position);
    }

    // The sub-folders of the level, in the level's order, become the next level.
    void QueueChildren(const Level& level)
    {
        for (std::uint32_t position = 0; position < level.count; ++position) {
            const Level::Result& result = level.results[position];
            const FolderReader& reader = *m_readers[result.reader];
            for (std::uint32_t child = result.firstChild; child < result.endChild; ++child)
                if (!m_table.Add(level.first + position, reader.ChildName(child)))
                    break;
        }
        for (const auto& reader : m_readers)
            reader->ClearLevel();
    }

    FolderTable m_table;
    NameMatcher m_matcher;
    std::vector<std::unique_ptr<FolderReader>> m_readers;
};

} // namespace

unsigned TreeSearchThreads()
{
    unsigned cores = 0;
    cpu_set_t set;
    CPU_ZERO(&set);
    if (::sched_getaffinity(0, sizeof set, &set) == 0)
        cores = static_cast<unsigned>(CPU_COUNT(&set));
    if (cores == 0)
        cores = std::thread::hardware_concurrency();
    return std::clamp(cores, 1U, kMaxTreeSearchThreads);
}

std::optional<std::string> SearchTreeForFile(const std::string& hostRoot,
                                             const std::string& fileName, unsigned threads)
{
    if (fileName.empty())
        return std::nullopt;
    return TreeWalk(hostRoot, fileName, threads).Run();
}

std::optional<std::string> SearchTreeForFile(const std::string& hostRoot,
                                             const std::string& fileName)
{
    return SearchTreeForFile(hostRoot, fileName, TreeSearchThreads());
}

} // namespace zv
