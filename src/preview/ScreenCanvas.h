#pragma once

#include <QImage>

// The off-screen surface on which the whole phone screen is composed before
// it is shown: 176 x 220 pixels, RGB32, black until something is drawn.
class ScreenCanvas {
public:
    ScreenCanvas();

    QImage& image() { return surface; }
    const QImage& image() const { return surface; }

private:
    QImage surface;
};
