#pragma once

#include "pictures/ColourReduction.h"

#include <cstdint>
#include <memory>
#include <vector>

// giflib's types, for those who write GIF files with it.
struct ColorMapObject;
struct GifFileType;

namespace gifencoding {

// giflib's output function for EGifOpen: appends to the
// std::vector<std::uint8_t> that the file's user data points at.
int appendToBytes(GifFileType* gif, const unsigned char* bytes, int count);

struct ColourMapDeleter {
    void operator()(ColorMapObject* map) const;
};
using ColourMap = std::unique_ptr<ColorMapObject, ColourMapDeleter>;
// A colour table of a power of two entries (at least 2) holding colours
// first, the other entries black.
ColourMap colourMap(const std::vector<QRgb>& colours);

// The picture as a still GIF written by giflib: GIF89a with its transparent
// index in a graphic control extension when it has one, else GIF87a. Empty
// when giflib fails or the picture cannot be a GIF (no pixels, a side beyond
// 65535, more than 256 colours, indices that name no colour).
std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture);

} // namespace gifencoding
