#include "widgets/TextBox.h"

#include "preview/ScreenPlacement.h"
#include "preview/ZoomedCanvas.h"
#include "widgets/ScreenPreview.h"

#include <QMouseEvent>

#include <algorithm>
#include <cstdint>

namespace {

std::int64_t rectWidth(const SkinRect& rect)
{
    return std::int64_t(rect.right) - rect.left;
}

std::int64_t rectHeight(const SkinRect& rect)
{
    return std::int64_t(rect.bottom) - rect.top;
}

// Rectangles of the skin may lie anywhere: the window stays within what a widget can take.
constexpr std::int64_t maximumExtent = 1 << 20;

int windowValue(std::int64_t value)
{
    return int(std::clamp(value, -maximumExtent, maximumExtent));
}

} // namespace

TextBox::TextBox(int slot, QWidget* parent) : QWidget(parent), slotNumber(slot)
{
    setObjectName(QStringLiteral("textBox%1").arg(slot));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::SizeAllCursor);
    hide();
}

void TextBox::place(const SkinRect& rect, bool shown)
{
    elementRect = rect;
    wanted = shown;
    placeWindow();
}

void TextBox::setZoom(int zoom)
{
    factor = zoom;
    placeWindow();
}

void TextBox::placeWindow()
{
    const bool visible = wanted && rectWidth(elementRect) > 0 && rectHeight(elementRect) > 0;
    if (visible) {
        const QRect canvasRect(windowValue(elementRect.left), windowValue(elementRect.top),
                               windowValue(rectWidth(elementRect)), windowValue(rectHeight(elementRect)));
        setGeometry(ScreenPreview::placeOf(canvasRect, factor));
    }
    // A box that goes away while it is dragged ends the drag; the release still reaches it.
    setVisible(visible);
}

void TextBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    emit pressed(slotNumber);
    isDragging = true;
    heldPixel = canvasPoint(event->position(), factor);
    event->accept();
}

void TextBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!isDragging)
        return;
    // The canvas pixel under the pointer, less the one taken hold of: the new corner.
    const QPoint at = canvasPoint(event->position(), factor);
    const SkinRect placed =
        placedOnScreen(std::int64_t(elementRect.left) + at.x() - heldPixel.x(),
                       std::int64_t(elementRect.top) + at.y() - heldPixel.y(), rectWidth(elementRect), rectHeight(elementRect));
    if (placed.left != elementRect.left || placed.top != elementRect.top)
        emit dragged(slotNumber, placed);
    event->accept();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !isDragging)
        return;
    isDragging = false;
    emit released(slotNumber);
    event->accept();
}
