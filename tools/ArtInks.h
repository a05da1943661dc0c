#pragma once

#include "GifWriter.h"
#include "Palette.h"
#include "Raster.h"

#include <cstdint>
#include <vector>

// The one colour table all small pictures of the default skin share, and
// the named entries (inks) they are drawn with. Ramps are runs of
// contiguous entries: `grey` is the first of `greys` shades, and so on.
class ArtInks {
public:
    using Bytes = std::vector<std::uint8_t>;

    ArtInks();

    const Palette& palette() const { return colours; }
    // A picture of the given size, all transparent.
    Raster canvas(int width, int height) const { return Raster(width, height, clear); }
    // The GIF bytes of one still picture.
    Bytes still(const Raster& image) const;
    // An empty animation on the shared colour table, transparent where `clear` is.
    GifWriter animation(int width, int height) const;

    int clear, black, white, dark, paper;
    int grey, greys;    // ramp light -> dark
    int glass, glasses; // ramp top -> bottom
    int glassEdge, glassShine;
    int amber, ambers, amberEdge;
    int cyan, cyans, cyanEdge;
    int dull, dulls;
    int red, redDark, green, greenDark, yellow, orange, blue, blueLight, brown, skin;
    int face, faces; // clock face, centre -> rim

private:
    Palette colours;
};
