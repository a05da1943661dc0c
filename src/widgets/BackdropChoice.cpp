#include "widgets/BackdropChoice.h"

#include "pictures/Checkerboard.h"
#include "pictures/ColourValue.h"
#include "widgets/ColourButton.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QPalette>
#include <QRadioButton>
#include <QVBoxLayout>

BackdropChoice::BackdropChoice(const QString& title, const QString& checkerboardText, const QString& colourText,
                               int buttonId, QWidget* parent)
    : QGroupBox(title, parent),
      checkerboard(new QRadioButton(checkerboardText, this)),
      colourChoice(new QRadioButton(colourText, this))
{
    checkerboard->setObjectName(QStringLiteral("checkerboard"));
    checkerboard->setChecked(true);
    colourChoice->setObjectName(QStringLiteral("backgroundChoice"));
    // The colour button draws nothing but its colour: a sunken edge tells it
    // apart from the page when it shows the page's own colour.
    auto* swatch = new QFrame(this);
    swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    swatch->setMinimumSize(32, 22);
    colourButton = new ColourButton(buttonId, swatch);
    colourButton->setObjectName(QStringLiteral("background"));
    colourButton->setChooserTitle(colourText);
    colourButton->setColour(valueFromQColor(QApplication::palette().color(QPalette::Button)));
    auto* swatchLayout = new QHBoxLayout(swatch);
    swatchLayout->setContentsMargins(2, 2, 2, 2);
    swatchLayout->addWidget(colourButton);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourChoice);
    colourRow->addWidget(swatch, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(checkerboard);
    layout->addLayout(colourRow);

    connect(checkerboard, &QRadioButton::toggled, this, &BackdropChoice::changed);
    connect(colourButton, &ColourButton::colourChosen, this, [this] {
        if (colourChoice->isChecked())
            emit changed();
        else
            colourChoice->setChecked(true);
    });
}

bool BackdropChoice::showsCheckerboard() const
{
    return checkerboard->isChecked();
}

std::uint32_t BackdropChoice::colour() const
{
    return colourButton->colour();
}

QBrush BackdropChoice::backdrop() const
{
    return showsCheckerboard() ? checkerboardBrush() : QBrush(qColorFromValue(colour()));
}
