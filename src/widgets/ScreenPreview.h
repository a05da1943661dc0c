#pragma once

#include "preview/FrameContent.h"

#include <QWidget>

class ScreenCanvas;

// The black-framed control in which the page shows the phone's screen: it
// presents the canvas 3 pixels inside its edges. It only shows; the page
// composes the canvas and then calls update().
class ScreenPreview : public QWidget {
    Q_OBJECT

public:
    ScreenPreview(const ScreenCanvas& canvas, QWidget* parent);

    // The canvas lies this far inside the control's edges.
    static constexpr int inset = 3;

    // Where the phone's screen lies in the parent: the control's rectangle
    // shrunk by the inset on every side. Frames are placed and dragged in it.
    PreviewArea screenArea() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const ScreenCanvas& canvas;
};
