#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"

#include <QGroupBox>

#include <array>
#include <cstdint>
#include <map>
#include <optional>

class ColourButton;
class ElementPage;
class LanguageTable;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The values the panel's controls stand for.
struct PanelValues {
    std::array<std::int32_t, 3> values{}; // beside the three colours
    SkinRect position;                    // X1, Y1, X2, Y2 (right and bottom exclusive)
    std::int32_t outlineLevel = 0;
    int underline = 0;
};

// The right-hand part of the element page: a group box captioned with the
// selected element's name and one fixed set of controls, of which each kind
// of element shows a few. It only moves values between its controls and the
// element's records (through the element edits) and asks the page to show
// the result; putting values into its controls never runs a handler.
class PropertyPanel : public QGroupBox {
    Q_OBJECT

public:
    // Control ids; the outline level's edit and its up-down are one spin box.
    enum Control : int {
        colour1Button = 1204,
        colour1Label = 1205,
        colour2Button = 1206,
        colour2Label = 1207,
        colour3Button = 1208,
        colour3Label = 1209,
        value1Edit = 1210,
        value1Label = 1211,
        value2Edit = 1212,
        value2Label = 1213,
        value3Edit = 1214,
        value3Label = 1215,
        x1Edit = 1216,
        y1Edit = 1217,
        x2Edit = 1218,
        y2Edit = 1219,
        positionLabel = 1220,
        outlineLevelEdit = 1223,
        outlineLabel = 1224,
        pictureButton = 1226,
        pictureLabel = 1227,
        x1Label = 1229,
        y1Label = 1230,
        x2Label = 1231,
        y2Label = 1232,
        outlineSpin = 1263,
        underlineCheck = 1264,
        alignmentList = 1267,
        alignmentLabel = 1268,
    };

    PropertyPanel(ElementPage& page, QWidget* parent);

    // The alignment list's entries: centred, left, right.
    void fillAlignmentList();
    // Hides every control, then shows those of the element (nothing for
    // nullptr) and loads them from the skin. The element's preview state
    // (key state, JoyPad set) is set on the way.
    void layOut(const idlescreen::ElementEntry* entry);

    QWidget* control(int id) const;
    const PanelValues& values() const { return shown; }

private:
    void buildControls();
    QString text(int number) const;
    void hideAll();
    void showControls(std::initializer_list<int> ids);
    void setLabel(int id, int textNumber);
    void loadText(const idlescreen::ElementEntry& entry);
    void loadValueRow(const idlescreen::ElementEntry& entry, std::size_t row);
    void loadPosition(const idlescreen::ElementEntry& entry);
    // The values into the controls; no handler runs.
    void putValues();
    // The shown controls' values; nothing (after the range prompt for a
    // number beside a colour outside 0..255, or silently for an edit that
    // holds no number yet) when one of them cannot be taken.
    std::optional<PanelValues> readValues();
    // The element the handlers work on, in its preview state; nullptr: none.
    const idlescreen::ElementEntry* editedElement();
    // The same, with the panel's values read in; nullptr also when one of
    // them cannot be taken (and then nothing is to be written).
    const idlescreen::ElementEntry* readForEdit();

    void colourChosen(int control);
    void valueEdited(std::size_t row);
    void positionEdited();
    void underlineClicked();
    void outlineLevelChanged();
    void alignmentChosen(int listEntry);
    void choosePicture();
    void chooseWallpaper();
    void chooseElementPicture(const idlescreen::ElementEntry& entry);
    void showCannotRead() const;

    ElementPage& page;
    PanelValues shown;
    std::map<int, QWidget*> controls;
    std::array<ColourButton*, 3> colourButtons{};
    std::array<QLineEdit*, 3> valueEdits{};
    std::array<QLineEdit*, 4> positionEdits{};
    QSpinBox* outline = nullptr;
    QCheckBox* underline = nullptr;
    QComboBox* alignment = nullptr;
};
