#include "document/LanguageTable.h"

#include "document/FileIo.h"

#include <cstdint>
#include <limits>
#include <string_view>

namespace {

constexpr std::string_view headerLine = "[Lang]";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The header test compares the first line, line end included, byte by byte
// (unsigned, ending at a zero byte as a C string would) and refuses only a
// line that sorts before "[Lang]". So "[Lang]" passes, and so does anything
// that sorts after it.
bool headerAccepted(std::string_view firstLine)
{
    const std::size_t zero = firstLine.find('\0');
    // char_traits<char> compares as unsigned bytes, as strcmp does.
    return firstLine.substr(0, zero).compare(headerLine) >= 0;
}

// The leading decimal number of a line that starts with a digit; false when
// it does not fit an int (such a line can never match a wanted number).
bool leadingNumber(const std::string& line, int& number)
{
    std::int64_t value = 0;
    for (char c : line) {
        if (!isDigit(c))
            break;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<int>::max())
            return false;
    }
    number = static_cast<int>(value);
    return true;
}

} // namespace

bool LanguageTable::load(const std::string& path)
{
    clear();

    std::vector<std::uint8_t> bytes;
    if (readWholeFile(path, bytes) < 0)
        return false;
    const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());

    // The first line as read, with its line end (a text-mode read turns CR LF into LF).
    const std::size_t firstEnd = content.find('\n');
    std::string firstLine(content.substr(0, firstEnd));
    if (firstEnd != std::string_view::npos) {
        if (!firstLine.empty() && firstLine.back() == '\r')
            firstLine.pop_back();
        firstLine.push_back('\n');
    }
    if (!headerAccepted(firstLine))
        return false;

    // Only lines that end in a line end are kept: a final piece without one is dropped.
    std::vector<std::string> kept;
    std::size_t start = 0;
    for (std::size_t end = content.find('\n'); end != std::string_view::npos;
         start = end + 1, end = content.find('\n', start)) {
        std::string_view line = content.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        kept.emplace_back(line);
    }

    lines = std::move(kept);
    loadedPath = path;
    return true;
}

std::string LanguageTable::text(int number) const
{
    for (const std::string& line : lines) {
        if (line.empty() || !isDigit(line.front()))
            continue;
        int lineNumber = 0;
        if (!leadingNumber(line, lineNumber) || lineNumber != number)
            continue;
        // A numbered line without "=" carries no text; a later line may.
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos)
            continue;
        return line.substr(equals + 1);
    }
    return missingText;
}

void LanguageTable::clear()
{
    lines.clear();
    lines.shrink_to_fit();
    loadedPath.clear();
}
