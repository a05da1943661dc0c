#include "idlescreen/PreviewLayers.h"

namespace idlescreen {

const TextRowIds* textRowShown(TextSlot slot, const ViewOptions& view)
{
    switch (slot) {
    case TextSlot::OperatorName: return &operatorRow;
    case TextSlot::Date: return &dateRow;
    case TextSlot::DigitalClock: return view.analogClock ? nullptr : &digitalClockRow;
    case TextSlot::LeftLabel: return softKeyRow(Key::Left, view.keyState(Key::Left));
    case TextSlot::RightLabel: return softKeyRow(Key::Right, view.keyState(Key::Right));
    }
    return nullptr;
}

ElementKind textElementShown(TextSlot slot, const ViewOptions& view)
{
    const TextRowIds* row = textRowShown(slot, view);
    if (!row)
        return ElementKind::None;
    // The element that places the row: the one without a frame that owns its rectangle.
    for (const ElementEntry& entry : elementTable)
        if (!entry.hasFrame && entry.rect == row->rect)
            return entry.kind;
    return ElementKind::None;
}

} // namespace idlescreen
