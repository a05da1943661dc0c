#pragma once

#include "document/SkinTypes.h"
#include "pictures/Picture.h"

#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

class QPainter;

// Where the phone's screen lies in the page: the page position of phone
// pixel (0, 0) and the right and bottom limits of the screen, which frames
// are never dragged past. The default is the canvas itself.
struct PreviewArea {
    int originX = 0;
    int originY = 0;
    int limitRight = 176;
    int limitBottom = 220;
};

// What one frame of the preview holds and shows: one element's rectangle
// (phone pixels, right and bottom exclusive) with either its picture (drawn
// centred with a constant opacity) or a caption placeholder (black on a
// white box with a black border). It also keeps the frame's window on the
// page (position, size and hit shape) and follows a drag of it, clamped to
// the screen. The frame never writes the skin: the page reads the rectangle
// back when the frame is dropped.
class FrameContent {
public:
    FrameContent() = default;
    FrameContent(const FrameContent&) = delete;
    FrameContent& operator=(const FrameContent&) = delete;

    // Stores the rectangle and the area, then loadPicture.
    void setGeometryAndPicture(std::span<const std::uint8_t> bytes, const SkinRect& rect, const PreviewArea& area);
    // Opacity back to 0 (opaque) and the placeholder dropped; then decodes
    // the bytes. A picture that does not decode leaves the window where and
    // as it was and the frame showing nothing (false). Otherwise the window
    // takes the rectangle and the picture's shape.
    bool loadPicture(std::span<const std::uint8_t> bytes);
    // Stores the rectangle and the area; the window takes the rectangle and
    // a plain rectangular shape, and shows the caption.
    void setCaption(const QString& caption, const SkinRect& rect, const PreviewArea& area);
    // Places the frame at phone position (x, y), clamped as a drag is.
    void moveTo(int x, int y);

    // A drag: press and moves in window coordinates (the window moves with
    // the pointer, so the press point stays where it was in the window).
    void press(QPoint at);
    // False when no press started a drag.
    bool dragTo(QPoint at);
    // Ends the drag; true when one was going on.
    bool release();
    bool dragging() const { return isDragging; }

    // Draws the picture or the placeholder onto the canvas; nothing when
    // the rectangle's right edge is 0 or less.
    void drawOnCanvas(QPainter& canvas) const;

    const SkinRect& rect() const { return elementRect; }
    const PreviewArea& area() const { return screenArea; }
    // Constant opacity of the picture: low byte, 0 opaque (set by the page).
    std::int32_t opacity = 0;
    const Picture& picture() const { return framePicture; }
    bool hasPicture() const { return showsPicture; }
    const QString& caption() const { return placeholderCaption; }

    // The window in page coordinates, and its hit shape in window
    // coordinates (nullopt: the whole window).
    const QRect& windowGeometry() const { return window; }
    const std::optional<QRegion>& windowShape() const { return shape; }

private:
    // Moves and sizes the window over the rectangle.
    void placeWindow();
    // Steps 2 to 4 of a drag: the clamps, the new rectangle, the window moved.
    void clampAndMove(std::int64_t left, std::int64_t top);
    void drawPlaceholder(QPainter& canvas) const;

    SkinRect elementRect;
    PreviewArea screenArea;
    Picture framePicture;
    QString placeholderCaption;
    bool hasPlaceholder = false;
    bool showsPicture = false;
    QRect window;
    std::optional<QRegion> shape;
    bool isDragging = false;
    QPoint pressPoint;
};
