#include "pictures/Checkerboard.h"

#include <QImage>
#include <QPainter>

namespace {

constexpr int square = 6;
constexpr QRgb light = 0xFFFFFFFF;
constexpr QRgb dark = 0xFFCCCCCC;

QImage pattern()
{
    QImage tile(2 * square, 2 * square, QImage::Format_RGB32);
    tile.fill(light);
    QPainter painter(&tile);
    painter.fillRect(square, 0, square, square, QColor(dark));
    painter.fillRect(0, square, square, square, QColor(dark));
    return tile;
}

} // namespace

QBrush checkerboardBrush()
{
    return QBrush(pattern());
}
