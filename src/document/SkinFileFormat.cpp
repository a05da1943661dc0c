#include "document/SkinFileFormat.h"

#include "document/FileIo.h"
#include "document/RecordScanner.h"
#include "document/SkinTypes.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <limits>
#include <string_view>

namespace SkinFileFormat {

namespace {

// Names of files beside the skin file stay short enough for any file system.
constexpr std::size_t longestSideName = 100;

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
std::int64_t pictureFileNumberOfAny(std::string_view line)
{
    if (!leadsWithFive(line))
        return -1;
    // Words are split by white space; the text ends at a NUL byte, as a C string would.
    const char* at = line.data();
    const char* end = at + line.size();
    if (const void* nul = std::memchr(at, '\0', line.size()))
        end = static_cast<const char*>(nul);
    const char* word = at;
    for (int i = 0; i < 5; ++i) {
        while (at != end && RecordScanner::isSpace(*at))
            ++at;
        if (at == end)
            return -1;
        word = at;
        while (at != end && !RecordScanner::isSpace(*at))
            ++at;
    }
    std::int64_t file = -1;
    if (!RecordScanner(std::string_view(word, std::size_t(at - word))).wideNumber(file))
        return -1;
    return file;
}

// The same, deciding most lines by their first character without a call.
inline std::int64_t pictureFileNumber(std::string_view line)
{
    const char first = line.empty() ? '\0' : line[0];
    if (first != '5' && first != '0' && isDigit(first))
        return -1;
    return pictureFileNumberOfAny(line);
}

// The line feeds in size bytes from data, counted in blocks whose counts fit
// a byte, so that the compiler counts many bytes at once.
std::size_t feedCount(const char* data, std::size_t size)
{
    std::size_t total = 0;
    while (size > 0) {
        const std::size_t block = std::min(size, std::size_t(255));
        std::uint8_t count = 0;
        for (std::size_t i = 0; i < block; ++i)
            count = std::uint8_t(count + (data[i] == '\n'));
        total += count;
        data += block;
        size -= block;
    }
    return total;
}

// One more than the largest file number, saturating.
std::int64_t countFromLargest(std::int64_t largestFile)
{
    return largestFile == std::numeric_limits<std::int64_t>::max() ? largestFile : largestFile + 1;
}

// The number part of a data file name of base ("" for "base.dat", "12" for
// "base12.dat"); nothing when name is no such file name.
std::optional<std::string_view> dataFileDigits(const std::string& name, const std::string& base)
{
    const std::string stem = fileNamePart(base);
    constexpr std::string_view extension = ".dat";
    if (name.size() < stem.size() + extension.size() || name.compare(0, stem.size(), stem) != 0
        || !name.ends_with(extension))
        return std::nullopt;
    const std::string_view number = std::string_view(name).substr(stem.size(), name.size() - stem.size() - extension.size());
    if (!std::all_of(number.begin(), number.end(), isDigit) || (!number.empty() && number[0] == '0'))
        return std::nullopt;
    return number;
}

} // namespace

bool hasSkinMagic(std::span<const std::uint8_t> text)
{
    // Every skin starts with "SKI1"; what follows on that line ("\r\n", a
    // note) does not matter. "hello" or "SKI2" is no skin of this kind.
    constexpr std::string_view magic = "SKI1";
    return text.size() >= magic.size() && std::equal(magic.begin(), magic.end(), text.begin());
}

SkinLines splitLines(std::vector<std::uint8_t> text)
{
    const char* data = reinterpret_cast<const char*>(text.data());
    const std::size_t size = text.size();
    std::vector<LineTable::Piece> pieces;
    pieces.reserve(feedCount(data, size) + 1);
    std::int64_t largestFile = -1;
    std::size_t start = 0;
    while (start < size) {
        const std::size_t limit = std::min(size - start, std::size_t(maximumLineLength));
        const void* feed = std::memchr(data + start, '\n', limit);
        const std::size_t length = feed ? static_cast<std::size_t>(static_cast<const char*>(feed) - (data + start)) + 1 : limit;
        if (!pieces.empty())
            largestFile = std::max(largestFile, pictureFileNumber(std::string_view(data + start, length)));
        pieces.push_back({start, length});
        start += length;
    }
    if (size > 0 && text.back() != '\n') {
        text.push_back('\n');
        if (pieces.back().length < std::size_t(maximumLineLength))
            ++pieces.back().length;
        else
            pieces.push_back({size, 1});
    }
    SkinLines result;
    result.lines = LineTable(std::move(text), std::move(pieces));
    result.neededDataFiles = countFromLargest(largestFile);
    return result;
}

std::int64_t neededDataFiles(const LineTable& lines)
{
    std::int64_t largestFile = -1;
    for (int i = 1; i < lines.size(); ++i)
        largestFile = std::max(largestFile, pictureFileNumber(lines.line(i)));
    return countFromLargest(largestFile);
}

std::string dataFileName(const std::string& base, std::int64_t file)
{
    return file == 0 ? base + ".dat" : base + std::to_string(file) + ".dat";
}

std::string loadBaseName(const std::string& path)
{
    return path.size() >= 4 ? path.substr(0, path.size() - 4) : std::string();
}

std::string savedSkinPath(const std::string& path)
{
    const std::string name = fileNamePart(path);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos)
        return path + ".ski";
    const std::string_view extension = std::string_view(name).substr(dot);
    constexpr std::string_view skinExtension = ".ski";
    const bool isSkinFile = extension.size() == skinExtension.size()
        && std::equal(extension.begin(), extension.end(), skinExtension.begin(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    if (isSkinFile)
        return path;
    return path.substr(0, path.size() - extension.size()) + std::string(skinExtension);
}

std::string saveBaseName(const std::string& path)
{
    return loadBaseName(savedSkinPath(path));
}

std::string journalPath(const std::string& skinPath)
{
    return folderPart(skinPath) + "." + fileNamePart(skinPath).substr(0, longestSideName) + ".commit";
}

bool isDataFileName(const std::string& name, const std::string& base)
{
    return dataFileDigits(name, base).has_value();
}

std::optional<std::int64_t> dataFileNumber(const std::string& name, const std::string& base)
{
    const std::optional<std::string_view> digits = dataFileDigits(name, base);
    if (!digits)
        return std::nullopt;
    std::int64_t file = 0;
    if (!digits->empty()
        && std::from_chars(digits->data(), digits->data() + digits->size(), file).ec != std::errc())
        return std::nullopt;
    return file;
}

} // namespace SkinFileFormat
