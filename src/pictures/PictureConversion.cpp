#include "pictures/PictureConversion.h"

#include "pictures/ColourReduction.h"
#include "pictures/GifEncoding.h"
#include "pictures/ImageDecoding.h"
#include "pictures/Picture.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <cstring>

namespace pictureconversion {

namespace {

QByteArrayView viewOf(std::span<const std::uint8_t> bytes)
{
    return QByteArrayView(bytes.data(), qsizetype(bytes.size()));
}

// Stored as they are: usable when they decode.
SkinPicture unchanged(std::vector<std::uint8_t> bytes)
{
    SkinPicture picture;
    Picture decoded;
    picture.usable = !bytes.empty() && decoded.loadFromBytes(bytes) && decoded.width() > 0;
    picture.size = QSize(decoded.width(), decoded.height());
    picture.bytes = std::move(bytes);
    return picture;
}

} // namespace

bool isGif(std::span<const std::uint8_t> bytes)
{
    return bytes.size() >= 6 && (std::memcmp(bytes.data(), "GIF87a", 6) == 0 || std::memcmp(bytes.data(), "GIF89a", 6) == 0);
}

SkinPicture pictureForSkin(std::vector<std::uint8_t> fileBytes, Conversion conversion)
{
    if (conversion == Conversion::none || isGif(fileBytes))
        return unchanged(std::move(fileBytes));
    SkinPicture picture;
    // Straight alpha: premultiplying would change the colours of half-transparent pixels.
    const QImage image = fileBytes.empty() ? QImage() : QImage::fromData(viewOf(fileBytes));
    const std::optional<IndexedPicture> reduced = colourreduction::reduceColours(image);
    if (!reduced)
        return picture;
    picture.bytes = gifencoding::encodeGif(*reduced);
    picture.usable = !picture.bytes.empty();
    picture.converted = picture.usable;
    picture.size = picture.usable ? image.size() : QSize();
    return picture;
}

std::vector<std::uint8_t> toPng(std::span<const std::uint8_t> bytes)
{
    const QImage image = imagedecoding::decode(bytes);
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!QImageWriter(&buffer, "png").write(image))
        return {};
    return std::vector<std::uint8_t>(png.begin(), png.end());
}

QStringList commonSuffixes()
{
    return {QStringLiteral("gif"), QStringLiteral("png"), QStringLiteral("bmp"), QStringLiteral("jpg"),
            QStringLiteral("jpeg")};
}

QStringList readableSuffixes()
{
    QStringList suffixes;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        suffixes << QString::fromLatin1(format).toLower();
    suffixes.removeDuplicates();
    suffixes.sort();
    return suffixes;
}

} // namespace pictureconversion
