#include "TreeSearch.h"

#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zv {

namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

// Folders deeper than this are opened by their full path, so a pathological
// depth cannot use up the process's descriptors.
constexpr std::uint32_t kCachedDepth = 64;

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

// One search. Folders wait in a breadth-first queue that also serves as the
// record of every folder seen: each holds its parent's index and its name in
// one shared arena, so a path is only built for the result. A folder is opened
// relative to its parent's descriptor; since the queue keeps the children of
// one folder together and in their parents' order, one cached descriptor per
// depth is reopened only when the walk moves on to the next parent.
class TreeWalk {
public:
    TreeWalk(const std::string& hostRoot, const std::string& fileName)
        : m_root(hostRoot), m_matcher(fileName), m_ancestors(kCachedDepth)
    {
        m_rootPrefix = std::string_view(m_root);
        while (!m_rootPrefix.empty() && m_rootPrefix.back() == '/')
            m_rootPrefix.remove_suffix(1);
    }

    ~TreeWalk()
    {
        for (const Ancestor& ancestor : m_ancestors)
            if (ancestor.fd >= 0)
                ::close(ancestor.fd);
    }

    TreeWalk(const TreeWalk&) = delete;
    TreeWalk& operator=(const TreeWalk&) = delete;

    std::optional<std::string> Run()
    {
        m_folders.push_back({0, 0, 0, 0});
        m_names.push_back('\0');
        for (std::uint32_t index = 0; index < m_folders.size(); ++index) {
            if (auto match = ScanFolder(index))
                return PathOf(index, *match);
        }
        return std::nullopt;
    }

private:
    struct Folder {
        std::uint32_t parent;
        std::uint32_t depth;
        std::uint32_t nameOffset;
        std::uint32_t nameLength;
    };

    struct Ancestor {
        std::uint32_t index = 0;
        int fd = -1;
    };

    const char* NameOf(const Folder& folder) const { return m_names.data() + folder.nameOffset; }

    std::string_view NameViewOf(const Folder& folder) const
    {
        return {NameOf(folder), folder.nameLength};
    }

    // Reads one folder: returns the first matching name in byte order, or
    // queues its sub-folders in byte order when nothing in it matches.
    std::optional<std::string> ScanFolder(std::uint32_t index)
    {
        const int fd = OpenFolder(index);
        if (fd < 0)
            return std::nullopt;
        const std::size_t firstChild = m_folders.size();
        std::optional<std::string> match;
        ReadEntries(fd, index, match);
        ::close(fd);
        if (match) {
            m_folders.resize(firstChild);
            return match;
        }
        std::sort(
            m_folders.begin() + static_cast<std::ptrdiff_t>(firstChild), m_folders.end(),
            [this](const Folder& a, const Folder& b) { return NameViewOf(a) < NameViewOf(b); });
        return std::nullopt;
    }

    // getdents64 into one buffer kept for the whole walk: fdopendir would
    // fstat the folder and allocate its own buffer for every one of them.
    void ReadEntries(int fd, std::uint32_t index, std::optional<std::string>& match)
    {
        for (;;) {
            const ssize_t length = ::getdents64(fd, m_entries.data(), m_entries.size());
            if (length <= 0)
                return;
            for (ssize_t at = 0; at < length;) {
                const auto* entry = reinterpret_cast<const dirent64*>(m_entries.data() + at);
                at += entry->d_reclen;
                VisitEntry(fd, index, *entry, match);
            }
        }
    }

    void VisitEntry(int fd, std::uint32_t index, const dirent64& entry,
                    std::optional<std::string>& match)
    {
        const char* name = entry.d_name;
        if (IsDotOrDotDot(name))
            return;
        unsigned char type = entry.d_type;
        if (type == DT_UNKNOWN)
            type = TypeOf(fd, name);
        if (type == DT_DIR) {
            if (!match)
                QueueFolder(index, name);
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

    void QueueFolder(std::uint32_t parent, const char* name)
    {
        const std::size_t length = std::char_traits<char>::length(name);
        if (m_names.size() + length + 1 > std::numeric_limits<std::uint32_t>::max() ||
            m_folders.size() >= std::numeric_limits<std::uint32_t>::max())
            return;
        const auto offset = static_cast<std::uint32_t>(m_names.size());
        m_names.insert(m_names.end(), name, name + length + 1);
        m_folders.push_back(
            {parent, m_folders[parent].depth + 1, offset, static_cast<std::uint32_t>(length)});
    }

    // A new descriptor for the folder, to be closed by the caller.
    int OpenFolder(std::uint32_t index)
    {
        if (index == 0)
            return ::open(m_root.c_str(), kFolderFlags);
        const Folder& folder = m_folders[index];
        if (folder.depth > kCachedDepth)
            return ::open(PathOf(index, {}).c_str(), kFolderFlags | O_NOFOLLOW);
        const int parentFd = AncestorFd(folder.parent);
        if (parentFd < 0)
            return -1;
        return ::openat(parentFd, NameOf(folder), kFolderFlags | O_NOFOLLOW);
    }

    int AncestorFd(std::uint32_t index)
    {
        Ancestor& slot = m_ancestors[m_folders[index].depth];
        if (slot.fd >= 0 && slot.index == index)
            return slot.fd;
        if (slot.fd >= 0)
            ::close(slot.fd);
        slot.index = index;
        slot.fd = OpenFolder(index);
        return slot.fd;
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
            path += NameViewOf(m_folders[*it]);
        }
        if (!leaf.empty()) {
            path += '/';
            path += leaf;
        }
        return path;
    }

    std::string m_root;
    std::string_view m_rootPrefix;
    NameMatcher m_matcher;
    std::vector<Folder> m_folders;
    std::vector<char> m_names;
    std::vector<Ancestor> m_ancestors;
    std::vector<char> m_entries = std::vector<char>(64 * 1024);
};

} // namespace

std::optional<std::string> SearchTreeForFile(const std::string& hostRoot,
                                             const std::string& fileName)
{
    if (fileName.empty())
        return std::nullopt;
    return TreeWalk(hostRoot, fileName).Run();
}

} // namespace zv
