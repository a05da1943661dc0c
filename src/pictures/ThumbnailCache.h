#pragma once

#include <QImage>
#include <QSize>

#include <cstddef>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

// Small pictures for a list, decoded once per picture: the images page asks
// for every row's thumbnail each time it fills its list, and most rows show
// bytes it has decoded before (the default skin's, or the same picture under
// several ids). Entries are kept by the picture's bytes.
class ThumbnailCache {
public:
    // The longest side of a thumbnail.
    static constexpr int side = 32;
    // Beyond this many pictures the cache starts afresh.
    static constexpr std::size_t capacity = 1024;

    struct Entry {
        QImage thumbnail; // the first frame fitted into side x side (alpha kept); null when the bytes do not decode
        QSize size;       // the picture's own size; empty when it does not decode
    };

    // The entry of the picture; the reference holds until the next call.
    const Entry& lookup(std::span<const std::uint8_t> bytes);
    std::size_t size() const { return count; }

private:
    struct Held {
        std::vector<std::uint8_t> bytes;
        Entry entry;
    };
    static Entry make(std::span<const std::uint8_t> bytes);

    std::unordered_map<std::size_t, std::vector<Held>> entries; // by the bytes' hash
    std::size_t count = 0;
};
