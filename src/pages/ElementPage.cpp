#include "pages/ElementPage.h"

#include "document/FileIo.h"
#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "pages/ElementTree.h"
#include "pages/FramePlacement.h"
#include "pages/PropertyPanel.h"
#include "pictures/Picture.h"
#include "pictures/PictureConversion.h"
#include "preview/IdleScreen.h"
#include "services/DialogService.h"
#include "services/LocalPath.h"
#include "session/AlignmentCommand.h"
#include "session/BackToDefaultCommand.h"
#include "session/ColourCommand.h"
#include "session/ElementPictureCommand.h"
#include "session/NumberCommand.h"
#include "session/OutlineLevelCommand.h"
#include "session/RectCommand.h"
#include "session/SkinSession.h"
#include "session/UnderlineCommand.h"
#include "session/WallpaperCommand.h"
#include "widgets/CommonDialogs.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>

using namespace idlescreen;

namespace {

// Places in pixels (dialog units at 1.5 px across, 1.625 px down): the
// preview on the left with the state buttons under the keys and the view
// check boxes below, the tree in the middle, the panel on the right. Tree
// and panel reach down as far as the check boxes, so that neither a
// translated label nor the opened tree needs to be cut short.
constexpr QPoint previewPlace(10, 11);
constexpr QRect treePlace(204, 11, 194, 320);
constexpr QRect panelPlace(406, 11, 292, 320);
constexpr int treeIndentation = 16;
constexpr int stateButtonTop = 242;
constexpr QSize stateButtonSize(44, 23);
constexpr int leftButtonX = 10;
constexpr int centreButtonX = 75;
constexpr int rightButtonX = 142;
constexpr int checkLeft = 10;
constexpr int checkWidth = 180;
constexpr int checkHeight = 21;
constexpr int wallpaperCheckTop = 268;
constexpr int analogCheckTop = 289;
constexpr int joyPadCheckTop = 310;

// A tree item's text as a group box title: an "&" is shown, not a mnemonic.
QString titleText(const QString& text)
{
    QString title = text;
    return title.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

ElementPage::ElementPage(SkinSession& session, const LanguageTable& texts, QWidget* parent)
    : QWidget(parent), session(session), model(session.model()), texts(texts)
{
    setObjectName(QStringLiteral("elementPage"));
    buildControls();
    initialise();
    connect(&session, &SkinSession::changed, this, &ElementPage::skinChanged);
}

ElementPage::~ElementPage()
{
    // The children show the scene and the canvas and report to the page:
    // silenced, then gone while both are whole.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const std::unique_ptr<QWidget> owned(child);
    }
}

QString ElementPage::text(int number) const
{
    return QString::fromStdString(texts.text(number));
}

void ElementPage::buildControls()
{
    screenPreview = new ScreenPreview(screen, this);
    screenPreview->move(previewPlace);
    area = screenPreview->screenArea();
    // Over the preview, in the order of the scene's frames.
    for (std::size_t i = 0; i < frameCount; ++i) {
        auto* frame = new PreviewFrame(idleScene.frame(Frame(i)), frameControlIds[i], this);
        frames[i] = frame;
        connect(frame, &PreviewFrame::moved, this, &ElementPage::repaintPreview);
        connect(frame, &PreviewFrame::dropped, this, &ElementPage::frameDropped);
    }

    const auto stateButton = [this](const char* caption, const char* name, int x, Key key) {
        auto* button = new QPushButton(QLatin1String(caption), this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(QRect(QPoint(x, stateButtonTop), stateButtonSize));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, key] { stepKeyState(key); });
        return button;
    };
    leftState = stateButton("*", "leftState", leftButtonX, Key::Left);
    centreState = stateButton("=", "centreState", centreButtonX, Key::Centre);
    rightState = stateButton("*", "rightState", rightButtonX, Key::Right);

    const auto checkBox = [this](const char* name, int top, int control) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        box->setGeometry(checkLeft, top, checkWidth, checkHeight);
        connect(box, &QCheckBox::clicked, this, [this, control] { viewOptionClicked(control); });
        return box;
    };
    wallpaperBox = checkBox("wallpaperCheck", wallpaperCheckTop, wallpaperCheck);
    analogBox = checkBox("analogCheck", analogCheckTop, analogCheck);
    joyPadBox = checkBox("joyPadCheck", joyPadCheckTop, joyPadCheck);

    elementTree = new QTreeWidget(this);
    elementTree->setObjectName(QStringLiteral("elementTree"));
    elementTree->setGeometry(treePlace);
    elementTree->setHeaderHidden(true);
    elementTree->setRootIsDecorated(true);
    // Three levels deep and the longest group name still fit beside the scroll bar.
    elementTree->setIndentation(treeIndentation);
    elementTree->setSelectionMode(QAbstractItemView::SingleSelection);
    // Long names scroll sideways instead of being cut short.
    elementTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    elementTree->header()->setStretchLastSection(false);
    connect(elementTree, &QTreeWidget::itemSelectionChanged, this, &ElementPage::selectionChanged);
    elementTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(elementTree, &QTreeWidget::customContextMenuRequested, this, &ElementPage::treeMenuRequested);

    propertyPanel = new PropertyPanel(model, texts, this);
    propertyPanel->setGeometry(panelPlace);
    connect(propertyPanel, &PropertyPanel::colourChosen, this, &ElementPage::colourChosen);
    connect(propertyPanel, &PropertyPanel::numberTyped, this, &ElementPage::numberTyped);
    connect(propertyPanel, &PropertyPanel::positionTyped, this, &ElementPage::positionTyped);
    connect(propertyPanel, &PropertyPanel::pictureRequested, this, &ElementPage::pictureRequested);
    connect(propertyPanel, &PropertyPanel::underlineChosen, this, [this](bool underlined) {
        if (const ElementEntry* entry = editedElement())
            push(std::make_unique<UnderlineCommand>(session, entry->kind, underlined));
    });
    connect(propertyPanel, &PropertyPanel::outlineLevelChosen, this, [this](std::int32_t level) {
        if (const ElementEntry* entry = editedElement())
            push(std::make_unique<OutlineLevelCommand>(session, entry->kind, level));
    });
    connect(propertyPanel, &PropertyPanel::alignmentChosen, this, [this](int listEntry) {
        if (const ElementEntry* entry = editedElement(); entry && entry->alignment != noElement)
            push(std::make_unique<AlignmentCommand>(session, entry->kind, listEntry));
    });
}

void ElementPage::initialise()
{
    joyPadBox->setText(text(langtext::elementPage::joyPadBox));
    analogBox->setText(text(langtext::elementPage::analogClockBox));
    wallpaperBox->setText(text(langtext::elementPage::wallpaperBox));

    fillElementTree(*elementTree, texts);
    selectedKind = ElementKind::Background;

    // Status strip, wallpaper, the keys in state 0, the clock face, the
    // JoyPad labels on their JoyPad-off places.
    idleScene.view = ViewOptions();
    reportUnreadableWallpaper(idleScene.load(model, joyPadCaptions(texts), area));
    for (PreviewFrame* frame : frames)
        frame->updateFromContent();
    showClockMode();

    propertyPanel->fillAlignmentList();
    // Until the first selection the panel edits the background colour.
    propertyPanel->setTitle(titleText(text(langtext::tree::background)));
    propertyPanel->setElementName(text(langtext::tree::background));
    showKeyStateTips();
    propertyPanel->showElement(selectedElement());
    putViewOptions();
    markChangedElements(*elementTree, texts, model);
    repaintPreview();
}

void ElementPage::reportUnreadableWallpaper(bool read) const
{
    // Before a skin is made or opened there is no wallpaper to miss.
    if (!read && model.edited().hasLineTable() && !model.wallpaperPath().empty())
        DialogService::current().showMessage(text(langtext::elementPage::cannotLoadWallpaper),
                                             DialogService::programCaption(), DialogService::Icon::Exclamation);
}

void ElementPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    markChangedElements(*elementTree, texts, model);
}

QWidget* ElementPage::control(int id) const
{
    switch (id) {
    case previewControl: return screenPreview;
    case treeControl: return elementTree;
    case panelControl: return propertyPanel;
    case leftStateButton: return leftState;
    case rightStateButton: return rightState;
    case centreStateButton: return centreState;
    case wallpaperCheck: return wallpaperBox;
    case analogCheck: return analogBox;
    case joyPadCheck: return joyPadBox;
    default: break;
    }
    for (PreviewFrame* frame : frames)
        if (frame->controlId() == id)
            return frame;
    return propertyPanel->control(id);
}

void ElementPage::repaintPreview()
{
    drawIdleScreen(screen, model, idleScene);
    screenPreview->update();
}

void ElementPage::setFocusRects(bool shown)
{
    idleScene.view.focusRects = shown;
    repaintPreview();
}

void ElementPage::skinChanged(const SkinChange& change)
{
    if (change.everything || change.wallpaper)
        idleScene.loadWallpaper(model);
    // The frames show what the skin holds now, in the view's states.
    idleScene.loadFrames(model, joyPadCaptions(texts), area);
    for (std::size_t i = 0; i < frameCount; ++i)
        frameContentChanged(Frame(i));
    propertyPanel->refreshValues();
    markChangedElements(*elementTree, texts, model);
    repaintPreview();
}

const ElementEntry* ElementPage::editedElement()
{
    const ElementEntry* entry = selectedElement();
    if (entry)
        showElementState(*entry, false);
    return entry;
}

void ElementPage::push(std::unique_ptr<SkinEditCommand> command)
{
    session.push(std::move(command));
    // Also when nothing was written: the panel never shows a value the skin does not hold.
    propertyPanel->refreshValues();
}

void ElementPage::colourChosen(std::size_t row, std::uint32_t colour, std::int32_t transparency)
{
    if (const ElementEntry* entry = editedElement())
        push(std::make_unique<ColourCommand>(session, entry->kind, row, colour, transparency));
}

void ElementPage::numberTyped(std::size_t row, std::uint32_t buttonColour, std::int32_t value)
{
    if (const ElementEntry* entry = editedElement())
        push(std::make_unique<NumberCommand>(session, entry->kind, row, buttonColour, value));
}

void ElementPage::positionTyped(const SkinRect& previous, const SkinRect& typed)
{
    const ElementEntry* entry = editedElement();
    if (!entry)
        return;
    if (!entry->hasFrame) {
        push(std::make_unique<RectCommand>(session, entry->kind, RectCommand::Rule::Element, typed));
        return;
    }
    // The frame moves, keeping its size, held inside the screen.
    const SkinRect placed = placeFrame(idleScene.frame(entry->frame), previous, typed);
    frameContentChanged(entry->frame);
    push(std::make_unique<RectCommand>(session, entry->kind, RectCommand::Rule::Placed, placed));
}

void ElementPage::pictureRequested()
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

void showCannotRead(const LanguageTable& texts)
{
    DialogService::current().showMessage(QString::fromStdString(texts.text(langtext::message::cannotReadPicture)),
                                         DialogService::programCaption(), DialogService::Icon::Error);
}

} // namespace

FileQuestion ElementPage::pictureQuestion() const
{
    return {{}, {}, text(langtext::shell::fileFilter), {}};
}

void ElementPage::chooseWallpaper()
{
    const QString path = askFileName(false, fileNameFullPath, {QStringLiteral("jpg"), QStringLiteral("gif")}, pictureQuestion());
    if (path.isEmpty())
        return;
    std::vector<std::uint8_t> bytes;
    Picture decoded;
    // A file that is no picture changes nothing, as one that cannot be read.
    if (!readPictureFile(path, bytes, decoded)) {
        showCannotRead(texts);
        return;
    }
    // Shown, checked and saved from these bytes: the file is read once.
    push(std::make_unique<WallpaperCommand>(session, localPath(path), std::move(bytes)));
}

void ElementPage::chooseElementPicture(const ElementEntry& entry)
{
    FileQuestion question = pictureQuestion();
    question.eachOfText = text(langtext::images::pictureFiles);
    const QString path = askFileName(false, fileNameFullPath, pictureconversion::commonSuffixes(), question);
    if (path.isEmpty())
        return;
    // The phone reads GIF: another format is converted on its way in. Bytes
    // that are no picture are not stored: the element would lose its size.
    // The bytes stored are the ones just judged: the file is read once. A
    // skin that holds nothing (after a failed Open) cannot store them either.
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(localPath(path), bytes) < 0)
        bytes.clear();
    pictureconversion::SkinPicture chosen =
        pictureconversion::pictureForSkin(std::move(bytes), pictureconversion::Conversion::toGif);
    if (!chosen.usable || !model.edited().hasLineTable()) {
        showCannotRead(texts);
        return;
    }
    push(std::make_unique<ElementPictureCommand>(session, entry.kind, std::move(chosen.bytes), chosen.size.width(),
                                                 chosen.size.height()));
}

std::unique_ptr<QMenu> ElementPage::elementMenu(const QTreeWidgetItem& item)
{
    const ElementEntry* entry = elementEntry(elementKindOf(item, texts));
    if (!entry)
        return nullptr;
    auto menu = std::make_unique<QMenu>(elementTree);
    QAction* restore = menu->addAction(text(langtext::elementPage::backToDefault));
    restore->setObjectName(QStringLiteral("backToDefault"));
    restore->setEnabled(elementDiffersFromDefault(model, *entry));
    connect(restore, &QAction::triggered, this, [this, kind = entry->kind] { backToDefault(kind); });
    return menu;
}

void ElementPage::treeMenuRequested(const QPoint& place)
{
    const QTreeWidgetItem* item = elementTree->itemAt(place);
    std::unique_ptr<QMenu> menu = item ? elementMenu(*item) : nullptr;
    if (!menu)
        return;
    // Shown without waiting here; the menu goes when it closes.
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu.release()->popup(elementTree->viewport()->mapToGlobal(place));
}

void ElementPage::backToDefault(ElementKind kind)
{
    if (elementEntry(kind))
        push(std::make_unique<BackToDefaultCommand>(session, kind));
}

void ElementPage::selectionChanged()
{
    const QList<QTreeWidgetItem*> selected = elementTree->selectedItems();
    const QTreeWidgetItem* item = selected.isEmpty() ? nullptr : selected.front();
    selectedKind = ElementKind::None;
    idleScene.view.showWallpaper = true;
    putViewOptions();

    if (item)
        selectedKind = elementKindOf(*item, texts);
    const ElementEntry* entry = selectedElement();
    if (entry) {
        switch (entry->effect) {
        case ViewEffect::HideWallpaper:
            // The background colour is edited with the wallpaper out of the way.
            idleScene.view.showWallpaper = false;
            break;
        case ViewEffect::DigitalClock:
        case ViewEffect::AnalogClock:
            idleScene.view.analogClock = entry->effect == ViewEffect::AnalogClock;
            putViewOptions();
            showClockMode();
            break;
        default:
            break;
        }
    }
    // A group edits nothing and shows no name.
    propertyPanel->setTitle(item && item->childCount() == 0 ? titleText(item->text(0)) : QString());
    propertyPanel->setElementName(item ? elementName(*item) : QString());
    if (entry)
        showStateOfSelected(*entry);
    propertyPanel->showElement(entry);
    putViewOptions();
    repaintPreview();
}

void ElementPage::showStateOfSelected(const ElementEntry& entry)
{
    switch (entry.layout) {
    case PanelLayout::LabelPlace:
    case PanelLayout::JoyPadLabel:
        showElementState(entry, true);
        break;
    case PanelLayout::KeyPicture:
        // The left key's state 0 frame is reloaded only when the key shows another state.
        showElementState(entry, entry.kind != ElementKind::LeftKey0);
        break;
    default:
        break;
    }
}

void ElementPage::showElementState(const ElementEntry& entry, bool reloadAlways)
{
    ViewOptions& view = idleScene.view;
    if (entry.effect == ViewEffect::KeyState) {
        const bool changed = view.keyState(entry.key) != entry.state;
        view.setKeyState(entry.key, entry.state);
        if (changed || reloadAlways)
            reloadKeyFrame(entry.key);
    } else if (entry.effect == ViewEffect::JoyPadOn || entry.effect == ViewEffect::JoyPadOff) {
        const bool on = entry.effect == ViewEffect::JoyPadOn;
        if (view.joyPadShown != on || reloadAlways) {
            view.joyPadShown = on;
            putViewOptions();
            placeJoyPadLabels();
        }
    }
}

void ElementPage::frameContentChanged(Frame which)
{
    frame(which).updateFromContent();
}

void ElementPage::stepKeyState(Key key)
{
    const int next = idleScene.view.keyState(key) + 1;
    idleScene.view.setKeyState(key, next < keyIds(key).stateCount ? next : 0);
    reloadKeyFrame(key);
    repaintPreview();
}

void ElementPage::reloadKeyFrame(Key key)
{
    idleScene.loadKeyFrame(model, key, area);
    frameContentChanged(keyIds(key).frame);
    showKeyStateTips();
}

void ElementPage::showKeyStateTips()
{
    static constexpr int stateTexts[] = {langtext::tree::state0, langtext::tree::state1, langtext::tree::state2,
                                         langtext::tree::state3};
    const std::tuple<QPushButton*, Key, int> buttons[] = {
        {leftState, Key::Left, langtext::keyName::left},
        {centreState, Key::Centre, langtext::tree::centreKey},
        {rightState, Key::Right, langtext::keyName::right},
    };
    for (const auto& [button, key, name] : buttons) {
        const int state = std::clamp(idleScene.view.keyState(key), 0, int(std::size(stateTexts)) - 1);
        button->setToolTip(text(langtext::pair::nameAndDetail).arg(text(name), text(stateTexts[state])));
    }
}

QString ElementPage::elementName(const QTreeWidgetItem& item) const
{
    const QString name = item.text(0);
    const QTreeWidgetItem* parent = item.parent();
    for (const int state : {langtext::tree::state0, langtext::tree::state1, langtext::tree::state2,
                            langtext::tree::state3})
        if (parent && name == text(state))
            return text(langtext::pair::elementInState).arg(parent->text(0), name);
    return name;
}

void ElementPage::viewOptionClicked(int control)
{
    readViewOptions();
    if (control == analogCheck)
        showClockMode();
    if (control == joyPadCheck)
        placeJoyPadLabels();
    repaintPreview();
}

void ElementPage::showClockMode()
{
    // A hidden frame cannot be dragged; the canvas draws the face only in analog mode.
    frame(clockFace.frame).setVisible(idleScene.view.analogClock);
}

void ElementPage::placeJoyPadLabels()
{
    readViewOptions();
    idleScene.placeJoyPadLabels(model, joyPadCaptions(texts), area);
    for (const JoyPadLabelIds& label : joyPadLabels)
        frameContentChanged(label.frame);
    repaintPreview();
}

void ElementPage::frameDropped(int controlId)
{
    for (std::size_t i = 0; i < frameCount; ++i) {
        if (frameControlIds[i] != controlId)
            continue;
        const Frame which = Frame(i);
        push(std::make_unique<RectCommand>(session, elementShownBy(which, idleScene.view), which, idleScene.view,
                                           idleScene.frame(which).rect()));
        // A drop is one command: the next one is another.
        session.closeMerging();
    }
}

void ElementPage::putViewOptions()
{
    const ViewOptions& view = idleScene.view;
    const std::pair<QCheckBox*, bool> boxes[] = {
        {wallpaperBox, view.showWallpaper}, {analogBox, view.analogClock}, {joyPadBox, view.joyPadShown}};
    for (const auto& [box, checked] : boxes) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

void ElementPage::readViewOptions()
{
    ViewOptions& view = idleScene.view;
    view.showWallpaper = wallpaperBox->isChecked();
    view.analogClock = analogBox->isChecked();
    view.joyPadShown = joyPadBox->isChecked();
}
