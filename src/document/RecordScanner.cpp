#include "document/RecordScanner.h"

#include <algorithm>
#include <limits>

RecordScanner::RecordScanner(std::string_view text)
    : text(text)
{
}

void RecordScanner::skipSpace()
{
    while (!atEnd() && isSpace(text[pos]))
        ++pos;
}

bool RecordScanner::literal(std::string_view format)
{
    for (char f : format) {
        if (isSpace(f)) {
            skipSpace();
            continue;
        }
        if (atEnd() || text[pos] != f)
            return false;
        ++pos;
    }
    return true;
}

bool RecordScanner::wideNumber(std::int64_t& value)
{
    skipSpace();
    std::size_t at = pos;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Accumulate as a negative number so that the most negative value fits.
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    constexpr std::int64_t lowestTenth = lowest / 10;
    constexpr int lowestLastDigit = -int(lowest % 10);
    // 18 digits never overflow: no check for them (every value of a skin).
    constexpr std::size_t safeDigits = 18;
    std::int64_t result = 0;
    bool saturated = false;
    const std::size_t firstDigit = at;
    const std::size_t safeEnd = std::min(text.size(), at + safeDigits);
    while (at < safeEnd && text[at] >= '0' && text[at] <= '9')
        result = result * 10 - (text[at++] - '0');
    while (at < text.size() && text[at] >= '0' && text[at] <= '9') {
        const int digit = text[at] - '0';
        if (result < lowestTenth || (result == lowestTenth && digit > lowestLastDigit))
            saturated = true;
        else
            result = result * 10 - digit;
        ++at;
    }
    if (at == firstDigit)
        return false;
    pos = at;
    if (saturated)
        value = negative ? lowest : std::numeric_limits<std::int64_t>::max();
    else if (negative)
        value = result;
    else
        value = result == lowest ? std::numeric_limits<std::int64_t>::max() : -result;
    return true;
}

bool RecordScanner::number(std::int32_t& value)
{
    std::int64_t wide = 0;
    if (!wideNumber(wide))
        return false;
    if (wide < std::numeric_limits<std::int32_t>::min() || wide > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(wide);
    return true;
}

bool RecordScanner::numbers(std::int32_t* values, int count)
{
    for (int i = 0; i < count; ++i) {
        if (!number(values[i]))
            return false;
    }
    return true;
}

bool RecordScanner::word(std::string_view& value)
{
    skipSpace();
    const std::size_t start = pos;
    while (!atEnd() && !isSpace(text[pos]))
        ++pos;
    if (pos == start)
        return false;
    value = text.substr(start, pos - start);
    return true;
}
