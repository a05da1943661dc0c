#include "pages/FramePlacement.h"

#include "idlescreen/ElementEdits.h"
#include "preview/FrameContent.h"

SkinRect placeFrame(FrameContent& frame, const SkinRect& previous, const SkinRect& typed)
{
    const SkinRect moved = movedNotResized(previous, typed);
    frame.moveTo(moved.left, moved.top);
    return frame.rect();
}
