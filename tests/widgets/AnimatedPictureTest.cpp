#include "GifBuilder.h"
#include "widgets/AnimatedPicture.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QPalette>
#include <QPixmap>
#include <QThread>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Red, then green, each shown delay hundredths of a second.
Bytes twoFrames(int delay)
{
    return GifBuilder(6, 4).add(GifBuilder::frame(0, 0, 6, 4, 0, delay)).add(GifBuilder::frame(0, 0, 6, 4, 1, delay)).build();
}

// Runs the event loop until done() or about five seconds have passed.
bool waitUntil(const std::function<bool()>& done)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > 5000)
            return false;
        QApplication::processEvents();
        QThread::msleep(2);
    }
    return true;
}

QRgb pixelAt(const AnimatedPicture& control, int x, int y)
{
    const QImage surface = control.snapshot();
    return surface.isNull() ? 0 : surface.pixel(x, y);
}

std::uint32_t asColourValue(QColor colour)
{
    return std::uint32_t(colour.red()) | std::uint32_t(colour.green()) << 8 | std::uint32_t(colour.blue()) << 16;
}

} // namespace

TEST(AnimatedPicture, NothingHappensBeforeALoad)
{
    AnimatedPicture control;
    control.setBackground(0x123456);
    EXPECT_EQ(control.backgroundColour(), 0xFFFFFFu);
    EXPECT_TRUE(control.snapshot().isNull());
    EXPECT_FALSE(control.start());
    EXPECT_FALSE(control.loadFromBytes(Bytes{'x', 'y', 'z'}));
    EXPECT_FALSE(control.loadFromBytes(nullptr, 10));
    EXPECT_FALSE(control.isReady());
}

TEST(AnimatedPicture, StillPicturesAreDrawnOnceOverTheBackground)
{
    GifBuilder::Frame half = GifBuilder::frame(0, 0, 6, 5, 1, 0);
    half.transparentIndex = 0;
    half.pixels.assign(30, 1);
    std::fill(half.pixels.begin(), half.pixels.begin() + 12, 0); // two transparent rows
    AnimatedPicture control;
    ASSERT_TRUE(control.loadFromBytes(GifBuilder(6, 5).add(half).build()));
    EXPECT_TRUE(control.isReady());
    EXPECT_TRUE(control.isGif());
    EXPECT_EQ(control.size(), QSize(6, 5));
    EXPECT_EQ(control.pictureWidth(), 6);
    // A fresh surface is in the menu colour; the background is the button face.
    const QPalette palette = QApplication::palette();
    EXPECT_EQ(pixelAt(control, 0, 0), palette.color(QPalette::Window).rgb());
    EXPECT_EQ(control.backgroundColour(), asColourValue(palette.color(QPalette::Button)));

    control.setBackground(0xFF0000); // blue, laid out 0x00BBGGRR
    EXPECT_EQ(pixelAt(control, 5, 4), qRgb(0, 0, 255));
    EXPECT_TRUE(control.start());
    EXPECT_FALSE(control.isAnimating());
    EXPECT_EQ(pixelAt(control, 0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(pixelAt(control, 5, 4), GifBuilder::green);
    EXPECT_EQ(control.grab().toImage().pixel(5, 4), GifBuilder::green);

    control.clear();
    EXPECT_FALSE(control.isReady());
    EXPECT_EQ(control.backgroundColour(), 0xFFFFFFu);
    EXPECT_EQ(control.pictureWidth(), 6); // the size stays until the next load
    EXPECT_FALSE(control.start());
}

TEST(AnimatedPicture, OtherFormatsAreShownAtTheirPixelSize)
{
    QImage picture(13, 7, QImage::Format_RGB32);
    picture.fill(qRgb(255, 0, 0));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    AnimatedPicture control;
    ASSERT_TRUE(control.loadFromBytes(Bytes(data.begin(), data.end())));
    EXPECT_FALSE(control.isGif());
    EXPECT_EQ(control.size(), QSize(13, 7));
    EXPECT_TRUE(control.start());
    EXPECT_EQ(pixelAt(control, 12, 6), qRgb(255, 0, 0));
}

TEST(AnimatedPicture, AnimationsPlayInALoopUntilStopped)
{
    AnimatedPicture control;
    ASSERT_TRUE(control.loadFromBytes(twoFrames(5)));
    EXPECT_FALSE(control.start());
    EXPECT_TRUE(control.isAnimating());
    EXPECT_FALSE(control.start()); // no second thread
    // Painting on this thread while the animation thread draws.
    auto shows = [&control](QRgb colour) {
        return [&control, colour] { return control.grab().toImage().pixel(3, 2) == colour; };
    };
    EXPECT_TRUE(waitUntil(shows(GifBuilder::green)));
    EXPECT_TRUE(waitUntil(shows(GifBuilder::red)));
    EXPECT_TRUE(waitUntil(shows(GifBuilder::green)));
    control.stop();
    EXPECT_FALSE(control.isAnimating());
    const QImage stopped = control.snapshot();
    QThread::msleep(120);
    EXPECT_EQ(control.snapshot(), stopped);
    // Started again, it plays again.
    EXPECT_FALSE(control.start());
    EXPECT_TRUE(control.isAnimating());
}

TEST(AnimatedPicture, ALoadStopsTheRunningAnimationFirst)
{
    AnimatedPicture control;
    ASSERT_TRUE(control.loadFromBytes(twoFrames(1)));
    control.start();
    ASSERT_TRUE(waitUntil([&control] { return pixelAt(control, 0, 0) == GifBuilder::green; }));
    ASSERT_TRUE(control.loadFromBytes(GifBuilder(3, 3).add(GifBuilder::frame(0, 0, 3, 3, 2, 0)).build()));
    EXPECT_FALSE(control.isAnimating());
    EXPECT_TRUE(control.start());
    EXPECT_EQ(control.snapshot().size(), QSize(3, 3));
    EXPECT_EQ(pixelAt(control, 1, 1), GifBuilder::blue);
}

TEST(AnimatedPicture, DestroyingAPlayingControlEndsItsThreadAtOnce)
{
    // Every frame stays ten seconds; the window around the control closes
    // while the first one waits, with its repaint request still queued.
    auto window = std::make_unique<QWidget>();
    auto* control = new AnimatedPicture(window.get());
    ASSERT_TRUE(control->loadFromBytes(twoFrames(1000)));
    control->start();
    ASSERT_TRUE(waitUntil([control] { return pixelAt(*control, 0, 0) == GifBuilder::red; }));

    QElapsedTimer timer;
    timer.start();
    window.reset();
    EXPECT_LT(timer.elapsed(), 2000);
    QApplication::processEvents();

    // The same with the control on its own, destroyed straight after start.
    for (int i = 0; i < 20; ++i) {
        auto alone = std::make_unique<AnimatedPicture>();
        ASSERT_TRUE(alone->loadFromBytes(twoFrames(i % 2 ? 1000 : 0)));
        alone->start();
        if (i % 3 == 0)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}
