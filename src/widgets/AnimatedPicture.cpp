#include "widgets/AnimatedPicture.h"

#include "pictures/Checkerboard.h"
#include "pictures/ColourValue.h"
#include "pictures/FramePlayer.h"
#include "pictures/ImageDecoding.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

QRgb paletteColour(QPalette::ColorRole role)
{
    return QGuiApplication::palette().color(role).rgb();
}

constexpr std::uint32_t white = 0xFFFFFF;

} // namespace

AnimatedPicture::AnimatedPicture(QWidget* parent) : QWidget(parent)
{
}

AnimatedPicture::~AnimatedPicture()
{
    // The thread draws into this object: it ends before anything goes.
    clear();
}

bool AnimatedPicture::loadFromBytes(const std::uint8_t* data, int size)
{
    if (size < 0 || (!data && size > 0))
        return false;
    return loadFromBytes(std::span<const std::uint8_t>(data, std::size_t(size)));
}

bool AnimatedPicture::loadFromBytes(std::span<const std::uint8_t> bytes)
{
    clear();
    if (!animation.decode(bytes))
        return false;
    surfaceWidth = animation.width();
    surfaceHeight = animation.height();
    if (!prepareSurface(surfaceWidth, surfaceHeight)) {
        animation.clear();
        return false;
    }
    return true;
}

bool AnimatedPicture::prepareSurface(int width, int height)
{
    if (width <= 0 || height <= 0 || !imagedecoding::fitsBudget(width, height))
        return false;
    resize(width, height);
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull())
        return false;
    const QRgb menuColour = paletteColour(QPalette::Window);
    image.fill(QColor(menuColour));
    {
        const std::lock_guard lock(surfaceMutex);
        surface = std::move(image);
        roundBrush = QColor(menuColour);
        background = valueFromQColor(QColor(paletteColour(QPalette::Button)));
        backdrop = qColorFromValue(background);
    }
    ready = true;
    update();
    return true;
}

bool AnimatedPicture::start()
{
    if (!ready)
        return false;
    if (animation.isAnimated()) {
        if (!animationThread.joinable())
            animationThread = std::thread(&AnimatedPicture::animate, this);
        return false;
    }

    const QImage& still = animation.stillPicture();
    const auto& frames = animation.frames();
    {
        const std::lock_guard lock(surfaceMutex);
        QPainter painter(&surface);
        if (!still.isNull())
            painter.drawImage(0, 0, still); // natural size: the decoder may trim an oversized GIF screen
        else if (frames.size() == 1 && !frames.front().pixels.isNull())
            painter.drawImage(frames.front().origin, frames.front().pixels); // the only frame that decoded
        else
            return false;
    }
    update();
    return true;
}

void AnimatedPicture::setBackground(std::uint32_t colour)
{
    if (!ready)
        return;
    {
        const std::lock_guard lock(surfaceMutex);
        background = colour;
    }
    fillBackdrop(qColorFromValue(colour));
}

void AnimatedPicture::setCheckerboardBackground()
{
    if (ready)
        fillBackdrop(checkerboardBrush());
}

void AnimatedPicture::fillBackdrop(QBrush brush)
{
    {
        const std::lock_guard lock(surfaceMutex);
        QPainter(&surface).fillRect(surface.rect(), brush);
        backdrop = brush;
        // Later rounds start on it too, not on the menu colour around the picture.
        roundBrush = std::move(brush);
    }
    update();
}

std::uint32_t AnimatedPicture::backgroundColour() const
{
    const std::lock_guard lock(surfaceMutex);
    return background;
}

void AnimatedPicture::stop()
{
    {
        const std::lock_guard lock(stopMutex);
        stopRequested = true;
    }
    stopSignal.notify_all();
    // Every wait of the thread ends at a stop request, so this returns at once.
    if (animationThread.joinable())
        animationThread.join();
    const std::lock_guard lock(stopMutex);
    stopRequested = false;
}

void AnimatedPicture::clear()
{
    stop();
    animation.clear();
    {
        const std::lock_guard lock(surfaceMutex);
        surface = QImage();
        background = white;
        backdrop = QBrush();
        roundBrush = QBrush();
    }
    ready = false;
    update();
}

QImage AnimatedPicture::snapshot() const
{
    const std::lock_guard lock(surfaceMutex);
    return surface.copy();
}

void AnimatedPicture::paintEvent(QPaintEvent*)
{
    const std::lock_guard lock(surfaceMutex);
    if (surface.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, surface);
}

void AnimatedPicture::animate()
{
    QBrush clearBrush;
    {
        const std::lock_guard lock(surfaceMutex);
        clearBrush = roundBrush;
    }
    FramePlayer player(animation.frames(), clearBrush);
    for (;;) {
        FramePlayer::Wait wait;
        {
            const std::lock_guard lock(surfaceMutex);
            wait = player.showFrame(surface);
        }
        requestRepaint();
        if (waitOrStop(wait))
            return;
        {
            const std::lock_guard lock(surfaceMutex);
            player.advance(surface, backdrop);
        }
        if (waitOrStop(FramePlayer::Wait::zero()))
            return;
    }
}

bool AnimatedPicture::waitOrStop(std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + std::min(wait, FramePlayer::longestWait);
    std::unique_lock lock(stopMutex);
    return stopSignal.wait_until(lock, deadline, [this] { return stopRequested; });
}

void AnimatedPicture::requestRepaint()
{
    // One repaint request in flight at a time: a fast animation must not
    // flood the user-interface thread's event queue.
    if (!repaintPending.exchange(true))
        QMetaObject::invokeMethod(this, &AnimatedPicture::repaintFromSurface, Qt::QueuedConnection);
}

void AnimatedPicture::repaintFromSurface()
{
    repaintPending = false;
    update();
}
