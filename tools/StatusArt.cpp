#include "StatusArt.h"

#include "BitmapFont.h"
#include "Motifs.h"
#include "StatusGlyphs.h"

StatusArt::Bytes StatusArt::signal(int level) const
{
    Raster icon = ink.canvas(22, 12);
    StatusGlyphs::signal(icon, 0, 11, 12, 5, level, 2, {ink.white, ink.grey + 4, ink.grey});
    return ink.still(icon);
}

StatusArt::Bytes StatusArt::battery(int level) const
{
    Raster icon = ink.canvas(20, 12);
    const int charge = level <= 1 ? ink.red : ink.green;
    StatusGlyphs::battery(icon, 0, 1, 20, 10, 4, level, {charge, ink.grey + 5, ink.grey});
    return ink.still(icon);
}

StatusArt::Bytes StatusArt::batteryCharging() const
{
    // The empty case stays; cells light up one by one and are kept; the last
    // frame is then cleared back to the background before the loop restarts.
    GifWriter gif = ink.animation(20, 12);
    Raster empty = ink.canvas(20, 12);
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

StatusArt::Bytes StatusArt::envelopeBlink() const
{
    // The envelope stays; its flap flashes yellow and the whole letter glows,
    // each flash giving back what was there before.
    GifWriter gif = ink.animation(16, 12);
    Raster letter = ink.canvas(16, 12);
    Motifs::envelope(letter, 0, 1, 16, 11, ink.white, ink.grey + 4);
    gif.addFrame(letter, 70, GifWriter::Keep);
    Raster flap = ink.canvas(14, 5);
    flap.fillPolygon({{0, 0}, {14, 0}, {7, 5}}, Paint::solid(ink.yellow));
    gif.addFrame(flap, 20, GifWriter::RestorePrevious, 1, 2);
    Raster glow = ink.canvas(16, 12);
    Motifs::envelope(glow, 0, 1, 16, 11, ink.yellow, ink.orange);
    gif.addFrame(glow, 35, GifWriter::RestorePrevious);
    return gif.encode();
}

StatusArt::Bytes StatusArt::hourglass() const
{
    // Sand runs from the top bulb into the bottom one; every frame is cleared
    // to the background before the next is drawn.
    constexpr int width = 24;
    constexpr int height = 32;
    constexpr int steps = 7;
    GifWriter gif = ink.animation(width, height);
    for (int step = 0; step < steps; ++step) {
        Raster frame = ink.canvas(width, height);
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

StatusArt::Bytes StatusArt::statusIcon(StatusIcon icon) const
{
    Raster image = ink.canvas(16, 12);
    switch (icon) {
    case StatusIcon::MissedCall:
        Motifs::handset(image, 0, 0, 12, ink.red);
        image.drawLine(10, 1, 15, 6, ink.white);
        image.drawLine(15, 1, 10, 6, ink.white);
        break;
    case StatusIcon::Alarm:
        Motifs::bell(image, 2, 0, 12, ink.yellow);
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
    return ink.still(image);
}
