#include "preview/ZoomedCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

QImage zoomedImage(const QImage& source, int factor)
{
    QImage target;
    zoomInto(source, factor, target);
    return target;
}

void zoomInto(const QImage& source, int factor, QImage& target)
{
    factor = std::max(factor, 1);
    const QSize size(source.width() * factor, source.height() * factor);
    if (target.size() != size || target.format() != QImage::Format_RGB32)
        target = QImage(size, QImage::Format_RGB32);
    zoomPartInto(source, source.rect(), factor, target);
}

void zoomPartInto(const QImage& source, const QRect& sourceRect, int factor, QImage& target)
{
    factor = std::max(factor, 1);
    const QImage pixels = source.format() == QImage::Format_RGB32 ? source
                                                                    : source.convertToFormat(QImage::Format_RGB32);
    const QRect part = sourceRect.intersected(pixels.rect());
    if (part.isEmpty() || target.isNull() || target.format() != QImage::Format_RGB32
        || target.size() != pixels.size() * factor)
        return;
    const std::size_t rowBytes = std::size_t(part.width()) * std::size_t(factor) * sizeof(QRgb);
    for (int y = part.top(); y <= part.bottom(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        auto* first = reinterpret_cast<QRgb*>(target.scanLine(y * factor)) + std::ptrdiff_t(part.left()) * factor;
        for (int x = part.left(); x <= part.right(); ++x)
            std::fill_n(first + std::ptrdiff_t(x - part.left()) * factor, factor, from[x]);
        // The other rows of the band are copies of its first.
        for (int copy = 1; copy < factor; ++copy)
            std::memcpy(reinterpret_cast<QRgb*>(target.scanLine(y * factor + copy)) + std::ptrdiff_t(part.left()) * factor,
                        first, rowBytes);
    }
}

void gridPartInto(QImage& zoomed, const QRect& sourceRect, int factor, QColor colour)
{
    if (factor <= 1 || zoomed.format() != QImage::Format_RGB32)
        return;
    const QRect part = zoomedRect(sourceRect, factor).intersected(zoomed.rect());
    const int alpha = colour.alpha();
    const auto blend = [alpha, colour](QRgb pixel) {
        const auto mixed = [alpha](int over, int under) { return (over * alpha + under * (255 - alpha) + 127) / 255; };
        return qRgb(mixed(colour.red(), qRed(pixel)), mixed(colour.green(), qGreen(pixel)),
                    mixed(colour.blue(), qBlue(pixel)));
    };
    for (int y = part.top(); y <= part.bottom(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(zoomed.scanLine(y));
        if (y % factor == 0) {
            for (int x = part.left(); x <= part.right(); ++x)
                row[x] = blend(row[x]);
            continue;
        }
        for (int x = part.left() + (factor - part.left() % factor) % factor; x <= part.right(); x += factor)
            row[x] = blend(row[x]);
    }
}

QRect differingPart(const QImage& one, const QImage& other)
{
    if (one.size() != other.size() || one.format() != other.format() || one.depth() != 32)
        return {};
    const std::size_t rowBytes = std::size_t(one.width()) * sizeof(QRgb);
    int left = one.width();
    int right = -1;
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < one.height(); ++y) {
        const auto* a = reinterpret_cast<const QRgb*>(one.constScanLine(y));
        const auto* b = reinterpret_cast<const QRgb*>(other.constScanLine(y));
        if (std::memcmp(a, b, rowBytes) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int first = 0;
        while (a[first] == b[first])
            ++first;
        int last = one.width() - 1;
        while (a[last] == b[last])
            --last;
        left = std::min(left, first);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QPoint canvasPoint(QPointF zoomed, int factor)
{
    return {canvasCoordinate(int(std::floor(zoomed.x())), factor), canvasCoordinate(int(std::floor(zoomed.y())), factor)};
}

QRect zoomedRect(const QRect& canvasRect, int factor)
{
    factor = std::max(factor, 1);
    return {canvasRect.x() * factor, canvasRect.y() * factor, canvasRect.width() * factor,
            canvasRect.height() * factor};
}

QRegion zoomedRegion(const QRegion& canvasRegion, int factor)
{
    if (factor <= 1)
        return canvasRegion;
    // The parts stay in the bands they came in: the region can take them as they are.
    std::vector<QRect> parts;
    parts.reserve(std::size_t(canvasRegion.rectCount()));
    for (const QRect& part : canvasRegion)
        parts.push_back(zoomedRect(part, factor));
    QRegion zoomed;
    zoomed.setRects(parts.data(), int(parts.size()));
    return zoomed;
}
