#pragma once

#include <QRgb>

#include <cstdint>
#include <optional>
#include <vector>

class QImage;

// A picture of at most 256 colours, as a GIF holds it: a colour table, the
// index of the one entry that stands for "transparent" (if any), and one
// index per pixel, row by row.
struct IndexedPicture {
    int width = 0;
    int height = 0;
    std::vector<QRgb> colours; // opaque colours; the transparent entry's value does not count
    int transparentIndex = -1;
    std::vector<std::uint8_t> indices;
};

namespace colourreduction {

// The most colours a GIF's colour table holds.
inline constexpr int maximumColours = 256;
// Pixels less opaque than this are transparent; the others are drawn opaque.
inline constexpr int opaqueFrom = 128;

// Reduces image to at most 256 colours. A picture whose opaque colours,
// together with transparency when it has any, number at most 256 keeps
// every pixel exactly; a picture of more colours is quantized by
// libimagequant. Nothing for a null image or when the quantizer fails.
std::optional<IndexedPicture> reduceColours(const QImage& image);

} // namespace colourreduction
