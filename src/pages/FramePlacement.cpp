#include "pages/FramePlacement.h"

#include "idlescreen/ElementEdits.h"
#include "preview/FrameContent.h"
#include "session/SkinChange.h"

using namespace idlescreen;

SkinRect placeFrame(FrameContent& frame, const SkinRect& previous, const SkinRect& typed)
{
    const SkinRect moved = movedNotResized(previous, typed);
    frame.moveTo(moved.left, moved.top);
    return frame.rect();
}

namespace {

bool touchesPictureRecord(const SkinChange& change, ElementId picture)
{
    return change.touches(RecordType::Picture, picture) || change.touchesPicture(picture);
}

} // namespace

bool reachesFrame(const SkinChange& change, Frame frame, const ViewOptions& view)
{
    if (change.everything)
        return true;
    for (const Key key : {Key::Left, Key::Right, Key::Centre}) {
        if (keyIds(key).frame != frame)
            continue;
        const KeyStateIds& ids = keyStateIds(key, view.keyState(key));
        return touchesPictureRecord(change, ids.picture) || change.touches(RecordType::Rect, ids.rect)
            || change.touches(RecordType::Number, ids.opacity);
    }
    if (frame == clockFace.frame)
        return touchesPictureRecord(change, clockFace.picture) || change.touches(RecordType::Rect, clockFace.rect);
    for (const JoyPadLabelIds& label : joyPadLabels)
        if (label.frame == frame)
            return change.touches(RecordType::Rect, label.rectOff) || change.touches(RecordType::Rect, label.rectOn);
    return false;
}
