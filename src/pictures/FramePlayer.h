#pragma once

#include "pictures/DecodedAnimation.h"

#include <QBrush>
#include <QImage>
#include <QPoint>
#include <QRgb>

#include <chrono>
#include <cstddef>
#include <vector>

// The order, timing and disposal of an animation's frames on an off-screen
// surface, apart from any thread or clock: the animation thread calls
// showFrame, waits what it returns, calls advance, and so on.
class FramePlayer {
public:
    using Wait = std::chrono::milliseconds;
    static constexpr Wait longestWait{10000};
    // The last frame of a round in which no frame waited at all stays this
    // long, so that an animation without any delays does not spin.
    static constexpr Wait idleRoundWait{100};

    // frames must outlive the player and stay unchanged while it plays;
    // every round starts on the surface filled with clear.
    FramePlayer(const std::vector<DecodedFrame>& frames, QBrush clear);

    // How long a frame stays: nothing without a graphic control extension
    // (delay -1), 100 ms for delays 0 to 4, delay x 10 ms otherwise, at most 10 s.
    static Wait waitFor(int delay);

    // Draws the current frame (cut to the surface), keeping what lies under it
    // when its disposal restores that; returns how long it stays.
    Wait showFrame(QImage& surface);
    // Disposes of the frame shown (2: its rectangle filled with background;
    // 3: what lay under it put back) and moves on. After the last frame the
    // surface is cleared and the next round starts with frame 0.
    void advance(QImage& surface, const QBrush& background);

    std::size_t currentIndex() const { return index; }

private:
    QRect frameArea(const QImage& surface) const;

    const std::vector<DecodedFrame>& frames;
    QBrush clearBrush;
    std::size_t index = 0;
    bool roundHasWaited = false;
    QImage saved;
    QPoint savedAt;
};
