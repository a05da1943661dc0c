#include "ElementBlock.h"

int ElementBlock::take(int count)
{
    const int id = next;
    next += count;
    return id;
}

void ElementBlock::text(Box box, const Look& look, int alignment, int size)
{
    const int id = take(3);
    skin.rect(id, box);
    skin.colour(id, look.text, 0);
    skin.colour(id + 1, look.inner, look.innerTransparency);
    skin.colour(id + 2, look.outer, look.outerTransparency);
    skin.number(id, look.outline);
    skin.number(id + 1, alignment);
    skin.number(id + 2, size);
    skin.flag(id, look.outline > 0);
    skin.flag(id + 1, look.underline);
}

void ElementBlock::panel(Box box, Rgb fill, int fillTransparency, Rgb border, int radius)
{
    const int id = take(2);
    skin.rect(id, box);
    skin.colour(id, fill, fillTransparency);
    skin.colour(id + 1, border, 0);
    skin.number(id, radius);
    skin.number(id + 1, 1);
    skin.flag(id, true);
}

void ElementBlock::placed(Box box, const std::vector<std::uint8_t>& bytes, int file)
{
    const int id = take(1);
    skin.picture(id, bytes, file);
    skin.rect(id, box);
}

void ElementBlock::picture(const std::vector<std::uint8_t>& bytes, int file) { skin.picture(take(1), bytes, file); }

void ElementBlock::place(Box box) { skin.rect(take(1), box); }

void ElementBlock::list(const std::vector<Box>& items) { skin.rectList(take(1), items); }

void ElementBlock::setting(int number, bool flag)
{
    const int id = take(1);
    skin.number(id, number);
    skin.flag(id, flag);
}

std::vector<Box> ElementBlock::grid(int left, int top, int width, int height, int columns, int rows, int stepX,
                                    int stepY)
{
    std::vector<Box> boxes;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            boxes.push_back({left + column * stepX, top + row * stepY, width, height});
    return boxes;
}
