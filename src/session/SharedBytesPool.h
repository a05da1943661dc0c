#pragma once

#include "document/DocumentChange.h"

#include <cstddef>
#include <unordered_map>

// Picture bytes that recorded changes hold, kept once: the same bytes stored
// a thousand times (a picture replaced again and again, given back, replaced
// once more) are one buffer shared by every change that holds them.
class SharedBytesPool {
public:
    // Points every byte buffer of change at the pool's copy of the same
    // bytes, adding those the pool does not hold yet.
    void intern(DocumentChange& change);
    // Buffers the pool knows that are still held somewhere.
    std::size_t liveBuffers();

private:
    SharedBytes intern(const SharedBytes& bytes);

    std::unordered_multimap<std::size_t, std::weak_ptr<const std::vector<std::uint8_t>>> buffers;
    std::size_t internedSinceSweep = 0;
};
