#pragma once

#include <QColor>

#include <cstdint>

class QPainter;

// A 1-pixel solid line from (x0, y0) towards (x1, y1), drawn as the phone's
// platform pen draws it: the end point itself is not drawn, so a line to its
// own start draws nothing. Only horizontal and vertical lines are needed and
// drawn; others draw nothing. Not blended; cut to the painter's device
// (painter coordinates are device pixels).
void drawPenLine(QPainter& painter, std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1,
                 const QColor& colour);

// Fills the rectangle (right and bottom exclusive) with the colour, not
// blended, cut to the painter's device.
void fillDeviceRect(QPainter& painter, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
                    const QColor& colour);
