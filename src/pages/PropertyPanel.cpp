#include "pages/PropertyPanel.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "services/DialogService.h"
#include "widgets/ColourButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

using namespace idlescreen;

namespace {

constexpr int maximumValue = 255;
constexpr int outlineLevels = 2;
constexpr int numberEditWidth = 44;
constexpr QSize colourSwatchSize(44, 22);

// An edit for numbers: keys that type anything but a digit are refused; a
// text put in by the panel (a missing record's -1) stays as it is. What is
// typed counts once it is committed: Enter, or the focus leaving the edit.
class NumberEdit : public QLineEdit {
public:
    explicit NumberEdit(QWidget* parent) : QLineEdit(parent) {}

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        const QString typed = event->text();
        const bool printable = !typed.isEmpty() && typed.front().isPrint();
        if (printable && std::any_of(typed.begin(), typed.end(), [](QChar c) { return !c.isDigit(); })) {
            event->ignore();
            return;
        }
        QLineEdit::keyPressEvent(event);
    }
};

// A spin box whose number is changed only by its arrows (and the arrow keys).
class StepOnlySpinBox : public QSpinBox {
public:
    explicit StepOnlySpinBox(QWidget* parent) : QSpinBox(parent) { lineEdit()->setReadOnly(true); }
};

// The number in an edit; nothing for an empty edit or one whose text is no
// 32-bit number.
std::optional<std::int32_t> numberIn(const QLineEdit& edit)
{
    bool ok = false;
    const qlonglong value = edit.text().toLongLong(&ok);
    if (!ok || value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return std::int32_t(value);
}

// Only a number that differs from the edit's own is put in: the edit being
// typed in keeps its text and its cursor.
void putNumber(QLineEdit& edit, std::int32_t value)
{
    if (numberIn(edit) != value)
        edit.setText(QString::number(value));
}

} // namespace

PropertyPanel::PropertyPanel(const SkinModel& model, const LanguageTable& texts, QWidget* parent)
    : QGroupBox(parent), model(model), texts(texts)
{
    setObjectName(QStringLiteral("propertyPanel"));
    buildControls();
    showOnly({});
}

QString PropertyPanel::text(int number) const
{
    return QString::fromStdString(texts.text(number));
}

void PropertyPanel::buildControls()
{
    // Rows from the top; the rows of hidden controls take no room. The
    // outline level lies above the colours it brings, so that its arrows stay
    // under the pointer while the colours come and go.
    enum Row : int { pictureRow, outlineRow, colourRow, alignmentRow = colourRow + 3, positionRow, xRow, yRow };
    auto* grid = new QGridLayout(this);
    // Tight margins: the colours' names get what is left, in every language.
    grid->setContentsMargins(6, 8, 6, 8);
    grid->setHorizontalSpacing(5);
    // The colours' names take what the other columns leave; the numbers'
    // column is as wide as its widest caption, whatever shows.
    grid->setColumnStretch(0, 1);
    grid->setColumnMinimumWidth(2, std::max(fontMetrics().horizontalAdvance(text(langtext::panel::transparency)),
                                            fontMetrics().horizontalAdvance(text(langtext::panel::handLength))));
    grid->setRowStretch(yRow + 1, 1);
    const auto place = [this, grid](int id, QWidget* widget, int row, int column, int columnSpan = 1) {
        grid->addWidget(widget, row, column, 1, columnSpan);
        controls[id] = widget;
    };
    const auto label = [this, &place](int id, int row, int column, const char* name, int columnSpan = 1) {
        auto* shown = new QLabel(this);
        shown->setObjectName(QLatin1String(name));
        // A long translation takes two lines rather than being cut.
        shown->setWordWrap(true);
        place(id, shown, row, column, columnSpan);
        return shown;
    };
    const auto numberEdit = [this, &place](int id, int row, int column, const char* name) {
        auto* edit = new NumberEdit(this);
        edit->setObjectName(QLatin1String(name));
        edit->setFixedWidth(numberEditWidth);
        place(id, edit, row, column);
        return edit;
    };

    static constexpr const char* colourNames[] = {"colour1", "colour2", "colour3"};
    static constexpr const char* colourLabelNames[] = {"colour1Label", "colour2Label", "colour3Label"};
    static constexpr const char* valueNames[] = {"value1", "value2", "value3"};
    static constexpr const char* valueLabelNames[] = {"value1Label", "value2Label", "value3Label"};
    for (int row = 0; row < 3; ++row) {
        const int gridRow = colourRow + row;
        label(colour1Label + 2 * row, gridRow, 0, colourLabelNames[row]);
        // The button shows nothing but its colour: a sunken edge sets it apart.
        auto* swatch = new QFrame(this);
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setFixedSize(colourSwatchSize);
        auto* inside = new QHBoxLayout(swatch);
        inside->setContentsMargins(2, 2, 2, 2);
        auto* button = new ColourButton(colour1Button + 2 * row, swatch);
        button->setObjectName(QLatin1String(colourNames[row]));
        inside->addWidget(button);
        colourButtons[std::size_t(row)] = button;
        place(colour1Button + 2 * row, swatch, gridRow, 1);
        connect(button, &ColourButton::colourChosen, this, &PropertyPanel::colourClicked);

        label(value1Label + 2 * row, gridRow, 2, valueLabelNames[row])->setWordWrap(false);
        QLineEdit* edit = numberEdit(value1Edit + 2 * row, gridRow, 3, valueNames[row]);
        valueEdits[std::size_t(row)] = edit;
        connect(edit, &QLineEdit::editingFinished, this, [this, row] { valueEdited(std::size_t(row)); });
    }
    label(pictureLabel, pictureRow, 0, "pictureLabel");
    auto* choose = new QPushButton(QStringLiteral("..."), this);
    choose->setObjectName(QStringLiteral("picture"));
    choose->setAutoDefault(false);
    choose->setFixedWidth(colourSwatchSize.width());
    place(pictureButton, choose, pictureRow, 1);
    connect(choose, &QPushButton::clicked, this, &PropertyPanel::pictureRequested);

    label(outlineLabel, outlineRow, 0, "outlineLabel");
    outline = new StepOnlySpinBox(this);
    outline->setObjectName(QStringLiteral("outlineLevel"));
    outline->setRange(0, outlineLevels);
    outline->setFixedWidth(numberEditWidth);
    place(outlineSpin, outline, outlineRow, 1);
    controls[outlineLevelEdit] = outline;
    connect(outline, &QSpinBox::valueChanged, this, &PropertyPanel::outlineLevelChanged);
    underline = new QCheckBox(this);
    underline->setObjectName(QStringLiteral("underline"));
    place(underlineCheck, underline, outlineRow, 2, 2);
    connect(underline, &QCheckBox::clicked, this, &PropertyPanel::underlineClicked);
    label(alignmentLabel, alignmentRow, 0, "alignmentLabel");
    alignment = new QComboBox(this);
    alignment->setObjectName(QStringLiteral("alignment"));
    place(alignmentList, alignment, alignmentRow, 1, 3);
    connect(alignment, &QComboBox::activated, this, &PropertyPanel::alignmentChosen);

    // The position is a group of its own, a little apart from what lies above.
    label(positionLabel, positionRow, 0, "positionLabel", 4)->setContentsMargins(0, 6, 0, 0);
    static constexpr const char* positionNames[] = {"x1", "y1", "x2", "y2"};
    static constexpr const char* positionLabelNames[] = {"x1Label", "y1Label", "x2Label", "y2Label"};
    static constexpr const char* positionCaptions[] = {"X1", "Y1", "X2", "Y2"};
    for (int i = 0; i < 4; ++i) {
        const int row = xRow + i / 2;
        const int column = 2 * (i % 2);
        QLabel* caption = label(x1Label + i, row, column, positionLabelNames[i]);
        caption->setText(QLatin1String(positionCaptions[i]));
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* edit = numberEdit(x1Edit + i, row, column + 1, positionNames[i]);
        positionEdits[std::size_t(i)] = edit;
        connect(edit, &QLineEdit::editingFinished, this, [this, i] { positionEdited(std::size_t(i)); });
    }
}

void PropertyPanel::fillAlignmentList()
{
    const QSignalBlocker quiet(alignment);
    alignment->clear();
    alignment->addItems(
        {text(langtext::panel::alignCentre), text(langtext::panel::alignLeft), text(langtext::panel::alignRight)});
}

QWidget* PropertyPanel::control(int id) const
{
    const auto found = controls.find(id);
    return found == controls.end() ? nullptr : found->second;
}

void PropertyPanel::showOnly(const std::vector<int>& ids)
{
    for (const auto& [id, widget] : controls) {
        const bool wanted = std::find(ids.begin(), ids.end(), id) != ids.end();
        if (widget->isHidden() == wanted)
            widget->setVisible(wanted);
    }
}

void PropertyPanel::setLabel(int id, int textNumber)
{
    static_cast<QLabel*>(controls.at(id))->setText(text(textNumber));
    // The colour beside a label is the colour it names.
    for (std::size_t row = 0; row < colourButtons.size(); ++row)
        if (id == colour1Label + 2 * int(row))
            colourButtons[row]->setChooserTitle(colourChooserTitle(textNumber));
}

QString PropertyPanel::colourChooserTitle(int labelText) const
{
    static constexpr std::pair<int, int> titleNames[] = {
        {langtext::panel::backgroundColour, langtext::colourTitle::background},
        {langtext::panel::textColour, langtext::colourTitle::text},
        {langtext::panel::innerColour, langtext::colourTitle::inner},
        {langtext::panel::outerColour, langtext::colourTitle::outer},
        {langtext::panel::minuteHand, langtext::colourTitle::minuteHand},
        {langtext::panel::hourHand, langtext::colourTitle::hourHand},
    };
    QString colour = text(labelText);
    for (const auto& [label, title] : titleNames)
        if (label == labelText)
            colour = text(title);
    // The background colour is an element of its own: its name says it all.
    if (elementName.isEmpty() || elementName.compare(colour, Qt::CaseInsensitive) == 0)
        return elementName.isEmpty() ? colour : elementName;
    return text(langtext::pair::nameAndDetail).arg(elementName, colour);
}

void PropertyPanel::showElement(const ElementEntry* entry)
{
    shownElement = entry;
    shown = PanelValues();
    refreshValues();
}

void PropertyPanel::refreshValues()
{
    if (shownElement) {
        loadValues(*shownElement);
        showOnly(layOut(*shownElement));
    } else {
        showOnly({});
    }
    putValues();
}

std::vector<int> PropertyPanel::layOut(const ElementEntry& entry)
{
    std::vector<int> ids;
    const auto add = [&ids](std::initializer_list<int> more) { ids.insert(ids.end(), more); };
    const std::initializer_list<int> position = {positionLabel, x1Label, y1Label, x2Label, y2Label,
                                                 x1Edit,        y1Edit,  x2Edit,  y2Edit};
    switch (entry.layout) {
    case PanelLayout::Background:
        add({colour1Button, colour1Label});
        setLabel(colour1Label, langtext::panel::backgroundColour);
        break;
    case PanelLayout::Wallpaper:
        add({pictureButton, pictureLabel});
        setLabel(pictureLabel, langtext::panel::picture);
        break;
    case PanelLayout::Text:
        ids = layOutText(entry);
        if (entry.rect != noElement)
            add(position);
        break;
    case PanelLayout::LabelPlace:
        add({alignmentLabel, alignmentList});
        setLabel(alignmentLabel, langtext::panel::alignment);
        add(position);
        break;
    case PanelLayout::AnalogClock:
        add({colour2Button, colour2Label, value2Label, value2Edit, colour3Button, colour3Label, value3Label,
             value3Edit});
        setLabel(colour2Label, langtext::panel::minuteHand);
        setLabel(colour3Label, langtext::panel::hourHand);
        setLabel(value2Label, langtext::panel::handLength);
        setLabel(value3Label, langtext::panel::handLength);
        break;
    case PanelLayout::KeyPicture:
        add({value1Label, value1Edit});
        setLabel(value1Label, langtext::panel::transparency);
        break;
    case PanelLayout::JoyPadLabel:
        add(position);
        break;
    }
    if (entry.layout == PanelLayout::AnalogClock || entry.layout == PanelLayout::KeyPicture) {
        add({pictureButton, pictureLabel});
        setLabel(pictureLabel, langtext::panel::picture);
        add(position);
    }
    if (std::find(ids.begin(), ids.end(), positionLabel) != ids.end())
        setLabel(positionLabel, langtext::panel::position);
    return ids;
}

std::vector<int> PropertyPanel::layOutText(const ElementEntry&)
{
    std::vector<int> ids {colour1Button, colour1Label, value1Label, value1Edit, underlineCheck, outlineLabel,
                          outlineSpin};
    setLabel(colour1Label, langtext::panel::textColour);
    setLabel(value1Label, langtext::panel::transparency);
    underline->setText(text(langtext::panel::underline));
    setLabel(outlineLabel, langtext::panel::outlineLevel);
    // The second and third colour come and go with the level.
    if (shown.outlineLevel > 0) {
        ids.insert(ids.end(), {colour2Button, colour2Label, value2Label, value2Edit});
        setLabel(colour2Label, langtext::panel::innerColour);
        setLabel(value2Label, langtext::panel::transparency);
    }
    if (shown.outlineLevel > 1) {
        ids.insert(ids.end(), {colour3Button, colour3Label, value3Label, value3Edit});
        setLabel(colour3Label, langtext::panel::outerColour);
        setLabel(value3Label, langtext::panel::transparency);
    }
    return ids;
}

void PropertyPanel::loadValues(const ElementEntry& entry)
{
    switch (entry.layout) {
    case PanelLayout::Background:
        colourButtons[0]->setColour(model.getPaletteColour(backgroundPaletteIndex).colour);
        break;
    case PanelLayout::Wallpaper:
        break;
    case PanelLayout::Text:
        shown.underline = model.getFlag(entry.underline);
        shown.outlineLevel = model.getNumber(entry.outlineLevel);
        for (std::size_t row = 0; row < 3; ++row)
            loadValueRow(entry, row);
        break;
    case PanelLayout::LabelPlace: {
        const QSignalBlocker quiet(alignment);
        alignment->setCurrentIndex(alignmentEntry(model.getNumber(entry.alignment)));
        break;
    }
    case PanelLayout::AnalogClock:
        loadValueRow(entry, 1);
        loadValueRow(entry, 2);
        break;
    case PanelLayout::KeyPicture:
        loadValueRow(entry, 0);
        break;
    case PanelLayout::JoyPadLabel:
        break;
    }
    if (entry.rect != noElement)
        shown.position = model.getRect(entry.rect);
}

void PropertyPanel::loadValueRow(const ElementEntry& entry, std::size_t row)
{
    const ValueRowIds& ids = entry.rows[row];
    const SkinColour colour = model.getColour(ids.colour);
    if (ids.colour != noElement)
        colourButtons[row]->setColour(colour.colour & 0x00FFFFFF);
    shown.values[row] = ids.number != noElement ? model.getNumber(ids.number) : colour.transparency;
}

void PropertyPanel::putValues()
{
    for (std::size_t row = 0; row < valueEdits.size(); ++row) {
        const QSignalBlocker quiet(valueEdits[row]);
        putNumber(*valueEdits[row], shown.values[row]);
    }
    const std::array<std::int32_t, 4> position = {shown.position.left, shown.position.top, shown.position.right,
                                                  shown.position.bottom};
    for (std::size_t i = 0; i < positionEdits.size(); ++i) {
        const QSignalBlocker quiet(positionEdits[i]);
        putNumber(*positionEdits[i], position[i]);
    }
    const QSignalBlocker quietOutline(outline);
    outline->setValue(shown.outlineLevel);
    const QSignalBlocker quietUnderline(underline);
    // A missing flag reads -1, which the preview draws as set.
    underline->setChecked(shown.underline != 0);
}

void PropertyPanel::colourClicked(int control)
{
    const std::size_t row = std::size_t(control - colour1Button) / 2;
    // The transparency beside goes along as the skin holds it; a half-typed one is not read.
    emit colourChosen(row, colourButtons[row]->colour(), shown.values[row]);
}

bool PropertyPanel::committed(QLineEdit& edit, std::int32_t shownValue, Range range, std::int32_t& value)
{
    const std::optional<std::int32_t> typed = numberIn(edit);
    // An emptied edit, or the value the skin holds: nothing to write.
    if (!typed || *typed == shownValue) {
        putValues();
        return false;
    }
    if (*typed < range.lowest || *typed > range.highest) {
        // The edit shows what the skin holds again before the prompt takes
        // the focus, ready to be typed over when it comes back.
        putValues();
        DialogService::current().showMessage(text(langtext::panel::rangePrompt).arg(range.lowest).arg(range.highest),
                                             DialogService::programCaption(), DialogService::Icon::Exclamation);
        edit.setFocus();
        edit.selectAll();
        return false;
    }
    value = *typed;
    return true;
}

void PropertyPanel::valueEdited(std::size_t row)
{
    std::int32_t value = 0;
    if (committed(*valueEdits[row], shown.values[row], {0, maximumValue}, value))
        emit numberTyped(row, colourButtons[row]->colour(), value);
}

PropertyPanel::Range PropertyPanel::positionRange(std::size_t field) const
{
    const bool across = field % 2 == 0;
    const std::int32_t limit = across ? screenWidth : screenHeight;
    Range range{0, limit};
    // A picture or label moves as a whole; a text's edges are its own, and
    // its left never passes its right (an empty rectangle, with the two
    // equal, hides the text). An edge outside the screen bounds nothing.
    if (!shownElement || shownElement->hasFrame)
        return range;
    const std::int32_t* const edges[] = {&shown.position.left, &shown.position.top, &shown.position.right,
                                         &shown.position.bottom};
    const std::int32_t other = *edges[(field + 2) % 4];
    if (other < 0 || other > limit)
        return range;
    if (field < 2)
        range.highest = other;
    else
        range.lowest = other;
    return range;
}

void PropertyPanel::positionEdited(std::size_t field)
{
    SkinRect typed = shown.position;
    std::int32_t* const fields[] = {&typed.left, &typed.top, &typed.right, &typed.bottom};
    if (committed(*positionEdits[field], *fields[field], positionRange(field), *fields[field]))
        emit positionTyped(shown.position, typed);
}

void PropertyPanel::underlineClicked()
{
    emit underlineChosen(underline->isChecked());
}

void PropertyPanel::outlineLevelChanged()
{
    emit outlineLevelChosen(outline->value());
}
