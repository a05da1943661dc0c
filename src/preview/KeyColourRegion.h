#pragma once

#include <QRegion>

#include <cstdint>

class QImage;

// Pixels of this colour value (0x00BBGGRR: red 1, green 2, blue 3) lie
// outside a frame's shape.
inline constexpr std::uint32_t regionKeyColour = 0x030201;

// The region of every pixel of the area (left, top)-(right, bottom) of source
// whose colour (alpha ignored) differs from key, relative to (left, top),
// made of the runs of such pixels in each row (rows with the same runs as
// the row above extend those). Pixels outside the source count as key. An
// area without such pixels gives an empty region.
QRegion regionFromKeyColour(const QImage& source, int left, int top, int right, int bottom, std::uint32_t key);
