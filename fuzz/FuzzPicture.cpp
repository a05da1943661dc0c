// Decodes arbitrary bytes the way the preview and the images page do: as a
// still picture drawn stretched and blended, and as the frames an animated
// picture control would play.
#include "pictures/DecodedAnimation.h"
#include "pictures/ImageDecoding.h"
#include "pictures/Picture.h"

#include <QGuiApplication>
#include <QPainter>

#include <cstdint>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Image format plugins and painting want an application object; no window is opened.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static std::unique_ptr<QGuiApplication> application = std::make_unique<QGuiApplication>(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    Picture picture;
    const bool still = picture.loadFromBytes(bytes);
    if (picture.dataSize() != int(size) || still != picture.isLoaded())
        std::abort();
    QImage surface(24, 20, QImage::Format_RGB32);
    surface.fill(Qt::white);
    picture.draw(surface, 1, 1, 22, 18);
    picture.drawBlended(surface, -5, -5, 40, 40, int(size % 300));

    DecodedAnimation animation;
    if (animation.decode(bytes)) {
        // Kept frames lie on the logical screen and together stay within one picture's budget.
        const QRect screen(0, 0, animation.width(), animation.height());
        qint64 pixelBytes = 0;
        QPainter painter(&surface);
        for (const DecodedFrame& frame : animation.frames()) {
            if (frame.pixels.isNull())
                continue;
            if (!screen.contains(QRect(frame.origin, frame.pixels.size())))
                std::abort();
            pixelBytes += qint64(frame.pixels.width()) * frame.pixels.height() * 4;
            painter.drawImage(frame.origin, frame.pixels);
        }
        if (pixelBytes > imagedecoding::pixelByteBudget())
            std::abort();
    }
    return 0;
}
