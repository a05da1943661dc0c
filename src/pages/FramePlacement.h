#pragma once

#include "document/SkinTypes.h"

class FrameContent;

// A position typed for an element shown by a frame (which shows the
// element's own state): the frame moves, keeping its size and held inside
// the screen, to where the typed rectangle puts it (the edge that differs
// from the previous rectangle moves the whole frame). The frame's new
// rectangle, for the element's records.
SkinRect placeFrame(FrameContent& frame, const SkinRect& previous, const SkinRect& typed);
