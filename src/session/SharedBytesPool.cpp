#include "session/SharedBytesPool.h"

#include <functional>
#include <string_view>

namespace {

std::size_t hashOf(const std::vector<std::uint8_t>& bytes)
{
    return std::hash<std::string_view>()(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace

void SharedBytesPool::intern(DocumentChange& change)
{
    for (DocumentChange::Step& step : change.allSteps()) {
        if (auto* bytes = std::get_if<DocumentChange::ByteStep>(&step)) {
            bytes->removed = intern(bytes->removed);
            bytes->inserted = intern(bytes->inserted);
        }
    }
    // Forgotten buffers are swept now and then, so that the pool stays as
    // small as what is still held.
    if (++internedSinceSweep > 256) {
        internedSinceSweep = 0;
        std::erase_if(buffers, [](const auto& entry) { return entry.second.expired(); });
    }
}

SharedBytes SharedBytesPool::intern(const SharedBytes& bytes)
{
    if (!bytes || bytes->empty())
        return bytes;
    const std::size_t hash = hashOf(*bytes);
    const auto [first, last] = buffers.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (SharedBytes held = it->second.lock(); held && *held == *bytes)
            return held;
    }
    buffers.emplace(hash, bytes);
    return bytes;
}

std::size_t SharedBytesPool::liveBuffers()
{
    std::erase_if(buffers, [](const auto& entry) { return entry.second.expired(); });
    return buffers.size();
}
