#pragma once

#include <cstdint>
#include <vector>

// One colour of an indexed picture.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The colour table of one GIF picture (at most 256 entries). Pictures are
// drawn with indices into it, so every shade a picture uses is chosen here.
class Palette {
public:
    // Index of the colour, added at the end unless an equal entry exists.
    int add(Rgb colour);
    // Adds count entries running evenly from `from` to `to` (both included)
    // and returns the index of the first; the entries are always new, so a
    // ramp's indices are contiguous.
    int ramp(Rgb from, Rgb to, int count);
    int size() const { return static_cast<int>(entries.size()); }
    const std::vector<Rgb>& colours() const { return entries; }

private:
    void requireRoom(int count) const;
    std::vector<Rgb> entries;
};

// Integer blend of two colours: weight 0 gives a, weight `scale` gives b.
Rgb mixRgb(Rgb a, Rgb b, int weight, int scale);
