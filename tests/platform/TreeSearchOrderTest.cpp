// The tree search against a plain reference walk on many generated trees:
// whatever the number of threads, it must find what one reader going through
// the folders in the documented order finds first.

#include "PermissionsHonoured.h"
#include "platform/TreeSearch.h"

#include <QDir>
#include <QString>
#include <QStringDecoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace zv {
namespace {

// ---- the reference: one folder at a time, breadth first -------------------

bool AsciiFoldEqual(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
               return lower(x) == lower(y);
           });
}

std::optional<QString> StrictUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Windows' rule: equal ignoring case, for names that are text; other byte
// strings only as ASCII letters fold.
bool SameNameIgnoringCase(const std::string& a, const std::string& b)
{
    if (AsciiFoldEqual(a, b))
        return true;
    const auto wideA = StrictUtf8(a);
    const auto wideB = StrictUtf8(b);
    return wideA && wideB && wideA->compare(*wideB, Qt::CaseInsensitive) == 0;
}

// The kind of an entry as the folder listing tells it, asking the file system
// only where the listing does not say.
unsigned char KindOf(const std::string& folder, const dirent* entry)
{
    if (entry->d_type != DT_UNKNOWN)
        return entry->d_type;
    struct stat st {};
    if (::lstat((folder + "/" + entry->d_name).c_str(), &st) != 0)
        return DT_UNKNOWN;
    return S_ISDIR(st.st_mode) ? DT_DIR : S_ISREG(st.st_mode) ? DT_REG : S_ISLNK(st.st_mode) ? DT_LNK : DT_UNKNOWN;
}

bool IsPlainFileBehind(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::optional<std::string> ReferenceSearch(const std::string& root, const std::string& name)
{
    std::vector<std::string> level{root};
    while (!level.empty()) {
        std::vector<std::string> next;
        for (const std::string& folder : level) {
            DIR* dir = ::opendir(folder.c_str());
            if (dir == nullptr)
                continue;
            std::vector<std::string> matches;
            std::vector<std::string> subFolders;
            while (const dirent* entry = ::readdir(dir)) {
                const std::string entryName = entry->d_name;
                if (entryName == "." || entryName == "..")
                    continue;
                const unsigned char kind = KindOf(folder, entry);
                const std::string path = folder + "/" + entryName;
                if (kind == DT_DIR)
                    subFolders.push_back(entryName);
                else if ((kind == DT_REG || (kind == DT_LNK && IsPlainFileBehind(path))) &&
                         SameNameIgnoringCase(entryName, name))
                    matches.push_back(entryName);
            }
            ::closedir(dir);
            if (!matches.empty())
                return folder + "/" + *std::min_element(matches.begin(), matches.end());
            std::sort(subFolders.begin(), subFolders.end());
            for (const std::string& sub : subFolders)
                next.push_back(folder + "/" + sub);
        }
        level = std::move(next);
    }
    return std::nullopt;
}

// ---- generated trees --------------------------------------------------------

// Names chosen so that one folder often holds several spellings of a wanted
// name and sub-folders whose byte order differs from their order ignoring case.
const std::vector<std::string> kMatchingNames = {
    "game.exe", "Game.exe", "GAME.EXE", "gAME.exe", "über.gmx",
    "ÜBER.gmx", "Über.GMX", "x\xff.exe", "X\xff.EXE",
};
const std::vector<std::string> kOtherNames = {
    "game.exe.bak", "game.ex", "ubER.gmx", "x\xfe.exe", "readme.txt", "Map01.gmx", "_game.exe",
};
const std::vector<std::string> kFolderNames = {
    "a", "A", "b", "B", "Z", "z", "maps", "Maps", "Ü", "ü", "game.exe", "deep", "_", "0",
};
const std::vector<std::string> kWantedNames = {"game.exe", "GAME.exe", "über.GMX", "x\xff.EXE",
                                               "absent.exe"};

class TreeGenerator {
public:
    TreeGenerator(std::uint32_t seed, std::string root) : m_random(seed), m_root(std::move(root)) {}

    void Build()
    {
        fs::create_directories(m_root + "/drive");
        fs::create_directories(m_root + "/outside/game.exe"); // a folder named like the file
        std::ofstream(m_root + "/outside/GAME.EXE") << "x";
        Fill(m_root + "/drive", 0);
        if (Chance(0.3))
            AddChain();
        // Permissions last: a locked folder cannot be filled.
        for (const auto& [folder, mode] : m_locks)
            ::chmod(folder.c_str(), mode);
    }

    // So the temporary folder can be removed by a user without root's rights.
    void Unlock() const
    {
        for (const auto& lock : m_locks)
            ::chmod(lock.first.c_str(), 0700);
    }

    std::string Drive() const { return m_root + "/drive"; }

private:
    bool Chance(double p) { return std::uniform_real_distribution<>(0, 1)(m_random) < p; }
    int Below(int n) { return std::uniform_int_distribution<>(0, n - 1)(m_random); }
    const std::string& Pick(const std::vector<std::string>& names) { return names[Below(int(names.size()))]; }

    // Matches are rare near the top, so that the search mostly goes a few levels down.
    const std::string& FileName(int depth)
    {
        return Chance(depth == 0 ? 0.02 : depth == 1 ? 0.05 : 0.2) ? Pick(kMatchingNames)
                                                                    : Pick(kOtherNames);
    }

    void Fill(const std::string& folder, int depth)
    {
        m_folders.push_back(folder);
        // Wide near the top, so that the levels there are shared out among threads.
        const int entries = depth == 0 ? 30 + Below(30) : Below(depth < 3 ? 10 : 5);
        const int folderShare = depth < 2 ? 5 : 3; // in tenths
        for (int i = 0; i < entries; ++i) {
            const int kind = Below(10);
            if (kind < folderShare && depth < 5) {
                // Numbered names too, so that a wide folder can hold many.
                const std::string path = folder + "/" + Pick(kFolderNames) +
                                         (Chance(0.5) ? std::to_string(Below(30)) : "");
                if (!fs::exists(fs::symlink_status(path))) {
                    fs::create_directory(path);
                    Fill(path, depth + 1);
                }
            } else if (kind < 7) {
                const std::string path = folder + "/" + FileName(depth);
                if (!fs::exists(fs::symlink_status(path)))
                    std::ofstream(path) << "x";
            } else if (kind < 9) {
                AddLink(folder, depth);
            } else {
                ::mkfifo((folder + "/" + FileName(depth)).c_str(), 0600);
            }
        }
        if (depth > 0 && Chance(0.12)) {
            // Unreadable; listable but not enterable; enterable but not listable.
            static const mode_t kModes[] = {0, 0500 & ~0100, 0100};
            m_locks.emplace_back(folder, kModes[Below(3)]);
        }
    }

    // Links to files and folders inside and outside the drive, to ancestors
    // (loops), and to nothing.
    void AddLink(const std::string& folder, int depth)
    {
        const std::string path = folder + "/" + (Chance(0.6) ? FileName(depth) : Pick(kFolderNames));
        if (fs::exists(fs::symlink_status(path)))
            return;
        static const char* const kTargets[] = {
            "/proc/self/cwd", "..", ".", "missing.exe", "GAME.EXE", "game.exe",
        };
        const int choice = Below(8);
        std::string target;
        if (choice < 6)
            target = kTargets[choice];
        else if (choice == 6)
            target = m_root + "/outside/" + (Chance(0.5) ? "GAME.EXE" : "game.exe");
        else
            target = m_folders[Below(int(m_folders.size()))];
        fs::create_symlink(target, path);
    }

    // A long chain of single folders, so that folders lie deeper than the
    // descriptors any thread caches, with a match somewhere down it.
    void AddChain()
    {
        std::string path = m_folders[Below(int(m_folders.size()))];
        const int length = 40 + Below(60);
        for (int d = 0; d < length; ++d) {
            path += "/" + Pick(kFolderNames) + std::to_string(d);
            fs::create_directory(path);
            if (Chance(0.04))
                std::ofstream(path + "/" + Pick(kMatchingNames)) << "x";
        }
        std::ofstream(path + "/Game.exe") << "x";
    }

    std::mt19937 m_random;
    std::string m_root;
    std::vector<std::string> m_folders;
    std::vector<std::pair<std::string, mode_t>> m_locks;
};

// One thread; this machine's two; more threads than cores, each caching few descriptors.
// Thousands of folders are made and removed: in memory where the system
// offers a file system there, which is many times faster than a disk's.
QString ScratchFolder()
{
    const QString shared = QStringLiteral("/dev/shm");
    if (::access(shared.toLocal8Bit().constData(), W_OK | X_OK) == 0)
        return shared + QStringLiteral("/zv-tree-XXXXXX");
    return QDir::tempPath() + QStringLiteral("/zv-tree-XXXXXX");
}

constexpr unsigned kThreadCounts[] = {1, 2, 7};
constexpr std::uint32_t kTrees = 120;

TEST(TreeSearchOrder, EveryThreadCountFindsWhatTheReferenceWalkFinds)
{
    int matches = 0;
    int permissionsHonoured = 0;
    for (std::uint32_t seed = 1; seed <= kTrees; ++seed) {
        QTemporaryDir temp(ScratchFolder());
        ASSERT_TRUE(temp.isValid());
        TreeGenerator tree(seed, temp.path().toStdString());
        tree.Build();
        const bool honoured = test::RunWithPermissionsHonoured([&] {
            for (const std::string& name : kWantedNames) {
                const std::optional<std::string> expected = ReferenceSearch(tree.Drive(), name);
                matches += expected.has_value();
                for (unsigned threads : kThreadCounts) {
                    EXPECT_EQ(SearchTreeForFile(tree.Drive(), name, threads), expected)
                        << "seed " << seed << ", name " << name << ", " << threads << " threads";
                }
            }
        });
        permissionsHonoured += honoured;
        tree.Unlock();
        if (HasFailure())
            return; // one seed's report is enough to go on
    }
    // The generator must keep producing trees where the order decides.
    EXPECT_GT(matches, int(kTrees * kWantedNames.size() / 3));
    EXPECT_EQ(permissionsHonoured, int(kTrees)) << "locked folders were read like the others";
}

// No thread of a search outlives it: the window thread must not find the
// process busy after the search has returned, nor a thread count growing.
int ThreadsOfThisProcess()
{
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator("/proc/self/task"))
        ++count;
    return count;
}

TEST(TreeSearchOrder, NoThreadOutlivesTheSearch)
{
    QTemporaryDir temp;
    ASSERT_TRUE(temp.isValid());
    const std::string drive = temp.path().toStdString() + "/drive";
    for (int a = 0; a < 40; ++a)
        for (int b = 0; b < 5; ++b)
            fs::create_directories(drive + "/f" + std::to_string(a) + "/g" + std::to_string(b));
    std::ofstream(drive + "/f39/g4/Game.exe") << "x";
    const int before = ThreadsOfThisProcess();
    for (const char* name : {"game.exe", "absent.exe"}) {
        SearchTreeForFile(drive, name, 4);
        EXPECT_EQ(ThreadsOfThisProcess(), before) << name;
    }
}

} // namespace
} // namespace zv
