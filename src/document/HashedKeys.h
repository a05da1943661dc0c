#pragma once

#include "document/KeyEntry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// An index of record keys (KeyEntry) for any ids: an open-addressing hash
// table of one 8-byte cell per key in one array, so that a lookup touches one
// cache line and moving every index after an inserted or removed line is one
// pass over that array.
class HashedKeys {
public:
    void clear();
    // Room for keys keys without growing.
    void reserve(std::size_t keys);

    std::optional<KeyEntry> find(std::uint64_t key) const;
    // One more line with key, at index (0..KeyEntry::largestLine); the key's
    // first line after that.
    int add(std::uint64_t key, int index);
    // The key's first line becomes index; more stays as it was.
    void setFirst(std::uint64_t key, int index);
    void remove(std::uint64_t key);
    // Every first of index or later moves by delta.
    void shiftFrom(int index, int delta);
    // Asks the processor to fetch the place of key: a table larger than the
    // caches answers a run of keys prefetched together several times faster.
    void prefetch(std::uint64_t key) const;
    // Calls visit(key, entry) for every key.
    template <class Visit>
    void forEach(const Visit& visit) const
    {
        for (const std::uint64_t cell : cells) {
            if (cell != emptyCell)
                visit(keyOf(cell), KeyEntry {int(cell >> firstShift), (cell >> moreBit & 1) != 0});
        }
    }

private:
    // A cell: the key in bits 0-34, more in bit 35, first in bits 36-63.
    static constexpr int moreBit = 35;
    static constexpr int firstShift = 36;
    static constexpr std::uint64_t keyMask = (std::uint64_t(1) << moreBit) - 1;
    // Type 7 does not exist: no key has all of bits 0-34 set.
    static constexpr std::uint64_t emptyCell = ~std::uint64_t(0);

    static std::uint64_t keyOf(std::uint64_t cell) { return cell & keyMask; }
    static std::uint64_t processMultiplier();

    std::size_t home(std::uint64_t key) const;
    std::size_t cellOf(std::uint64_t key) const; // the key's cell, or an empty one
    void grow(std::size_t capacity);

    std::vector<std::uint64_t> cells;
    std::size_t used = 0;
    int shift = 64; // 64 - log2 of the capacity
    std::uint64_t multiplier = processMultiplier();
};
