#pragma once

#include <QString>

#include <optional>

namespace zv {

// The base name a typed map name stands for: outer blanks removed, and a
// typed extension of four characters (".gmx", ".bmp", ".old") dropped.
QString TypedMapBase(const QString& typed);

enum class NamedItem { Map, Folder };

// Why a typed name cannot name a map or folder beside the one renamed:
// empty, holding a path separator, "..", a character Windows forbids in a
// name, or a device name. nullopt when the name is fine.
std::optional<QString> NameProblem(const QString& name, NamedItem item);

} // namespace zv
