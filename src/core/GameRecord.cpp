#include "GameRecord.h"

#include "platform/Failure.h"
#include "platform/FileSystem.h"

namespace zv {

QString GameRecordPath(const QString& programFolder, const QString& game)
{
    return programFolder + (IsBhwwe(game) ? QStringLiteral("\\BHWWE.txt") : QStringLiteral("\\RMTH3.txt"));
}

// Records hold 8-bit text in the system's code page; Latin-1 keeps every
// byte as it is.
QByteArray EncodeGameRecord(const QString& mapsFolder)
{
    return '"' + mapsFolder.toLatin1() + "\"\r\n";
}

std::optional<QString> DecodeGameRecord(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return std::nullopt;
    qsizetype at = 0;
    while (at < bytes.size() && (bytes[at] == ' ' || bytes[at] == '\t'))
        ++at;
    qsizetype end;
    if (at < bytes.size() && bytes[at] == '"') {
        ++at;
        end = bytes.indexOf('"', at);
    } else {
        end = at;
        while (end < bytes.size() && bytes[end] != ',' && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
    }
    if (end < 0)
        end = bytes.size();
    return QString::fromLatin1(bytes.mid(at, end - at));
}

void ReadGameRecord(ProgramState& state, const Services& services)
{
    try {
        const auto field = DecodeGameRecord(
            services.files.readFile(GameRecordPath(services.programFolder, state.CurrentGame)));
        state.MapsFolder = field.value_or(QString());
    } catch (const Failure&) {
        state.MapsFolder.clear();
    }
}

void WriteGameRecord(ProgramState& state, const Services& services)
{
    try {
        services.files.writeFile(GameRecordPath(services.programFolder, state.CurrentGame),
                                 EncodeGameRecord(state.MapsFolder));
    } catch (const Failure&) {
        // Housekeeping says nothing; the old record stays as it was.
    }
}

void ClearGameRecord(ProgramState& state, const Services& services)
{
    state.MapsFolder.clear();
    WriteGameRecord(state, services);
    state.FoundExePath.clear();
}

} // namespace zv
