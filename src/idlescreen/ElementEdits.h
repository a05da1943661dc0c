#pragma once

// How the element page's edits land in the skin: the rules that touch more
// than one record (state 2 of a soft key kept in step with state 0, the two
// rectangles of a JoyPad label kept centred on each other, outline level and
// outline flag together) and the ones that move a frame element instead of
// resizing it. Every write goes to the edited skin through the model.

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"
#include "idlescreen/ViewOptions.h"

#include <cstddef>
#include <cstdint>

class SkinModel;

// The colour chosen for one of the element's rows: the background's palette
// item, opaque; a clock hand's colour, opaque; a text's colour with the
// transparency typed beside it.
void writeElementColour(SkinModel& model, const idlescreen::ElementEntry& entry, std::size_t row,
                        std::uint32_t colour, std::int32_t typed);
// The number typed in one of the element's rows: the row's number record (an
// opacity or a hand's length) and its mirror, or else the transparency of the
// row's colour, with the colour its button shows.
void writeElementNumber(SkinModel& model, const idlescreen::ElementEntry& entry, std::size_t row,
                        std::uint32_t buttonColour, std::int32_t value);
// The outline level, and the outline flag set exactly while it is above 0.
void writeOutlineLevel(SkinModel& model, const idlescreen::ElementEntry& entry, std::int32_t level);
void writeUnderline(SkinModel& model, const idlescreen::ElementEntry& entry, int underline);

// The alignment list shows centred (0), left (32) and right (16), in that
// order; a stored number that is none of these shows as the first entry.
std::int32_t alignmentOfEntry(int listEntry);
int alignmentEntry(std::int32_t alignment);
void writeAlignment(SkinModel& model, const idlescreen::ElementEntry& entry, int listEntry);

// The element's rectangle and its mirror. The rectangle writers give false
// when a rectangle could not be written (it has no stored form).
bool writeElementRect(SkinModel& model, const idlescreen::ElementEntry& entry, const SkinRect& rect);

// A picture or label keeps its size: of the typed rectangle, the edge that
// differs from the previous one moves the whole rectangle (a new left or
// right moves it across, a new top or bottom up or down).
SkinRect movedNotResized(const SkinRect& previous, const SkinRect& typed);

// The two rectangles of a JoyPad label: off (JoyPad hidden) and on (shown).
// The placed rectangle becomes the one of the shown set; the other keeps its
// own size and is centred on it (half the size difference, cut toward zero).
struct JoyPadRects {
    SkinRect off;
    SkinRect on;
};
JoyPadRects recentredJoyPadRects(const JoyPadRects& stored, const SkinRect& placed, bool joyPadShown);
// The same on the model for label 0..3: the "on" rectangle is written first.
bool writeJoyPadLabelRect(SkinModel& model, std::size_t label, bool joyPadShown, const SkinRect& placed);

// A rectangle placed by a position edit of a framed element: a JoyPad
// label's pair around it (the set the element shows), else the element's
// rectangle and its mirror.
bool writePlacedElementRect(SkinModel& model, const idlescreen::ElementEntry& entry, const SkinRect& placed);

// The element a frame shows in the view's state: a key in its state, a
// JoyPad label on the set shown, the clock face.
idlescreen::ElementKind elementShownBy(idlescreen::Frame frame, const ViewOptions& view);

// A dropped frame's rectangle, into the records of what the frame shows in
// the view's state: a soft key's state 0 and 2 both, a JoyPad label's pair.
bool writeDroppedFrame(SkinModel& model, idlescreen::Frame frame, const ViewOptions& view, const SkinRect& rect);

// After a new picture was stored for a soft key's state 0: state 2 shows the
// same bytes.
void linkMirroredPicture(SkinModel& model, const idlescreen::ElementEntry& entry);

// True when the edited skin holds one of the element's records (mirrors
// included), so that the element differs from the default skin; for the
// background, when its palette item differs from the default skin's.
bool elementDiffersFromDefault(const SkinModel& model, const idlescreen::ElementEntry& entry);
// Gives the element back to the default skin: every one of its records
// leaves the edited skin (pictures with their bytes), and the background's
// palette item takes the default skin's colour.
void restoreElementDefault(SkinModel& model, const idlescreen::ElementEntry& entry);
