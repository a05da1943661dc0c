#include "pages/PropertyPanel.h"

#include "document/FileIo.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "pages/ElementPage.h"
#include "pages/FramePlacement.h"
#include "pictures/Picture.h"
#include "preview/FrameContent.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "widgets/ColourButton.h"
#include "widgets/CommonDialogs.h"
#include "widgets/PreviewFrame.h"

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
// text put in by the panel (a missing record's -1) stays as it is.
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

bool isEmpty(const SkinRect& rect)
{
    return rect.left == rect.right || rect.top == rect.bottom;
}

} // namespace

PropertyPanel::PropertyPanel(ElementPage& page, QWidget* parent) : QGroupBox(parent), page(page)
{
    setObjectName(QStringLiteral("propertyPanel"));
    buildControls();
    hideAll();
}

QString PropertyPanel::text(int number) const
{
    return QString::fromStdString(page.languageTexts().text(number));
}

void PropertyPanel::buildControls()
{
    // Rows from the top; the rows of hidden controls take no room. The
    // outline level lies above the colours it brings, so that its arrows stay
    // under the pointer while the colours come and go.
    enum Row : int { pictureRow, outlineRow, colourRow, alignmentRow = colourRow + 3, positionRow, xRow, yRow };
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setHorizontalSpacing(6);
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
        connect(button, &ColourButton::colourChosen, this, &PropertyPanel::colourChosen);

        label(value1Label + 2 * row, gridRow, 2, valueLabelNames[row])->setWordWrap(false);
        QLineEdit* edit = numberEdit(value1Edit + 2 * row, gridRow, 3, valueNames[row]);
        valueEdits[std::size_t(row)] = edit;
        connect(edit, &QLineEdit::textChanged, this, [this, row] { valueEdited(std::size_t(row)); });
    }
    label(pictureLabel, pictureRow, 0, "pictureLabel");
    auto* choose = new QPushButton(QStringLiteral("..."), this);
    choose->setObjectName(QStringLiteral("picture"));
    choose->setAutoDefault(false);
    choose->setFixedWidth(colourSwatchSize.width());
    place(pictureButton, choose, pictureRow, 1);
    connect(choose, &QPushButton::clicked, this, &PropertyPanel::choosePicture);

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
        connect(edit, &QLineEdit::textChanged, this, &PropertyPanel::positionEdited);
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

void PropertyPanel::hideAll()
{
    for (const auto& [id, widget] : controls)
        widget->hide();
}

void PropertyPanel::showControls(std::initializer_list<int> ids)
{
    for (const int id : ids)
        controls.at(id)->show();
}

void PropertyPanel::setLabel(int id, int textNumber)
{
    static_cast<QLabel*>(controls.at(id))->setText(text(textNumber));
}

void PropertyPanel::layOut(const ElementEntry* entry)
{
    hideAll();
    if (entry) {
        SkinModel& model = page.skinModel();
        switch (entry->layout) {
        case PanelLayout::Background:
            showControls({colour1Button, colour1Label});
            setLabel(colour1Label, langtext::panel::backgroundColour);
            colourButtons[0]->setColour(model.getPaletteColour(backgroundPaletteIndex).colour);
            break;
        case PanelLayout::Wallpaper:
            showControls({pictureButton, pictureLabel});
            setLabel(pictureLabel, langtext::panel::picture);
            break;
        case PanelLayout::Text:
            loadText(*entry);
            break;
        case PanelLayout::LabelPlace: {
            page.showElementState(*entry, true);
            showControls({alignmentLabel, alignmentList});
            setLabel(alignmentLabel, langtext::panel::alignment);
            const QSignalBlocker quiet(alignment);
            alignment->setCurrentIndex(alignmentEntry(model.getNumber(entry->alignment)));
            loadPosition(*entry);
            break;
        }
        case PanelLayout::AnalogClock:
            showControls({colour2Button, colour2Label, value2Label, value2Edit, colour3Button, colour3Label,
                          value3Label, value3Edit});
            setLabel(colour2Label, langtext::panel::minuteHand);
            setLabel(colour3Label, langtext::panel::hourHand);
            setLabel(value2Label, langtext::panel::handLength);
            setLabel(value3Label, langtext::panel::handLength);
            loadValueRow(*entry, 1);
            loadValueRow(*entry, 2);
            break;
        case PanelLayout::KeyPicture:
            // The left key's state 0 frame is reloaded only when the key shows another state.
            page.showElementState(*entry, entry->kind != ElementKind::LeftKey0);
            showControls({value1Label, value1Edit});
            setLabel(value1Label, langtext::panel::transparency);
            loadValueRow(*entry, 0);
            break;
        case PanelLayout::JoyPadLabel:
            page.showElementState(*entry, true);
            loadPosition(*entry);
            break;
        }
        if (entry->layout == PanelLayout::AnalogClock || entry->layout == PanelLayout::KeyPicture) {
            showControls({pictureButton, pictureLabel});
            setLabel(pictureLabel, langtext::panel::picture);
            loadPosition(*entry);
        }
    }
    putValues();
}

void PropertyPanel::loadText(const ElementEntry& entry)
{
    const SkinModel& model = page.skinModel();
    showControls({colour1Button, colour1Label, value1Label, value1Edit});
    setLabel(colour1Label, langtext::panel::textColour);
    setLabel(value1Label, langtext::panel::transparency);
    loadValueRow(entry, 0);

    showControls({underlineCheck});
    underline->setText(text(langtext::panel::underline));
    shown.underline = model.getFlag(entry.underline);

    showControls({outlineLabel, outlineSpin});
    setLabel(outlineLabel, langtext::panel::outlineLevel);
    shown.outlineLevel = model.getNumber(entry.outlineLevel);
    if (shown.outlineLevel > 0) {
        showControls({colour2Button, colour2Label, value2Label, value2Edit});
        setLabel(colour2Label, langtext::panel::innerColour);
        setLabel(value2Label, langtext::panel::transparency);
        loadValueRow(entry, 1);
    }
    if (shown.outlineLevel > 1) {
        showControls({colour3Button, colour3Label, value3Label, value3Edit});
        setLabel(colour3Label, langtext::panel::outerColour);
        setLabel(value3Label, langtext::panel::transparency);
        loadValueRow(entry, 2);
    }
    if (entry.rect != noElement)
        loadPosition(entry);
}

void PropertyPanel::loadValueRow(const ElementEntry& entry, std::size_t row)
{
    const SkinModel& model = page.skinModel();
    const ValueRowIds& ids = entry.rows[row];
    const SkinColour colour = model.getColour(ids.colour);
    if (ids.colour != noElement)
        colourButtons[row]->setColour(colour.colour & 0x00FFFFFF);
    shown.values[row] = ids.number != noElement ? model.getNumber(ids.number) : colour.transparency;
}

void PropertyPanel::loadPosition(const ElementEntry& entry)
{
    showControls({positionLabel, x1Label, y1Label, x2Label, y2Label, x1Edit, y1Edit, x2Edit, y2Edit});
    setLabel(positionLabel, langtext::panel::position);
    shown.position = page.skinModel().getRect(entry.rect);
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

std::optional<PanelValues> PropertyPanel::readValues()
{
    PanelValues read = shown;
    for (std::size_t row = 0; row < valueEdits.size(); ++row) {
        QLineEdit& edit = *valueEdits[row];
        if (edit.isHidden())
            continue;
        const std::optional<std::int32_t> value = numberIn(edit);
        if (!value && edit.text().isEmpty())
            return std::nullopt;
        if (!value || *value < 0 || *value > maximumValue) {
            DialogService::current().showMessage(text(langtext::panel::rangePrompt).arg(0).arg(maximumValue),
                                                 DialogService::programCaption(), DialogService::Icon::Exclamation);
            edit.setFocus();
            edit.selectAll();
            return std::nullopt;
        }
        read.values[row] = *value;
    }
    if (!positionEdits[0]->isHidden()) {
        std::array<std::int32_t, 4> position{};
        for (std::size_t i = 0; i < positionEdits.size(); ++i) {
            const std::optional<std::int32_t> value = numberIn(*positionEdits[i]);
            if (!value)
                return std::nullopt;
            position[i] = *value;
        }
        read.position = {position[0], position[1], position[2], position[3]};
    }
    if (!outline->isHidden())
        read.outlineLevel = outline->value();
    if (!underline->isHidden())
        read.underline = underline->isChecked() ? 1 : 0;
    return read;
}

const ElementEntry* PropertyPanel::editedElement()
{
    const ElementEntry* entry = page.selectedElement();
    // A state button or the JoyPad box may have switched the preview away
    // from the element since it was selected: what is edited is shown again.
    if (entry)
        page.showElementState(*entry, false);
    return entry;
}

const ElementEntry* PropertyPanel::readForEdit()
{
    const ElementEntry* entry = editedElement();
    if (!entry)
        return nullptr;
    const std::optional<PanelValues> read = readValues();
    if (!read)
        return nullptr;
    shown = *read;
    return entry;
}

void PropertyPanel::colourChosen(int control)
{
    const ElementEntry* entry = readForEdit();
    if (!entry)
        return;
    const std::size_t row = std::size_t(control - colour1Button) / 2;
    writeElementColour(page.skinModel(), *entry, row, colourButtons[row]->colour(), shown.values[row]);
    page.skinEdited();
}

void PropertyPanel::valueEdited(std::size_t row)
{
    const ElementEntry* entry = readForEdit();
    if (!entry)
        return;
    writeElementNumber(page.skinModel(), *entry, row, colourButtons[row]->colour(), shown.values[row]);
    if (entry->layout == PanelLayout::KeyPicture && row == 0)
        page.scene().frame(entry->frame).opacity = shown.values[0];
    page.skinEdited();
}

void PropertyPanel::positionEdited()
{
    const SkinRect previous = shown.position;
    const ElementEntry* entry = readForEdit();
    if (!entry)
        return;
    if (entry->hasFrame) {
        const SkinRect written = placeFrameElement(page.skinModel(), *entry, page.scene().frame(entry->frame),
                                                   previous, shown.position);
        page.frameContentChanged(entry->frame);
        // A position held inside the screen shows in the edits.
        if (!isEmpty(written))
            shown.position = written;
    } else {
        writeElementRect(page.skinModel(), *entry, shown.position);
    }
    putValues();
    page.skinEdited();
}

void PropertyPanel::underlineClicked()
{
    const ElementEntry* entry = readForEdit();
    if (!entry)
        return;
    writeUnderline(page.skinModel(), *entry, shown.underline);
    page.skinEdited();
}

void PropertyPanel::outlineLevelChanged()
{
    const ElementEntry* entry = readForEdit();
    if (!entry)
        return;
    writeOutlineLevel(page.skinModel(), *entry, shown.outlineLevel);
    // The second and third colour come and go with the level.
    layOut(entry);
    page.skinEdited();
}

void PropertyPanel::alignmentChosen(int listEntry)
{
    const ElementEntry* entry = editedElement();
    if (!entry || entry->alignment == noElement)
        return;
    writeAlignment(page.skinModel(), *entry, listEntry);
    page.skinEdited();
}

void PropertyPanel::choosePicture()
{
    const ElementEntry* entry = editedElement();
    if (!entry)
        return;
    if (entry->layout == PanelLayout::Wallpaper)
        chooseWallpaper();
    else if (entry->picture != noElement && entry->hasFrame)
        chooseElementPicture(*entry);
}

namespace {

// The file's bytes when they are a picture that decodes; the picture's size in decoded.
bool readPictureFile(const QString& path, std::vector<std::uint8_t>& bytes, Picture& decoded)
{
    return readWholeFile(localPath(path), bytes) >= 0 && decoded.loadFromBytes(bytes) && decoded.width() > 0;
}

} // namespace

void PropertyPanel::showCannotRead() const
{
    DialogService::current().showMessage(text(langtext::message::cannotReadPicture), DialogService::programCaption(),
                                         DialogService::Icon::Error);
}

void PropertyPanel::chooseWallpaper()
{
    const QString path = askFileName(false, fileNameFullPath, {QStringLiteral("jpg"), QStringLiteral("gif")});
    if (path.isEmpty())
        return;
    SkinModel& model = page.skinModel();
    std::vector<std::uint8_t> bytes;
    Picture decoded;
    // A file that is no picture changes nothing, as one that cannot be read.
    if (!readPictureFile(path, bytes, decoded) || !model.loadWallpaperFile(localPath(path))) {
        showCannotRead();
        return;
    }
    model.setWallpaper(localPath(path));
    page.scene().wallpaper.loadFromBytes(model.wallpaperBytes());
    page.skinEdited();
}

void PropertyPanel::chooseElementPicture(const ElementEntry& entry)
{
    const QString path = askFileName(false, fileNameFullPath, {QStringLiteral("gif")});
    if (path.isEmpty())
        return;
    SkinModel& model = page.skinModel();
    std::vector<std::uint8_t> bytes;
    Picture decoded;
    // Bytes that are no picture are not stored: the element would lose its size.
    // The bytes stored are the ones just judged: the file is read once.
    if (!readPictureFile(path, bytes, decoded) || !model.setPicture(entry.picture, bytes)) {
        showCannotRead();
        return;
    }
    std::vector<std::uint8_t> stored;
    if (model.getPicture(entry.picture, stored) < 0)
        stored.clear();
    const SkinRect current = model.getRect(entry.rect);
    const SkinRect sized{current.left, current.top, std::int32_t(std::int64_t(current.left) + decoded.width()),
                         std::int32_t(std::int64_t(current.top) + decoded.height())};
    FrameContent& content = page.scene().frame(entry.frame);
    content.setGeometryAndPicture(stored, sized, page.previewArea());
    // The new picture is blended as the element's opacity number says.
    if (entry.layout == PanelLayout::KeyPicture)
        content.opacity = model.getNumber(entry.rows[0].number);
    page.frameContentChanged(entry.frame);
    writeElementRect(model, entry, content.rect());
    linkMirroredPicture(model, entry);
    page.skinEdited();
}
