#pragma once

#include "SkinWriter.h"
#include "TextLooks.h"

#include <cstdint>
#include <vector>

// Writes the elements of one screen, handing out their ids from one counter
// starting at the block's first id: every element takes the next ids, so an
// id means one thing in every record type.
class ElementBlock {
public:
    ElementBlock(SkinWriter& skin, int firstId) : skin(skin), next(firstId) {}

    // A text: its box, three colours, outline level, alignment, size, outline and underline flags.
    void text(Box box, const Look& look, int alignment, int size = 1);
    // A filled panel: box, fill colour and transparency, border colour, corner radius and border width.
    void panel(Box box, Rgb fill, int fillTransparency, Rgb border, int radius);
    // A picture with the place where the phone shows it.
    void placed(Box box, const std::vector<std::uint8_t>& bytes, int file = 0);
    void picture(const std::vector<std::uint8_t>& bytes, int file = 0);
    // A place of its own, for the pictures that follow it.
    void place(Box box);
    void list(const std::vector<Box>& items);
    // A number and a flag under one id.
    void setting(int number, bool flag);

    // Boxes of one size in rows and columns, row by row.
    static std::vector<Box> grid(int left, int top, int width, int height, int columns, int rows, int stepX,
                                 int stepY);

private:
    int take(int count);

    SkinWriter& skin;
    int next;
};
