#include "document/DenseKeys.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::int64_t lowestPossibleId = INT32_MIN;
constexpr std::int64_t highestPossibleId = INT32_MAX;
// Ids the cells first cover.
constexpr std::int64_t firstSpan = 64;

std::int64_t idOf(std::uint64_t key)
{
    return std::int32_t(std::uint32_t(key));
}

} // namespace

void DenseKeys::clear()
{
    std::vector<std::uint32_t>().swap(cells);
    lowestId = 0;
    used = 0;
}

std::uint64_t DenseKeys::keyAt(std::size_t at) const
{
    const std::int64_t id = lowestId + std::int64_t(at / typesPerId);
    return std::uint64_t(at % typesPerId) << 32 | std::uint32_t(std::int32_t(id));
}

bool DenseKeys::reach(std::int64_t id, std::size_t mostCells)
{
    const std::int64_t span = std::int64_t(cells.size() / typesPerId);
    // The old ids and the new one.
    std::int64_t low = cells.empty() ? id : std::min(lowestId, id);
    std::int64_t high = cells.empty() ? id + 1 : std::max(lowestId + span, id + 1);
    // Room to grow on the side that grew, half as much again, so that a run
    // of new ids moves the cells a few times only; when that room is not
    // allowed, the dense form has had its time.
    const std::int64_t slack = std::max(firstSpan, (high - low) / 2);
    if (std::uint64_t(high - low + slack) * typesPerId > mostCells)
        return false;
    if (cells.empty() || id < lowestId)
        low = std::max(lowestPossibleId, low - slack);
    else
        high = std::min(highestPossibleId + 1, high + slack);
    std::vector<std::uint32_t> wider(std::size_t(high - low) * typesPerId, 0);
    if (!cells.empty())
        std::copy(cells.begin(), cells.end(), wider.begin() + (lowestId - low) * typesPerId);
    cells.swap(wider);
    lowestId = low;
    return true;
}

bool DenseKeys::add(std::uint64_t key, int index, std::size_t mostCells, int& first)
{
    std::int64_t at = place(key);
    if (at < 0) {
        if (!reach(idOf(key), mostCells))
            return false;
        at = place(key);
    }
    addAt(std::size_t(at), index, first);
    return true;
}

void DenseKeys::addAt(std::size_t at, int index, int& first)
{
    std::uint32_t& cell = cells[at];
    if (cell == 0) {
        cell = std::uint32_t(index) + 1;
        ++used;
        first = index;
        return;
    }
    first = std::min(entryOf(cell).first, index);
    cell = (std::uint32_t(first) + 1) | moreBit;
}

void DenseKeys::setFirst(std::uint64_t key, int index)
{
    const std::int64_t at = place(key);
    if (at >= 0 && cells[std::size_t(at)] != 0)
        cells[std::size_t(at)] = (std::uint32_t(index) + 1) | (cells[std::size_t(at)] & moreBit);
}

void DenseKeys::remove(std::uint64_t key)
{
    const std::int64_t at = place(key);
    if (at >= 0 && cells[std::size_t(at)] != 0) {
        cells[std::size_t(at)] = 0;
        --used;
    }
}

void DenseKeys::shiftFrom(int index, int delta)
{
    for (std::uint32_t& cell : cells) {
        if (cell != 0 && entryOf(cell).first >= index)
            cell = std::uint32_t(std::int64_t(cell) + delta);
    }
}
