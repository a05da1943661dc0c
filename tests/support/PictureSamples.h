#pragma once

// Pictures made in memory for the conversion's tests and benchmark, and
// their files in any format Qt writes.

#include <QBuffer>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <vector>

namespace picturesamples {

// The picture as a file of format ("PNG", "BMP", "JPEG").
inline std::vector<std::uint8_t> fileBytes(const QImage& image, const char* format, int quality = -1)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return std::vector<std::uint8_t>(data.begin(), data.end());
}

// A 176 x 220 picture of 5,000 colours, as a skin author's full-screen
// artwork may have: red grows across in 50 steps, green down in 100, blue
// follows both.
inline QImage fiveThousandColours()
{
    QImage image(176, 220, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int red = x * 50 / image.width() * 5;
            const int green = y * 100 / image.height() * 255 / 99;
            image.setPixel(x, y, qRgb(red, green, (red + green) / 2));
        }
    return image;
}

// count different colours, one per pixel in rows of 16, opaque.
inline QImage distinctColours(int count)
{
    QImage image(16, (count + 15) / 16, QImage::Format_RGB32);
    image.fill(Qt::black);
    for (int i = 0; i < count; ++i)
        image.setPixel(i % 16, i / 16, qRgb(i * 37 % 256, i * 11 % 256, i));
    return image;
}

// A key picture with soft edges: a disc in two colours whose border fades
// out over every alpha value, on a fully transparent background.
inline QImage softDisc()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int dx = x - 20;
            const int dy = y - 15;
            const int distance = dx * dx + dy * dy;
            if (distance > 15 * 15)
                continue;
            const int alpha = distance < 10 * 10 ? 255 : 255 - (distance - 100) * 255 / 125;
            image.setPixel(x, y, qRgba(x < 20 ? 200 : 20, 40, x < 20 ? 60 : 220, std::max(0, alpha)));
        }
    return image;
}

} // namespace picturesamples
