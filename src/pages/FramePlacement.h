#pragma once

#include "document/SkinTypes.h"
#include "idlescreen/ElementTable.h"

class FrameContent;
class SkinModel;

// Position edits of an element shown by a frame (which shows the element's
// own state): the frame moves, keeping its size and held inside the screen,
// to where the typed rectangle puts it, and the element's records take the
// frame's rectangle, mirrors and JoyPad partner included. The written rectangle.
SkinRect placeFrameElement(SkinModel& model, const idlescreen::ElementEntry& entry, FrameContent& frame,
                           const SkinRect& previous, const SkinRect& typed);
