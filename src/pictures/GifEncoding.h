#pragma once

#include "pictures/ColourReduction.h"

#include <cstdint>
#include <vector>

namespace gifencoding {

// The picture as a still GIF written by giflib: GIF89a with its transparent
// index in a graphic control extension when it has one, else GIF87a. Empty
// when giflib fails or the picture cannot be a GIF (no pixels, a side beyond
// 65535, more than 256 colours, indices that name no colour).
std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture);

} // namespace gifencoding
