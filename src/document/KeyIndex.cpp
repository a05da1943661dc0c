#include "document/KeyIndex.h"

#include <bit>

namespace {

constexpr std::size_t smallestCapacity = 16;

// At most 7 keys in 10 cells: probes stay short, also for keys not there
// (the usual case: most getters of an edited skin fall back).
bool tooFull(std::size_t keys, std::size_t capacity)
{
    return keys * 10 > capacity * 7;
}

} // namespace

void KeyIndex::clear()
{
    std::vector<Cell>().swap(cells);
    used = 0;
    shift = 64;
}

void KeyIndex::reserve(std::size_t keys)
{
    std::size_t capacity = smallestCapacity;
    while (tooFull(keys, capacity))
        capacity *= 2;
    if (capacity > cells.size())
        grow(capacity);
}

std::size_t KeyIndex::home(std::uint64_t key) const
{
    // Fibonacci hashing: consecutive ids land far apart.
    return std::size_t((key * 0x9E3779B97F4A7C15ull) >> shift);
}

std::size_t KeyIndex::cellOf(std::uint64_t key) const
{
    const std::size_t mask = cells.size() - 1;
    std::size_t at = home(key);
    while (cells[at].key != key && cells[at].key != emptyKey)
        at = (at + 1) & mask;
    return at;
}

const KeyIndex::Entry* KeyIndex::find(std::uint64_t key) const
{
    if (used == 0)
        return nullptr;
    const Cell& cell = cells[cellOf(key)];
    return cell.key == key ? &cell.entry : nullptr;
}

KeyIndex::Entry* KeyIndex::find(std::uint64_t key)
{
    return const_cast<Entry*>(static_cast<const KeyIndex*>(this)->find(key));
}

void KeyIndex::add(std::uint64_t key, int index)
{
    if (cells.empty() || tooFull(used + 1, cells.size()))
        grow(cells.empty() ? smallestCapacity : cells.size() * 2);
    Cell& cell = cells[cellOf(key)];
    if (cell.key == key) {
        ++cell.entry.count;
        if (index < cell.entry.first)
            cell.entry.first = index;
        return;
    }
    cell = {key, {index, 1}};
    ++used;
}

void KeyIndex::remove(std::uint64_t key)
{
    if (used == 0)
        return;
    const std::size_t mask = cells.size() - 1;
    std::size_t hole = cellOf(key);
    if (cells[hole].key != key)
        return;
    // Linear probing without tombstones: later keys of the same run move
    // back into the hole when their home allows it.
    for (std::size_t next = (hole + 1) & mask; cells[next].key != emptyKey; next = (next + 1) & mask) {
        const std::size_t wanted = home(cells[next].key);
        // Moves when its home does not lie cyclically in (hole, next].
        const bool movable = hole <= next ? (wanted <= hole || wanted > next) : (wanted <= hole && wanted > next);
        if (movable) {
            cells[hole] = cells[next];
            hole = next;
        }
    }
    cells[hole].key = emptyKey;
    --used;
}

void KeyIndex::shiftFrom(int index, int delta)
{
    for (Cell& cell : cells) {
        if (cell.key != emptyKey && cell.entry.first >= index)
            cell.entry.first += delta;
    }
}

void KeyIndex::grow(std::size_t capacity)
{
    std::vector<Cell> old(capacity, Cell {emptyKey, {}});
    old.swap(cells);
    shift = 64 - std::countr_zero(capacity);
    const std::size_t mask = capacity - 1;
    for (const Cell& cell : old) {
        if (cell.key == emptyKey)
            continue;
        std::size_t at = home(cell.key);
        while (cells[at].key != emptyKey)
            at = (at + 1) & mask;
        cells[at] = cell;
    }
}
