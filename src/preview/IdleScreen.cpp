#include "preview/IdleScreen.h"

#include "document/SkinModel.h"
#include "pictures/ColourValue.h"
#include "preview/IdleScene.h"
#include "preview/OutlinedText.h"
#include "preview/PenLine.h"
#include "preview/ScreenCanvas.h"

#include <QPainter>

using namespace idlescreen;

namespace {

void drawText(QPainter& painter, const SkinModel& model, const TextRowIds& row, const ViewOptions& view)
{
    drawOutlinedText(painter, textStyle(model, row), view.focusRects);
}

void drawSoftKeyLabel(QPainter& painter, const SkinModel& model, Key key, const ViewOptions& view)
{
    if (const TextRowIds* row = softKeyRow(key, view.keyState(key)))
        drawText(painter, model, *row, view);
}

// A clock hand from the centre, pointing up (dx 0, dy -1) or right (1, 0);
// a negative length points the other way. The colour's low 24 bits, not blended.
void drawHand(QPainter& painter, const SkinModel& model, const ClockHandIds& hand, QPoint centre, int dx, int dy)
{
    const std::int64_t length = model.getNumber(hand.length);
    const QColor colour = qColorFromValue(model.getColour(hand.colour).colour);
    drawPenLine(painter, centre.x(), centre.y(), centre.x() + dx * length, centre.y() + dy * length, colour);
}

void drawAnalogClock(QPainter& painter, const SkinModel& model, const IdleScene& scene)
{
    const FrameContent& face = scene.frame(clockFace.frame);
    face.drawOnCanvas(painter);
    const QPoint centre(face.rect().left + face.picture().width() / 2, face.rect().top + face.picture().height() / 2);
    drawHand(painter, model, minuteHand, centre, 0, -1);
    drawHand(painter, model, hourHand, centre, 1, 0);
}

void drawKeyFrame(QPainter& painter, const IdleScene& scene, Key key)
{
    scene.frame(keyIds(key).frame).drawOnCanvas(painter);
}

} // namespace

TextStyle textStyle(const SkinModel& model, const TextRowIds& row)
{
    TextStyle style;
    const SkinRect rect = model.getRect(row.rect);
    style.left = rect.left;
    style.top = rect.top;
    style.right = rect.right;
    style.bottom = rect.bottom;
    // A missing flag reads -1, which counts as set.
    style.underline = model.getFlag(row.look.underline);
    style.outlineLevel = model.getNumber(row.look.outlineLevel);
    style.text = QString::fromLatin1(row.sample.data(), qsizetype(row.sample.size()));
    const SkinColour text = model.getColour(row.look.textColour);
    const SkinColour inner = model.getColour(row.look.innerColour);
    const SkinColour outer = model.getColour(row.look.outerColour);
    style.textColour = text.colour;
    style.textTransparency = text.transparency;
    style.innerColour = inner.colour;
    style.innerTransparency = inner.transparency;
    style.outerColour = outer.colour;
    style.outerTransparency = outer.transparency;
    style.alignment = row.alignmentNumber == noElement ? row.alignment : model.getNumber(row.alignmentNumber);
    return style;
}

void drawIdleScreen(QPainter& painter, const SkinModel& model, const IdleScene& scene)
{
    const ViewOptions& view = scene.view;
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(1.0);

    painter.fillRect(0, 0, screenWidth, screenHeight,
                     qColorFromValue(model.getPaletteColour(backgroundPaletteIndex).colour));
    if (view.showWallpaper && scene.wallpaper.height() > 0)
        scene.wallpaper.draw(painter, 0, 0, screenWidth, screenHeight);
    drawText(painter, model, operatorRow, view);
    drawText(painter, model, dateRow, view);
    // Over the texts: a text placed at the top lies under the strip.
    scene.statusStrip.draw(painter, 0, 0, screenWidth, statusStripHeight);
    if (view.analogClock)
        drawAnalogClock(painter, model, scene);
    else
        drawText(painter, model, digitalClockRow, view);
    drawKeyFrame(painter, scene, Key::Left);
    drawSoftKeyLabel(painter, model, Key::Left, view);
    drawKeyFrame(painter, scene, Key::Centre);
    drawKeyFrame(painter, scene, Key::Right);
    drawSoftKeyLabel(painter, model, Key::Right, view);
    for (const JoyPadLabelIds& label : joyPadLabels)
        scene.frame(label.frame).drawOnCanvas(painter);
}

void drawIdleScreen(ScreenCanvas& canvas, const SkinModel& model, const IdleScene& scene)
{
    QPainter painter(&canvas.image());
    drawIdleScreen(painter, model, scene);
}
