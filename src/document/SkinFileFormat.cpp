#include "SkinFileFormat.h"

#include "RecordScanner.h"
#include "SkinTypes.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

namespace SkinFileFormat {

namespace {

constexpr std::size_t firstLineLimit = 99;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// True when the line's leading number (white space, sign and leading zeros
// allowed) is 5. Most lines are decided by their first character.
bool leadsWithFive(std::string_view line)
{
    if (line.empty())
        return false;
    const char first = line[0];
    if (first == '5')
        return line.size() == 1 || !isDigit(line[1]);
    if (isDigit(first) && first != '0')
        return false;
    std::int64_t leading = 0;
    return RecordScanner(line).wideNumber(leading) && leading == 5;
}

// The fifth word of a line whose leading number is 5, read as a number; -1
// for any other line.
std::int64_t pictureFileNumber(std::string_view line)
{
    if (!leadsWithFive(line))
        return -1;
    RecordScanner words(line);
    std::string_view word;
    for (int i = 0; i < 4; ++i) {
        if (!words.word(word))
            return -1;
    }
    std::int64_t file = -1;
    if (!words.word(word) || !RecordScanner(word).wideNumber(file))
        return -1;
    return file;
}

} // namespace

bool hasSkinMagic(std::span<const std::uint8_t> text)
{
    std::size_t length = 0;
    while (length < text.size() && length < firstLineLimit && text[length] != '\0') {
        ++length;
        if (text[length - 1] == '\n')
            break;
    }
    const std::string_view firstLine(reinterpret_cast<const char*>(text.data()), length);
    // char_traits<char> compares as unsigned bytes, as strcmp does.
    return firstLine.compare("SKI1") >= 0;
}

SkinLines splitLines(std::span<const std::uint8_t> text)
{
    const char* data = reinterpret_cast<const char*>(text.data());
    const std::size_t size = text.size();
    SkinLines result;
    std::vector<std::string>& lines = result.lines;
    lines.reserve(static_cast<std::size_t>(std::count(data, data + size, '\n')) + 1);
    std::int64_t largestFile = -1;
    std::size_t start = 0;
    while (start < size) {
        const std::size_t limit = std::min(size - start, std::size_t(maximumLineLength));
        const void* feed = std::memchr(data + start, '\n', limit);
        const std::size_t length = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - (data + start)) + 1 : limit;
        const std::string_view line(data + start, length);
        if (!lines.empty())
            largestFile = std::max(largestFile, pictureFileNumber(line));
        lines.emplace_back(line);
        start += length;
    }
    if (!lines.empty() && lines.back().back() != '\n') {
        if (lines.back().size() < std::size_t(maximumLineLength))
            lines.back().push_back('\n');
        else
            lines.emplace_back("\n");
    }
    result.neededDataFiles = largestFile == std::numeric_limits<std::int64_t>::max() ? largestFile : largestFile + 1;
    return result;
}

std::string dataFileName(const std::string& base, std::int64_t file)
{
    return file == 0 ? base + ".dat" : base + std::to_string(file) + ".dat";
}

std::string loadBaseName(const std::string& path)
{
    return path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string();
}

std::string saveBaseName(const std::string& path)
{
    const auto dot = path.rfind('.');
    return dot == std::string::npos ? path : path.substr(0, dot);
}

std::string savedSkinPath(const std::string& path)
{
    return saveBaseName(path) + ".ski";
}

} // namespace SkinFileFormat
