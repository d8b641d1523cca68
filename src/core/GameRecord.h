#pragma once

#include "ProgramState.h"
#include "Services.h"

#include <QByteArray>

#include <optional>

namespace zv {

// The record file of a game: "\BHWWE.txt" for BHWWE, "\RMTH3.txt" for any
// other game id, in the program folder.
QString GameRecordPath(const QString& programFolder, const QString& game);

// The record's bytes: the text in double quotes, then CR LF.
QByteArray EncodeGameRecord(const QString& mapsFolder);
// The first field of a record's bytes, read like a sequential-file input:
// after leading blanks a quoted field runs to the next quote, an unquoted one
// to the first comma or line end. No field at all (zero bytes) is nullopt.
std::optional<QString> DecodeGameRecord(const QByteArray& bytes);

// Reads the record of CurrentGame into MapsFolder; empty on any failure.
void ReadGameRecord(ProgramState& state, const Services& services);
// Writes MapsFolder as the record of CurrentGame; failures are silent and
// leave the old record whole.
void WriteGameRecord(ProgramState& state, const Services& services);
// Writes an empty record of CurrentGame, then empties MapsFolder and FoundExePath.
void ClearGameRecord(ProgramState& state, const Services& services);

} // namespace zv
