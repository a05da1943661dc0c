#include "document/KeyIndex.h"

#include <algorithm>

namespace {

// Below this many cells (256 KB) the dense form is always allowed.
constexpr std::size_t smallestDenseLimit = 65536;

} // namespace

void KeyIndex::clear()
{
    dense.clear();
    hashed.clear();
    isHashed = false;
    expected = 0;
}

void KeyIndex::reserve(std::size_t keys)
{
    expected = std::max(expected, keys);
    if (isHashed)
        hashed.reserve(keys);
}

std::size_t KeyIndex::mostDenseCells() const
{
    return std::max(smallestDenseLimit, 8 * std::max(expected, dense.size() + 1));
}

void KeyIndex::hashAll()
{
    hashed.reserve(std::max(expected, dense.size() + 1));
    dense.forEach([this](std::uint64_t key, const KeyEntry& entry) {
        hashed.add(key, entry.first);
        if (entry.more)
            hashed.add(key, entry.first); // marks more
    });
    dense.clear();
    isHashed = true;
}

int KeyIndex::addElsewhere(std::uint64_t key, int index)
{
    if (!isHashed) {
        int first = index;
        if (dense.add(key, index, mostDenseCells(), first))
            return first;
        hashAll();
    }
    return hashed.add(key, index);
}

void KeyIndex::setFirst(std::uint64_t key, int index)
{
    if (isHashed)
        hashed.setFirst(key, index);
    else
        dense.setFirst(key, index);
}

void KeyIndex::remove(std::uint64_t key)
{
    if (isHashed)
        hashed.remove(key);
    else
        dense.remove(key);
}

void KeyIndex::shiftFrom(int index, int delta)
{
    if (isHashed)
        hashed.shiftFrom(index, delta);
    else
        dense.shiftFrom(index, delta);
}

void KeyIndex::prefetch(std::uint64_t key) const
{
    if (isHashed)
        hashed.prefetch(key);
}
