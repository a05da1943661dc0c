#include "MenuArt.h"

#include "BitmapFont.h"

void MenuArt::tile(Raster& image, int left, int top, int size, bool selected) const
{
    const int edge = selected ? ink.cyanEdge : ink.glassEdge;
    const int fill = selected ? ink.cyan : ink.glass;
    const int shades = selected ? ink.cyans : ink.glasses;
    image.fillRoundRect(left, top, size, size, size / 5, Paint::solid(edge));
    image.fillRoundRect(left + 1, top + 1, size - 2, size - 2, size / 5 - 1,
                        Paint::diagonal(fill, shades, left + top, left + top + 2 * size));
}

MenuArt::Bytes MenuArt::menuIcon(Symbol which, bool selected) const
{
    constexpr int size = 40;
    Raster icon = ink.canvas(size, size);
    if (selected) {
        icon.fillRoundRect(0, 0, size, size, 9, Paint::solid(ink.amber));
        tile(icon, 2, 2, size - 4, true);
    } else {
        tile(icon, 3, 3, size - 6, false);
    }
    const int back = selected ? ink.cyan + 3 : ink.glass + 4;
    Motifs::symbol(icon, which, 8, 8, 24, ink.white, back);
    return ink.still(icon);
}

void MenuArt::disc(Raster& image, int size, int ringInk, int fillInk) const
{
    image.fillEllipse(0, 0, size, size, Paint::solid(ringInk));
    image.fillEllipse(2, 2, size - 4, size - 4, Paint::solid(fillInk));
}

MenuArt::Bytes MenuArt::dialogIcon(DialogIcon icon) const
{
    constexpr int size = 32;
    Raster image = ink.canvas(size, size);
    switch (icon) {
    case DialogIcon::Info:
        disc(image, size, ink.blueLight, ink.blue);
        image.fillRect(14, 7, 4, 4, Paint::solid(ink.white));
        image.fillRect(14, 13, 4, 12, Paint::solid(ink.white));
        image.fillRect(12, 13, 2, 2, Paint::solid(ink.white));
        image.fillRect(12, 23, 8, 2, Paint::solid(ink.white));
        break;
    case DialogIcon::Warning:
        image.fillPolygon({{16, 1}, {31, 29}, {1, 29}}, Paint::solid(ink.orange));
        image.fillPolygon({{16, 5}, {28, 27}, {4, 27}}, Paint::solid(ink.yellow));
        image.fillRect(15, 11, 3, 9, Paint::solid(ink.dark));
        image.fillRect(15, 22, 3, 3, Paint::solid(ink.dark));
        break;
    case DialogIcon::Error:
        disc(image, size, ink.redDark, ink.red);
        image.drawLine(10, 10, 21, 21, ink.white, 4);
        image.drawLine(21, 10, 10, 21, ink.white, 4);
        break;
    case DialogIcon::Question:
        disc(image, size, ink.cyanEdge, ink.cyan + 4);
        BitmapFont::draw(image, 11, 8, "?", ink.white, 2);
        break;
    case DialogIcon::Done:
        disc(image, size, ink.greenDark, ink.green);
        image.drawLine(8, 16, 13, 22, ink.white, 4);
        image.drawLine(13, 22, 23, 10, ink.white, 4);
        break;
    }
    return ink.still(image);
}

MenuArt::Bytes MenuArt::listPart(ListPart part) const
{
    switch (part) {
    case ListPart::Highlight: {
        Raster bar = ink.canvas(168, 22);
        bar.fillRoundRect(0, 0, 168, 22, 5, Paint::solid(ink.cyanEdge));
        bar.fillRoundRect(1, 1, 166, 20, 4, Paint::vertical(ink.cyan, ink.cyans, 1, 20));
        return ink.still(bar);
    }
    case ListPart::Bullet: {
        Raster dot = ink.canvas(8, 8);
        dot.fillEllipse(0, 0, 8, 8, Paint::solid(ink.cyanEdge));
        dot.fillEllipse(2, 2, 4, 4, Paint::solid(ink.cyan + 2));
        return ink.still(dot);
    }
    case ListPart::CheckOff:
    case ListPart::CheckOn: {
        Raster box = ink.canvas(12, 12);
        box.fillRect(0, 0, 12, 12, Paint::solid(ink.grey + 3));
        box.fillRect(1, 1, 10, 10, Paint::solid(ink.white));
        if (part == ListPart::CheckOn) {
            box.drawLine(2, 6, 4, 9, ink.greenDark, 2);
            box.drawLine(4, 9, 9, 2, ink.greenDark, 2);
        }
        return ink.still(box);
    }
    case ListPart::RadioOff:
    case ListPart::RadioOn: {
        Raster radio = ink.canvas(12, 12);
        radio.fillEllipse(0, 0, 12, 12, Paint::solid(ink.grey + 3));
        radio.fillEllipse(1, 1, 10, 10, Paint::solid(ink.white));
        if (part == ListPart::RadioOn)
            radio.fillEllipse(3, 3, 6, 6, Paint::solid(ink.cyan + 4));
        return ink.still(radio);
    }
    case ListPart::ArrowUp:
    case ListPart::ArrowDown: {
        Raster arrow = ink.canvas(10, 6);
        if (part == ListPart::ArrowUp)
            arrow.fillPolygon({{5, 0}, {10, 6}, {0, 6}}, Paint::solid(ink.white));
        else
            arrow.fillPolygon({{0, 0}, {10, 0}, {5, 6}}, Paint::solid(ink.white));
        return ink.still(arrow);
    }
    }
    return {};
}
