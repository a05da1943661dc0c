#include "document/RecordValues.h"

#include "document/RecordKey.h"

#include <limits>

namespace RecordValues {

RecordScanner after(std::string_view line, std::string_view key)
{
    return RecordScanner(line.substr(key.size()));
}

SkinColour readColour(RecordScanner& scanner, bool transparencyInColour)
{
    std::int32_t v[4];
    if (!scanner.numbers(v, 4))
        return {};
    std::uint32_t colour = makeColour(v[0], v[1], v[2]);
    if (transparencyInColour)
        colour |= (std::uint32_t(v[3]) & 0xFF) << 24;
    return {colour, v[3]};
}

bool readStoredRect(RecordScanner& scanner, std::int32_t (&stored)[4])
{
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    // One past the last pixel must fit.
    return scanner.numbers(stored, 4) && stored[2] != largest && stored[3] != largest;
}

SkinRect readRect(RecordScanner& scanner)
{
    std::int32_t v[4];
    if (!readStoredRect(scanner, v))
        return {};
    return {v[0], v[1], v[2] + 1, v[3] + 1};
}

bool storable(const SkinRect& rect)
{
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    return rect.right != lowest && rect.bottom != lowest;
}

std::string rectLine(std::string_view prefix, const SkinRect& rect)
{
    return RecordKey::numberLine(prefix, {rect.left, rect.top, std::int64_t(rect.right) - 1, std::int64_t(rect.bottom) - 1});
}

std::string colourLine(std::string_view prefix, std::uint32_t colour, std::int32_t transparency)
{
    return RecordKey::numberLine(prefix, {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, transparency});
}

} // namespace RecordValues
