#pragma once

#include "idlescreen/IdleScreenIds.h"
#include "preview/TextStyle.h"

class IdleScene;
class QPainter;
class ScreenCanvas;
class SkinModel;

// Composes the phone's idle screen from the skin's records (read through the
// model: the edited skin first, then the default skin) and the scene, layer
// over layer: background, wallpaper, operator name, date, status strip,
// clock, left key and label, centre and right key, right label, JoyPad
// labels. The painter must be open on a 176 x 220 surface in device pixels;
// everything goes through it. The result depends on nothing else.
void drawIdleScreen(QPainter& painter, const SkinModel& model, const IdleScene& scene);
// The same, onto the whole canvas.
void drawIdleScreen(ScreenCanvas& canvas, const SkinModel& model, const IdleScene& scene);

// A text row's style from its records; the sample text as the text.
TextStyle textStyle(const SkinModel& model, const idlescreen::TextRowIds& row);
