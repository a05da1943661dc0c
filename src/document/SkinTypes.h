#pragma once

#include <cstdint>

// Names one element (or one property of an element) of the phone's screens.
// Each record type has its own id space.
using ElementId = std::int32_t;

// The type digit at the start of a record line.
enum class RecordType : int {
    ListHeader = 0, // "0 id n": the n lines after it are the list's items
    Rect = 1,       // "1 id x1 y1 x2 y2", x2/y2 inclusive on disk
    Number = 2,     // "2 id n"
    Flag = 3,       // "3 id true|false"
    Colour = 4,     // "4 id r g b t", t = transparency 0 (opaque) .. 255 (invisible)
    Picture = 5,    // "5 id offset size file"
    PhonePath = 6,  // "6 id /a/mobile/picture/name"
};

// A rectangle in phone pixels; right and bottom are exclusive in memory.
// The all -1 rectangle is what a getter gives for a missing record.
struct SkinRect {
    std::int32_t left = -1;
    std::int32_t top = -1;
    std::int32_t right = -1;
    std::int32_t bottom = -1;
    friend bool operator==(const SkinRect&, const SkinRect&) = default;
};

// A colour record: value laid out 0x00BBGGRR (getColour also puts the low
// byte of the transparency into bits 24-31), and its transparency; a
// transparency of -1 means that there is no record.
struct SkinColour {
    std::uint32_t colour = 0;
    std::int32_t transparency = -1;
    friend bool operator==(const SkinColour&, const SkinColour&) = default;
};

// Where a picture's bytes lie: size bytes from offset in data file number file.
struct PictureLocation {
    std::int32_t offset = 0;
    std::int32_t size = 0;
    std::int32_t file = 0;
    friend bool operator==(const PictureLocation&, const PictureLocation&) = default;
};

inline constexpr ElementId paletteListId = 41;
inline constexpr ElementId wallpaperRecordId = 1015;
inline constexpr int paletteItemCount = 98;
// A default skin shorter than this (magic line included) is refused.
inline constexpr int minimumDefaultSkinLines = 1182;
// Lines longer than this are split into several lines of the table when read.
inline constexpr int maximumLineLength = 259;

inline constexpr std::uint32_t makeColour(int red, int green, int blue)
{
    return std::uint32_t(red & 0xFF) | std::uint32_t(green & 0xFF) << 8 | std::uint32_t(blue & 0xFF) << 16;
}
