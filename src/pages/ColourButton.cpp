#include "ColourButton.h"

#include "DialogService.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

ColourButton::ColourButton(int controlId, QWidget* parent)
    : QPushButton(parent), id(controlId)
{
    connect(this, &QPushButton::clicked, this, &ColourButton::chooseColour);
}

void ColourButton::setColour(std::uint32_t colour)
{
    shownColour = colour;
    update();
}

QColor ColourButton::toQColor(std::uint32_t colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

std::uint32_t ColourButton::fromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return std::uint32_t(rgb.red()) | std::uint32_t(rgb.green()) << 8 | std::uint32_t(rgb.blue()) << 16;
}

void ColourButton::paintEvent(QPaintEvent*)
{
    // No border, text or focus mark: the whole button is the colour. A
    // disabled button shows the menu colour instead of its own.
    QPainter painter(this);
    const QColor fill = isEnabled() ? toQColor(shownColour) : QApplication::palette().color(QPalette::Window);
    painter.fillRect(rect(), fill);
}

void ColourButton::chooseColour()
{
    const std::optional<std::uint32_t> chosen = DialogService::current().chooseColour(shownColour);
    if (!chosen)
        return;
    setColour(*chosen & 0x00FFFFFF);
    emit colourChosen(id);
}
