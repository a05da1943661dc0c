#pragma once

#include "document/DenseKeys.h"
#include "document/HashedKeys.h"
#include "document/KeyEntry.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// For each record key of a line table (RecordKey::OfLine::code): the index of
// the first line with that key, and whether more lines may have it. Held
// densely by id while a skin's ids lie close together (they do: elements are
// numbered in runs), so that indexing a skin from the top walks the memory in
// order; hashed once they spread out, so that no skin can make it large.
class KeyIndex {
public:
    static constexpr int largestLine = KeyEntry::largestLine;
    using Entry = KeyEntry;

    void clear();
    // About keys keys are coming.
    void reserve(std::size_t keys);

    std::optional<Entry> find(std::uint64_t key) const { return isHashed ? hashed.find(key) : dense.find(key); }
    // One more line with key, at index (0..largestLine); the key's first line
    // after that.
    int add(std::uint64_t key, int index)
    {
        int first = index;
        if (!isHashed && dense.addWithin(key, index, first))
            return first;
        return addElsewhere(key, index);
    }
    // The key's first line becomes index; more stays as it was.
    void setFirst(std::uint64_t key, int index);
    void remove(std::uint64_t key);
    // Every first of index or later moves by delta.
    void shiftFrom(int index, int delta);
    // Whether prefetch is worth a call: a hashed index larger than the
    // caches answers a run of keys fetched together much faster.
    bool wantsPrefetch() const { return isHashed; }
    // Asks the processor to fetch the place of key.
    void prefetch(std::uint64_t key) const;

private:
    // The dense form holds at most 32 bytes of cells per key (expected or held).
    std::size_t mostDenseCells() const;
    void hashAll();
    int addElsewhere(std::uint64_t key, int index);

    DenseKeys dense;
    HashedKeys hashed;
    bool isHashed = false;
    std::size_t expected = 0;
};
