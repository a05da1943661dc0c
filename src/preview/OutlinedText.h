#pragma once

#include "preview/TextStyle.h"

#include <cstdint>

class QPainter;

// Draws one text element of the phone screen through target, whose device
// is the screen (painter coordinates are device pixels):
//   - the outer ring (outline level 2 or more): seven copies of the text at
//     distance 2 around it, less seven copies at distance 1, in outerColour;
//   - the inner ring (level 1 or more): the seven distance-1 copies, less the
//     text itself, in innerColour;
//   - the text, shifted 2 pixels right inside its box, in textColour;
// each layer laid over the target with its constant opacity (255 minus the
// transparency), only where the layer has pixels. The copies are never
// shifted straight left, so the rings are thinner on the left of the text.
// All of it stays inside the working area: the box widened by 2 pixels on
// the right. Then the underline (black, not blended; its length follows the
// whole text's width) and, when focusRect, a dotted rectangle along the box.
// An empty box draws nothing at all. Texts are drawn without antialiasing,
// so that every pixel is either a layer's colour or left as it was.
void drawOutlinedText(QPainter& target, const TextStyle& style, bool focusRect);

// Inverts every other pixel along the inside edge of the rectangle (right
// and bottom exclusive), starting at its top-left pixel; an empty rectangle
// draws nothing.
void drawDottedRect(QPainter& target, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);
