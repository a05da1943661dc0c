#include "pages/FramePlacement.h"

#include "idlescreen/ElementEdits.h"
#include "preview/FrameContent.h"

SkinRect placeFrameElement(SkinModel& model, const idlescreen::ElementEntry& entry, FrameContent& frame,
                           const SkinRect& previous, const SkinRect& typed)
{
    const SkinRect moved = movedNotResized(previous, typed);
    frame.moveTo(moved.left, moved.top);
    const SkinRect placed = frame.rect();
    writePlacedElementRect(model, entry, placed);
    return placed;
}
