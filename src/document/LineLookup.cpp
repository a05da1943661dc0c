#include "document/LineLookup.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

bool keyHasWildcard(std::string_view key)
{
    return key.find('*') != std::string_view::npos;
}

bool matchesWithWildcards(const std::string& line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    for (std::size_t j = 0; j < key.size(); ++j) {
        if (key[j] != '*' && key[j] != line[j])
            return false;
    }
    return true;
}

} // namespace

int findFirstLine(std::span<const std::string> lines, std::string_view key)
{
    const int count = static_cast<int>(lines.size());
    if (count <= 0)
        return -1;
    const std::size_t length = key.size();
    if (length == 0)
        return 0;
    if (keyHasWildcard(key)) {
        for (int i = 0; i < count; ++i) {
            if (matchesWithWildcards(lines[i], key))
                return i;
        }
        return -1;
    }
    // The hot path of every getter: a prefix compare per line, no allocation.
    // Lines of 8 characters or more are first compared as one 8-byte word.
    const std::size_t head = std::min<std::size_t>(length, 8);
    std::uint64_t keyWord = 0;
    std::memcpy(&keyWord, key.data(), head);
    const std::uint64_t mask = head == 8 ? ~std::uint64_t(0) : (std::uint64_t(1) << (8 * head)) - 1;
    const std::string* table = lines.data();
    for (int i = 0; i < count; ++i) {
        const std::string& line = table[i];
        const std::size_t size = line.size();
        if (size >= 8) {
            std::uint64_t word;
            std::memcpy(&word, line.data(), 8);
            if (((word ^ keyWord) & mask) != 0)
                continue;
            if (length <= 8 || std::memcmp(line.data() + 8, key.data() + 8, length - 8) == 0)
                return i;
        } else if (size >= length && std::memcmp(line.data(), key.data(), length) == 0) {
            return i;
        }
    }
    return -1;
}
