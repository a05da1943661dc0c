#include "pictures/DecodedAnimation.h"

#include "pictures/ImageDecoding.h"

#include <QRect>

void DecodedAnimation::clear()
{
    gif = false;
    screenWidth = 0;
    screenHeight = 0;
    still = QImage();
    frameList.clear();
}

bool DecodedAnimation::decode(std::span<const std::uint8_t> bytes)
{
    clear();
    GifWalker walker(bytes);
    if (!walker.isGif()) {
        if (!decodeStill(bytes))
            return false;
        screenWidth = still.width();
        screenHeight = still.height();
        return true;
    }

    gif = true;
    screenWidth = walker.screenWidth();
    screenHeight = walker.screenHeight();
    switch (walker.countFrames()) {
    case 0:
        return false;
    case 1:
        return decodeStill(bytes);
    default:
        decodeFrames(walker);
        return !frameList.empty();
    }
}

bool DecodedAnimation::decodeStill(std::span<const std::uint8_t> bytes)
{
    still = imagedecoding::decode(bytes);
    return !still.isNull();
}

void DecodedAnimation::decodeFrames(GifWalker& walker)
{
    // A frame inside the screen decodes to just its own rectangle; any other
    // frame decodes to the whole logical screen, of which only the frame's own
    // rectangle, cut to the screen, is kept. The frames kept together stay
    // within the budget of one picture, whatever the file declares.
    const QRect screen(0, 0, screenWidth, screenHeight);
    qint64 budget = imagedecoding::pixelByteBudget();
    GifFrame info;
    std::vector<std::uint8_t> oneFrameGif;
    walker.rewind();
    while (walker.extractFrame(info, oneFrameGif, true)) {
        const QImage image = imagedecoding::decode(std::span<const std::uint8_t>(oneFrameGif), "gif");
        if (image.isNull())
            continue;
        const QPoint origin = walker.isFrameSized(info) ? QPoint(info.left, info.top) : QPoint(0, 0);
        const QRect visible = QRect(info.left, info.top, info.width, info.height) & screen
                              & QRect(origin, image.size());
        DecodedFrame frame{info, QImage(), visible.topLeft()};
        if (!visible.isEmpty()) {
            const qint64 size = qint64(visible.width()) * visible.height() * 4;
            if (size > budget)
                break;
            budget -= size;
            const QRect source = visible.translated(-origin);
            frame.pixels = source == image.rect() ? image : image.copy(source);
        }
        frameList.push_back(std::move(frame));
    }
}
