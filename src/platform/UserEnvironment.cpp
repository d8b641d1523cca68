#include "UserEnvironment.h"

#include <QDir>

#include <pwd.h>
#include <unistd.h>

namespace zv {

UserEnvironment UserEnvironment::OfProcess()
{
    UserEnvironment environment;
    environment.home = qEnvironmentVariable("HOME");
    if (environment.home.isEmpty()) {
        if (const passwd* account = ::getpwuid(::getuid()); account && account->pw_dir)
            environment.home = QString::fromLocal8Bit(account->pw_dir);
    }
    environment.xdgDataHome = qEnvironmentVariable("XDG_DATA_HOME");
    environment.winePrefix = qEnvironmentVariable("WINEPREFIX");
    return environment;
}

QString UserEnvironment::inHome(const QString& relative) const
{
    return QDir::cleanPath(home + QLatin1Char('/') + relative);
}

QString UserEnvironment::dataHome() const
{
    // The base directory rules ignore a relative value.
    if (xdgDataHome.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(xdgDataHome);
    return inHome(QStringLiteral(".local/share"));
}

QStringList UserEnvironment::dataHomes() const
{
    QStringList homes{dataHome()};
    const QString usual = inHome(QStringLiteral(".local/share"));
    if (!homes.contains(usual))
        homes.append(usual);
    return homes;
}

} // namespace zv
