#pragma once

#include "Raster.h"

#include <string_view>

// A built-in 5 x 7 pixel font for the lettering inside pictures, so that no
// system font decides how a generated picture looks: capital letters, digits,
// a little punctuation and the small letters a, b, c (other small letters
// draw as capitals).
class BitmapFont {
public:
    static constexpr int glyphWidth = 5;
    static constexpr int glyphHeight = 7;

    // Advance of a text in pixels: (glyph width + 1) per character, times scale, minus the last gap.
    static int textWidth(std::string_view text, int scale = 1);
    // Draws the text with its top-left corner at (x, y); unknown characters draw as blanks.
    static void draw(Raster& target, int x, int y, std::string_view text, int index, int scale = 1);
    // True when the glyph has its pixel (column, row) set.
    static bool pixel(char character, int column, int row);
};
