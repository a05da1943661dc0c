#include "PhoneArt.h"

#include "BitmapFont.h"
#include "GifWriter.h"
#include "StatusGlyphs.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr Rgb keyColour{255, 0, 255};

// sin of multiples of 15 degrees, times 1024: integer maths keeps the output identical everywhere.
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

// Point at `radius` from (cx, cy) in the clock direction `degrees` (0 = up, clockwise).
Point polar(int cx, int cy, int radius, int degrees)
{
    return {cx + radius * sin1024(degrees) / 1024, cy - radius * cos1024(degrees) / 1024};
}

// Scales a coordinate of a 24-unit design grid to a box of `size` pixels.
int grid(int origin, int value, int size) { return origin + value * size / 24; }

} // namespace

PhoneArt::PhoneArt()
{
    ink.clear = palette.add(keyColour);
    ink.black = palette.add({0, 0, 0});
    ink.white = palette.add(white);
    ink.dark = palette.add(night);
    ink.paper = palette.add({250, 246, 236});
    ink.greys = 6;
    ink.grey = palette.ramp({232, 234, 240}, {70, 74, 86}, ink.greys);
    ink.glasses = 8;
    ink.glass = palette.ramp(glassTop, glassBottom, ink.glasses);
    ink.glassEdge = palette.add(glassEdge);
    ink.glassShine = palette.add({196, 212, 255});
    ink.ambers = 8;
    ink.amber = palette.ramp(amber, amberDeep, ink.ambers);
    ink.amberEdge = palette.add(amberEdge);
    ink.cyans = 6;
    ink.cyan = palette.ramp(cyan, cyanDeep, ink.cyans);
    ink.cyanEdge = palette.add(cyanEdge);
    ink.dulls = 4;
    ink.dull = palette.ramp({128, 132, 142}, {58, 60, 68}, ink.dulls);
    ink.red = palette.add({222, 52, 52});
    ink.redDark = palette.add({128, 20, 26});
    ink.green = palette.add({72, 196, 96});
    ink.greenDark = palette.add({20, 104, 44});
    ink.yellow = palette.add({255, 214, 60});
    ink.orange = palette.add({250, 140, 40});
    ink.blue = palette.add({52, 112, 222});
    ink.blueLight = palette.add({144, 192, 250});
    ink.brown = palette.add({150, 100, 50});
    ink.skin = palette.add({240, 200, 160});
    ink.faces = 8;
    ink.face = palette.ramp({52, 48, 108}, {14, 14, 40}, ink.faces);
}

PhoneArt::Bytes PhoneArt::still(const Raster& image) const { return GifWriter::still(image, palette, ink.clear); }

// --- wallpaper ----------------------------------------------------------------

PhoneArt::Bytes PhoneArt::wallpaper() const
{
    constexpr int width = 176;
    constexpr int height = 220;
    constexpr int horizon = 150;
    Palette colours;
    const int skyHigh = colours.ramp({12, 12, 46}, {70, 40, 112}, 24);
    const int skyLow = colours.ramp({74, 42, 114}, sunset, 32);
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

// --- clock face and keys ----------------------------------------------------------

PhoneArt::Bytes PhoneArt::clockFace() const
{
    constexpr int size = 64;
    constexpr int centre = size / 2;
    Raster face = canvas(size, size);
    face.fillEllipse(0, 0, size, size, Paint::solid(ink.glassEdge));
    face.fillEllipse(2, 2, size - 4, size - 4, Paint::radial(ink.face, ink.faces, centre, centre, 29));
    face.fillRing(4, 4, size - 8, size - 8, 1, Paint::solid(ink.glass + 2));
    for (int hour = 0; hour < 12; ++hour) {
        const int angle = hour * 30;
        const bool major = hour % 3 == 0;
        const Point outer = polar(centre, centre, 26, angle);
        const Point inner = polar(centre, centre, major ? 21 : 23, angle);
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
    return still(face);
}

Raster PhoneArt::keyPicture(int width, int height, KeyState state, const std::function<bool(int, int)>& shape) const
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
    Raster key = canvas(width, height);
    const auto interior = [&](int x, int y) {
        return shape(x, y) && shape(x - 1, y) && shape(x + 1, y) && shape(x, y - 1) && shape(x, y + 1);
    };
    key.fillWhere(0, 0, width, height, Paint::solid(edge), shape);
    key.fillWhere(0, 0, width, height, Paint::vertical(fill, shades, 1, height - 2), interior);
    // A glossy line along the top.
    key.fillWhere(0, 2, width, 1, Paint::solid(shine), [&](int x, int y) { return interior(x, y - 1) && interior(x, y + 2); });
    return key;
}

PhoneArt::Bytes PhoneArt::softKey(bool left, KeyState state) const
{
    constexpr int width = 60;
    constexpr int height = 24;
    // Round on the outer side, nearly square towards the middle of the phone.
    const auto shape = [left](int x, int y) {
        const bool inner = left ? x >= width / 2 : x < width / 2;
        return Raster::insideRoundRect(x, y, 0, 0, width, height, 11)
            || (inner && Raster::insideRoundRect(x, y, 0, 0, width, height, 4));
    };
    return still(keyPicture(width, height, state, shape));
}

PhoneArt::Bytes PhoneArt::centreKey(KeyState state) const
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
    return still(key);
}

PhoneArt::Bytes PhoneArt::titleBar() const
{
    Raster bar(176, 22, ink.glass);
    bar.fillRect(0, 0, 176, 21, Paint::vertical(ink.glass, ink.glasses, 0, 20));
    bar.fillRect(0, 21, 176, 1, Paint::solid(ink.glassEdge));
    return still(bar);
}

PhoneArt::Bytes PhoneArt::softKeyBar() const
{
    Raster bar(176, 22, ink.glass);
    bar.fillRect(0, 1, 176, 21, Paint::vertical(ink.glass, ink.glasses, 21, 1));
    bar.fillRect(0, 0, 176, 1, Paint::solid(ink.glassEdge));
    return still(bar);
}

// --- status icons and animations ---------------------------------------------------

PhoneArt::Bytes PhoneArt::signal(int level) const
{
    Raster icon = canvas(22, 12);
    StatusGlyphs::signal(icon, 0, 11, 12, 5, level, 2, {ink.white, ink.grey + 4, ink.grey});
    return still(icon);
}

PhoneArt::Bytes PhoneArt::battery(int level) const
{
    Raster icon = canvas(20, 12);
    const int charge = level <= 1 ? ink.red : ink.green;
    StatusGlyphs::battery(icon, 0, 1, 20, 10, 4, level, {charge, ink.grey + 5, ink.grey});
    return still(icon);
}

PhoneArt::Bytes PhoneArt::batteryCharging() const
{
    // The empty case stays; cells light up one by one and are kept; the last
    // frame is then cleared back to the background before the loop restarts.
    GifWriter gif(20, 12, palette);
    gif.setTransparentIndex(ink.clear);
    Raster empty = canvas(20, 12);
    StatusGlyphs::battery(empty, 0, 1, 20, 10, 4, 0, {ink.green, ink.grey + 5, ink.grey});
    gif.addFrame(empty, 50, GifWriter::Keep);
    for (int cell = 0; cell < 4; ++cell) {
        const int x0 = 2 + 14 * cell / 4;
        const int x1 = 2 + 14 * (cell + 1) / 4 - 1;
        Raster lit(x1 - x0, 6, ink.green);
        const bool last = cell == 3;
        gif.addFrame(lit, last ? 90 : 30, last ? GifWriter::RestoreBackground : GifWriter::Keep, x0, 3);
    }
    return gif.encode();
}

void PhoneArt::envelope(Raster& image, int left, int top, int width, int height, int paper, int line) const
{
    image.fillRect(left, top, width, height, Paint::solid(line));
    image.fillRect(left + 1, top + 1, width - 2, height - 2, Paint::solid(paper));
    const int middleX = left + width / 2;
    const int middleY = top + height / 2 + 1;
    image.drawLine(left + 1, top + 1, middleX - 1, middleY, line);
    image.drawLine(left + width - 2, top + 1, middleX, middleY, line);
}

PhoneArt::Bytes PhoneArt::envelopeBlink() const
{
    // The envelope stays; its flap flashes yellow and the whole letter glows,
    // each flash giving back what was there before.
    GifWriter gif(16, 12, palette);
    gif.setTransparentIndex(ink.clear);
    Raster letter = canvas(16, 12);
    envelope(letter, 0, 1, 16, 11, ink.white, ink.grey + 4);
    gif.addFrame(letter, 70, GifWriter::Keep);
    Raster flap = canvas(14, 5);
    flap.fillPolygon({{0, 0}, {14, 0}, {7, 5}}, Paint::solid(ink.yellow));
    gif.addFrame(flap, 20, GifWriter::RestorePrevious, 1, 2);
    Raster glow = canvas(16, 12);
    envelope(glow, 0, 1, 16, 11, ink.yellow, ink.orange);
    gif.addFrame(glow, 35, GifWriter::RestorePrevious);
    return gif.encode();
}

PhoneArt::Bytes PhoneArt::hourglass() const
{
    // Sand runs from the top bulb into the bottom one; every frame is cleared
    // to the background before the next is drawn.
    constexpr int width = 24;
    constexpr int height = 32;
    constexpr int steps = 7;
    GifWriter gif(width, height, palette);
    gif.setTransparentIndex(ink.clear);
    for (int step = 0; step < steps; ++step) {
        Raster frame = canvas(width, height);
        frame.fillRect(2, 0, 20, 3, Paint::solid(ink.brown));
        frame.fillRect(2, 29, 20, 3, Paint::solid(ink.brown));
        frame.fillPolygon({{4, 3}, {20, 3}, {13, 16}, {20, 29}, {4, 29}, {11, 16}}, Paint::solid(ink.glassEdge));
        frame.fillPolygon({{5, 4}, {19, 4}, {12, 15}, {19, 28}, {5, 28}, {12, 17}}, Paint::solid(ink.glass + 1));
        const int topSand = 10 * (steps - 1 - step) / (steps - 1);
        const int bottomSand = 10 * step / (steps - 1);
        if (topSand > 0)
            frame.fillPolygon({{12 - topSand * 7 / 10, 15 - topSand}, {12 + topSand * 7 / 10, 15 - topSand}, {12, 15}},
                              Paint::solid(ink.yellow));
        if (bottomSand > 0)
            frame.fillPolygon({{5, 28}, {19, 28}, {19 - bottomSand * 4 / 10, 28 - bottomSand},
                               {5 + bottomSand * 4 / 10, 28 - bottomSand}},
                              Paint::solid(ink.yellow));
        if (step < steps - 1)
            frame.fillRect(12, 16, 1, 12 - bottomSand, Paint::solid(ink.yellow));
        const bool pause = step == 0 || step == steps - 1;
        gif.addFrame(frame, pause ? 40 : 15, GifWriter::RestoreBackground);
    }
    return gif.encode();
}

void PhoneArt::handset(Raster& image, int left, int top, int size, int fore) const
{
    // A telephone receiver: earpiece top left, mouthpiece bottom right, the grip curving between them.
    static constexpr Point outline[] = {{3, 1},  {8, 1},   {11, 7},  {8, 10},  {10, 13}, {13, 15}, {16, 13},
                                        {22, 15}, {23, 20}, {18, 23}, {11, 21}, {5, 16},  {1, 9},   {1, 4}};
    std::vector<Point> corners;
    for (const Point p : outline)
        corners.push_back({grid(left, p.x, size), grid(top, p.y, size)});
    image.fillPolygon(corners, Paint::solid(fore));
}

void PhoneArt::person(Raster& image, int left, int top, int size, int fore) const
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

void PhoneArt::clockGlyph(Raster& image, int left, int top, int size, int fore, int back) const
{
    image.fillEllipse(left, top, size, size, Paint::solid(fore));
    const int rim = std::max(1, size / 10);
    image.fillEllipse(left + rim, top + rim, size - 2 * rim, size - 2 * rim, Paint::solid(back));
    const int c = size / 2;
    image.drawLine(left + c, top + c, left + c, top + size / 5, fore, std::max(1, size / 12));
    image.drawLine(left + c, top + c, left + size - size / 4, top + c, fore, std::max(1, size / 12));
}

void PhoneArt::bell(Raster& image, int left, int top, int size, int fore) const
{
    const auto g = [&](int origin, int v) { return grid(origin, v, size); };
    image.fillEllipse(g(left, 6), g(top, 2), g(0, 12), g(0, 14), Paint::solid(fore));
    image.fillPolygon({{g(left, 6), g(top, 9)}, {g(left, 18), g(top, 9)}, {g(left, 21), g(top, 19)}, {g(left, 3), g(top, 19)}},
                      Paint::solid(fore));
    image.fillEllipse(g(left, 10), g(top, 18), g(0, 5), g(0, 5), Paint::solid(fore));
}

void PhoneArt::symbol(Raster& image, Symbol which, int left, int top, int size, int fore, int back) const
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

PhoneArt::Bytes PhoneArt::statusIcon(StatusIcon icon) const
{
    Raster image = canvas(16, 12);
    switch (icon) {
    case StatusIcon::MissedCall:
        handset(image, 0, 0, 12, ink.red);
        image.drawLine(10, 1, 15, 6, ink.white);
        image.drawLine(15, 1, 10, 6, ink.white);
        break;
    case StatusIcon::Alarm:
        bell(image, 2, 0, 12, ink.yellow);
        image.fillRect(13, 1, 2, 6, Paint::solid(ink.white));
        image.fillRect(13, 9, 2, 2, Paint::solid(ink.white));
        break;
    case StatusIcon::Silent:
        image.fillRect(1, 4, 3, 4, Paint::solid(ink.white));
        image.fillPolygon({{4, 4}, {8, 1}, {8, 11}, {4, 8}}, Paint::solid(ink.white));
        image.drawLine(10, 3, 15, 8, ink.red, 2);
        image.drawLine(15, 3, 10, 8, ink.red, 2);
        break;
    case StatusIcon::Vibrate:
        image.fillRoundRect(5, 0, 6, 12, 1, Paint::solid(ink.white));
        image.fillRect(6, 2, 4, 4, Paint::solid(ink.glass + 3));
        for (int y = 2; y < 10; y += 3) {
            image.set(2, y, ink.white);
            image.set(1, y + 1, ink.white);
            image.set(13, y, ink.white);
            image.set(14, y + 1, ink.white);
        }
        break;
    case StatusIcon::KeyLock:
        image.fillRing(4, 0, 8, 9, 2, Paint::solid(ink.grey));
        image.fillRect(3, 5, 10, 7, Paint::solid(ink.yellow));
        image.fillRect(7, 7, 2, 3, Paint::solid(ink.brown));
        break;
    case StatusIcon::Headset:
        image.fillRing(1, 0, 14, 14, 2, Paint::solid(ink.white));
        image.fillRect(0, 7, 16, 5, Paint::solid(ink.clear));
        image.fillRoundRect(0, 6, 4, 6, 1, Paint::solid(ink.white));
        image.fillRoundRect(12, 6, 4, 6, 1, Paint::solid(ink.white));
        break;
    case StatusIcon::Roaming:
        image.fillPolygon({{8, 0}, {16, 12}, {0, 12}}, Paint::solid(ink.orange));
        BitmapFont::draw(image, 6, 4, "R", ink.dark, 1);
        image.fillRect(6, 11, 5, 1, Paint::solid(ink.orange));
        break;
    case StatusIcon::Data:
        image.fillRoundRect(0, 0, 16, 12, 2, Paint::solid(ink.blue));
        BitmapFont::draw(image, 2, 2, "G", ink.white, 1);
        image.fillPolygon({{10, 5}, {13, 2}, {16, 5}}, Paint::solid(ink.white));
        image.fillPolygon({{10, 7}, {16, 7}, {13, 10}}, Paint::solid(ink.white));
        break;
    }
    return still(image);
}

// --- menus, dialogs, lists ----------------------------------------------------------

void PhoneArt::tile(Raster& image, int left, int top, int size, bool selected) const
{
    const int edge = selected ? ink.cyanEdge : ink.glassEdge;
    const int fill = selected ? ink.cyan : ink.glass;
    const int shades = selected ? ink.cyans : ink.glasses;
    image.fillRoundRect(left, top, size, size, size / 5, Paint::solid(edge));
    image.fillRoundRect(left + 1, top + 1, size - 2, size - 2, size / 5 - 1,
                        Paint::diagonal(fill, shades, left + top, left + top + 2 * size));
}

PhoneArt::Bytes PhoneArt::menuIcon(Symbol which, bool selected) const
{
    constexpr int size = 40;
    Raster icon = canvas(size, size);
    if (selected) {
        icon.fillRoundRect(0, 0, size, size, 9, Paint::solid(ink.amber));
        tile(icon, 2, 2, size - 4, true);
    } else {
        tile(icon, 3, 3, size - 6, false);
    }
    const int back = selected ? ink.cyan + 3 : ink.glass + 4;
    symbol(icon, which, 8, 8, 24, ink.white, back);
    return still(icon);
}

void PhoneArt::disc(Raster& image, int size, int ringInk, int fillInk) const
{
    image.fillEllipse(0, 0, size, size, Paint::solid(ringInk));
    image.fillEllipse(2, 2, size - 4, size - 4, Paint::solid(fillInk));
}

PhoneArt::Bytes PhoneArt::dialogIcon(DialogIcon icon) const
{
    constexpr int size = 32;
    Raster image = canvas(size, size);
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
    return still(image);
}

PhoneArt::Bytes PhoneArt::listPart(ListPart part) const
{
    switch (part) {
    case ListPart::Highlight: {
        Raster bar = canvas(168, 22);
        bar.fillRoundRect(0, 0, 168, 22, 5, Paint::solid(ink.cyanEdge));
        bar.fillRoundRect(1, 1, 166, 20, 4, Paint::vertical(ink.cyan, ink.cyans, 1, 20));
        return still(bar);
    }
    case ListPart::Bullet: {
        Raster dot = canvas(8, 8);
        dot.fillEllipse(0, 0, 8, 8, Paint::solid(ink.cyanEdge));
        dot.fillEllipse(2, 2, 4, 4, Paint::solid(ink.cyan + 2));
        return still(dot);
    }
    case ListPart::CheckOff:
    case ListPart::CheckOn: {
        Raster box = canvas(12, 12);
        box.fillRect(0, 0, 12, 12, Paint::solid(ink.grey + 3));
        box.fillRect(1, 1, 10, 10, Paint::solid(ink.white));
        if (part == ListPart::CheckOn) {
            box.drawLine(2, 6, 4, 9, ink.greenDark, 2);
            box.drawLine(4, 9, 9, 2, ink.greenDark, 2);
        }
        return still(box);
    }
    case ListPart::RadioOff:
    case ListPart::RadioOn: {
        Raster radio = canvas(12, 12);
        radio.fillEllipse(0, 0, 12, 12, Paint::solid(ink.grey + 3));
        radio.fillEllipse(1, 1, 10, 10, Paint::solid(ink.white));
        if (part == ListPart::RadioOn)
            radio.fillEllipse(3, 3, 6, 6, Paint::solid(ink.cyan + 4));
        return still(radio);
    }
    case ListPart::ArrowUp:
    case ListPart::ArrowDown: {
        Raster arrow = canvas(10, 6);
        if (part == ListPart::ArrowUp)
            arrow.fillPolygon({{5, 0}, {10, 6}, {0, 6}}, Paint::solid(ink.white));
        else
            arrow.fillPolygon({{0, 0}, {10, 0}, {5, 6}}, Paint::solid(ink.white));
        return still(arrow);
    }
    }
    return {};
}

// --- messages, contacts, calls, media ---------------------------------------------

PhoneArt::Bytes PhoneArt::messageIcon(MessageIcon icon) const
{
    Raster image = canvas(16, 14);
    switch (icon) {
    case MessageIcon::Unread:
        envelope(image, 0, 2, 16, 11, ink.white, ink.grey + 4);
        image.fillEllipse(11, 0, 5, 5, Paint::solid(ink.orange));
        break;
    case MessageIcon::Read:
        image.fillPolygon({{0, 6}, {8, 0}, {16, 6}}, Paint::solid(ink.grey + 1));
        image.fillRect(0, 6, 16, 8, Paint::solid(ink.grey + 4));
        image.fillRect(1, 6, 14, 7, Paint::solid(ink.white));
        image.drawLine(1, 7, 7, 11, ink.grey + 3);
        image.drawLine(14, 7, 8, 11, ink.grey + 3);
        break;
    case MessageIcon::Sent:
        envelope(image, 0, 3, 12, 9, ink.white, ink.grey + 4);
        image.fillPolygon({{10, 3}, {16, 7}, {10, 11}}, Paint::solid(ink.green));
        break;
    case MessageIcon::Draft:
        envelope(image, 0, 3, 13, 10, ink.white, ink.grey + 4);
        image.drawLine(8, 11, 15, 2, ink.yellow, 2);
        image.set(8, 12, ink.dark);
        break;
    case MessageIcon::Outbox:
        envelope(image, 0, 4, 13, 10, ink.white, ink.grey + 4);
        image.fillPolygon({{10, 4}, {13, 0}, {16, 4}}, Paint::solid(ink.orange));
        image.fillRect(12, 4, 2, 4, Paint::solid(ink.orange));
        break;
    }
    return still(image);
}

PhoneArt::Bytes PhoneArt::inputMode(const std::string& label) const
{
    Raster image = canvas(24, 11);
    image.fillRoundRect(0, 0, 24, 11, 3, Paint::solid(ink.glassEdge));
    image.fillRoundRect(1, 1, 22, 9, 2, Paint::solid(ink.glass + 5));
    BitmapFont::draw(image, 12 - BitmapFont::textWidth(label) / 2, 2, label, ink.white);
    return still(image);
}

PhoneArt::Bytes PhoneArt::contactIcon(ContactIcon icon) const
{
    Raster image = canvas(16, 14);
    switch (icon) {
    case ContactIcon::Mobile:
        image.fillRoundRect(4, 0, 8, 14, 2, Paint::solid(ink.grey + 1));
        image.fillRect(5, 2, 6, 5, Paint::solid(ink.cyan + 1));
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 3; ++column)
                image.set(5 + column * 2, 9 + row * 2, ink.dark);
        break;
    case ContactIcon::Home:
        image.fillPolygon({{8, 0}, {16, 7}, {0, 7}}, Paint::solid(ink.red));
        image.fillRect(2, 7, 12, 7, Paint::solid(ink.paper));
        image.fillRect(7, 9, 3, 5, Paint::solid(ink.brown));
        break;
    case ContactIcon::Work:
        image.fillRect(5, 1, 6, 3, Paint::solid(ink.brown));
        image.fillRect(6, 2, 4, 2, Paint::solid(ink.clear));
        image.fillRoundRect(0, 4, 16, 10, 2, Paint::solid(ink.brown));
        image.fillRect(0, 8, 16, 1, Paint::solid(ink.dark));
        image.fillRect(7, 7, 2, 3, Paint::solid(ink.yellow));
        break;
    case ContactIcon::Email:
        image.fillEllipse(0, 0, 15, 14, Paint::solid(ink.cyanEdge));
        image.fillEllipse(2, 2, 11, 10, Paint::solid(ink.clear));
        image.fillEllipse(5, 4, 6, 6, Paint::solid(ink.cyanEdge));
        image.fillEllipse(7, 6, 2, 2, Paint::solid(ink.clear));
        image.fillRect(10, 5, 2, 6, Paint::solid(ink.cyanEdge));
        break;
    case ContactIcon::Group:
        person(image, 6, 0, 10, ink.grey + 2);
        person(image, 0, 3, 11, ink.white);
        break;
    }
    return still(image);
}

PhoneArt::Bytes PhoneArt::callIcon(CallIcon icon) const
{
    constexpr int size = 32;
    if (icon == CallIcon::Incoming) {
        // The handset stays; sound waves appear one by one, and the last
        // frame is cleared back to the background.
        GifWriter gif(size, size, palette);
        gif.setTransparentIndex(ink.clear);
        Raster base = canvas(size, size);
        handset(base, 0, 6, 24, ink.green);
        gif.addFrame(base, 40, GifWriter::Keep);
        for (int wave = 0; wave < 3; ++wave) {
            Raster arc = canvas(size, size);
            const int r = 8 + wave * 5;
            arc.fillWhere(0, 0, size, size, Paint::solid(ink.white), [=](int x, int y) {
                return x > 16 && y < 16 && Raster::insideEllipse(x, y, 16 - r, 16 - r, 2 * r, 2 * r)
                    && !Raster::insideEllipse(x, y, 18 - r, 18 - r, 2 * r - 4, 2 * r - 4) && x + (32 - y) > 36;
            });
            const bool last = wave == 2;
            gif.addFrame(arc, last ? 60 : 20, last ? GifWriter::RestoreBackground : GifWriter::Keep);
        }
        return gif.encode();
    }
    Raster image = canvas(size, size);
    switch (icon) {
    case CallIcon::Incoming:
        break;
    case CallIcon::Outgoing:
        handset(image, 0, 8, 24, ink.green);
        image.drawLine(18, 14, 29, 3, ink.white, 3);
        image.fillPolygon({{21, 2}, {31, 1}, {30, 11}}, Paint::solid(ink.white));
        break;
    case CallIcon::Held:
        handset(image, 0, 8, 24, ink.amber + 2);
        image.fillRect(20, 2, 4, 12, Paint::solid(ink.white));
        image.fillRect(27, 2, 4, 12, Paint::solid(ink.white));
        break;
    case CallIcon::Ended:
        handset(image, 4, 4, 24, ink.red);
        image.drawLine(2, 29, 29, 2, ink.white, 3);
        break;
    }
    return still(image);
}

PhoneArt::Bytes PhoneArt::callerPicture() const
{
    Raster image(48, 56, ink.glass);
    image.fillRect(0, 0, 48, 56, Paint::vertical(ink.glass, ink.glasses, 0, 55));
    person(image, 4, 12, 40, ink.glassEdge);
    image.frameRect(0, 0, 48, 56, ink.glassEdge);
    return still(image);
}

PhoneArt::Bytes PhoneArt::mediaControl(MediaControl control) const
{
    Raster image = canvas(20, 16);
    const Paint white = Paint::solid(ink.white);
    switch (control) {
    case MediaControl::Play:
        image.fillPolygon({{5, 1}, {17, 8}, {5, 15}}, white);
        break;
    case MediaControl::Pause:
        image.fillRect(4, 2, 4, 12, white);
        image.fillRect(12, 2, 4, 12, white);
        break;
    case MediaControl::Stop:
        image.fillRect(4, 2, 12, 12, white);
        break;
    case MediaControl::Previous:
        image.fillRect(2, 2, 2, 12, white);
        image.fillPolygon({{4, 8}, {11, 2}, {11, 14}}, white);
        image.fillPolygon({{11, 8}, {18, 2}, {18, 14}}, white);
        break;
    case MediaControl::Next:
        image.fillPolygon({{2, 2}, {9, 8}, {2, 14}}, white);
        image.fillPolygon({{9, 2}, {16, 8}, {9, 14}}, white);
        image.fillRect(16, 2, 2, 12, white);
        break;
    }
    return still(image);
}

PhoneArt::Bytes PhoneArt::cameraIcon(CameraIcon icon) const
{
    Raster image = canvas(16, 16);
    switch (icon) {
    case CameraIcon::Photo:
        symbol(image, Symbol::Camera, 0, 0, 16, ink.white, ink.glass + 5);
        break;
    case CameraIcon::Video:
        image.fillRoundRect(0, 4, 11, 9, 2, Paint::solid(ink.white));
        image.fillPolygon({{11, 8}, {16, 4}, {16, 13}}, Paint::solid(ink.white));
        image.fillEllipse(2, 6, 4, 4, Paint::solid(ink.red));
        break;
    case CameraIcon::Timer:
        clockGlyph(image, 1, 1, 14, ink.white, ink.glass + 5);
        break;
    }
    return still(image);
}

PhoneArt::Bytes PhoneArt::volumeStep(bool on) const
{
    Raster image = canvas(8, 16);
    if (on) {
        image.fillRect(0, 0, 8, 16, Paint::solid(ink.amberEdge));
        image.fillRect(1, 1, 6, 14, Paint::vertical(ink.amber, ink.ambers, 1, 14));
    } else {
        image.frameRect(0, 0, 8, 16, ink.grey + 3);
    }
    return still(image);
}

PhoneArt::Bytes PhoneArt::padlock() const
{
    Raster image = canvas(32, 32);
    image.fillRing(7, 1, 18, 22, 4, Paint::solid(ink.grey + 1));
    image.fillRoundRect(3, 13, 26, 18, 3, Paint::solid(ink.amberEdge));
    image.fillRoundRect(4, 14, 24, 16, 2, Paint::vertical(ink.amber, ink.ambers, 14, 29));
    image.fillEllipse(13, 18, 6, 6, Paint::solid(ink.dark));
    image.fillRect(15, 22, 2, 5, Paint::solid(ink.dark));
    return still(image);
}

PhoneArt::Bytes PhoneArt::alarmBell() const
{
    Raster image = canvas(48, 48);
    bell(image, 0, 0, 48, ink.amber + 1);
    image.fillEllipse(13, 5, 8, 12, Paint::solid(ink.amberEdge));
    image.drawLine(2, 6, 6, 2, ink.white, 2);
    image.drawLine(45, 6, 41, 2, ink.white, 2);
    return still(image);
}
