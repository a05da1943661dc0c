#pragma once

#include <QAbstractButton>

class FrameContent;

// The window of one preview frame: a transparent child of the page, lying
// over the element on the phone screen with the shape of its picture, that
// the user drags with the left mouse button. It paints nothing: the page's
// canvas shows the frame's content, which the page's scene holds. The frame
// never writes the skin; it tells the page every step of a drag (moved) and
// the drop (dropped: on every release that follows a press, also when the
// pointer has left the frame).
class PreviewFrame : public QAbstractButton {
    Q_OBJECT

public:
    PreviewFrame(FrameContent& content, int controlId, QWidget* parent);

    int controlId() const { return id; }
    FrameContent& content() const { return shown; }

    // Takes the window's place, size and shape from the content; caption
    // frames also come to the top of their siblings. Call after the content
    // was loaded or given a caption.
    void updateFromContent();
    // Places the frame at phone position (x, y), clamped as a drag is.
    void moveTo(int x, int y);

signals:
    void moved(int controlId);
    void dropped(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    FrameContent& shown;
    int id;
};
