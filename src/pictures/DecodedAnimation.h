#pragma once

#include "gif/GifWalker.h"

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <span>
#include <vector>

// One frame ready to be drawn: where and how long it shows, and its pixels
// already cut to the part of its rectangle that lies on the logical screen.
struct DecodedFrame {
    GifFrame info;
    QImage pixels;  // null when no part of the frame lies on the screen
    QPoint origin;  // where pixels go on the surface
};

// What the animated picture control plays, decoded from a picture's bytes:
// either one still picture or the frames of an animated GIF. Anything that is
// not a GIF87a/GIF89a, and a GIF with a single frame, is decoded whole; the
// frames of an animated GIF are cut out one by one and decoded separately, and
// frames that do not decode are left out.
class DecodedAnimation {
public:
    // Replaces the content; false when nothing could be decoded (the content
    // is then empty, but width and height keep what the bytes declared).
    bool decode(std::span<const std::uint8_t> bytes);
    void clear();

    bool isGif() const { return gif; }
    bool isAnimated() const { return frameList.size() > 1; }
    int width() const { return screenWidth; }
    int height() const { return screenHeight; }
    const QImage& stillPicture() const { return still; }
    const std::vector<DecodedFrame>& frames() const { return frameList; }

private:
    bool decodeStill(std::span<const std::uint8_t> bytes);
    void decodeFrames(GifWalker& walker);

    bool gif = false;
    int screenWidth = 0;
    int screenHeight = 0;
    QImage still;
    std::vector<DecodedFrame> frameList;
};
