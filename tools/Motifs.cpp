#include "Motifs.h"

#include <algorithm>
#include <vector>

namespace {

// sin of multiples of 15 degrees, times 1024.
int sin1024(int degrees)
{
    static constexpr int quarter[] = {0, 265, 512, 724, 887, 989, 1024};
    degrees = ((degrees % 360) + 360) % 360;
    const int step = degrees / 15;
    if (step <= 6)
        return quarter[step];
    if (step <= 12)
        return quarter[12 - step];
    if (step <= 18)
        return -quarter[step - 12];
    return -quarter[24 - step];
}

int cos1024(int degrees) { return sin1024(degrees + 90); }

// Scales a coordinate of a 24-unit design grid to a box of `size` pixels.
int grid(int origin, int value, int size) { return origin + value * size / 24; }

} // namespace

Point Motifs::polar(int cx, int cy, int radius, int degrees)
{
    return {cx + radius * sin1024(degrees) / 1024, cy - radius * cos1024(degrees) / 1024};
}

void Motifs::envelope(Raster& image, int left, int top, int width, int height, int paper, int line)
{
    image.fillRect(left, top, width, height, Paint::solid(line));
    image.fillRect(left + 1, top + 1, width - 2, height - 2, Paint::solid(paper));
    const int middleX = left + width / 2;
    const int middleY = top + height / 2 + 1;
    image.drawLine(left + 1, top + 1, middleX - 1, middleY, line);
    image.drawLine(left + width - 2, top + 1, middleX, middleY, line);
}

void Motifs::handset(Raster& image, int left, int top, int size, int fore)
{
    // A telephone receiver: earpiece top left, mouthpiece bottom right, the grip curving between them.
    static constexpr Point outline[] = {{3, 1},  {8, 1},   {11, 7},  {8, 10},  {10, 13}, {13, 15}, {16, 13},
                                        {22, 15}, {23, 20}, {18, 23}, {11, 21}, {5, 16},  {1, 9},   {1, 4}};
    std::vector<Point> corners;
    for (const Point p : outline)
        corners.push_back({grid(left, p.x, size), grid(top, p.y, size)});
    image.fillPolygon(corners, Paint::solid(fore));
}

void Motifs::person(Raster& image, int left, int top, int size, int fore)
{
    const auto g = [&](int origin, int v) { return grid(origin, v, size); };
    image.fillEllipse(g(left, 7), g(top, 1), g(0, 10), g(0, 10), Paint::solid(fore));
    const int bodyLeft = g(left, 2);
    const int bodyTop = g(top, 12);
    const int bodyWidth = g(0, 20);
    const int bodyHeight = g(0, 22);
    const int bottom = g(top, 23);
    image.fillWhere(bodyLeft, bodyTop, bodyWidth, bodyHeight, Paint::solid(fore), [=](int x, int y) {
        return y <= bottom && Raster::insideEllipse(x, y, bodyLeft, bodyTop, bodyWidth, bodyHeight);
    });
}

void Motifs::clockGlyph(Raster& image, int left, int top, int size, int fore, int back)
{
    image.fillEllipse(left, top, size, size, Paint::solid(fore));
    const int rim = std::max(1, size / 10);
    image.fillEllipse(left + rim, top + rim, size - 2 * rim, size - 2 * rim, Paint::solid(back));
    const int c = size / 2;
    image.drawLine(left + c, top + c, left + c, top + size / 5, fore, std::max(1, size / 12));
    image.drawLine(left + c, top + c, left + size - size / 4, top + c, fore, std::max(1, size / 12));
}

void Motifs::bell(Raster& image, int left, int top, int size, int fore)
{
    const auto g = [&](int origin, int v) { return grid(origin, v, size); };
    image.fillEllipse(g(left, 6), g(top, 2), g(0, 12), g(0, 14), Paint::solid(fore));
    image.fillPolygon({{g(left, 6), g(top, 9)}, {g(left, 18), g(top, 9)}, {g(left, 21), g(top, 19)}, {g(left, 3), g(top, 19)}},
                      Paint::solid(fore));
    image.fillEllipse(g(left, 10), g(top, 18), g(0, 5), g(0, 5), Paint::solid(fore));
}

void Motifs::symbol(Raster& image, Symbol which, int left, int top, int size, int fore, int back)
{
    const auto g = [&](int origin, int v) { return grid(origin, v, size); };
    switch (which) {
    case Symbol::Messages:
        envelope(image, g(left, 1), g(top, 4), g(0, 22), g(0, 16), fore, back);
        break;
    case Symbol::Contacts:
        person(image, left, top, size, fore);
        break;
    case Symbol::CallLog:
        handset(image, left, top, size, fore);
        clockGlyph(image, g(left, 13), g(top, 0), g(0, 11), fore, back);
        break;
    case Symbol::Settings: {
        const int c = size / 2;
        for (int angle = 0; angle < 360; angle += 45) {
            const Point p = polar(left + c, top + c, g(0, 9), angle);
            image.fillRect(p.x - g(0, 2), p.y - g(0, 2), g(0, 5), g(0, 5), Paint::solid(fore));
        }
        image.fillEllipse(g(left, 4), g(top, 4), g(0, 16), g(0, 16), Paint::solid(fore));
        image.fillEllipse(g(left, 9), g(top, 9), g(0, 6), g(0, 6), Paint::solid(back));
        break;
    }
    case Symbol::Camera:
        image.fillRoundRect(g(left, 1), g(top, 7), g(0, 22), g(0, 14), g(0, 3), Paint::solid(fore));
        image.fillRect(g(left, 7), g(top, 4), g(0, 9), g(0, 4), Paint::solid(fore));
        image.fillEllipse(g(left, 7), g(top, 9), g(0, 10), g(0, 10), Paint::solid(back));
        image.fillEllipse(g(left, 9), g(top, 11), g(0, 6), g(0, 6), Paint::solid(fore));
        break;
    case Symbol::Music:
        image.fillEllipse(g(left, 2), g(top, 16), g(0, 8), g(0, 6), Paint::solid(fore));
        image.fillEllipse(g(left, 13), g(top, 14), g(0, 8), g(0, 6), Paint::solid(fore));
        image.fillRect(g(left, 8), g(top, 5), g(0, 2), g(0, 14), Paint::solid(fore));
        image.fillRect(g(left, 19), g(top, 3), g(0, 2), g(0, 14), Paint::solid(fore));
        image.fillPolygon({{g(left, 8), g(top, 5)}, {g(left, 21), g(top, 2)}, {g(left, 21), g(top, 6)}, {g(left, 8), g(top, 9)}},
                          Paint::solid(fore));
        break;
    case Symbol::Games:
        image.fillRoundRect(g(left, 1), g(top, 6), g(0, 22), g(0, 13), g(0, 6), Paint::solid(fore));
        image.fillRect(g(left, 5), g(top, 11), g(0, 7), g(0, 3), Paint::solid(back));
        image.fillRect(g(left, 7), g(top, 9), g(0, 3), g(0, 7), Paint::solid(back));
        image.fillEllipse(g(left, 15), g(top, 9), g(0, 3), g(0, 3), Paint::solid(back));
        image.fillEllipse(g(left, 18), g(top, 12), g(0, 3), g(0, 3), Paint::solid(back));
        break;
    case Symbol::Organiser:
        image.fillRect(g(left, 2), g(top, 3), g(0, 20), g(0, 19), Paint::solid(fore));
        image.fillRect(g(left, 4), g(top, 9), g(0, 16), g(0, 11), Paint::solid(back));
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 4; ++column)
                image.fillRect(g(left, 5 + column * 4), g(top, 10 + row * 4), std::max(1, g(0, 2)), std::max(1, g(0, 2)),
                               Paint::solid(fore));
        image.fillRect(g(left, 6), g(top, 1), g(0, 2), g(0, 4), Paint::solid(fore));
        image.fillRect(g(left, 16), g(top, 1), g(0, 2), g(0, 4), Paint::solid(fore));
        break;
    case Symbol::Browser:
        image.fillRing(g(left, 1), g(top, 1), g(0, 22), g(0, 22), std::max(1, g(0, 2)), Paint::solid(fore));
        image.fillRing(g(left, 7), g(top, 1), g(0, 10), g(0, 22), std::max(1, g(0, 2)), Paint::solid(fore));
        image.fillRect(g(left, 2), g(top, 11), g(0, 20), std::max(1, g(0, 2)), Paint::solid(fore));
        image.fillRect(g(left, 4), g(top, 6), g(0, 16), 1, Paint::solid(fore));
        image.fillRect(g(left, 4), g(top, 17), g(0, 16), 1, Paint::solid(fore));
        break;
    }
}
