#pragma once

#include "pictures/DecodedAnimation.h"

#include <QBrush>
#include <QImage>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

// A control that shows one picture and plays it when it is an animated GIF.
// The frames are decoded once, at load time; while playing, a thread of the
// control's own draws them one after the other into an off-screen surface and
// asks for repaints, and painting copies that surface to the screen.
// Everything but the animation thread runs on the user-interface thread.
class AnimatedPicture : public QWidget {
    Q_OBJECT

public:
    explicit AnimatedPicture(QWidget* parent = nullptr);
    ~AnimatedPicture() override;

    // Replaces whatever was shown: stops and clears, decodes the bytes,
    // resizes the control to the picture and prepares the surface (filled
    // with the menu colour). False when nothing could be decoded.
    bool loadFromBytes(const std::uint8_t* data, int size);
    bool loadFromBytes(std::span<const std::uint8_t> bytes);
    // Animated GIF: starts the animation thread (false). Otherwise draws the
    // still picture into the surface (true when drawn).
    bool start();
    // Once the surface exists: keeps colour (0x00BBGGRR) for disposal and
    // fills the whole surface with it; every round of an animation started
    // afterwards begins on it.
    void setBackground(std::uint32_t colour);
    // Once the surface exists: the same with a checkerboard behind the
    // picture's transparent pixels instead of a colour (backgroundColour()
    // keeps the last colour).
    void setCheckerboardBackground();
    // Ends the animation thread, if any, and waits for it.
    void stop();
    // stop, then releases every picture and the surface.
    void clear();

    int pictureWidth() const { return surfaceWidth; }
    int pictureHeight() const { return surfaceHeight; }
    bool isGif() const { return animation.isGif(); }
    bool isReady() const { return ready; }
    bool isAnimating() const { return animationThread.joinable(); }
    std::uint32_t backgroundColour() const;
    const DecodedAnimation& content() const { return animation; }
    // A copy of what the surface shows now (null without a surface).
    QImage snapshot() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool prepareSurface(int width, int height);
    void animate();
    // Waits for the frame's time or a stop request; true when stopped.
    bool waitOrStop(std::chrono::milliseconds wait);
    void requestRepaint();
    void repaintFromSurface();
    // Fills the surface with backdrop, for disposal and for every round after this one.
    void fillBackdrop(QBrush backdrop);

    DecodedAnimation animation;  // read by the animation thread, changed only while none runs
    int surfaceWidth = 0;
    int surfaceHeight = 0;
    bool ready = false;

    mutable std::mutex surfaceMutex; // guards surface, background, backdrop and roundBrush
    QImage surface;
    std::uint32_t background = 0xFFFFFF;
    QBrush backdrop;             // what disposal fills a frame's rectangle with
    QBrush roundBrush;           // what every round of the animation starts on: the surface's last fill

    std::mutex stopMutex;
    std::condition_variable stopSignal;
    bool stopRequested = false;  // guarded by stopMutex
    std::atomic<bool> repaintPending{false};
    std::thread animationThread;
};
