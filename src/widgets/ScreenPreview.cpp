#include "widgets/ScreenPreview.h"

#include "idlescreen/IdleScreenIds.h"
#include "preview/ScreenCanvas.h"
#include "preview/ZoomedCanvas.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cstring>

namespace {

// One notch of an ordinary mouse wheel.
constexpr int wheelNotch = 120;

// Light enough to see on black, dark enough on white, thin enough to see the pixels between.
const QColor gridColour(128, 128, 128, 110);

} // namespace

ScreenPreview::ScreenPreview(const ScreenCanvas& canvas, QWidget* parent) : QWidget(parent), canvas(canvas)
{
    setObjectName(QStringLiteral("screenPreview"));
    // Takes the focus by a click (also on a frame over it) and by Tab.
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeAt(factor));
    zoomWhole();
}

QRect ScreenPreview::placeOf(const QRect& canvasRect, int factor)
{
    return zoomedRect(canvasRect, factor).translated(inset, inset);
}

QSize ScreenPreview::sizeAt(int factor)
{
    return QSize(idlescreen::screenWidth, idlescreen::screenHeight) * std::max(factor, 1) + QSize(2 * inset, 2 * inset);
}

void ScreenPreview::setZoom(int zoom)
{
    zoom = std::clamp(zoom, minimumZoom, maximumZoom);
    if (zoom == factor)
        return;
    factor = zoom;
    setFixedSize(sizeAt(factor));
    zoomWhole();
}

void ScreenPreview::setPixelGrid(bool shown)
{
    if (gridShown == shown)
        return;
    gridShown = shown;
    zoomWhole();
}

void ScreenPreview::setSelectionOutline(const std::optional<QRect>& canvasRect)
{
    if (outline == canvasRect)
        return;
    // Only the old and the new outline's places are painted again.
    const auto outlinePlace = [this](const std::optional<QRect>& rect) {
        return rect ? placeOf(*rect, factor).adjusted(-2, -2, 2, 2) : QRect();
    };
    update(outlinePlace(outline));
    outline = canvasRect;
    update(outlinePlace(outline));
}

void ScreenPreview::zoomWhole()
{
    shownCanvas = canvas.image().copy();
    zoomInto(shownCanvas, factor, zoomed);
    if (gridDrawn())
        gridPartInto(zoomed, shownCanvas.rect(), factor, gridColour);
    update();
}

void ScreenPreview::canvasChanged()
{
    // A drag changes a small part of the screen: only that part is enlarged and painted again.
    const QRect changed = differingPart(canvas.image(), shownCanvas);
    if (changed.isEmpty())
        return;
    for (int y = changed.top(); y <= changed.bottom(); ++y)
        std::memcpy(shownCanvas.scanLine(y), canvas.image().constScanLine(y), std::size_t(shownCanvas.bytesPerLine()));
    zoomPartInto(shownCanvas, changed, factor, zoomed);
    if (gridDrawn())
        gridPartInto(zoomed, changed, factor, gridColour);
    update(placeOf(changed, factor));
}

void ScreenPreview::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    // The frame shows where the keyboard's arrows go.
    painter.setPen(hasFocus() ? palette().color(QPalette::Highlight) : QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QRect shown = QRect(QPoint(inset, inset), zoomed.size()).intersected(event->rect());
    if (shown.isEmpty())
        return;
    painter.drawImage(shown.topLeft(), zoomed, shown.translated(-inset, -inset));
    drawOutline(painter);
}

void ScreenPreview::drawOutline(QPainter& painter) const
{
    if (!outline)
        return;
    // Just outside the element, so that its own edge pixels stay in sight:
    // white under black dashes shows on every background.
    const QRect place = placeOf(*outline, factor);
    const QRect around(place.left() - 1, place.top() - 1, place.width() + 1, place.height() + 1);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(around);
    QPen dashes(Qt::black, 1, Qt::CustomDashLine);
    dashes.setDashPattern({3, 3});
    painter.setPen(dashes);
    painter.drawRect(around);
}

void ScreenPreview::keyPressEvent(QKeyEvent* event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? largeNudge : 1;
    const auto nudge = [this, event](int dx, int dy) {
        emit nudged(dx, dy);
        event->accept();
    };
    switch (event->key()) {
    case Qt::Key_Left: nudge(-step, 0); return;
    case Qt::Key_Right: nudge(step, 0); return;
    case Qt::Key_Up: nudge(0, -step); return;
    case Qt::Key_Down: nudge(0, step); return;
    default: QWidget::keyPressEvent(event); return;
    }
}

void ScreenPreview::wheelEvent(QWheelEvent* event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        // The scroll area scrolls.
        event->ignore();
        return;
    }
    // A fine-grained wheel sends parts of a notch: they add up to steps.
    wheelAngle += event->angleDelta().y();
    const int steps = wheelAngle / wheelNotch;
    wheelAngle -= steps * wheelNotch;
    if (steps != 0)
        emit zoomStepped(steps, event->position().toPoint());
    event->accept();
}

void ScreenPreview::mousePressEvent(QMouseEvent* event)
{
    // A click where no element lies only takes the focus.
    setFocus(Qt::MouseFocusReason);
    event->accept();
}

void ScreenPreview::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    update();
}

void ScreenPreview::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
    emit focusLeft();
}
