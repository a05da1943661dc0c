#pragma once

#include <QString>

#include <cstdint>

// Everything one text element needs, by value. Colours are laid out
// 0x00BBGGRR (only the low 24 bits count); transparencies 0 opaque .. 255
// invisible (only the low 8 bits count).
struct TextStyle {
    // The element's box on the target, right and bottom exclusive.
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t underline = 0;    // non-zero: underlined
    std::int32_t outlineLevel = 0; // <= 0 none; 1 inner ring; >= 2 inner and outer ring
    QString text;
    std::uint32_t textColour = 0;
    std::int32_t textTransparency = 0;
    std::uint32_t innerColour = 0;
    std::int32_t innerTransparency = 0;
    std::uint32_t outerColour = 0;
    std::int32_t outerTransparency = 0;
    std::int32_t alignment = 0;    // 0 centred, 16 right, 32 left; any other value: left
};
