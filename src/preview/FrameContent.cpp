#include "preview/FrameContent.h"

#include "preview/KeyColourRegion.h"
#include "preview/PenLine.h"
#include "preview/PreviewFonts.h"
#include "preview/ScreenPlacement.h"

#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace {

using std::int64_t;

// Window coordinates and sizes stay within what a widget can take, whatever
// the skin's rectangle says.
constexpr int64_t maximumExtent = 16777215;

int windowCoordinate(int64_t value)
{
    return int(std::clamp(value, -maximumExtent, maximumExtent));
}

int windowExtent(int64_t value)
{
    return int(std::clamp<int64_t>(value, 0, maximumExtent));
}

// Where the picture's own pixels are: the picture drawn at its natural size
// over the region key colour.
QRegion pictureShape(const Picture& picture)
{
    QImage scratch(picture.width(), picture.height(), QImage::Format_RGB32);
    if (scratch.isNull())
        return {};
    scratch.fill(QColor(regionKeyColour & 0xFF, regionKeyColour >> 8 & 0xFF, regionKeyColour >> 16 & 0xFF));
    {
        QPainter painter(&scratch);
        picture.draw(painter, 0, 0, picture.width() - 1, picture.height() - 1);
    }
    return regionFromKeyColour(scratch, 0, 0, picture.width(), picture.height(), regionKeyColour);
}

} // namespace

void FrameContent::setGeometryAndPicture(std::span<const std::uint8_t> bytes, const SkinRect& rect,
                                         const PreviewArea& area)
{
    elementRect = rect;
    screenArea = area;
    loadPicture(bytes);
}

bool FrameContent::loadPicture(std::span<const std::uint8_t> bytes)
{
    hasPlaceholder = false;
    opacity = 0;
    if (!framePicture.loadFromBytes(bytes))
        return false;
    placeWindow();
    shape = pictureShape(framePicture);
    showsPicture = true;
    return true;
}

void FrameContent::setCaption(const QString& caption, const SkinRect& rect, const PreviewArea& area)
{
    opacity = 0;
    elementRect = rect;
    screenArea = area;
    placeholderCaption = caption;
    hasPlaceholder = true;
    placeWindow();
    shape.reset();
    showsPicture = false;
}

void FrameContent::moveTo(int x, int y)
{
    clampAndMove(x, y);
}

void FrameContent::press(QPoint at)
{
    isDragging = true;
    pressPoint = at;
}

bool FrameContent::dragTo(QPoint at)
{
    if (!isDragging)
        return false;
    clampAndMove(int64_t(elementRect.left) + at.x() - pressPoint.x(), int64_t(elementRect.top) + at.y() - pressPoint.y());
    return true;
}

bool FrameContent::release()
{
    const bool wasDragging = isDragging;
    isDragging = false;
    return wasDragging;
}

void FrameContent::placeWindow()
{
    window = QRect(windowCoordinate(int64_t(screenArea.originX) + elementRect.left),
                   windowCoordinate(int64_t(screenArea.originY) + elementRect.top),
                   windowExtent(int64_t(elementRect.right) - elementRect.left),
                   windowExtent(int64_t(elementRect.bottom) - elementRect.top));
}

void FrameContent::clampAndMove(int64_t left, int64_t top)
{
    elementRect = placedOnScreen(left, top, window.width(), window.height(), screenArea);
    window.moveTo(windowCoordinate(int64_t(screenArea.originX) + elementRect.left),
                  windowCoordinate(int64_t(screenArea.originY) + elementRect.top));
}

void FrameContent::drawOnCanvas(QPainter& canvas) const
{
    if (elementRect.right <= 0)
        return;
    if (showsPicture)
        framePicture.drawBlended(canvas, elementRect.left, elementRect.top, elementRect.right, elementRect.bottom,
                                 opacity);
    else if (hasPlaceholder)
        drawPlaceholder(canvas);
}

void FrameContent::drawPlaceholder(QPainter& canvas) const
{
    const int64_t left = elementRect.left;
    const int64_t top = elementRect.top;
    const int64_t right = elementRect.right;
    const int64_t bottom = elementRect.bottom;
    if (right <= left || bottom <= top || !canvas.device())
        return;
    // A white box with a 1-pixel black border.
    fillDeviceRect(canvas, left, top, right, bottom, Qt::black);
    fillDeviceRect(canvas, left + 1, top + 1, right - 1, bottom - 1, Qt::white);

    // The caption in word-wrapped lines from the top-left, cut to its box.
    const QRect device(0, 0, canvas.device()->width(), canvas.device()->height());
    const QRect box(windowCoordinate(left + 2), windowCoordinate(top + 1), windowExtent(right - left - 4),
                    windowExtent(bottom - top - 2));
    if (!box.intersects(device) || placeholderCaption.isEmpty())
        return;
    canvas.save();
    canvas.setClipRect(box.intersected(device));
    canvas.setFont(PreviewFonts::caption());
    canvas.setPen(Qt::black);
    canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, placeholderCaption);
    canvas.restore();
}
