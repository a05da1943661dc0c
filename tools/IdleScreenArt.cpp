#include "IdleScreenArt.h"

#include "BitmapFont.h"
#include "Motifs.h"
#include "Theme.h"

#include <algorithm>
#include <string_view>

IdleScreenArt::Bytes IdleScreenArt::wallpaper() const
{
    constexpr int width = 176;
    constexpr int height = 220;
    constexpr int horizon = 150;
    Palette colours;
    const int skyHigh = colours.ramp({12, 12, 46}, {70, 40, 112}, 24);
    const int skyLow = colours.ramp({74, 42, 114}, Theme::sunset, 32);
    const int sun = colours.ramp({255, 244, 184}, {255, 122, 64}, 10);
    const int sea = colours.ramp({176, 90, 104}, {8, 12, 40}, 32);
    const int glint = colours.ramp({255, 214, 150}, {214, 120, 116}, 6);
    const int hills = colours.ramp({70, 36, 90}, {38, 20, 58}, 6);
    const int star = colours.ramp({255, 255, 255}, {130, 130, 200}, 4);
    const int boat = colours.add({10, 8, 24});
    const int sail = colours.add({26, 18, 48});
    const int wake = colours.add({40, 34, 80});

    Raster image(width, height, skyHigh);
    image.fillRect(0, 0, width, 96, Paint::vertical(skyHigh, 24, 0, 95));
    image.fillRect(0, 96, width, horizon - 96, Paint::vertical(skyLow, 32, 96, horizon - 1));

    // Stars, brightest highest up.
    static constexpr Point stars[] = {{12, 6}, {37, 19}, {58, 4}, {83, 27}, {101, 9}, {126, 22}, {149, 5},
                                      {168, 30}, {20, 44}, {47, 58}, {71, 40}, {117, 51}, {139, 66}, {160, 47},
                                      {8, 77}, {33, 86}, {92, 71}, {64, 95}, {155, 88}, {110, 84}, {140, 104}};
    for (const Point p : stars) {
        const int shade = std::min(3, p.y / 30);
        image.set(p.x, p.y, star + shade);
        if (p.y < 60 && (p.x % 3 == 0)) { // a few twinkle as small crosses
            image.set(p.x - 1, p.y, star + 3);
            image.set(p.x + 1, p.y, star + 3);
            image.set(p.x, p.y - 1, star + 3);
            image.set(p.x, p.y + 1, star + 3);
        }
    }

    // The setting sun, half below the horizon.
    image.fillEllipse(96, 126, 44, 44, Paint::vertical(sun, 10, 126, horizon));

    // Far hills on both sides of the horizon.
    image.fillPolygon({{0, horizon}, {0, 137}, {12, 133}, {27, 139}, {44, 130}, {62, 140}, {80, 145}, {98, horizon}},
                      Paint::horizontal(hills, 6, 0, 98));
    image.fillPolygon({{132, horizon}, {146, 143}, {158, 138}, {168, 141}, {176, 139}, {176, horizon}},
                      Paint::horizontal(hills + 5, 1, 0, 0));

    // The sea, with the sun's glitter path below it.
    image.fillRect(0, horizon, width, height - horizon, Paint::vertical(sea, 32, horizon, height - 1));
    for (int y = horizon + 1; y < 206; y += 2) {
        const int depth = y - horizon;
        const int halfWidth = 22 - depth * 14 / 56 + (y % 3);
        int x = 118 - halfWidth;
        int piece = 0;
        while (x < 118 + halfWidth) {
            const int length = 2 + (y * 7 + piece * 5) % 6;
            const int gap = 1 + (y * 3 + piece * 11) % 4;
            image.fillRect(x, y, std::min(length, 118 + halfWidth - x), 1,
                           Paint::solid(glint + std::min(5, depth / 10)));
            x += length + gap;
            ++piece;
        }
    }
    // Long calm ripples across the water.
    for (int y = horizon + 6; y < height; y += 9) {
        const int start = (y * 37) % 120;
        image.fillRect(start, y, 14 + y % 11, 1, Paint::solid(sea + std::max(0, (y - horizon) * 31 / 70 - 4)));
    }

    // A sailing boat, the skin's namesake, with its wake.
    image.fillPolygon({{46, 112}, {46, 167}, {72, 167}}, Paint::solid(sail));
    image.fillPolygon({{43, 120}, {43, 166}, {24, 166}}, Paint::solid(sail));
    image.drawLine(44, 108, 44, 170, boat);
    image.fillPolygon({{20, 168}, {76, 168}, {68, 176}, {28, 176}}, Paint::solid(boat));
    for (int i = 0; i < 4; ++i)
        image.fillRect(30 + i * 3 - (i % 2) * 6, 178 + i * 2, 34 - i * 6, 1, Paint::solid(wake));
    return GifWriter::still(image, colours);
}

IdleScreenArt::Bytes IdleScreenArt::clockFace() const
{
    constexpr int size = 64;
    constexpr int centre = size / 2;
    Raster face = ink.canvas(size, size);
    face.fillEllipse(0, 0, size, size, Paint::solid(ink.glassEdge));
    face.fillEllipse(2, 2, size - 4, size - 4, Paint::radial(ink.face, ink.faces, centre, centre, 29));
    face.fillRing(4, 4, size - 8, size - 8, 1, Paint::solid(ink.glass + 2));
    for (int hour = 0; hour < 12; ++hour) {
        const int angle = hour * 30;
        const bool major = hour % 3 == 0;
        const Point outer = Motifs::polar(centre, centre, 26, angle);
        const Point inner = Motifs::polar(centre, centre, major ? 21 : 23, angle);
        face.drawLine(inner.x, inner.y, outer.x, outer.y, major ? ink.amber : ink.glassShine, major ? 2 : 1);
    }
    const auto numeral = [&](std::string_view text, int x, int y) {
        BitmapFont::draw(face, x - BitmapFont::textWidth(text) / 2, y - BitmapFont::glyphHeight / 2, text, ink.white);
    };
    numeral("12", centre, 14);
    numeral("3", 48, centre);
    numeral("6", centre, 50);
    numeral("9", 16, centre);
    face.fillEllipse(centre - 2, centre - 2, 4, 4, Paint::solid(ink.amber));
    return ink.still(face);
}

Raster IdleScreenArt::keyPicture(int width, int height, KeyState state,
                                 const std::function<bool(int, int)>& shape) const
{
    int fill = ink.glass, shades = ink.glasses, edge = ink.glassEdge, shine = ink.glassShine;
    switch (state) {
    case KeyState::Normal:
        break;
    case KeyState::Pressed:
        fill = ink.amber, shades = ink.ambers, edge = ink.amberEdge, shine = ink.amberEdge;
        break;
    case KeyState::Selected:
        fill = ink.cyan, shades = ink.cyans, edge = ink.cyanEdge, shine = ink.white;
        break;
    case KeyState::Disabled:
        fill = ink.dull, shades = ink.dulls, edge = ink.grey + 3, shine = ink.grey + 2;
        break;
    }
    Raster key = ink.canvas(width, height);
    const auto interior = [&](int x, int y) {
        return shape(x, y) && shape(x - 1, y) && shape(x + 1, y) && shape(x, y - 1) && shape(x, y + 1);
    };
    key.fillWhere(0, 0, width, height, Paint::solid(edge), shape);
    key.fillWhere(0, 0, width, height, Paint::vertical(fill, shades, 1, height - 2), interior);
    // A glossy line along the top.
    key.fillWhere(0, 2, width, 1, Paint::solid(shine), [&](int x, int y) { return interior(x, y - 1) && interior(x, y + 2); });
    return key;
}

IdleScreenArt::Bytes IdleScreenArt::softKey(bool left, KeyState state) const
{
    constexpr int width = 60;
    constexpr int height = 24;
    // Round on the outer side, nearly square towards the middle of the phone.
    const auto shape = [left](int x, int y) {
        const bool inner = left ? x >= width / 2 : x < width / 2;
        return Raster::insideRoundRect(x, y, 0, 0, width, height, 11)
            || (inner && Raster::insideRoundRect(x, y, 0, 0, width, height, 4));
    };
    return ink.still(keyPicture(width, height, state, shape));
}

IdleScreenArt::Bytes IdleScreenArt::centreKey(KeyState state) const
{
    constexpr int width = 44;
    constexpr int height = 24;
    Raster key = keyPicture(width, height, state,
                            [](int x, int y) { return Raster::insideRoundRect(x, y, 0, 0, width, height, 12); });
    // A grid of nine dots: the key opens the menu.
    const int dots = state == KeyState::Pressed ? ink.dark : (state == KeyState::Disabled ? ink.grey + 2 : ink.white);
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            key.fillRect(16 + column * 5, 5 + row * 5, 3, 3, Paint::solid(dots));
    return ink.still(key);
}

IdleScreenArt::Bytes IdleScreenArt::titleBar() const
{
    Raster bar(176, 22, ink.glass);
    bar.fillRect(0, 0, 176, 21, Paint::vertical(ink.glass, ink.glasses, 0, 20));
    bar.fillRect(0, 21, 176, 1, Paint::solid(ink.glassEdge));
    return ink.still(bar);
}

IdleScreenArt::Bytes IdleScreenArt::softKeyBar() const
{
    Raster bar(176, 22, ink.glass);
    bar.fillRect(0, 1, 176, 21, Paint::vertical(ink.glass, ink.glasses, 21, 1));
    bar.fillRect(0, 0, 176, 1, Paint::solid(ink.glassEdge));
    return ink.still(bar);
}
