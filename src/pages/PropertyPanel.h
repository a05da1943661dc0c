#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"

#include <QGroupBox>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

class ColourButton;
class LanguageTable;
class SkinModel;
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
// of element shows a few. It shows the element's values as the model holds
// them and reports what the user does, control by control, through its
// signals; the page decides what is written. Putting values into its
// controls never emits a signal.
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

    PropertyPanel(const SkinModel& model, const LanguageTable& texts, QWidget* parent);

    // The alignment list's entries: centred, left, right.
    void fillAlignmentList();
    // Shows the controls of the element (none for nullptr) and its values.
    void showElement(const idlescreen::ElementEntry* entry);
    // The shown element's values as the model holds them now; controls come
    // and go only where the outline level changed.
    void refreshValues();
    const idlescreen::ElementEntry* element() const { return shownElement; }

    QWidget* control(int id) const;
    const PanelValues& values() const { return shown; }
    // The element's name as the colour chooser's title shows it before the colour's.
    void setElementName(const QString& name) { elementName = name; }

signals:
    // What the user did, each with the value of its own control only.
    void colourChosen(std::size_t row, std::uint32_t colour, std::int32_t transparency);
    void numberTyped(std::size_t row, std::uint32_t buttonColour, std::int32_t value);
    void positionTyped(const SkinRect& previous, const SkinRect& typed);
    void underlineChosen(bool underlined);
    void outlineLevelChosen(std::int32_t level);
    void alignmentChosen(int listEntry);
    void pictureRequested();

private:
    void buildControls();
    QString text(int number) const;
    // Shows exactly the controls of ids (no control shown is hidden on the way).
    void showOnly(const std::vector<int>& ids);
    void setLabel(int id, int textNumber);
    // "Operator name: inner outline colour" for the colour a label names.
    QString colourChooserTitle(int labelText) const;
    // The controls the element shows (with its outline level) and their captions.
    std::vector<int> layOutText(const idlescreen::ElementEntry& entry);
    std::vector<int> layOut(const idlescreen::ElementEntry& entry);
    void loadValues(const idlescreen::ElementEntry& entry);
    void loadValueRow(const idlescreen::ElementEntry& entry, std::size_t row);
    // The values into the controls; no signal is emitted.
    void putValues();

    // The numbers a field takes, lowest and highest.
    struct Range {
        std::int32_t lowest;
        std::int32_t highest;
    };
    // The committed number of an edit into value when it is new and within
    // range; a number outside brings the range prompt, and the edit shows
    // the skin's value again.
    bool committed(QLineEdit& edit, std::int32_t shownValue, Range range, std::int32_t& value);
    // X within the screen's width, Y its height; a text's left at most its
    // right, its top at most its bottom.
    Range positionRange(std::size_t field) const;

    void colourClicked(int control);
    void valueEdited(std::size_t row);
    void positionEdited(std::size_t field);
    void underlineClicked();
    void outlineLevelChanged();

    const SkinModel& model;
    const LanguageTable& texts;
    const idlescreen::ElementEntry* shownElement = nullptr;
    QString elementName;
    PanelValues shown;
    std::map<int, QWidget*> controls;
    std::array<ColourButton*, 3> colourButtons{};
    std::array<QLineEdit*, 3> valueEdits{};
    std::array<QLineEdit*, 4> positionEdits{};
    QSpinBox* outline = nullptr;
    QCheckBox* underline = nullptr;
    QComboBox* alignment = nullptr;
};
