#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"
#include "idlescreen/PreviewLayers.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class IdleScene;
class PreviewFrame;
class QCheckBox;
class QPushButton;
class QScrollArea;
class ScreenCanvas;
class ScreenPreview;
class SkinModel;
class TextBox;

// The element page's left column: the phone's screen, enlarged 1x to 8x in
// a scroll area, with the eight frames and the text elements' boxes over it
// that the user takes hold of; under it the three key-state buttons and the
// three view check boxes. It keeps the boxes, the selection outline and the
// order in which the layers lie over each other (the order the screen is
// drawn, the selected element on top, so that it can be dragged also where
// another one covers it) in step with what the page composed. What the
// controls report goes to the page, which edits.
class PreviewPane : public QWidget {
    Q_OBJECT

public:
    PreviewPane(const ScreenCanvas& canvas, IdleScene& scene, QWidget* parent);
    // The state buttons and view check boxes under the screen. Made apart,
    // so that the page can make them after its tree and panel: the keyboard
    // focus goes from the preview to the tree and the panel first.
    void addViewControls();

    ScreenPreview& preview() const { return *screen; }
    QScrollArea& scrollArea() const { return *scroll; }
    PreviewFrame& frame(idlescreen::Frame which) const { return *frames[idlescreen::frameIndex(which)]; }
    TextBox& textBox(idlescreen::TextSlot slot) const { return *boxes[idlescreen::textSlotIndex(slot)]; }
    QPushButton& stateButton(idlescreen::Key key) const { return *stateButtons[std::size_t(key)]; }
    QCheckBox& wallpaperBox() const { return *wallpaperCheck; }
    QCheckBox& analogBox() const { return *analogCheck; }
    QCheckBox& joyPadBox() const { return *joyPadCheck; }

    int zoom() const;
    // 1..8; the frames and boxes follow, the scroll area keeps its place.
    void setZoom(int zoom);
    // Zooms by steps keeping the canvas pixel under a point of the preview where it is.
    void zoomAt(int steps, QPoint at);
    // The largest factor at which the whole screen fits the scroll area.
    int fitZoom() const;
    void setPixelGrid(bool shown);

    // After the canvas was composed: the enlarged picture, the text boxes
    // placed from the model in the view's state, the selected element's
    // outline and the layers' order with it on top.
    void showComposed(const SkinModel& model, idlescreen::ElementKind selected);
    // The place of the element the preview shows for that kind, in canvas
    // pixels; nullopt when the preview shows it nowhere.
    std::optional<SkinRect> shownPlace(const SkinModel& model, idlescreen::ElementKind kind) const;

signals:
    void zoomChanged(int zoom);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Scroll bars exactly where the enlarged screen does not fit.
    void fitScrollBars();
    // The scroll area's inside with no scroll bars.
    QSize wholeRoom() const;
    void buildControls();
    void placeTextBoxes(const SkinModel& model);
    void restack(idlescreen::ElementKind selected);
    QWidget& layerWidget(const idlescreen::PreviewLayer& layer) const;
    idlescreen::ElementKind layerElement(const idlescreen::PreviewLayer& layer) const;

    const ScreenCanvas& canvas;
    IdleScene& scene;
    ScreenPreview* screen = nullptr;
    QScrollArea* scroll = nullptr;
    std::array<PreviewFrame*, idlescreen::frameCount> frames{};
    std::array<TextBox*, idlescreen::textSlotCount> boxes{};
    std::array<QPushButton*, idlescreen::keyCount> stateButtons{};
    QCheckBox* wallpaperCheck = nullptr;
    QCheckBox* analogCheck = nullptr;
    QCheckBox* joyPadCheck = nullptr;
    std::vector<QWidget*> stacking;
};
