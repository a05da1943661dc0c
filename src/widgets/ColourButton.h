#pragma once

#include <QPushButton>

#include <cstdint>

// A button that shows a colour and nothing else. Clicking it opens the colour
// chooser; only a confirmed choice changes the colour and tells the parent
// (colourChosen with the button's control id). The custom colours of the
// chooser are one set shared by every colour button for the whole run.
class ColourButton : public QPushButton {
    Q_OBJECT

public:
    explicit ColourButton(int controlId, QWidget* parent = nullptr);

    int controlId() const { return id; }
    // 0x00BBGGRR; black at construction.
    std::uint32_t colour() const { return shownColour; }
    // Stores and shows the colour; the parent is not told.
    void setColour(std::uint32_t colour);
    // The colour chooser's title: the colour the button stands for. Also its tooltip.
    void setChooserTitle(const QString& title);
    const QString& chooserTitle() const { return title; }

signals:
    // The user confirmed a new colour in the chooser.
    void colourChosen(int controlId);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void chooseColour();

    int id;
    std::uint32_t shownColour = 0;
    QString title;
};
