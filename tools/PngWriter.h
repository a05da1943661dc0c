#pragma once

#include "Palette.h"
#include "Raster.h"

#include <cstdint>
#include <vector>

// Encodes an indexed picture as a PNG file in memory, for the desktop's icon
// themes, which take PNG but not GIF. The pixel data is stored without
// compression: icons are small, and the bytes depend on nothing but the picture.
class PngWriter {
public:
    // An 8-bit indexed PNG with the palette's colours; transparentIndex (-1
    // for none) is fully transparent.
    static std::vector<std::uint8_t> still(const Raster& image, const Palette& palette, int transparentIndex = -1);
};
