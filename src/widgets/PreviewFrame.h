#pragma once

#include <QAbstractButton>

class FrameContent;

// The window of one preview frame: a transparent child of the screen
// preview, lying over the element on the enlarged canvas with the shape of
// its picture, that the user drags with the left mouse button. It paints
// nothing: the preview's canvas shows the frame's content, which the page's
// scene holds in canvas pixels. The frame never writes the skin; it tells
// the page of a press (pressed, before the drag starts), every step of a
// drag (moved) and the drop (dropped: on every release that follows a
// press, also when the pointer has left the frame).
//
// At a zoom factor K a press takes hold of the canvas pixel under the
// pointer: the pointer's offset in the window divided by K, rounded down.
// Every move puts the frame where that pixel lies under the pointer again,
// so a drop writes whole canvas pixels, and a move of K window pixels moves
// the element by one.
class PreviewFrame : public QAbstractButton {
    Q_OBJECT

public:
    PreviewFrame(FrameContent& content, int controlId, QWidget* parent);

    int controlId() const { return id; }
    FrameContent& content() const { return shown; }
    int zoom() const { return factor; }

    // Takes the window's place, size and shape from the content, enlarged
    // by the zoom factor. Call after the content was loaded or given a caption.
    void updateFromContent();
    // The preview's zoom factor; the window follows.
    void setZoom(int zoom);
    // Places the frame at canvas position (x, y), clamped as a drag is.
    void moveTo(int x, int y);

signals:
    void pressed(int controlId);
    void moved(int controlId);
    void dropped(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void placeWindow();

    FrameContent& shown;
    int id;
    int factor = 1;
};
