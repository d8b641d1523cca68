#include "Windows.h"

#include <QStringList>

namespace zv::scenario {

namespace {

struct WindowRow {
    const char* name;
    bool built;
};

constexpr WindowRow kWindows[] = {
    {"MDIForm1", true},  {"Startup", true},   {"MapMain", true},  {"MapManager", true},
    {"FindMaps", true},  {"ListMaps", true},  {"Grabber", true},  {"Install", true},
    {"Help1", true},     {"Help2", true},     {"Help3", true},
};

} // namespace

WindowKind KindOfWindow(const QString& name)
{
    for (const WindowRow& row : kWindows) {
        if (name == QLatin1String(row.name))
            return row.built ? WindowKind::Built : WindowKind::NotBuilt;
    }
    return WindowKind::Unknown;
}

QString WindowNames()
{
    QStringList names;
    for (const WindowRow& row : kWindows)
        names.append(QLatin1String(row.name));
    return names.join(QStringLiteral(", "));
}

} // namespace zv::scenario
