// Any bytes as a game's record file: the reader must not crash, hang or read
// outside the input, and what it reads must be a folder the record format
// can write back and read again unchanged.

#include "FuzzCheck.h"
#include "core/GameRecord.h"

#include <cstddef>
#include <cstdint>

const zv::fuzz::Checker Check("game record reader");

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace zv;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::optional<QString> field = DecodeGameRecord(bytes);
    Check(field.has_value() == !bytes.isEmpty(), "no field exactly when there are no bytes");
    if (!field)
        return 0;
    Check(field->size() <= bytes.size(), "a field longer than the record");
    // Every character is one byte of the record, as the code page keeps it.
    Check(bytes.contains(field->toLatin1()), "a field that is not in the record");
    if (field->contains(QLatin1Char('"')))
        return 0; // a folder never holds a quote; the format cannot write one
    const QByteArray written = EncodeGameRecord(*field);
    Check(DecodeGameRecord(written) == field, "a written record reads back changed");
    return 0;
}
