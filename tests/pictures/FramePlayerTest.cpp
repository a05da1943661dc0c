#include "pictures/FramePlayer.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::milliseconds;

constexpr QRgb menu = 0xFF808080;
constexpr QRgb red = 0xFFFF0000;
constexpr QRgb green = 0xFF00FF00;
constexpr QRgb blue = 0xFF0000FF;
constexpr QRgb yellow = 0xFFFFFF00;

DecodedFrame frame(QRect rect, QRgb colour, int delay, int disposal)
{
    DecodedFrame f;
    f.info = GifFrame{rect.left(), rect.top(), rect.width(), rect.height(), delay, disposal};
    const QRect visible = rect & QRect(0, 0, 6, 6);
    if (!visible.isEmpty()) {
        f.pixels = QImage(visible.size(), QImage::Format_RGB32);
        f.pixels.fill(colour);
        f.origin = visible.topLeft();
    }
    return f;
}

// The colour of every pixel inside rect, or 0 when they differ.
QRgb uniform(const QImage& surface, QRect rect)
{
    const QRgb first = surface.pixel(rect.topLeft());
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x)
            if (surface.pixel(x, y) != first)
                return 0;
    return first;
}

QImage blankSurface()
{
    QImage surface(6, 6, QImage::Format_RGB32);
    surface.fill(menu);
    return surface;
}

} // namespace

TEST(FramePlayer, WaitsFollowTheDelays)
{
    EXPECT_EQ(FramePlayer::waitFor(-1), milliseconds(0));
    EXPECT_EQ(FramePlayer::waitFor(0), milliseconds(100));
    EXPECT_EQ(FramePlayer::waitFor(3), milliseconds(100));
    EXPECT_EQ(FramePlayer::waitFor(4), milliseconds(100));
    EXPECT_EQ(FramePlayer::waitFor(5), milliseconds(50));
    EXPECT_EQ(FramePlayer::waitFor(50), milliseconds(500));
    EXPECT_EQ(FramePlayer::waitFor(999), milliseconds(9990));
    EXPECT_EQ(FramePlayer::waitFor(1000), milliseconds(10000));
    EXPECT_EQ(FramePlayer::waitFor(65535), milliseconds(10000));
}

TEST(FramePlayer, DisposalsAndTheClearAfterTheLastFrame)
{
    const std::vector<DecodedFrame> frames{
        frame({0, 0, 6, 6}, red, 10, 1),    // stays
        frame({1, 1, 2, 2}, green, -1, 2),  // background afterwards
        frame({0, 0, 3, 3}, blue, 50, 3),   // what was under it comes back
        frame({5, 5, 1, 1}, yellow, 1, 0),  // stays until the round ends
    };
    QImage surface = blankSurface();
    FramePlayer player(frames, QColor(menu));

    EXPECT_EQ(player.showFrame(surface), milliseconds(100));
    EXPECT_EQ(uniform(surface, {0, 0, 6, 6}), red);
    player.advance(surface, QColor(yellow));
    EXPECT_EQ(uniform(surface, {0, 0, 6, 6}), red);

    EXPECT_EQ(player.showFrame(surface), milliseconds(0));
    EXPECT_EQ(uniform(surface, {1, 1, 2, 2}), green);
    player.advance(surface, QColor(yellow));
    EXPECT_EQ(uniform(surface, {1, 1, 2, 2}), yellow);
    EXPECT_EQ(uniform(surface, {3, 0, 3, 6}), red);
    const QImage underBlue = surface.copy();

    EXPECT_EQ(player.showFrame(surface), milliseconds(500));
    EXPECT_EQ(uniform(surface, {0, 0, 3, 3}), blue);
    EXPECT_EQ(surface.pixel(3, 3), red);
    player.advance(surface, QColor(green));
    EXPECT_EQ(surface, underBlue);

    EXPECT_EQ(player.showFrame(surface), milliseconds(100));
    EXPECT_EQ(surface.pixel(5, 5), yellow);
    EXPECT_EQ(player.currentIndex(), 3u);
    player.advance(surface, QColor(green));
    EXPECT_EQ(player.currentIndex(), 0u);
    EXPECT_EQ(uniform(surface, {0, 0, 6, 6}), menu);

    // The second round starts from the cleared surface and runs the same way.
    player.showFrame(surface);
    player.advance(surface, QColor(yellow));
    player.showFrame(surface);
    player.advance(surface, QColor(yellow));
    EXPECT_EQ(surface, underBlue);
}

TEST(FramePlayer, FramesOffTheSurfaceAreCut)
{
    const std::vector<DecodedFrame> frames{
        frame({4, 4, 10, 10}, green, 5, 2),
        frame({-3, -3, 5, 5}, blue, 5, 3),
        frame({40, 40, 3, 3}, red, 5, 2),
    };
    QImage surface = blankSurface();
    FramePlayer player(frames, QColor(menu));
    player.showFrame(surface);
    EXPECT_EQ(uniform(surface, {4, 4, 2, 2}), green);
    player.advance(surface, QColor(yellow));
    EXPECT_EQ(uniform(surface, {4, 4, 2, 2}), yellow);
    EXPECT_EQ(uniform(surface, {0, 0, 6, 4}), menu);
    player.showFrame(surface);
    EXPECT_EQ(uniform(surface, {0, 0, 2, 2}), blue);
    player.advance(surface, QColor(yellow));
    EXPECT_EQ(uniform(surface, {0, 0, 2, 2}), menu);
    const QImage before = surface.copy();
    player.showFrame(surface);
    EXPECT_EQ(surface, before); // nothing of it lies on the surface
    player.advance(surface, QColor(yellow));
    EXPECT_EQ(player.currentIndex(), 0u);
    EXPECT_EQ(uniform(surface, {0, 0, 6, 6}), menu);
}

TEST(FramePlayer, ARoundWithoutAnyDelayStillPauses)
{
    const std::vector<DecodedFrame> frames{frame({0, 0, 6, 6}, red, -1, 0), frame({0, 0, 6, 6}, blue, -1, 0)};
    QImage surface = blankSurface();
    FramePlayer player(frames, QColor(menu));
    for (int round = 0; round < 2; ++round) {
        EXPECT_EQ(player.showFrame(surface), milliseconds(0));
        player.advance(surface, QColor(yellow));
        EXPECT_EQ(player.showFrame(surface), FramePlayer::idleRoundWait);
        player.advance(surface, QColor(yellow));
    }
}
