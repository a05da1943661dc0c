#include "document/HashedKeys.h"

#include <algorithm>
#include <bit>
#include <random>

namespace {

constexpr std::size_t smallestCapacity = 16;

// At most 7 keys in 10 cells: probes stay short, also for keys not there
// (the usual case: most getters of an edited skin fall back).
bool tooFull(std::size_t keys, std::size_t capacity)
{
    return keys * 10 > capacity * 7;
}

} // namespace

void HashedKeys::clear()
{
    std::vector<std::uint64_t>().swap(cells);
    used = 0;
    shift = 64;
}

void HashedKeys::reserve(std::size_t keys)
{
    std::size_t capacity = smallestCapacity;
    while (tooFull(keys, capacity))
        capacity *= 2;
    if (capacity > cells.size())
        grow(capacity);
}

std::uint64_t HashedKeys::processMultiplier()
{
    // Odd and drawn once per process: a skin cannot be written so that its
    // keys pile up on one place of every table.
    static const std::uint64_t multiplier = [] {
        std::random_device device;
        return (std::uint64_t(device()) << 32 | device()) | 1;
    }();
    return multiplier;
}

std::size_t HashedKeys::home(std::uint64_t key) const
{
    // Multiply-shift hashing: consecutive ids land far apart.
    return std::size_t((key * multiplier) >> shift);
}

void HashedKeys::prefetch(std::uint64_t key) const
{
    if (!cells.empty())
        __builtin_prefetch(&cells[home(key)]);
}

std::size_t HashedKeys::cellOf(std::uint64_t key) const
{
    const std::size_t mask = cells.size() - 1;
    std::size_t at = home(key);
    while (cells[at] != emptyCell && keyOf(cells[at]) != key)
        at = (at + 1) & mask;
    return at;
}

std::optional<KeyEntry> HashedKeys::find(std::uint64_t key) const
{
    if (used == 0)
        return std::nullopt;
    const std::uint64_t cell = cells[cellOf(key)];
    if (cell == emptyCell)
        return std::nullopt;
    return KeyEntry {int(cell >> firstShift), (cell >> moreBit & 1) != 0};
}

int HashedKeys::add(std::uint64_t key, int index)
{
    if (cells.empty() || tooFull(used + 1, cells.size()))
        grow(cells.empty() ? smallestCapacity : cells.size() * 2);
    std::uint64_t& cell = cells[cellOf(key)];
    if (cell == emptyCell) {
        cell = key | std::uint64_t(index) << firstShift;
        ++used;
        return index;
    }
    const int first = std::min(int(cell >> firstShift), index);
    cell = key | std::uint64_t(1) << moreBit | std::uint64_t(first) << firstShift;
    return first;
}

void HashedKeys::setFirst(std::uint64_t key, int index)
{
    if (used == 0)
        return;
    std::uint64_t& cell = cells[cellOf(key)];
    if (cell != emptyCell)
        cell = (cell & ((std::uint64_t(1) << firstShift) - 1)) | std::uint64_t(index) << firstShift;
}

void HashedKeys::remove(std::uint64_t key)
{
    if (used == 0)
        return;
    const std::size_t mask = cells.size() - 1;
    std::size_t hole = cellOf(key);
    if (cells[hole] == emptyCell)
        return;
    // Linear probing without tombstones: later keys of the same run move
    // back into the hole when their home allows it.
    for (std::size_t next = (hole + 1) & mask; cells[next] != emptyCell; next = (next + 1) & mask) {
        const std::size_t wanted = home(keyOf(cells[next]));
        // Moves when its home does not lie cyclically in (hole, next].
        const bool movable = hole < next ? (wanted <= hole || wanted > next) : (wanted <= hole && wanted > next);
        if (movable) {
            cells[hole] = cells[next];
            hole = next;
        }
    }
    cells[hole] = emptyCell;
    --used;
}

void HashedKeys::shiftFrom(int index, int delta)
{
    const std::uint64_t step = std::uint64_t(std::int64_t(delta)) << firstShift;
    for (std::uint64_t& cell : cells) {
        if (cell != emptyCell && int(cell >> firstShift) >= index)
            cell += step;
    }
}

void HashedKeys::grow(std::size_t capacity)
{
    std::vector<std::uint64_t> old(capacity, emptyCell);
    old.swap(cells);
    shift = 64 - std::countr_zero(capacity);
    const std::size_t mask = capacity - 1;
    for (const std::uint64_t cell : old) {
        if (cell == emptyCell)
            continue;
        std::size_t at = home(keyOf(cell));
        while (cells[at] != emptyCell)
            at = (at + 1) & mask;
        cells[at] = cell;
    }
}
