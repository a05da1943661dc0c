#include "pictures/FramePlayer.h"

#include <QColor>
#include <QPainter>

#include <algorithm>

FramePlayer::FramePlayer(const std::vector<DecodedFrame>& frames, QBrush clear)
    : frames(frames), clearBrush(std::move(clear))
{
}

FramePlayer::Wait FramePlayer::waitFor(int delay)
{
    if (delay < 0)
        return Wait::zero();
    if (delay <= 4)
        return Wait(100);
    return std::min(Wait(std::int64_t(delay) * 10), longestWait);
}

QRect FramePlayer::frameArea(const QImage& surface) const
{
    const GifFrame& info = frames[index].info;
    return QRect(info.left, info.top, info.width, info.height) & surface.rect();
}

FramePlayer::Wait FramePlayer::showFrame(QImage& surface)
{
    if (frames.empty())
        return longestWait;
    const DecodedFrame& frame = frames[index];
    if (frame.info.disposal == 3) {
        const QRect area = frameArea(surface);
        saved = area.isEmpty() ? QImage() : surface.copy(area);
        savedAt = area.topLeft();
    }
    if (!frame.pixels.isNull()) {
        QPainter painter(&surface);
        painter.drawImage(frame.origin, frame.pixels);
    }

    Wait wait = waitFor(frame.info.delay);
    if (wait > Wait::zero())
        roundHasWaited = true;
    else if (index + 1 == frames.size() && !roundHasWaited)
        wait = idleRoundWait;
    return wait;
}

void FramePlayer::advance(QImage& surface, const QBrush& background)
{
    if (frames.empty())
        return;
    switch (frames[index].info.disposal) {
    case 2: {
        const QRect area = frameArea(surface);
        if (!area.isEmpty()) {
            QPainter painter(&surface);
            painter.fillRect(area, background);
        }
        break;
    }
    case 3:
        if (!saved.isNull()) {
            QPainter painter(&surface);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(savedAt, saved);
        }
        break;
    default:
        break;
    }
    saved = QImage();

    if (++index >= frames.size()) {
        index = 0;
        roundHasWaited = false;
        QPainter(&surface).fillRect(surface.rect(), clearBrush);
    }
}
