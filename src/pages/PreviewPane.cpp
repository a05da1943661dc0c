#include "pages/PreviewPane.h"

#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "preview/IdleScene.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"
#include "widgets/TextBox.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace idlescreen;

namespace {

constexpr QSize stateButtonSize(44, 23);

// An element's place as far as it can show: a rectangle of the skin may reach
// anywhere, the outline only needs the screen and a little around it.
QRect visiblePart(const SkinRect& rect)
{
    const auto held = [](std::int32_t value, int limit) { return std::clamp(value, -16, limit + 16); };
    const int left = held(rect.left, screenWidth);
    const int top = held(rect.top, screenHeight);
    return QRect(QPoint(left, top), QPoint(held(rect.right, screenWidth) - 1, held(rect.bottom, screenHeight) - 1));
}

} // namespace

PreviewPane::PreviewPane(const ScreenCanvas& canvas, IdleScene& scene, QWidget* parent)
    : QWidget(parent), canvas(canvas), scene(scene)
{
    setObjectName(QStringLiteral("previewPane"));
    buildControls();
}

void PreviewPane::buildControls()
{
    // As tight as the program's first layout: at 1x the screen, the
    // buttons and the check boxes fit the page of the window's first size.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("previewScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setWidgetResizable(false);
    // The preview inside takes the focus; the arrows nudge instead of scrolling.
    scroll->setFocusPolicy(Qt::NoFocus);
    screen = new ScreenPreview(canvas, scroll);
    scroll->setWidget(screen);
    scroll->installEventFilter(this);
    column->addWidget(scroll, 1);

    // Over the preview, in the order of the scene's frames; the text boxes above them.
    for (std::size_t i = 0; i < frameCount; ++i)
        frames[i] = new PreviewFrame(scene.frame(Frame(i)), frameControlIds[i], screen);
    for (std::size_t i = 0; i < textSlotCount; ++i)
        boxes[i] = new TextBox(int(i), screen);
}

void PreviewPane::addViewControls()
{
    auto* column = static_cast<QVBoxLayout*>(layout());
    column->addSpacing(5);
    // The state buttons under the left, centre and right of the screen.
    auto* buttons = new QHBoxLayout;
    const auto stateButton = [this](const char* caption, const char* name) {
        auto* button = new QPushButton(QLatin1String(caption), this);
        button->setObjectName(QLatin1String(name));
        button->setFixedSize(stateButtonSize);
        button->setAutoDefault(false);
        return button;
    };
    stateButtons[std::size_t(Key::Left)] = stateButton("*", "leftState");
    stateButtons[std::size_t(Key::Centre)] = stateButton("=", "centreState");
    stateButtons[std::size_t(Key::Right)] = stateButton("*", "rightState");
    buttons->addWidget(stateButtons[std::size_t(Key::Left)]);
    buttons->addStretch(1);
    buttons->addWidget(stateButtons[std::size_t(Key::Centre)]);
    buttons->addStretch(1);
    buttons->addWidget(stateButtons[std::size_t(Key::Right)]);
    column->addLayout(buttons);
    column->addSpacing(3);

    const auto checkBox = [this, column](const char* name) {
        auto* box = new QCheckBox(this);
        box->setObjectName(QLatin1String(name));
        column->addWidget(box);
        return box;
    };
    wallpaperCheck = checkBox("wallpaperCheck");
    analogCheck = checkBox("analogCheck");
    joyPadCheck = checkBox("joyPadCheck");
}

int PreviewPane::zoom() const
{
    return screen->zoom();
}

void PreviewPane::setZoom(int zoom)
{
    // The canvas pixel in the middle of what is in sight stays there; a pane
    // not yet shown has nothing in sight and starts at the screen's top left.
    const QPoint middle = scroll->viewport()->rect().center();
    const QPoint kept = isVisible() ? screen->mapFrom(scroll->viewport(), middle)
                                    : QPoint(ScreenPreview::inset, ScreenPreview::inset);
    zoomAt(std::clamp(zoom, ScreenPreview::minimumZoom, ScreenPreview::maximumZoom) - screen->zoom(), kept);
}

void PreviewPane::zoomAt(int steps, QPoint at)
{
    const int before = screen->zoom();
    const int after = std::clamp(before + steps, ScreenPreview::minimumZoom, ScreenPreview::maximumZoom);
    if (after == before)
        return;
    const QPoint inSight = screen->mapTo(scroll->viewport(), at);
    const double canvasX = double(at.x() - ScreenPreview::inset) / before;
    const double canvasY = double(at.y() - ScreenPreview::inset) / before;

    screen->setZoom(after);
    fitScrollBars();
    for (PreviewFrame* frame : frames)
        frame->setZoom(after);
    for (TextBox* box : boxes)
        box->setZoom(after);

    // Where that canvas point lies now, brought back under the same place of the scroll area.
    scroll->horizontalScrollBar()->setValue(int(std::lround(ScreenPreview::inset + canvasX * after)) - inSight.x());
    scroll->verticalScrollBar()->setValue(int(std::lround(ScreenPreview::inset + canvasY * after)) - inSight.y());
    emit zoomChanged(after);
}

bool PreviewPane::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == scroll && event->type() == QEvent::Resize)
        fitScrollBars();
    return QWidget::eventFilter(watched, event);
}

void PreviewPane::fitScrollBars()
{
    // Decided from the whole room: bars shown for a smaller size earlier
    // would otherwise keep taking room that the screen now fits in (the
    // area's maximumViewportSize leaves out bars that are switched on).
    const QSize room = wholeRoom();
    const QSize needed = screen->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    bool across = needed.width() > room.width();
    bool down = needed.height() > room.height();
    down = down || (across && needed.height() > room.height() - bar);
    across = across || (down && needed.width() > room.width() - bar);
    scroll->setHorizontalScrollBarPolicy(across ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    scroll->setVerticalScrollBarPolicy(down ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

QSize PreviewPane::wholeRoom() const
{
    const int frame = 2 * scroll->frameWidth();
    return scroll->size() - QSize(frame, frame);
}

int PreviewPane::fitZoom() const
{
    // Room without scroll bars: the whole screen needs none.
    const QSize room = wholeRoom();
    const int across = (room.width() - 2 * ScreenPreview::inset) / screenWidth;
    const int down = (room.height() - 2 * ScreenPreview::inset) / screenHeight;
    return std::clamp(std::min(across, down), ScreenPreview::minimumZoom, ScreenPreview::maximumZoom);
}

void PreviewPane::setPixelGrid(bool shown)
{
    screen->setPixelGrid(shown);
}

void PreviewPane::showComposed(const SkinModel& model, ElementKind selected)
{
    screen->canvasChanged();
    placeTextBoxes(model);
    const std::optional<SkinRect> place = shownPlace(model, selected);
    screen->setSelectionOutline(place ? std::optional<QRect>(visiblePart(*place)) : std::nullopt);
    restack(selected);
}

std::optional<SkinRect> PreviewPane::shownPlace(const SkinModel& model, ElementKind kind) const
{
    const ElementEntry* entry = elementEntry(kind);
    if (!entry || entry->rect == noElement)
        return std::nullopt;
    std::optional<SkinRect> place;
    if (entry->hasFrame) {
        if (!frame(entry->frame).isHidden() && elementShownBy(entry->frame, scene.view) == kind)
            place = scene.frame(entry->frame).rect();
    } else {
        for (std::size_t slot = 0; slot < textSlotCount; ++slot)
            if (textElementShown(TextSlot(slot), scene.view) == kind)
                place = model.getRect(entry->rect);
    }
    // An empty rectangle shows nothing to outline.
    if (place && (std::int64_t(place->right) <= place->left || std::int64_t(place->bottom) <= place->top))
        return std::nullopt;
    return place;
}

void PreviewPane::placeTextBoxes(const SkinModel& model)
{
    for (std::size_t slot = 0; slot < textSlotCount; ++slot) {
        const TextRowIds* row = textRowShown(TextSlot(slot), scene.view);
        boxes[slot]->place(row ? model.getRect(row->rect) : SkinRect{0, 0, 0, 0}, row != nullptr);
    }
}

QWidget& PreviewPane::layerWidget(const PreviewLayer& layer) const
{
    if (layer.isText)
        return *boxes[textSlotIndex(layer.text)];
    return *frames[frameIndex(layer.frame)];
}

ElementKind PreviewPane::layerElement(const PreviewLayer& layer) const
{
    return layer.isText ? textElementShown(layer.text, scene.view) : elementShownBy(layer.frame, scene.view);
}

void PreviewPane::restack(ElementKind selected)
{
    std::vector<QWidget*> order;
    QWidget* top = nullptr;
    for (const PreviewLayer& layer : previewLayers) {
        QWidget& widget = layerWidget(layer);
        if (selected != ElementKind::None && layerElement(layer) == selected)
            top = &widget;
        else
            order.push_back(&widget);
    }
    if (top)
        order.push_back(top);
    if (order == stacking)
        return;
    for (QWidget* widget : order)
        widget->raise();
    stacking = order;
}
