#pragma once

#include "document/SkinTypes.h"

#include <charconv>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

// The lookup key of a record ("T id ": type digit, space, id, space) built in
// a small fixed buffer, so that getters look records up without allocating,
// and the record lines written by the setters.
class RecordKey {
public:
    RecordKey(RecordType type, ElementId id)
    {
        buffer[0] = static_cast<char>('0' + static_cast<int>(type));
        buffer[1] = ' ';
        char* end = std::to_chars(buffer + 2, buffer + sizeof buffer, id).ptr;
        *end++ = ' ';
        length = static_cast<std::size_t>(end - buffer);
    }

    std::string_view view() const { return {buffer, length}; }

    // The key a line starts with, when a getter's key matches it: the type
    // digit 0..6, a space, the id exactly as "%ld" prints it (no sign but a
    // minus, no leading zero, 32 bits) and a space. A line matches a getter's
    // key exactly when it starts with one, so this key is the only one that
    // finds it. length: the key's length in the line.
    struct OfLine {
        RecordType type;
        ElementId id;
        std::size_t length;
        // One number per key, for indexes.
        std::uint64_t code() const { return std::uint64_t(type) << 32 | std::uint32_t(id); }
    };
    static std::optional<OfLine> of(std::string_view line)
    {
        if (line.size() < 4 || line[0] < '0' || line[0] > '6' || line[1] != ' ')
            return std::nullopt;
        std::size_t pos = 2;
        const bool negative = line[pos] == '-';
        if (negative)
            ++pos;
        const std::size_t first = pos;
        std::int64_t value = 0;
        for (; pos < line.size() && line[pos] >= '0' && line[pos] <= '9'; ++pos) {
            if (pos - first < 11)
                value = value * 10 + (line[pos] - '0');
        }
        const std::size_t digits = pos - first;
        if (digits == 0 || digits > 10 || pos == line.size() || line[pos] != ' '
            || (line[first] == '0' && (digits > 1 || negative)))
            return std::nullopt;
        value = negative ? -value : value;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return OfLine {RecordType(line[0] - '0'), ElementId(value), pos + 1};
    }

    // The key followed by the numbers separated by single spaces and "\n".
    std::string line(std::initializer_list<std::int64_t> values) const
    {
        return numberLine(view(), values);
    }
    // The key followed by text and "\n".
    std::string line(std::string_view text) const
    {
        std::string result;
        result.reserve(length + text.size() + 1);
        result.append(view()).append(text).push_back('\n');
        return result;
    }

    // prefix followed by the numbers separated by single spaces and "\n"
    // (prefix ends in its own separator, as keys and "1 " / "4 " items do).
    static std::string numberLine(std::string_view prefix, std::initializer_list<std::int64_t> values)
    {
        std::string result;
        result.reserve(prefix.size() + values.size() * 12 + 1);
        result.append(prefix);
        bool first = true;
        for (std::int64_t value : values) {
            if (!first)
                result.push_back(' ');
            first = false;
            char digits[24];
            char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
            result.append(digits, end);
        }
        result.push_back('\n');
        return result;
    }

private:
    char buffer[16] {}; // "T " + at most 11 characters of a 32-bit id + " "
    std::size_t length = 0;
};
