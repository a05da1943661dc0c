#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/IdleScreenIds.h"
#include "idlescreen/ViewOptions.h"

class FrameContent;
struct SkinChange;

// A position typed for an element shown by a frame (which shows the
// element's own state): the frame moves, keeping its size and held inside
// the screen, to where the typed rectangle puts it (the edge that differs
// from the previous rectangle moves the whole frame). The frame's new
// rectangle, for the element's records.
SkinRect placeFrame(FrameContent& frame, const SkinRect& previous, const SkinRect& typed);

// Whether an edit (or its undo) reaches what the frame shows in the view's
// state: its picture (record or bytes), its rectangle, its opacity. Only
// such frames are loaded again from the skin.
bool reachesFrame(const SkinChange& change, idlescreen::Frame frame, const ViewOptions& view);
