#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// For each record key of a line table (as a number, RecordKey::OfLine::code):
// the index of the first line with that key and how many lines have it. An
// open-addressing hash table in one array, so that a lookup touches one or
// two cache lines and moving every index after an inserted or removed line
// is one pass over that array.
class KeyIndex {
public:
    struct Entry {
        int first = 0;
        int count = 0;
    };

    void clear();
    // Room for keys keys without growing.
    void reserve(std::size_t keys);
    std::size_t size() const { return used; }

    // The entry of key; nullptr when no line has it.
    const Entry* find(std::uint64_t key) const;
    Entry* find(std::uint64_t key);
    // One more line with key, at index (the entry's first becomes index when
    // that comes earlier).
    void add(std::uint64_t key, int index);
    // Drops the entry of key.
    void remove(std::uint64_t key);
    // Every first of index or later moves by delta.
    void shiftFrom(int index, int delta);

private:
    struct Cell {
        std::uint64_t key;
        Entry entry;
    };
    static constexpr std::uint64_t emptyKey = ~std::uint64_t(0);

    std::size_t home(std::uint64_t key) const;
    std::size_t cellOf(std::uint64_t key) const; // the key's cell, or an empty one
    void grow(std::size_t capacity);

    std::vector<Cell> cells;
    std::size_t used = 0;
    int shift = 64; // 64 - log2 of the capacity
};
