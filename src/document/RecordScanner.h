#pragma once

#include <cstdint>
#include <string_view>

// Reads the values of one record line the way formatted scanning does:
// "%ld" skips a run of white space, takes an optional sign and at least one
// digit; "%s" skips white space and takes one word; a white-space character of
// a literal matches any run of white space (none included). Numbers must fit in
// 32 bits, otherwise the value is not read. Text ends at the end of the view or
// at a NUL byte, as it would for a C string.
class RecordScanner {
public:
    explicit RecordScanner(std::string_view text);

    // Matches literal characters; true when all of them matched.
    bool literal(std::string_view format);
    bool number(std::int32_t& value);
    // Like number, but 64-bit with saturation: used where any size must be
    // handled without overflow (the data file count of a skin).
    bool wideNumber(std::int64_t& value);
    bool word(std::string_view& value);
    // Reads count numbers in a row; false unless all were read.
    bool numbers(std::int32_t* values, int count);

    std::size_t position() const { return pos; }

    static bool isSpace(char c)
    {
        return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
    }

private:
    void skipSpace();
    bool atEnd() const { return pos >= text.size() || text[pos] == '\0'; }

    std::string_view text;
    std::size_t pos = 0;
};
