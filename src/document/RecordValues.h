#pragma once

#include "document/RecordScanner.h"
#include "document/SkinTypes.h"

#include <cstdint>
#include <string>
#include <string_view>

// The values of colour and rectangle records (and of list items): how they
// are read from a line and written into one.
namespace RecordValues {

// The values of a record: the text of its line after the key.
RecordScanner after(std::string_view line, std::string_view key);

// "%ld %ld %ld %ld" as red, green, blue, transparency; the low byte of the
// transparency goes into bits 24-31 when transparencyInColour.
SkinColour readColour(RecordScanner& scanner, bool transparencyInColour);
// "%ld %ld %ld %ld" as x1, y1, x2, y2 with x2 and y2 the last pixel inside.
SkinRect readRect(RecordScanner& scanner);
// The four numbers as stored, when readRect would take them as a rectangle:
// a right or bottom of the largest number has no pixel after it.
bool readStoredRect(RecordScanner& scanner, std::int32_t (&stored)[4]);

// False for a rectangle whose right or bottom has no inclusive form (the
// lowest number has no pixel before it).
bool storable(const SkinRect& rect);
// prefix followed by the rectangle stored inclusive and "\n".
std::string rectLine(std::string_view prefix, const SkinRect& rect);
// prefix followed by red, green, blue, transparency and "\n".
std::string colourLine(std::string_view prefix, std::uint32_t colour, std::int32_t transparency);

} // namespace RecordValues
