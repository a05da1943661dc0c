#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"
#include "preview/IdleScene.h"
#include "preview/ScreenCanvas.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

class LanguageTable;
class PreviewFrame;
class PropertyPanel;
class QCheckBox;
class QMenu;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class ScreenPreview;
class SkinModel;
class SkinSession;
class SkinEditCommand;
struct FileQuestion;
struct SkinChange;

// The first page of the main window: the live preview of the phone's idle
// screen with its draggable frames, the tree of the screen's elements and
// the property panel of the selected element. Every edit is a command pushed
// to the editing session, written into the skin at once; the page brings its
// preview, tree and panel up to date whenever the session says the skin
// changed (an edit, an undo, a redo). It takes its texts from the language
// table; session and texts outlive it. The preview's view options and key
// states live here and are never saved.
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
    const PreviewArea& previewArea() const { return area; }
    PreviewFrame& frame(idlescreen::Frame which) const { return *frames[idlescreen::frameIndex(which)]; }
    ScreenPreview& preview() const { return *screenPreview; }
    QTreeWidget& tree() const { return *elementTree; }
    PropertyPanel& panel() const { return *propertyPanel; }
    QWidget* control(int id) const;

    // Puts the preview into the state in which the element is edited: its
    // key in the element's state (the key's frame reloaded when the state
    // changes, or always with reloadAlways), the JoyPad labels on the
    // element's set. Nothing is written to the skin.
    void showElementState(const idlescreen::ElementEntry& entry, bool reloadAlways);
    // The frame's window follows its content after the content changed.
    void frameContentChanged(idlescreen::Frame which);

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
    void push(std::unique_ptr<SkinEditCommand> command);
    // What the panel reports.
    void colourChosen(std::size_t row, std::uint32_t colour, std::int32_t transparency);
    void numberTyped(std::size_t row, std::uint32_t buttonColour, std::int32_t value);
    void positionTyped(const SkinRect& previous, const SkinRect& typed);
    void pictureRequested();
    void chooseWallpaper();
    // The file question of the picture choices, its filters in the user's language.
    FileQuestion pictureQuestion() const;
    void chooseElementPicture(const idlescreen::ElementEntry& entry);
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
    void frameDropped(int controlId);
    // The view options into the check boxes, and back.
    void putViewOptions();
    void readViewOptions();

    SkinSession& session;
    const SkinModel& model;
    const LanguageTable& texts;
    IdleScene idleScene;
    ScreenCanvas screen;
    PreviewArea area;
    idlescreen::ElementKind selectedKind = idlescreen::ElementKind::Background;

    ScreenPreview* screenPreview = nullptr;
    std::array<PreviewFrame*, idlescreen::frameCount> frames{};
    QTreeWidget* elementTree = nullptr;
    PropertyPanel* propertyPanel = nullptr;
    QPushButton* leftState = nullptr;
    QPushButton* centreState = nullptr;
    QPushButton* rightState = nullptr;
    QCheckBox* wallpaperBox = nullptr;
    QCheckBox* analogBox = nullptr;
    QCheckBox* joyPadBox = nullptr;
};
