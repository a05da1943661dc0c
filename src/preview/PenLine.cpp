#include "preview/PenLine.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

void drawPenLine(QPainter& painter, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                 const QColor& colour)
{
    if ((x0 != x1 && y0 != y1) || (x0 == x1 && y0 == y1))
        return;
    // The pixels from the start up to, not including, the end, in either direction.
    const std::int64_t left = std::min(x0, x1 + 1);
    const std::int64_t right = std::max(x0 + 1, x1);
    const std::int64_t top = std::min(y0, y1 + 1);
    const std::int64_t bottom = std::max(y0 + 1, y1);
    fillDeviceRect(painter, left, top, right, bottom, colour);
}

void fillDeviceRect(QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                    const QColor& colour)
{
    if (!painter.device())
        return;
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    right = std::min<std::int64_t>(right, painter.device()->width());
    bottom = std::min<std::int64_t>(bottom, painter.device()->height());
    if (left < right && top < bottom)
        painter.fillRect(QRect(int(left), int(top), int(right - left), int(bottom - top)), colour);
}
