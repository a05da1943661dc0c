#include "document/PictureRecord.h"

#include "document/RecordKey.h"
#include "document/RecordScanner.h"

std::optional<PictureRecord> PictureRecord::fromLine(std::string_view line)
{
    RecordScanner scanner(line);
    std::int32_t values[4];
    if (!scanner.literal("5 ") || !scanner.numbers(values, 4))
        return std::nullopt;
    return PictureRecord {values[0], {values[1], values[2], values[3]}};
}

std::optional<PictureLocation> PictureRecord::fromValues(std::string_view values)
{
    RecordScanner scanner(values);
    std::int32_t read[3];
    if (!scanner.numbers(read, 3))
        return std::nullopt;
    return PictureLocation {read[0], read[1], read[2]};
}

std::string PictureRecord::line() const
{
    return RecordKey(RecordType::Picture, id).line({where.offset, where.size, where.file});
}
