#include "widgets/ScreenPreview.h"

#include "idlescreen/IdleScreenIds.h"
#include "preview/ScreenCanvas.h"

#include <QPainter>

ScreenPreview::ScreenPreview(const ScreenCanvas& canvas, QWidget* parent) : QWidget(parent), canvas(canvas)
{
    setObjectName(QStringLiteral("screenPreview"));
    setFixedSize(idlescreen::screenWidth + 2 * inset, idlescreen::screenHeight + 2 * inset);
}

PreviewArea ScreenPreview::screenArea() const
{
    const QRect inside = geometry().adjusted(inset, inset, -inset, -inset);
    return {inside.left(), inside.top(), inside.left() + inside.width(), inside.top() + inside.height()};
}

void ScreenPreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawImage(QPoint(inset, inset), canvas.image());
}
