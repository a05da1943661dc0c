#include "Paint.h"

#include <algorithm>

namespace {
// 4 x 4 ordered dither thresholds, 0..15.
constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
} // namespace

int integerSqrt(long long n)
{
    if (n <= 0)
        return 0;
    long long root = 0;
    long long bit = 1LL << 62;
    while (bit > n)
        bit >>= 2;
    while (bit != 0) {
        if (n >= root + bit) {
            n -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return static_cast<int>(root);
}

Paint::Paint(Kind kind, int first, int count, int from, int to, int cx, int cy)
    : kind(kind), first(first), count(std::max(1, count)), from(from), to(to), cx(cx), cy(cy)
{
}

Paint Paint::solid(int index) { return {Kind::Solid, index, 1, 0, 0}; }
Paint Paint::vertical(int first, int count, int from, int to) { return {Kind::Vertical, first, count, from, to}; }
Paint Paint::horizontal(int first, int count, int from, int to) { return {Kind::Horizontal, first, count, from, to}; }
Paint Paint::diagonal(int first, int count, int from, int to) { return {Kind::Diagonal, first, count, from, to}; }
Paint Paint::radial(int first, int count, int cx, int cy, int radius)
{
    return {Kind::Radial, first, count, 0, radius, cx, cy};
}

int Paint::ramp(int position, int span, int x, int y) const
{
    if (count == 1 || span <= 0)
        return first;
    position = std::clamp(position, 0, span);
    const int scaled = position * (count - 1) * 16 / span;
    int level = scaled / 16;
    if (scaled % 16 > bayer[y & 3][x & 3])
        ++level;
    return first + std::min(level, count - 1);
}

int Paint::indexAt(int x, int y) const
{
    switch (kind) {
    case Kind::Solid:
        return first;
    case Kind::Vertical:
        return from <= to ? ramp(y - from, to - from, x, y) : ramp(from - y, from - to, x, y);
    case Kind::Horizontal:
        return from <= to ? ramp(x - from, to - from, x, y) : ramp(from - x, from - to, x, y);
    case Kind::Diagonal:
        return ramp(x + y - from, to - from, x, y);
    case Kind::Radial: {
        const long long dx = x - cx;
        const long long dy = y - cy;
        return ramp(integerSqrt(dx * dx + dy * dy), to, x, y);
    }
    }
    return first;
}
