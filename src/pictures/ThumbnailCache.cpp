#include "pictures/ThumbnailCache.h"

#include "pictures/ImageDecoding.h"

#include <algorithm>
#include <functional>
#include <string_view>

const ThumbnailCache::Entry& ThumbnailCache::lookup(std::span<const std::uint8_t> bytes)
{
    const std::size_t hash =
        std::hash<std::string_view>()(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (count >= capacity && !entries.contains(hash)) {
        entries.clear();
        count = 0;
    }
    std::vector<Held>& bucket = entries[hash];
    for (const Held& held : bucket)
        if (std::equal(held.bytes.begin(), held.bytes.end(), bytes.begin(), bytes.end()))
            return held.entry;
    bucket.push_back({std::vector<std::uint8_t>(bytes.begin(), bytes.end()), make(bytes)});
    ++count;
    return bucket.back().entry;
}

ThumbnailCache::Entry ThumbnailCache::make(std::span<const std::uint8_t> bytes)
{
    const QImage picture = imagedecoding::decode(bytes);
    if (picture.isNull())
        return {};
    const QSize size = picture.size();
    // Smaller pictures grow by whole pixels, so that drawn art stays sharp.
    if (size.width() <= side && size.height() <= side) {
        const int factor = std::max(1, std::min(side / size.width(), side / size.height()));
        return {picture.scaled(size * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation), size};
    }
    return {picture.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation), size};
}
