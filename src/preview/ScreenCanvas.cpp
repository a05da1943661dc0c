#include "ScreenCanvas.h"

#include "IdleScreenIds.h"

ScreenCanvas::ScreenCanvas()
    : surface(idlescreen::screenWidth, idlescreen::screenHeight, QImage::Format_RGB32)
{
    surface.fill(Qt::black);
}
