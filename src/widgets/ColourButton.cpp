#include "widgets/ColourButton.h"

#include "pictures/ColourValue.h"
#include "services/DialogService.h"

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

void ColourButton::setChooserTitle(const QString& chooserTitle)
{
    title = chooserTitle;
    setToolTip(chooserTitle);
}

void ColourButton::paintEvent(QPaintEvent*)
{
    // No border, text or focus mark: the whole button is the colour. A
    // disabled button shows the menu colour instead of its own.
    QPainter painter(this);
    const QColor fill = isEnabled() ? qColorFromValue(shownColour) : QApplication::palette().color(QPalette::Window);
    painter.fillRect(rect(), fill);
}

void ColourButton::chooseColour()
{
    const std::optional<std::uint32_t> chosen = DialogService::current().chooseColour(shownColour, title);
    if (!chosen)
        return;
    setColour(*chosen & 0x00FFFFFF);
    emit colourChosen(id);
}
