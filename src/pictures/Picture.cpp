#include "pictures/Picture.h"

#include "pictures/ImageDecoding.h"
#include "services/DialogService.h"

#include <QFile>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <new>

namespace {

const QString noMemoryForPicture = QStringLiteral("Can not allocate enough memory for picture\t");
constexpr int maximumErrorTextLength = 255;

void showError(const QString& text)
{
    DialogService::current().showMessage(text, QStringLiteral("Error"), DialogService::Icon::Error);
}

} // namespace

bool Picture::loadFromBytes(const std::uint8_t* data, int size)
{
    release();
    const bool decoded = data && decode(reinterpret_cast<const char*>(data), size);
    sourceSize = size;
    return finishLoad(decoded);
}

bool Picture::loadFromBytes(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > std::size_t(INT_MAX)) {
        release();
        showError(noMemoryForPicture);
        sourceSize = 0;
        return finishLoad(false);
    }
    return loadFromBytes(bytes.data(), int(bytes.size()));
}

bool Picture::loadFromFile(const QString& path)
{
    release();
    QFile file(path);
    qint64 length = 0;
    bool decoded = false;
    if (!file.open(QIODevice::ReadOnly)) {
        showError(file.errorString().left(maximumErrorTextLength));
    } else {
        length = file.size();
        if (length > INT_MAX) {
            showError(noMemoryForPicture);
        } else if (length > 0) {
            try {
                const QByteArray bytes = file.read(length);
                if (!bytes.isEmpty()) {
                    picture = imagedecoding::decode(bytes);
                    decoded = true;
                }
            } catch (const std::bad_alloc&) {
                showError(noMemoryForPicture);
            }
        }
    }
    sourceSize = int(std::min<qint64>(length, INT_MAX));
    return finishLoad(decoded);
}

bool Picture::decode(const char* data, qsizetype size)
{
    // The bytes are copied first, so the caller may reuse its buffer at once.
    if (size < 0) {
        showError(noMemoryForPicture);
        return false;
    }
    try {
        const QByteArray copy(data, size);
        picture = imagedecoding::decode(copy);
    } catch (const std::bad_alloc&) {
        showError(noMemoryForPicture);
        return false;
    }
    // Undecodable bytes leave the picture empty, which the caller turns into
    // a false result without a message.
    return true;
}

bool Picture::finishLoad(bool decoded)
{
    if (picture.isNull()) {
        pictureWidth = 0;
        pictureHeight = 0;
        return false;
    }
    pictureWidth = picture.width();
    pictureHeight = picture.height();
    return decoded;
}

void Picture::release()
{
    if (picture.isNull())
        return;
    picture = QImage();
    pictureHeight = 0;
    sourceSize = 0;
    pictureWidth = 0;
}

bool Picture::draw(QImage& surface, int left, int top, int right, int bottom) const
{
    if (surface.isNull() || picture.isNull())
        return false;
    QPainter painter(&surface);
    return draw(painter, left, top, right, bottom);
}

bool Picture::draw(QPainter& painter, int left, int top, int right, int bottom) const
{
    if (!painter.isActive() || picture.isNull())
        return false;
    // 64-bit sums: the corners come from skin files and may be anything.
    const qint64 width = qint64(right) - left + 1;
    const qint64 height = qint64(bottom) - top + 1;
    if (width > 0 && height > 0)
        painter.drawImage(QRectF(left, top, double(width), double(height)), picture);
    return true;
}

bool Picture::drawBlended(QImage& surface, int left, int top, int right, int bottom, int alpha) const
{
    if (surface.isNull() || picture.isNull())
        return false;
    QPainter painter(&surface);
    return drawBlended(painter, left, top, right, bottom, alpha);
}

bool Picture::drawBlended(QPainter& painter, int left, int top, int right, int bottom, int alpha) const
{
    if (!painter.isActive() || picture.isNull())
        return false;
    const qint64 width = qint64(right) - left;
    const qint64 height = qint64(bottom) - top;
    const int constantAlpha = alpha == 0 ? 255 : (alpha & 0xFF);
    if (width <= 0 || height <= 0 || constantAlpha == 0)
        return true; // the rectangle stays as it was

    // Centred with truncating division: a picture larger than the rectangle
    // is cut equally on both sides.
    const qint64 x = left + (width - pictureWidth) / 2;
    const qint64 y = top + (height - pictureHeight) / 2;
    painter.save();
    painter.setClipRect(QRectF(left, top, double(width), double(height)), Qt::IntersectClip);
    painter.setOpacity(constantAlpha / 255.0);
    painter.drawImage(QPointF(double(x), double(y)), picture);
    painter.restore();
    return true;
}
