#include "widgets/PreviewFrame.h"

#include "preview/FrameContent.h"

#include <QMouseEvent>

PreviewFrame::PreviewFrame(FrameContent& content, int controlId, QWidget* parent)
    : QAbstractButton(parent), shown(content), id(controlId)
{
    setObjectName(QStringLiteral("previewFrame%1").arg(controlId));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_NoSystemBackground);
    updateFromContent();
}

void PreviewFrame::updateFromContent()
{
    setGeometry(shown.windowGeometry());
    const auto& shape = shown.windowShape();
    // A picture without a pixel of its own cannot be hit at all.
    setAttribute(Qt::WA_TransparentForMouseEvents, shape && shape->isEmpty());
    if (shape && !shape->isEmpty())
        setMask(*shape);
    else
        clearMask();
    if (!shown.hasPicture() && !shown.caption().isEmpty())
        raise();
}

void PreviewFrame::moveTo(int x, int y)
{
    shown.moveTo(x, y);
    move(shown.windowGeometry().topLeft());
}

void PreviewFrame::paintEvent(QPaintEvent*)
{
}

void PreviewFrame::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        shown.press(event->position().toPoint());
    QAbstractButton::mousePressEvent(event);
}

void PreviewFrame::mouseMoveEvent(QMouseEvent* event)
{
    if (shown.dragTo(event->position().toPoint())) {
        // Only moved, never resized or reshaped, during a drag.
        move(shown.windowGeometry().topLeft());
        emit moved(id);
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
