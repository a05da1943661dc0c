#pragma once

#include "document/SkinTypes.h"

#include <charconv>
#include <cstdint>
#include <initializer_list>
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
