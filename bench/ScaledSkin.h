#pragma once

// Skins of any size for the scaling benchmarks, written at bench time into a
// temporary folder (never committed): the palette, filler records, then the
// records that one paint of the idle screen reads and its pictures, last, so
// that a lookup that scanned from the top would pass every filler record.

#include "document/SkinTypes.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace scaledskin {

// The records one paint of the idle screen reads.
extern const std::vector<ElementId> rectIds;
extern const std::vector<ElementId> numberIds;
extern const std::vector<ElementId> flagIds;
extern const std::vector<ElementId> colourIds;
extern const std::vector<ElementId> pictureIds;

// "0 41 98" and its 98 colours.
std::string palette();

struct Shape {
    int records = 1000;             // filler records (rectangles, numbers, flags, colours)
    std::int64_t pictureBytes = 0;  // more picture bytes, in pictures of 1 MB, beside the paint's
};

// Writes NAME.ski, NAME.dat and the wallpaper "wall.gif" into folder; the
// path of the ".ski" file. Every picture is a GIF that decodes, so that the
// check finds nothing in the skin.
std::string write(const std::filesystem::path& folder, const std::string& name, const Shape& shape);

// The skin of that shape, written once per process into a temporary folder
// that is removed when the process ends.
const std::string& skinOf(const Shape& shape);

} // namespace scaledskin
