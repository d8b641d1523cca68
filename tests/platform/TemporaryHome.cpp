#include "TemporaryHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zv::test {

TemporaryHome::TemporaryHome()
{
    QDir().mkpath(home());
}

QString TemporaryHome::expand(const QString& text) const
{
    return QString(text).replace(QStringLiteral("@ROOT@"), root());
}

QString TemporaryHome::path(const QString& relative) const
{
    const QString expanded = expand(relative);
    return expanded.startsWith(QLatin1Char('/')) ? expanded : home() + QLatin1Char('/') + expanded;
}

void TemporaryHome::file(const QString& relative, const QByteArray& content)
{
    const QString target = path(relative);
    QDir().mkpath(QFileInfo(target).path());
    QFile out(target);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(target));
    out.write(QByteArray(content).replace("@ROOT@", QFile::encodeName(root())));
}

void TemporaryHome::folder(const QString& relative)
{
    QDir().mkpath(path(relative));
}

void TemporaryHome::link(const QString& relative, const QString& target)
{
    const QString at = path(relative);
    QDir().mkpath(QFileInfo(at).path());
    QFile::remove(at);
    if (!QFile::link(expand(target), at))
        qFatal("cannot link %s", qPrintable(at));
}

QString TemporaryHome::prefix(const QString& relative, const QStringList& games)
{
    const QString prefix = path(relative);
    folder(prefix + QStringLiteral("/drive_c/windows/system32"));
    link(prefix + QStringLiteral("/dosdevices/c:"), QStringLiteral("../drive_c"));
    file(prefix + QStringLiteral("/system.reg"),
         "WINE REGISTRY Version 2\n\n[Software\\\\Wine\\\\Drives] 1700000000\n\"c:\"=\"hd\"\n");
    const QString sunstorm = prefix + QStringLiteral("/drive_c/Program Files/Sunstorm/");
    if (games.contains(QStringLiteral("BHWWE")))
        file(sunstorm + QStringLiteral("Wild Wings/Wild Wings.exe"));
    if (games.contains(QStringLiteral("RMTH3")))
        file(sunstorm + QStringLiteral("Rocky Mountain Trophy Hunter 3/Rocky Mountain Trophy Hunter 3.exe"));
    return prefix;
}

UserEnvironment TemporaryHome::environment() const
{
    UserEnvironment environment;
    environment.home = home();
    return environment;
}

} // namespace zv::test
