#include "DownloadFolder.h"

#include "Failure.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zv {

namespace {

// A name the engine suggested, reduced to a plain file name.
QString PlainName(const QString& suggested)
{
    QString name = suggested;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = name.section(QLatin1Char('/'), -1).trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("download");
    return name;
}

} // namespace

QString FreeFileName(const QString& name, const std::function<bool(const QString&)>& taken)
{
    if (!taken(name))
        return name;
    // "Marsh.exe" -> "Marsh (1).exe"; a leading dot is part of the name, not an extension.
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const bool hasExtension = dot > 0;
    const QString stem = hasExtension ? name.left(dot) : name;
    const QString extension = hasExtension ? name.mid(dot) : QString();
    for (int n = 1;; ++n) {
        const QString candidate = stem + QStringLiteral(" (%1)").arg(n) + extension;
        if (!taken(candidate))
            return candidate;
    }
}

QString DownloadFolder::placeFor(const QString& suggestedName) const
{
    if (host.isEmpty() || !QDir().mkpath(host))
        throw Failure(FailureNumber::PathNotFound);
    const QFileInfo folder(host);
    if (!folder.isDir() || !folder.isWritable())
        throw Failure(FailureNumber::PathAccessError);
    const QDir dir(host);
    const QString name = FreeFileName(PlainName(suggestedName), [&dir](const QString& candidate) {
        const QFileInfo at(dir.filePath(candidate));
        return at.exists() || at.isSymLink() || QFileInfo::exists(at.filePath() + QStringLiteral(".download"));
    });
    return dir.filePath(name);
}

QString UserDownloadFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/Downloads");
    return folder;
}

} // namespace zv
