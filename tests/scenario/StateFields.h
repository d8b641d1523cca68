#pragma once

#include <QString>

#include <optional>

namespace zv {
struct ProgramState;
}

namespace zv::scenario {

// A field of the program state by its name ("CurrentGame", "DriveTypes(3)") as text: numbers
// in decimal, flags as 0 or 1; nullopt for a name that is no field.
std::optional<QString> StateFieldText(const ProgramState& state, const QString& field);

} // namespace zv::scenario
