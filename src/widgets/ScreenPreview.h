#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <optional>

class ScreenCanvas;

// The black-framed control in which the page shows the phone's screen: it
// presents the canvas 3 pixels inside its edges, enlarged by a whole factor
// (every canvas pixel a square of factor x factor pixels). Over the enlarged
// canvas, never into it, it draws the pixel grid (from 4x up, when asked)
// and the outline of the selected element. The page composes the canvas and
// then calls canvasChanged(); the frames and text boxes that the user drags
// are children of this control. With the focus, the arrow keys nudge the
// selected element (nudged), Ctrl with the mouse wheel zooms (zoomStepped).
class ScreenPreview : public QWidget {
    Q_OBJECT

public:
    ScreenPreview(const ScreenCanvas& canvas, QWidget* parent);

    // The canvas lies this far inside the control's edges.
    static constexpr int inset = 3;
    static constexpr int minimumZoom = 1;
    static constexpr int maximumZoom = 8;
    // The pixel grid is drawn from this factor up: below it the lines would hide the pixels.
    static constexpr int gridZoom = 4;
    // Shift with an arrow key nudges this many canvas pixels.
    static constexpr int largeNudge = 10;

    // Where a rectangle of canvas pixels lies in this control at a factor.
    static QRect placeOf(const QRect& canvasRect, int factor);
    // The control's size at a factor.
    static QSize sizeAt(int factor);

    int zoom() const { return factor; }
    // Held within minimumZoom..maximumZoom; the control takes its new size.
    void setZoom(int zoom);
    bool pixelGrid() const { return gridShown; }
    void setPixelGrid(bool shown);
    // The outline around a rectangle of canvas pixels; nullopt: none.
    void setSelectionOutline(const std::optional<QRect>& canvasRect);
    const std::optional<QRect>& selectionOutline() const { return outline; }
    // The canvas was composed afresh: the enlarged picture follows, where it changed.
    void canvasChanged();
    // The enlarged canvas as this control shows it, with the grid where it
    // is drawn (never the outline, never in the canvas).
    const QImage& zoomedCanvas() const { return zoomed; }

    QSize sizeHint() const override { return sizeAt(factor); }

signals:
    // An arrow key, in canvas pixels (Shift: largeNudge).
    void nudged(int dx, int dy);
    // Ctrl and the mouse wheel: steps up (positive) or down, at a point of this control.
    void zoomStepped(int steps, QPoint at);
    // The control lost the keyboard focus (a run of nudges ends).
    void focusLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void drawOutline(QPainter& painter) const;
    bool gridDrawn() const { return gridShown && factor >= gridZoom; }

    // The whole enlarged picture again (another factor).
    void zoomWhole();

    const ScreenCanvas& canvas;
    // The canvas as the enlarged picture shows it, to find what a new composition changed.
    QImage shownCanvas;
    QImage zoomed;
    int factor = minimumZoom;
    bool gridShown = false;
    std::optional<QRect> outline;
    int wheelAngle = 0;
};
