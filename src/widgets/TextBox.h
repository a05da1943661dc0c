#pragma once

#include "document/SkinTypes.h"

#include <QPoint>
#include <QWidget>

// The window over one text element of the preview (the operator name, the
// date, the digital clock, a soft key's label): a transparent child of the
// screen preview covering the element's rectangle on the enlarged canvas,
// that the user takes hold of and drags as a frame. It paints nothing and
// writes nothing: it tells the page of the press, of every place the drag
// reaches (the element's rectangle moved there and held inside the screen
// as frames are) and of the release; the page writes the rectangle and
// places the box again from the skin.
//
// At zoom factor K the pointer takes hold of a canvas pixel (its offset in
// the box divided by K, rounded down), and every place keeps that pixel
// under the pointer, as with the frames.
class TextBox : public QWidget {
    Q_OBJECT

public:
    TextBox(int slot, QWidget* parent);

    int slot() const { return slotNumber; }
    const SkinRect& rect() const { return elementRect; }

    // Over the rectangle (canvas pixels, right and bottom exclusive); shown
    // only when shown is true and the rectangle holds pixels.
    void place(const SkinRect& rect, bool shown);
    // The preview's zoom factor; the box follows.
    void setZoom(int zoom);
    bool dragging() const { return isDragging; }

signals:
    void pressed(int slot);
    void dragged(int slot, const SkinRect& rect);
    void released(int slot);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeWindow();

    int slotNumber;
    SkinRect elementRect{0, 0, 0, 0};
    bool wanted = false;
    int factor = 1;
    bool isDragging = false;
    QPoint heldPixel;
};
