#include "CallMediaArt.h"

#include "Motifs.h"

CallMediaArt::Bytes CallMediaArt::callIcon(CallIcon icon) const
{
    constexpr int size = 32;
    if (icon == CallIcon::Incoming) {
        // The handset stays; sound waves appear one by one, and the last
        // frame is cleared back to the background.
        GifWriter gif = ink.animation(size, size);
        Raster base = ink.canvas(size, size);
        Motifs::handset(base, 0, 6, 24, ink.green);
        gif.addFrame(base, 40, GifWriter::Keep);
        for (int wave = 0; wave < 3; ++wave) {
            Raster arc = ink.canvas(size, size);
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
    Raster image = ink.canvas(size, size);
    switch (icon) {
    case CallIcon::Incoming:
        break;
    case CallIcon::Outgoing:
        Motifs::handset(image, 0, 8, 24, ink.green);
        image.drawLine(18, 14, 29, 3, ink.white, 3);
        image.fillPolygon({{21, 2}, {31, 1}, {30, 11}}, Paint::solid(ink.white));
        break;
    case CallIcon::Held:
        Motifs::handset(image, 0, 8, 24, ink.amber + 2);
        image.fillRect(20, 2, 4, 12, Paint::solid(ink.white));
        image.fillRect(27, 2, 4, 12, Paint::solid(ink.white));
        break;
    case CallIcon::Ended:
        Motifs::handset(image, 4, 4, 24, ink.red);
        image.drawLine(2, 29, 29, 2, ink.white, 3);
        break;
    }
    return ink.still(image);
}

CallMediaArt::Bytes CallMediaArt::callerPicture() const
{
    Raster image(48, 56, ink.glass);
    image.fillRect(0, 0, 48, 56, Paint::vertical(ink.glass, ink.glasses, 0, 55));
    Motifs::person(image, 4, 12, 40, ink.glassEdge);
    image.frameRect(0, 0, 48, 56, ink.glassEdge);
    return ink.still(image);
}

CallMediaArt::Bytes CallMediaArt::mediaControl(MediaControl control) const
{
    Raster image = ink.canvas(20, 16);
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
    return ink.still(image);
}

CallMediaArt::Bytes CallMediaArt::cameraIcon(CameraIcon icon) const
{
    Raster image = ink.canvas(16, 16);
    switch (icon) {
    case CameraIcon::Photo:
        Motifs::symbol(image, Motifs::Symbol::Camera, 0, 0, 16, ink.white, ink.glass + 5);
        break;
    case CameraIcon::Video:
        image.fillRoundRect(0, 4, 11, 9, 2, Paint::solid(ink.white));
        image.fillPolygon({{11, 8}, {16, 4}, {16, 13}}, Paint::solid(ink.white));
        image.fillEllipse(2, 6, 4, 4, Paint::solid(ink.red));
        break;
    case CameraIcon::Timer:
        Motifs::clockGlyph(image, 1, 1, 14, ink.white, ink.glass + 5);
        break;
    }
    return ink.still(image);
}

CallMediaArt::Bytes CallMediaArt::volumeStep(bool on) const
{
    Raster image = ink.canvas(8, 16);
    if (on) {
        image.fillRect(0, 0, 8, 16, Paint::solid(ink.amberEdge));
        image.fillRect(1, 1, 6, 14, Paint::vertical(ink.amber, ink.ambers, 1, 14));
    } else {
        image.frameRect(0, 0, 8, 16, ink.grey + 3);
    }
    return ink.still(image);
}

CallMediaArt::Bytes CallMediaArt::padlock() const
{
    Raster image = ink.canvas(32, 32);
    image.fillRing(7, 1, 18, 22, 4, Paint::solid(ink.grey + 1));
    image.fillRoundRect(3, 13, 26, 18, 3, Paint::solid(ink.amberEdge));
    image.fillRoundRect(4, 14, 24, 16, 2, Paint::vertical(ink.amber, ink.ambers, 14, 29));
    image.fillEllipse(13, 18, 6, 6, Paint::solid(ink.dark));
    image.fillRect(15, 22, 2, 5, Paint::solid(ink.dark));
    return ink.still(image);
}

CallMediaArt::Bytes CallMediaArt::alarmBell() const
{
    Raster image = ink.canvas(48, 48);
    Motifs::bell(image, 0, 0, 48, ink.amber + 1);
    image.fillEllipse(13, 5, 8, 12, Paint::solid(ink.amberEdge));
    image.drawLine(2, 6, 6, 2, ink.white, 2);
    image.drawLine(45, 6, 41, 2, ink.white, 2);
    return ink.still(image);
}
