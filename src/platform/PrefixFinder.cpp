#include "PrefixFinder.h"

#include "TreeSearch.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

#include <sys/vfs.h>

namespace zv {

namespace {

// A libraryfolders.vdf is a few kilobytes; a larger file is not one.
constexpr qint64 kLargestVdf = 4 * 1024 * 1024;

bool LooksLikePrefix(const QString& folder)
{
    return QFileInfo(folder + QStringLiteral("/dosdevices")).isDir() ||
           QFileInfo(folder + QStringLiteral("/drive_c")).isDir();
}

// The sub-folders of a folder (links to folders too), in byte order of their names.
QStringList SubFolders(const QString& folder)
{
    QStringList names =
        QDir(folder).entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);
    std::sort(names.begin(), names.end());
    QStringList paths;
    for (const QString& name : names)
        paths.append(folder + QLatin1Char('/') + name);
    return paths;
}

// File systems made up by the kernel: a search through them reads no disk and may not end.
bool IsPseudoFileSystem(const QString& folder)
{
    struct statfs info {};
    if (::statfs(QFile::encodeName(folder).constData(), &info) != 0)
        return true;
    switch (static_cast<unsigned long>(info.f_type)) {
    case 0x9fa0UL:     // proc
    case 0x62656572UL: // sysfs
    case 0x1cd1UL:     // devpts
    case 0x64626720UL: // debugfs
    case 0x74726163UL: // tracefs
    case 0x73636673UL: // securityfs
    case 0x27e0ebUL:   // cgroup
    case 0x63677270UL: // cgroup2
    case 0xcafe4a11UL: // bpf
    case 0x6165676cUL: // pstore
    case 0x62656570UL: // configfs
        return true;
    default:
        return false;
    }
}

// Collects the folders a test accepts, once each, by the folder they really are.
class CandidateList {
public:
    explicit CandidateList(bool (*accepts)(const QString& folder)) : m_accepts(accepts) {}

    void add(const QString& folder)
    {
        if (!m_accepts(folder))
            return;
        const QString canonical = QFileInfo(folder).canonicalFilePath();
        if (canonical.isEmpty() || m_seen.contains(canonical))
            return;
        m_seen.insert(canonical);
        m_paths.append(QDir::cleanPath(folder));
    }
    void addChildren(const QString& folder)
    {
        for (const QString& child : SubFolders(folder))
            add(child);
    }
    QStringList paths() const { return m_paths; }

private:
    bool (*m_accepts)(const QString& folder);
    QSet<QString> m_seen;
    QStringList m_paths;
};

class VdfReader {
public:
    explicit VdfReader(const QByteArray& text) : m_text(text) {}

    enum class Kind { End, Open, Close, Text };
    struct Token {
        Kind kind = Kind::End;
        QByteArray text;
    };

    Token next()
    {
        skipBlanksAndComments();
        if (m_at >= m_text.size())
            return {};
        const char c = m_text.at(m_at);
        if (c == '{' || c == '}') {
            ++m_at;
            return {c == '{' ? Kind::Open : Kind::Close, {}};
        }
        return c == '"' ? quoted() : bare();
    }

private:
    void skipBlanksAndComments()
    {
        while (m_at < m_text.size()) {
            const char c = m_text.at(m_at);
            if (c == '/' && m_at + 1 < m_text.size() && m_text.at(m_at + 1) == '/') {
                const auto end = m_text.indexOf('\n', m_at);
                m_at = end < 0 ? m_text.size() : end + 1;
            } else if (static_cast<unsigned char>(c) <= ' ') {
                ++m_at;
            } else {
                return;
            }
        }
    }

    // A quoted text with \\ \" \n \t escapes; one cut off by the end of the file is dropped.
    Token quoted()
    {
        QByteArray text;
        for (++m_at; m_at < m_text.size(); ++m_at) {
            char c = m_text.at(m_at);
            if (c == '"') {
                ++m_at;
                return {Kind::Text, text};
            }
            if (c == '\\' && m_at + 1 < m_text.size()) {
                c = m_text.at(++m_at);
                c = c == 'n' ? '\n' : c == 't' ? '\t' : c;
            }
            text.append(c);
        }
        return {};
    }

    Token bare()
    {
        const qsizetype start = m_at;
        while (m_at < m_text.size()) {
            const char c = m_text.at(m_at);
            if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == '{' || c == '}')
                break;
            ++m_at;
        }
        return {Kind::Text, m_text.mid(start, m_at - start)};
    }

    const QByteArray& m_text;
    qsizetype m_at = 0;
};

bool IsNumber(const QByteArray& text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

QByteArray ReadSmallFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(kLargestVdf);
}

// The folders Steam may live in; ~/.steam/steam is usually a link to one of the others.
QStringList SteamRoots(const UserEnvironment& environment)
{
    QStringList roots{environment.inHome(QStringLiteral(".steam/steam")),
                      environment.inHome(QStringLiteral(".steam/root"))};
    for (const QString& data : environment.dataHomes())
        roots.append(data + QStringLiteral("/Steam"));
    roots.append(
        environment.inHome(QStringLiteral(".var/app/com.valvesoftware.Steam/.local/share/Steam")));
    return roots;
}

QStringList SteamLibraries(const UserEnvironment& environment)
{
    CandidateList libraries([](const QString& folder) { return QFileInfo(folder).isDir(); });
    for (const QString& root : SteamRoots(environment)) {
        if (!QFileInfo(root).isDir())
            continue;
        libraries.add(root);
        for (const char* list : {"steamapps/libraryfolders.vdf", "config/libraryfolders.vdf"}) {
            const QString vdf = root + QLatin1Char('/') + QLatin1String(list);
            for (const QString& library : SteamLibraryPaths(ReadSmallFile(vdf)))
                libraries.add(library);
        }
    }
    return libraries.paths();
}

QString JoinNames(const QStringList& names, const QString& last)
{
    if (names.size() <= 1)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + last + names.last();
}

} // namespace

QString PrefixChoice::line() const
{
    return QStringLiteral("zorvane: Wine prefix %1 (%2)").arg(prefix, reason);
}

QStringList SteamLibraryPaths(const QByteArray& vdf)
{
    QStringList paths;
    VdfReader reader(vdf);
    int depth = 0;
    QByteArray key;
    bool haveKey = false;
    for (auto token = reader.next(); token.kind != VdfReader::Kind::End; token = reader.next()) {
        switch (token.kind) {
        case VdfReader::Kind::Open:
            ++depth;
            haveKey = false;
            break;
        case VdfReader::Kind::Close:
            depth = std::max(0, depth - 1);
            haveKey = false;
            break;
        case VdfReader::Kind::Text:
            if (!haveKey) {
                key = token.text;
                haveKey = true;
                break;
            }
            haveKey = false;
            // "path" inside a numbered block now; a numbered key holding the path before.
            if (!token.text.isEmpty() &&
                (key.compare("path", Qt::CaseInsensitive) == 0 || (depth == 1 && IsNumber(key))))
                paths.append(QString::fromUtf8(token.text));
            break;
        case VdfReader::Kind::End:
            break;
        }
    }
    return paths;
}

QStringList CandidatePrefixes(const UserEnvironment& environment)
{
    CandidateList candidates(LooksLikePrefix);
    candidates.add(environment.inHome(QStringLiteral(".wine")));
    for (const QString& data : environment.dataHomes())
        candidates.addChildren(data + QStringLiteral("/wineprefixes"));
    candidates.addChildren(environment.inHome(QStringLiteral("Games")));
    for (const QString& data : environment.dataHomes())
        candidates.addChildren(data + QStringLiteral("/bottles/bottles"));
    candidates.addChildren(
        environment.inHome(QStringLiteral(".var/app/com.usebottles.bottles/data/bottles/bottles")));
    candidates.addChildren(environment.inHome(QStringLiteral(".PlayOnLinux/wineprefix")));
    for (const QString& library : SteamLibraries(environment)) {
        for (const QString& game : SubFolders(library + QStringLiteral("/steamapps/compatdata")))
            candidates.add(game + QStringLiteral("/pfx"));
    }
    return candidates.paths();
}

QString DriveCOf(const QString& prefix)
{
    for (const char* place : {"dosdevices/c:", "drive_c"}) {
        const QFileInfo drive(prefix + QLatin1Char('/') + QLatin1String(place));
        if (!drive.isDir())
            continue;
        const QString folder = drive.canonicalFilePath();
        // A drive C that is the whole host or a kernel file system is no game drive.
        if (folder.isEmpty() || folder == QStringLiteral("/") || IsPseudoFileSystem(folder))
            return {};
        return folder;
    }
    return {};
}

QStringList FilesInPrefix(const QString& prefix, const QStringList& fileNames)
{
    const QString drive = DriveCOf(prefix);
    if (drive.isEmpty())
        return {};
    const std::string root = QFile::encodeName(drive).toStdString();
    QStringList found;
    for (const QString& name : fileNames) {
        if (SearchTreeForFile(root, name.toUtf8().toStdString()))
            found.append(name);
    }
    return found;
}

PrefixChoice ChooseWinePrefix(const UserEnvironment& environment, const QStringList& gameFiles)
{
    if (!environment.winePrefix.isEmpty())
        return {environment.winePrefix, QStringLiteral("WINEPREFIX is set")};
    const QStringList candidates = CandidatePrefixes(environment);
    QString best;
    QStringList bestFiles;
    for (const QString& candidate : candidates) {
        const QStringList files = FilesInPrefix(candidate, gameFiles);
        if (!gameFiles.isEmpty() && files.size() == gameFiles.size())
            return {candidate,
                    QStringLiteral("it holds %1").arg(JoinNames(files, QStringLiteral(" and ")))};
        if (files.size() > bestFiles.size()) {
            best = candidate;
            bestFiles = files;
        }
    }
    if (!best.isEmpty()) {
        return {best, QStringLiteral("it holds %1; no prefix holds all of %2")
                          .arg(JoinNames(bestFiles, QStringLiteral(" and ")),
                               JoinNames(gameFiles, QStringLiteral(" and ")))};
    }
    const QString wine = environment.inHome(QStringLiteral(".wine"));
    if (candidates.isEmpty())
        return {wine, QStringLiteral("the default; no Wine prefix found")};
    return {wine, QStringLiteral("the default; none of the %1 prefixes found holds %2")
                      .arg(candidates.size())
                      .arg(JoinNames(gameFiles, QStringLiteral(" or ")))};
}

} // namespace zv
