#pragma once

#include <QBrush>
#include <QGroupBox>

#include <cstdint>

class ColourButton;
class QRadioButton;

// How a picture's transparent pixels are shown: on a checkerboard (the
// first choice, at start), or on a background colour that the colour button
// beside it chooses. Choosing a colour chooses the colour.
class BackdropChoice : public QGroupBox {
    Q_OBJECT

public:
    // The texts: the group's title and the two choices'; buttonId is the colour button's control id.
    BackdropChoice(const QString& title, const QString& checkerboardText, const QString& colourText, int buttonId,
                   QWidget* parent = nullptr);

    bool showsCheckerboard() const;
    // 0x00BBGGRR; the system's button-face colour at start.
    std::uint32_t colour() const;
    // What to fill behind a picture: the checkerboard or the colour.
    QBrush backdrop() const;

signals:
    // The choice or the colour changed.
    void changed();

private:
    QRadioButton* checkerboard;
    QRadioButton* colourChoice;
    ColourButton* colourButton;
};
