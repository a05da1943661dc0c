#include "widgets/PreviewFrame.h"

#include "preview/FrameContent.h"
#include "preview/ZoomedCanvas.h"
#include "widgets/ScreenPreview.h"

#include <QMouseEvent>


PreviewFrame::PreviewFrame(FrameContent& content, int controlId, QWidget* parent)
    : QAbstractButton(parent), shown(content), id(controlId)
{
    setObjectName(QStringLiteral("previewFrame%1").arg(controlId));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::SizeAllCursor);
    updateFromContent();
}

void PreviewFrame::updateFromContent()
{
    placeWindow();
    const auto& shape = shown.windowShape();
    // A picture without a pixel of its own cannot be hit at all.
    setAttribute(Qt::WA_TransparentForMouseEvents, shape && shape->isEmpty());
    if (shape && !shape->isEmpty())
        setMask(zoomedRegion(*shape, factor));
    else
        clearMask();
}

void PreviewFrame::setZoom(int zoom)
{
    if (zoom == factor)
        return;
    factor = zoom;
    updateFromContent();
}

void PreviewFrame::placeWindow()
{
    setGeometry(ScreenPreview::placeOf(shown.windowGeometry(), factor));
}

void PreviewFrame::moveTo(int x, int y)
{
    shown.moveTo(x, y);
    move(ScreenPreview::placeOf(shown.windowGeometry(), factor).topLeft());
}

void PreviewFrame::paintEvent(QPaintEvent*)
{
}

void PreviewFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // The page selects the element first: that may reload this frame.
        emit pressed(id);
        shown.press(canvasPoint(event->position(), factor));
    }
    QAbstractButton::mousePressEvent(event);
}

void PreviewFrame::mouseMoveEvent(QMouseEvent* event)
{
    const QRect before = shown.windowGeometry();
    if (shown.dragTo(canvasPoint(event->position(), factor))) {
        // Only moved, never resized or reshaped, during a drag.
        if (shown.windowGeometry() != before) {
            move(ScreenPreview::placeOf(shown.windowGeometry(), factor).topLeft());
            emit moved(id);
        }
    }
    QAbstractButton::mouseMoveEvent(event);
}

void PreviewFrame::mouseReleaseEvent(QMouseEvent* event)
{
    const bool dropping = event->button() == Qt::LeftButton && shown.release();
    QAbstractButton::mouseReleaseEvent(event);
    if (dropping)
        emit dropped(id);
}
