#include "Palette.h"

#include <algorithm>
#include <stdexcept>

namespace {
constexpr int maximumEntries = 256;
}

Rgb mixRgb(Rgb a, Rgb b, int weight, int scale)
{
    const auto mix = [&](int x, int y) {
        return static_cast<std::uint8_t>((x * (scale - weight) + y * weight + scale / 2) / scale);
    };
    return {mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b)};
}

void Palette::requireRoom(int count) const
{
    if (size() + count > maximumEntries)
        throw std::length_error("a GIF palette holds at most 256 colours");
}

int Palette::add(Rgb colour)
{
    const auto found = std::find(entries.begin(), entries.end(), colour);
    if (found != entries.end())
        return static_cast<int>(found - entries.begin());
    requireRoom(1);
    entries.push_back(colour);
    return size() - 1;
}

int Palette::ramp(Rgb from, Rgb to, int count)
{
    if (count < 1)
        throw std::invalid_argument("a ramp needs at least one colour");
    requireRoom(count);
    const int first = size();
    for (int i = 0; i < count; ++i)
        entries.push_back(count == 1 ? from : mixRgb(from, to, i, count - 1));
    return first;
}
