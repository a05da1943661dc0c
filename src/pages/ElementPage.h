#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"
#include "idlescreen/PreviewLayers.h"
#include "pages/PreviewPane.h"
#include "preview/IdleScene.h"
#include "preview/ScreenCanvas.h"

#include <QList>
#include <QWidget>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

class LanguageTable;
class PreviewFrame;
class PropertyPanel;
class QMenu;
class QScrollArea;
class QSplitter;
class QTreeWidget;
class QTreeWidgetItem;
class ScreenPreview;
class TextBox;
class SkinModel;
class SkinSession;
class SkinEditCommand;
struct SkinChange;

// The first page of the main window: the live preview of the phone's idle
// screen, enlarged by whole pixels, the tree of the screen's elements and the
// property panel of the selected element, side by side with splitters
// between them. A click in the preview selects the topmost element under the
// pointer (in the tree and the panel); frames and the text elements' boxes
// are dragged with the mouse, the selected element nudged with the arrow
// keys. Every edit is a command pushed to the editing session, written into
// the skin at once; the page brings its preview, tree and panel up to date
// whenever the session says the skin changed (an edit, an undo, a redo). It
// takes its texts from the language table; session and texts outlive it. The
// preview's view options and key states live here and are never saved.
class ElementPage : public QWidget {
    Q_OBJECT

public:
    // Control ids of the page's own controls.
    enum Control : int {
        previewControl = 1009,
        treeControl = 1201,
        panelControl = 1203,
        leftStateButton = 1233,
        rightStateButton = 1234,
        centreStateButton = 1235,
        wallpaperCheck = 1236,
        analogCheck = 1159,
        joyPadCheck = 1240,
    };

    ElementPage(SkinSession& session, const LanguageTable& texts, QWidget* parent = nullptr);
    ~ElementPage() override;

    const SkinModel& skinModel() const { return model; }
    const LanguageTable& languageTexts() const { return texts; }

    // Composes the idle screen into the canvas and shows it.
    void repaintPreview();
    // Dotted rectangles around the text elements (the program's setting), never saved.
    void setFocusRects(bool shown);

    // The preview's enlargement, 1..8 (zoomChanged tells of every change,
    // also by Ctrl and the mouse wheel); fitZoom: the largest that shows
    // the whole screen.
    int zoom() const { return pane->zoom(); }
    void setZoom(int zoom) { pane->setZoom(zoom); }
    int fitZoom() const { return pane->fitZoom(); }
    void setPixelGrid(bool shown) { pane->setPixelGrid(shown); }
    // The widths of preview, tree and panel.
    QList<int> splitterSizes() const;
    // Sizes that are not three widths that fit are left alone.
    void setSplitterSizes(const QList<int>& sizes);
    // After every change of the skin (an edit, undo or redo): the frames,
    // the tree's marks, the panel's values and the preview follow.
    void skinChanged(const SkinChange& change);
    // Gives the element of that kind back to the default skin.
    void backToDefault(idlescreen::ElementKind kind);
    // The tree item's menu ("Back to default", usable while the element
    // differs from the default skin), or nothing for an item that is no element.
    std::unique_ptr<QMenu> elementMenu(const QTreeWidgetItem& item);

    // The selected element: kind 1 (the background) until the first
    // selection, None when what is selected edits nothing.
    idlescreen::ElementKind kind() const { return selectedKind; }
    const idlescreen::ElementEntry* selectedElement() const { return idlescreen::elementEntry(selectedKind); }

    IdleScene& scene() { return idleScene; }
    const ScreenCanvas& canvas() const { return screen; }
    PreviewFrame& frame(idlescreen::Frame which) const { return pane->frame(which); }
    TextBox& textBox(idlescreen::TextSlot slot) const { return pane->textBox(slot); }
    ScreenPreview& preview() const { return pane->preview(); }
    PreviewPane& previewPane() const { return *pane; }
    QTreeWidget& tree() const { return *elementTree; }
    PropertyPanel& panel() const { return *propertyPanel; }
    QScrollArea& panelScrollArea() const { return *panelScroll; }
    QSplitter& splitter() const { return *columns; }
    QWidget* control(int id) const;
    // Selects the element's item in the tree (as a click on it would); false when it has none.
    bool selectElement(idlescreen::ElementKind kind);

    // Puts the preview into the state in which the element is edited: its
    // key in the element's state (the key's frame reloaded when the state
    // changes, or always with reloadAlways), the JoyPad labels on the
    // element's set. Nothing is written to the skin.
    void showElementState(const idlescreen::ElementEntry& entry, bool reloadAlways);
    // The frame's window follows its content after the content changed.
    void frameContentChanged(idlescreen::Frame which);

signals:
    void zoomChanged(int zoom);

protected:
    // The other page may have changed the skin's pictures meanwhile.
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void initialise();
    QString text(int number) const;

    void selectionChanged();
    // The element the panel's edits work on, shown in its preview state again
    // (a state button or the JoyPad box may have switched the preview away
    // from it since it was selected); nullptr: none.
    const idlescreen::ElementEntry* editedElement();
    // Runs the edit through the session; the panel shows what was written.
    // A step of a drag or a nudge may merge with the one before.
    void push(std::unique_ptr<SkinEditCommand> command);
    // An edit that is one undo step of its own.
    void pushAlone(std::unique_ptr<SkinEditCommand> command);
    // What the panel reports.
    void colourChosen(std::size_t row, std::uint32_t colour, std::int32_t transparency);
    void numberTyped(std::size_t row, std::uint32_t buttonColour, std::int32_t value);
    void positionTyped(const SkinRect& previous, const SkinRect& typed);
    void pictureRequested();
    // The element's preview state as its panel shows it, when it is selected.
    void showStateOfSelected(const idlescreen::ElementEntry& entry);
    void treeMenuRequested(const QPoint& place);
    // Message 15 when a wallpaper that the skin names cannot be read.
    void reportUnreadableWallpaper(bool read) const;
    void stepKeyState(idlescreen::Key key);
    void reloadKeyFrame(idlescreen::Key key);
    // Each state button's tooltip names its key and the state the preview shows.
    void showKeyStateTips();
    // The selected item's name for titles: a state item with the item it belongs to.
    QString elementName(const QTreeWidgetItem& item) const;
    void viewOptionClicked(int control);
    void showClockMode();
    void placeJoyPadLabels();
    // The pointer in the preview: a press selects, a drag moves.
    void framePressed(int controlId);
    void frameMoved();
    void frameDropped(int controlId);
    void textPressed(int slot);
    void textDragged(int slot, const SkinRect& rect);
    void textReleased();
    // The arrow keys: the selected element, by canvas pixels.
    void nudge(int dx, int dy);
    // The view options into the check boxes, and back.
    void putViewOptions();
    void readViewOptions();

    SkinSession& session;
    const SkinModel& model;
    const LanguageTable& texts;
    IdleScene idleScene;
    ScreenCanvas screen;
    idlescreen::ElementKind selectedKind = idlescreen::ElementKind::Background;

    QSplitter* columns = nullptr;
    PreviewPane* pane = nullptr;
    QTreeWidget* elementTree = nullptr;
    QScrollArea* panelScroll = nullptr;
    PropertyPanel* propertyPanel = nullptr;
    // Brings the panel's focused control into sight; undone before the panel goes.
    QMetaObject::Connection panelFocus;
};
