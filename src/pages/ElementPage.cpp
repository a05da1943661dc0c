#include "pages/ElementPage.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "pages/ElementTree.h"
#include "pages/PropertyPanel.h"
#include "preview/IdleScreen.h"
#include "services/DialogService.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <memory>

using namespace idlescreen;

namespace {

// Places in pixels (dialog units at 1.5 px across, 1.625 px down): the
// preview on the left with the state buttons under the keys and the view
// check boxes below, the tree in the middle, the panel on the right. Tree
// and panel reach down as far as the check boxes, so that neither a
// translated label nor the opened tree needs to be cut short.
constexpr QPoint previewPlace(10, 11);
constexpr QRect treePlace(204, 11, 184, 320);
constexpr QRect panelPlace(396, 11, 302, 320);
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

ElementPage::ElementPage(SkinModel& model, LanguageTable& texts, QWidget* parent)
    : QWidget(parent), model(model), texts(texts)
{
    setObjectName(QStringLiteral("elementPage"));
    buildControls();
    initialise();
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
    elementTree->setSelectionMode(QAbstractItemView::SingleSelection);
    // Long names scroll sideways instead of being cut short.
    elementTree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    elementTree->header()->setStretchLastSection(false);
    connect(elementTree, &QTreeWidget::itemSelectionChanged, this, &ElementPage::selectionChanged);
    elementTree->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(elementTree, &QTreeWidget::customContextMenuRequested, this, &ElementPage::treeMenuRequested);

    propertyPanel = new PropertyPanel(*this, this);
    propertyPanel->setGeometry(panelPlace);
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
    propertyPanel->layOut(selectedElement());
    putViewOptions();
    skinEdited();
}

void ElementPage::reportUnreadableWallpaper(bool read) const
{
    if (!read && !model.wallpaperPath().empty())
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

void ElementPage::skinEdited()
{
    markChangedElements(*elementTree, texts, model);
    repaintPreview();
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
    const ElementEntry* entry = elementEntry(kind);
    if (!entry)
        return;
    restoreElementDefault(model, *entry);
    if (entry->layout == PanelLayout::Wallpaper)
        reportUnreadableWallpaper(idleScene.loadWallpaper(model));
    // The frames show the default's pictures and places, in the view's states.
    idleScene.loadFrames(model, joyPadCaptions(texts), area);
    for (std::size_t i = 0; i < frameCount; ++i)
        frameContentChanged(Frame(i));
    propertyPanel->layOut(selectedElement());
    skinEdited();
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
    propertyPanel->layOut(entry);
    putViewOptions();
    repaintPreview();
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
        writeDroppedFrame(model, which, idleScene.view, idleScene.frame(which).rect());
        // The panel of the element shown by the dropped frame shows where it lies now.
        const ElementEntry* entry = selectedElement();
        if (entry && entry->hasFrame && entry->frame == which)
            propertyPanel->layOut(entry);
    }
    skinEdited();
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
