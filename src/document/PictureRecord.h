#pragma once

#include "document/SkinTypes.h"

#include <optional>
#include <string>
#include <string_view>

// A type-5 line: the picture of element id is size bytes from offset in data
// file number file.
struct PictureRecord {
    ElementId id = 0;
    PictureLocation where;

    // Reads a whole line as "5 %ld %ld %ld %ld" (id, offset, size, file).
    static std::optional<PictureRecord> fromLine(std::string_view line);
    // Reads "%ld %ld %ld" (offset, size, file) from the text after a record's key.
    static std::optional<PictureLocation> fromValues(std::string_view values);

    // The record's line: "5 id offset size file\n".
    std::string line() const;

    // True when the range lies inside a data file of fileSize bytes (the file
    // number itself is checked by the caller).
    static bool fitsIn(const PictureLocation& where, std::int64_t fileSize)
    {
        return where.offset >= 0 && where.size >= 0 && where.file >= 0
            && std::int64_t(where.offset) + where.size <= fileSize;
    }
};
