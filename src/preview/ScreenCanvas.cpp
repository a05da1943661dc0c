#include "preview/ScreenCanvas.h"

#include "idlescreen/IdleScreenIds.h"

ScreenCanvas::ScreenCanvas()
    : surface(idlescreen::screenWidth, idlescreen::screenHeight, QImage::Format_RGB32)
{
    surface.fill(Qt::black);
}
