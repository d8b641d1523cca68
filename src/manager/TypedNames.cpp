#include "TypedNames.h"

#include <QStringList>

namespace zv {

namespace {

const QString kForbidden = QStringLiteral("\\/:*?\"<>|");

bool IsDeviceName(const QString& name)
{
    static const QStringList kDevices = [] {
        QStringList devices{QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                            QStringLiteral("NUL")};
        for (int i = 1; i <= 9; ++i) {
            devices.append(QStringLiteral("COM%1").arg(i));
            devices.append(QStringLiteral("LPT%1").arg(i));
        }
        return devices;
    }();
    // Windows reserves the device names with any extension ("con.gmx").
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed();
    return kDevices.contains(stem, Qt::CaseInsensitive);
}

bool HoldsForbidden(const QString& name)
{
    for (const QChar c : name) {
        if (c.unicode() < 32 || kForbidden.contains(c))
            return true;
    }
    return false;
}

} // namespace

QString TypedMapBase(const QString& typed)
{
    QString name = typed.trimmed();
    const qsizetype n = name.size();
    if (n > 4 && name.at(n - 4) == QLatin1Char('.'))
        name.chop(4);
    return name;
}

std::optional<QString> NameProblem(const QString& name, NamedItem item)
{
    const QString what = item == NamedItem::Map ? QStringLiteral("map") : QStringLiteral("folder");
    if (name.trimmed().isEmpty())
        return QStringLiteral("Type the new ") + what + QStringLiteral(" name in the text box first.");
    if (HoldsForbidden(name) || name.contains(QStringLiteral("..")) || name == QLatin1String(".") ||
        IsDeviceName(name))
        return QStringLiteral("\"") + name + QStringLiteral("\" cannot be used as a ") + what +
               QStringLiteral(" name.  A name cannot hold \\ / : * ? \" < > | or two dots in a row, "
                              "and cannot be a device name such as CON.  Type a different name.");
    return std::nullopt;
}

} // namespace zv
