#include "StateFields.h"

#include "core/ProgramState.h"

#include <QRegularExpression>

#include <functional>

namespace zv::scenario {

namespace {

QString Flag(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

struct Field {
    const char* name;
    std::function<QString(const ProgramState&)> read;
};

const Field kFields[] = {
    {"CurrentGame", [](const ProgramState& s) { return s.CurrentGame; }},
    {"BhwweFolder", [](const ProgramState& s) { return s.BhwweFolder; }},
    {"Rmth3Folder", [](const ProgramState& s) { return s.Rmth3Folder; }},
    {"BhwweRepairDue", [](const ProgramState& s) { return Flag(s.BhwweRepairDue); }},
    {"Rmth3RepairDue", [](const ProgramState& s) { return Flag(s.Rmth3RepairDue); }},
    {"MapsFolder", [](const ProgramState& s) { return s.MapsFolder; }},
    {"StoredFolder", [](const ProgramState& s) { return s.StoredFolder; }},
    {"FoundExePath", [](const ProgramState& s) { return s.FoundExePath; }},
    {"DriveIndex", [](const ProgramState& s) { return QString::number(s.DriveIndex); }},
    {"DriveRoot", [](const ProgramState& s) { return s.DriveRoot; }},
    {"LastDriveType", [](const ProgramState& s) { return QString::number(s.LastDriveType); }},
    {"SelectedGameMap", [](const ProgramState& s) { return s.SelectedGameMap; }},
    {"SelectedStoredMap", [](const ProgramState& s) { return s.SelectedStoredMap; }},
    {"PreviewPath", [](const ProgramState& s) { return s.PreviewPath; }},
    {"PreviewCut", [](const ProgramState& s) { return QString::number(s.PreviewCut); }},
    {"ReturnFromManager", [](const ProgramState& s) { return Flag(s.ReturnFromManager); }},
    {"ManagerSelection", [](const ProgramState& s) { return s.ManagerSelection; }},
    {"FoundMapPath", [](const ProgramState& s) { return s.FoundMapPath; }},
    {"FoundMapPending", [](const ProgramState& s) { return Flag(s.FoundMapPending); }},
};

} // namespace

std::optional<QString> StateFieldText(const ProgramState& state, const QString& field)
{
    for (const Field& f : kFields) {
        if (field == QLatin1String(f.name))
            return f.read(state);
    }
    static const QRegularExpression driveType(QStringLiteral("^DriveTypes\\((\\d+)\\)$"));
    const auto match = driveType.match(field);
    if (match.hasMatch()) {
        const auto index = match.captured(1).toUInt();
        if (index < state.DriveTypes.size())
            return state.DriveTypes.at(index);
    }
    return std::nullopt;
}

} // namespace zv::scenario
