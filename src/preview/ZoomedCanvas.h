#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRegion>

// The phone's screen enlarged by whole pixels: every canvas pixel becomes a
// square of factor x factor pixels of its own colour (nearest neighbour, no
// smoothing), so that a skin author sees and places single pixels. The
// editor's preview and velaskin-cli render --scale show the same pixels.

// The source enlarged factor times (a factor below 1 counts as 1).
[[nodiscard]] QImage zoomedImage(const QImage& source, int factor);
// The same into target, which is reallocated only when its size or format
// does not fit (the preview zooms on every step of a drag).
void zoomInto(const QImage& source, int factor, QImage& target);
// Only the part of the source within sourceRect, into the same place of a
// target that already holds the whole source enlarged by factor.
void zoomPartInto(const QImage& source, const QRect& sourceRect, int factor, QImage& target);
// The pixel grid over the part of an enlarged picture that shows sourceRect:
// the first row and column of every enlarged pixel blended with colour (its
// alpha the blend). Drawn into the enlarged picture, never into the canvas.
void gridPartInto(QImage& zoomed, const QRect& sourceRect, int factor, QColor colour);
// The smallest rectangle holding every pixel in which two images of the same
// size and format differ; empty when none does (or the sizes differ).
QRect differingPart(const QImage& one, const QImage& other);

// The canvas pixel that shows at a zoomed coordinate: the coordinate divided
// by the factor, rounded down (floor, also left of and above the canvas), so
// that every zoomed pixel belongs to exactly the canvas pixel it shows.
constexpr int canvasCoordinate(int zoomed, int factor)
{
    if (factor <= 1)
        return zoomed;
    return zoomed >= 0 ? zoomed / factor : -((-zoomed + factor - 1) / factor);
}

// The canvas pixel under a point of the enlarged picture (or of a window
// over it whose corner lies on a canvas pixel's corner), each coordinate
// rounded down as canvasCoordinate does.
QPoint canvasPoint(QPointF zoomed, int factor);

// A rectangle or region of canvas pixels as the zoomed picture covers it.
QRect zoomedRect(const QRect& canvasRect, int factor);
QRegion zoomedRegion(const QRegion& canvasRegion, int factor);
