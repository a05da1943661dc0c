#include "pages/ElementPage.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "pages/ElementTree.h"
#include "pages/FramePlacement.h"
#include "pages/PictureChoice.h"
#include "pages/PreviewPane.h"
#include "pages/PropertyPanel.h"
#include "preview/IdleScreen.h"
#include "preview/ScreenPlacement.h"
#include "services/DialogService.h"
#include "session/AlignmentCommand.h"
#include "session/BackToDefaultCommand.h"
#include "session/ColourCommand.h"
#include "session/NumberCommand.h"
#include "session/OutlineLevelCommand.h"
#include "session/RectCommand.h"
#include "session/SkinSession.h"
#include "session/UnderlineCommand.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"
#include "widgets/TextBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <iterator>
#include <memory>
#include <tuple>

using namespace idlescreen;

namespace {

// The preview column at 1x without scroll bars, the tree and the panel as
// wide as the program's first layout had them.
constexpr int treeWidth = 194;
constexpr int panelWidth = 292;
constexpr int columnCount = 3;
constexpr int treeIndentation = 16;

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
    disconnect(panelFocus);
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
    auto* whole = new QHBoxLayout(this);
    whole->setContentsMargins(10, 11, 10, 10);
    columns = new QSplitter(Qt::Horizontal, this);
    columns->setObjectName(QStringLiteral("elementSplitter"));
    // Nothing disappears when a splitter is pulled all the way.
    columns->setChildrenCollapsible(false);
    whole->addWidget(columns);

    pane = new PreviewPane(screen, idleScene, columns);
    ScreenPreview& shown = pane->preview();
    connect(&shown, &ScreenPreview::nudged, this, &ElementPage::nudge);
    connect(&shown, &ScreenPreview::zoomStepped, pane, &PreviewPane::zoomAt);
    // A run of nudges ends when the preview loses the keyboard.
    connect(&shown, &ScreenPreview::focusLeft, &session, &SkinSession::closeMerging);
    connect(pane, &PreviewPane::zoomChanged, this, &ElementPage::zoomChanged);
    for (std::size_t i = 0; i < frameCount; ++i) {
        PreviewFrame& frame = pane->frame(Frame(i));
        connect(&frame, &PreviewFrame::pressed, this, &ElementPage::framePressed);
        connect(&frame, &PreviewFrame::moved, this, &ElementPage::frameMoved);
        connect(&frame, &PreviewFrame::dropped, this, &ElementPage::frameDropped);
    }
    for (std::size_t i = 0; i < textSlotCount; ++i) {
        TextBox& box = pane->textBox(TextSlot(i));
        connect(&box, &TextBox::pressed, this, &ElementPage::textPressed);
        connect(&box, &TextBox::dragged, this, &ElementPage::textDragged);
        connect(&box, &TextBox::released, this, &ElementPage::textReleased);
    }

    elementTree = new QTreeWidget(columns);
    elementTree->setObjectName(QStringLiteral("elementTree"));
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

    // The panel scrolls where the page is too small for it.
    panelScroll = new QScrollArea(columns);
    panelScroll->setObjectName(QStringLiteral("panelScroll"));
    panelScroll->setWidgetResizable(true);
    panelScroll->setFrameShape(QFrame::NoFrame);
    // The keyboard goes from the tree to the panel's first control, which
    // the area brings into sight as each control takes the focus.
    panelScroll->setFocusPolicy(Qt::NoFocus);
    panelFocus = connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now && propertyPanel->isAncestorOf(now))
            panelScroll->ensureWidgetVisible(now);
    });
    propertyPanel = new PropertyPanel(model, texts, panelScroll);
    panelScroll->setWidget(propertyPanel);
    connect(propertyPanel, &PropertyPanel::colourChosen, this, &ElementPage::colourChosen);
    connect(propertyPanel, &PropertyPanel::numberTyped, this, &ElementPage::numberTyped);
    connect(propertyPanel, &PropertyPanel::positionTyped, this, &ElementPage::positionTyped);
    connect(propertyPanel, &PropertyPanel::pictureRequested, this, &ElementPage::pictureRequested);
    connect(propertyPanel, &PropertyPanel::underlineChosen, this, [this](bool underlined) {
        if (const ElementEntry* entry = editedElement())
            pushAlone(std::make_unique<UnderlineCommand>(session, entry->kind, underlined));
    });
    connect(propertyPanel, &PropertyPanel::outlineLevelChosen, this, [this](std::int32_t level) {
        if (const ElementEntry* entry = editedElement())
            push(std::make_unique<OutlineLevelCommand>(session, entry->kind, level));
    });
    connect(propertyPanel, &PropertyPanel::alignmentChosen, this, [this](int listEntry) {
        if (const ElementEntry* entry = editedElement(); entry && entry->alignment != noElement)
            pushAlone(std::make_unique<AlignmentCommand>(session, entry->kind, listEntry));
    });

    // Made last: the keyboard goes from the preview to the tree and the panel, then to these.
    pane->addViewControls();
    for (const Key key : {Key::Left, Key::Centre, Key::Right})
        connect(&pane->stateButton(key), &QPushButton::clicked, this, [this, key] { stepKeyState(key); });
    const std::pair<QCheckBox*, int> boxes[] = {
        {&pane->wallpaperBox(), wallpaperCheck}, {&pane->analogBox(), analogCheck}, {&pane->joyPadBox(), joyPadCheck}};
    for (const auto& [box, id] : boxes)
        connect(box, &QCheckBox::clicked, this, [this, id = id] { viewOptionClicked(id); });

    // Room that the window gains goes to the preview.
    columns->setStretchFactor(0, 1);
    columns->setStretchFactor(1, 0);
    columns->setStretchFactor(2, 0);
    const int previewWidth = ScreenPreview::sizeAt(1).width() + 2 * pane->scrollArea().frameWidth();
    columns->setSizes({previewWidth, treeWidth, panelWidth});
}

void ElementPage::initialise()
{
    pane->joyPadBox().setText(text(langtext::elementPage::joyPadBox));
    pane->analogBox().setText(text(langtext::elementPage::analogClockBox));
    pane->wallpaperBox().setText(text(langtext::elementPage::wallpaperBox));

    fillElementTree(*elementTree, texts);
    selectedKind = ElementKind::Background;

    // Status strip, wallpaper, the keys in state 0, the clock face, the
    // JoyPad labels on their JoyPad-off places.
    idleScene.view = ViewOptions();
    reportUnreadableWallpaper(idleScene.load(model, joyPadCaptions(texts), PreviewArea{}));
    for (std::size_t i = 0; i < frameCount; ++i)
        frameContentChanged(Frame(i));
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
    case previewControl: return &pane->preview();
    case treeControl: return elementTree;
    case panelControl: return propertyPanel;
    case leftStateButton: return &pane->stateButton(Key::Left);
    case rightStateButton: return &pane->stateButton(Key::Right);
    case centreStateButton: return &pane->stateButton(Key::Centre);
    case wallpaperCheck: return &pane->wallpaperBox();
    case analogCheck: return &pane->analogBox();
    case joyPadCheck: return &pane->joyPadBox();
    default: break;
    }
    for (std::size_t i = 0; i < frameCount; ++i)
        if (frameControlIds[i] == id)
            return &pane->frame(Frame(i));
    return propertyPanel->control(id);
}

void ElementPage::repaintPreview()
{
    drawIdleScreen(screen, model, idleScene);
    pane->showComposed(model, selectedKind);
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
    // The frames the change reaches show what the skin holds now, in the
    // view's states; the others keep their decoded pictures (a text dragged
    // step by step reaches none).
    const ViewOptions& view = idleScene.view;
    for (const Key key : {Key::Left, Key::Right, Key::Centre})
        if (reachesFrame(change, keyIds(key).frame, view))
            reloadKeyFrame(key);
    if (reachesFrame(change, clockFace.frame, view)) {
        idleScene.loadClockFace(model, PreviewArea{});
        frameContentChanged(clockFace.frame);
    }
    if (std::any_of(joyPadLabels.begin(), joyPadLabels.end(),
                    [&](const JoyPadLabelIds& label) { return reachesFrame(change, label.frame, view); })) {
        idleScene.placeJoyPadLabels(model, joyPadCaptions(texts), PreviewArea{});
        for (const JoyPadLabelIds& label : joyPadLabels)
            frameContentChanged(label.frame);
    }
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

void ElementPage::pushAlone(std::unique_ptr<SkinEditCommand> command)
{
    // Neither into a run of nudges before it nor with what comes after.
    session.closeMerging();
    push(std::move(command));
    session.closeMerging();
}

void ElementPage::colourChosen(std::size_t row, std::uint32_t colour, std::int32_t transparency)
{
    if (const ElementEntry* entry = editedElement())
        push(std::make_unique<ColourCommand>(session, entry->kind, row, colour, transparency));
}

void ElementPage::numberTyped(std::size_t row, std::uint32_t buttonColour, std::int32_t value)
{
    if (const ElementEntry* entry = editedElement())
        pushAlone(std::make_unique<NumberCommand>(session, entry->kind, row, buttonColour, value));
}

void ElementPage::positionTyped(const SkinRect& previous, const SkinRect& typed)
{
    const ElementEntry* entry = editedElement();
    if (!entry)
        return;
    if (!entry->hasFrame) {
        pushAlone(std::make_unique<RectCommand>(session, entry->kind, RectCommand::Rule::Element, typed));
        return;
    }
    // The frame moves, keeping its size, held inside the screen.
    const SkinRect placed = placeFrame(idleScene.frame(entry->frame), previous, typed);
    frameContentChanged(entry->frame);
    pushAlone(std::make_unique<RectCommand>(session, entry->kind, RectCommand::Rule::Placed, placed));
}

void ElementPage::pictureRequested()
{
    const ElementEntry* entry = editedElement();
    if (!entry)
        return;
    std::unique_ptr<SkinEditCommand> command;
    if (entry->layout == PanelLayout::Wallpaper)
        command = chosenWallpaper(session, texts);
    else if (entry->picture != noElement && entry->hasFrame)
        command = chosenElementPicture(session, texts, entry->kind);
    if (command)
        push(std::move(command));
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
    // Nudges of the element chosen next are edits of their own.
    session.closeMerging();
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
    pane->frame(which).updateFromContent();
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
    idleScene.loadKeyFrame(model, key, PreviewArea{});
    frameContentChanged(keyIds(key).frame);
    showKeyStateTips();
}

void ElementPage::showKeyStateTips()
{
    static constexpr int stateTexts[] = {langtext::tree::state0, langtext::tree::state1, langtext::tree::state2,
                                         langtext::tree::state3};
    const std::tuple<QPushButton*, Key, int> buttons[] = {
        {&pane->stateButton(Key::Left), Key::Left, langtext::keyName::left},
        {&pane->stateButton(Key::Centre), Key::Centre, langtext::tree::centreKey},
        {&pane->stateButton(Key::Right), Key::Right, langtext::keyName::right},
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
    pane->frame(clockFace.frame).setVisible(idleScene.view.analogClock);
}

void ElementPage::placeJoyPadLabels()
{
    readViewOptions();
    idleScene.placeJoyPadLabels(model, joyPadCaptions(texts), PreviewArea{});
    for (const JoyPadLabelIds& label : joyPadLabels)
        frameContentChanged(label.frame);
    repaintPreview();
}

void ElementPage::framePressed(int controlId)
{
    const auto found = std::find(frameControlIds.begin(), frameControlIds.end(), controlId);
    if (found == frameControlIds.end())
        return;
    // The element the frame shows in the view's state is the one under the pointer.
    selectElement(elementShownBy(Frame(found - frameControlIds.begin()), idleScene.view));
    pane->preview().setFocus(Qt::MouseFocusReason);
}

void ElementPage::frameMoved()
{
    repaintPreview();
}

void ElementPage::frameDropped(int controlId)
{
    for (std::size_t i = 0; i < frameCount; ++i) {
        if (frameControlIds[i] != controlId)
            continue;
        const Frame which = Frame(i);
        // A drop is one command: the next one is another.
        pushAlone(std::make_unique<RectCommand>(session, elementShownBy(which, idleScene.view), which, idleScene.view,
                                                idleScene.frame(which).rect()));
    }
}

void ElementPage::textPressed(int slot)
{
    selectElement(textElementShown(TextSlot(slot), idleScene.view));
    pane->preview().setFocus(Qt::MouseFocusReason);
    // The drag to come is one command of its own.
    session.closeMerging();
}

void ElementPage::textDragged(int slot, const SkinRect& rect)
{
    const ElementKind kind = textElementShown(TextSlot(slot), idleScene.view);
    if (!elementEntry(kind))
        return;
    // Each step writes; the steps of one drag merge into one command.
    push(std::make_unique<RectCommand>(session, kind, RectCommand::Rule::Element, rect));
}

void ElementPage::textReleased()
{
    session.closeMerging();
}

void ElementPage::nudge(int dx, int dy)
{
    const ElementEntry* entry = editedElement();
    if (!entry || entry->rect == noElement)
        return;
    if (entry->hasFrame) {
        FrameContent& content = idleScene.frame(entry->frame);
        content.moveTo(content.rect().left + dx, content.rect().top + dy);
        frameContentChanged(entry->frame);
        push(std::make_unique<RectCommand>(session, entry->kind, RectCommand::Rule::Placed, content.rect()));
        repaintPreview();
        return;
    }
    const SkinRect rect = model.getRect(entry->rect);
    const std::int64_t width = std::int64_t(rect.right) - rect.left;
    const std::int64_t height = std::int64_t(rect.bottom) - rect.top;
    // An element without a pixel has no place to move.
    if (width <= 0 || height <= 0)
        return;
    // Consecutive nudges of the element merge into one command.
    push(std::make_unique<RectCommand>(session, entry->kind, RectCommand::Rule::Element,
                                       placedOnScreen(std::int64_t(rect.left) + dx, std::int64_t(rect.top) + dy, width,
                                                      height)));
}

bool ElementPage::selectElement(ElementKind kind)
{
    if (kind == ElementKind::None)
        return false;
    if (kind == selectedKind && !elementTree->selectedItems().isEmpty())
        return true;
    for (QTreeWidgetItemIterator it(elementTree); *it; ++it) {
        if (elementKindOf(**it, texts) != kind)
            continue;
        elementTree->setCurrentItem(*it);
        elementTree->scrollToItem(*it);
        return true;
    }
    return false;
}

QList<int> ElementPage::splitterSizes() const
{
    return columns->sizes();
}

void ElementPage::setSplitterSizes(const QList<int>& sizes)
{
    if (sizes.size() != columnCount)
        return;
    for (const int size : sizes)
        if (size < 0 || size > QWIDGETSIZE_MAX)
            return;
    columns->setSizes(sizes);
}

void ElementPage::putViewOptions()
{
    const ViewOptions& view = idleScene.view;
    const std::pair<QCheckBox*, bool> boxes[] = {
        {&pane->wallpaperBox(), view.showWallpaper},
        {&pane->analogBox(), view.analogClock},
        {&pane->joyPadBox(), view.joyPadShown}};
    for (const auto& [box, checked] : boxes) {
        const QSignalBlocker quiet(box);
        box->setChecked(checked);
    }
}

void ElementPage::readViewOptions()
{
    ViewOptions& view = idleScene.view;
    view.showWallpaper = pane->wallpaperBox().isChecked();
    view.analogClock = pane->analogBox().isChecked();
    view.joyPadShown = pane->joyPadBox().isChecked();
}
