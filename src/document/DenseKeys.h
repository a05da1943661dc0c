#pragma once

#include "document/KeyEntry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// An index of record keys (KeyEntry) whose ids lie close together, as a
// skin's do: one 4-byte cell per id and type, from the lowest id held to the
// highest, so that keys of consecutive ids are indexed and looked up along
// the memory instead of at random places. It turns away a key that would
// make it hold more cells than its caller allows.
class DenseKeys {
public:
    void clear();
    std::size_t size() const { return used; }

    std::optional<KeyEntry> find(std::uint64_t key) const
    {
        const std::int64_t at = place(key);
        if (at < 0 || cells[std::size_t(at)] == 0)
            return std::nullopt;
        return entryOf(cells[std::size_t(at)]);
    }
    // add, for a key whose id the cells already reach; false (nothing
    // changed) for another.
    bool addWithin(std::uint64_t key, int index, int& first)
    {
        const std::int64_t at = place(key);
        if (at < 0)
            return false;
        addAt(std::size_t(at), index, first);
        return true;
    }
    // One more line with key, at index (0..KeyEntry::largestLine); first: the
    // key's first line after that. False, and nothing changed, when the
    // cells would have to grow past mostCells to take the key.
    [[nodiscard]] bool add(std::uint64_t key, int index, std::size_t mostCells, int& first);
    // The key's first line becomes index; more stays as it was.
    void setFirst(std::uint64_t key, int index);
    void remove(std::uint64_t key);
    // Every first of index or later moves by delta.
    void shiftFrom(int index, int delta);

    // Calls visit(key, entry) for every key.
    template <class Visit>
    void forEach(const Visit& visit) const
    {
        for (std::size_t at = 0; at < cells.size(); ++at) {
            if (cells[at] != 0)
                visit(keyAt(at), entryOf(cells[at]));
        }
    }

private:
    // A cell: 0 for no key, else the first line + 1 in bits 0-30 and more in bit 31.
    static constexpr std::uint32_t moreBit = std::uint32_t(1) << 31;
    static constexpr int typesPerId = 8;

    static KeyEntry entryOf(std::uint32_t cell) { return {int(cell & ~moreBit) - 1, (cell & moreBit) != 0}; }
    // The key's cell, or -1 when its id lies outside the cells.
    std::int64_t place(std::uint64_t key) const
    {
        const std::int64_t offset = std::int64_t(std::int32_t(std::uint32_t(key))) - lowestId;
        if (offset < 0 || offset >= std::int64_t(cells.size() / typesPerId))
            return -1;
        return offset * typesPerId + std::int64_t(key >> 32);
    }
    void addAt(std::size_t at, int index, int& first);
    std::uint64_t keyAt(std::size_t at) const;
    // Makes the cells reach id; false when they would exceed mostCells.
    bool reach(std::int64_t id, std::size_t mostCells);

    std::vector<std::uint32_t> cells;
    std::int64_t lowestId = 0; // the id of cells 0..7
    std::size_t used = 0;
};
