#pragma once

#include <cstdint>

// What an index of record keys knows of one key (RecordKey::OfLine::code:
// the type in bits 32-34, the id in bits 0-31).
struct KeyEntry {
    // Line indexes an index can hold; a longer table is not indexed.
    static constexpr int largestLine = (1 << 28) - 1;

    int first = 0; // the first line with the key
    // Set when a second line with the key was added; not cleared when one
    // goes (a lookup of the next one may then find none).
    bool more = false;
};
