#include "pictures/ImageDecoding.h"

#include <QImageReader>

namespace imagedecoding {

QImage decode(QByteArrayView bytes, const char* format)
{
    if (bytes.isEmpty())
        return {};
    QImage image = QImage::fromData(bytes, format);
    if (image.isNull())
        return {};
    // One of the two formats the raster painter draws fastest onto our RGB32 surfaces.
    const QImage::Format wanted = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    if (image.format() != wanted)
        image.convertTo(wanted);
    return image;
}

qint64 pixelByteBudget()
{
    constexpr qint64 fallbackMegabytes = 128; // Qt's own default
    const int megabytes = QImageReader::allocationLimit();
    return (megabytes > 0 ? megabytes : fallbackMegabytes) * 1024 * 1024;
}

bool fitsBudget(qint64 width, qint64 height)
{
    return width >= 0 && height >= 0 && width * height * 4 <= pixelByteBudget();
}

} // namespace imagedecoding
