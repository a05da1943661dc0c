#include "idlescreen/ElementEdits.h"

#include "document/SkinModel.h"

#include <algorithm>
#include <array>

using namespace idlescreen;

namespace {

constexpr std::array<std::int32_t, 3> alignmentEntries = {alignCentre, alignLeft, alignRight};

std::int32_t clamped(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

std::int64_t width(const SkinRect& rect)
{
    return std::int64_t(rect.right) - rect.left;
}

std::int64_t height(const SkinRect& rect)
{
    return std::int64_t(rect.bottom) - rect.top;
}

} // namespace

void writeElementColour(SkinModel& model, const ElementEntry& entry, std::size_t row, std::uint32_t colour,
                        std::int32_t typed)
{
    if (entry.layout == PanelLayout::Background) {
        // A skin without the palette's item has nothing to change.
        if (row == 0)
            (void)model.setPaletteColour(backgroundPaletteIndex, colour, 0);
        return;
    }
    const ValueRowIds& ids = entry.rows[row];
    if (ids.colour == noElement)
        return;
    // A row whose edit holds a number of its own has an opaque colour.
    model.setColour(ids.colour, colour, ids.number == noElement ? typed : 0);
}

void writeElementNumber(SkinModel& model, const ElementEntry& entry, std::size_t row, std::uint32_t buttonColour,
                        std::int32_t value)
{
    const ValueRowIds& ids = entry.rows[row];
    if (ids.number != noElement) {
        model.setNumber(ids.number, value);
        if (ids.numberMirror != noElement)
            model.setNumber(ids.numberMirror, value);
    } else if (ids.colour != noElement) {
        model.setColour(ids.colour, buttonColour, value);
    }
}

void writeOutlineLevel(SkinModel& model, const ElementEntry& entry, std::int32_t level)
{
    if (entry.outlineLevel == noElement)
        return;
    model.setNumber(entry.outlineLevel, level);
    model.setFlag(entry.outlineFlag, level > 0 ? 1 : 0);
}

void writeUnderline(SkinModel& model, const ElementEntry& entry, int underline)
{
    if (entry.underline != noElement)
        model.setFlag(entry.underline, underline);
}

std::int32_t alignmentOfEntry(int listEntry)
{
    return listEntry == 1 || listEntry == 2 ? alignmentEntries[std::size_t(listEntry)] : alignCentre;
}

int alignmentEntry(std::int32_t alignment)
{
    const auto found = std::find(alignmentEntries.begin(), alignmentEntries.end(), alignment);
    return found == alignmentEntries.end() ? 0 : int(found - alignmentEntries.begin());
}

void writeAlignment(SkinModel& model, const ElementEntry& entry, int listEntry)
{
    if (entry.alignment != noElement)
        model.setNumber(entry.alignment, alignmentOfEntry(listEntry));
}

bool writeElementRect(SkinModel& model, const ElementEntry& entry, const SkinRect& rect)
{
    if (entry.rect == noElement)
        return false;
    const bool written = model.setRect(entry.rect, rect);
    if (entry.rectMirror != noElement)
        return model.setRect(entry.rectMirror, rect) && written;
    return written;
}

SkinRect movedNotResized(const SkinRect& previous, const SkinRect& typed)
{
    SkinRect moved = typed;
    if (typed.left != previous.left)
        moved.right = clamped(typed.left + width(previous));
    else if (typed.right != previous.right)
        moved.left = clamped(typed.right - width(previous));
    if (typed.top != previous.top)
        moved.bottom = clamped(typed.top + height(previous));
    else if (typed.bottom != previous.bottom)
        moved.top = clamped(typed.bottom - height(previous));
    return moved;
}

JoyPadRects recentredJoyPadRects(const JoyPadRects& stored, const SkinRect& placed, bool joyPadShown)
{
    // Division in C++ truncates toward zero.
    const std::int64_t dx = (width(stored.on) - width(stored.off)) / 2;
    const std::int64_t dy = (height(stored.on) - height(stored.off)) / 2;
    const auto centred = [](const SkinRect& own, std::int64_t left, std::int64_t top) {
        return SkinRect{clamped(left), clamped(top), clamped(left + width(own)), clamped(top + height(own))};
    };
    if (joyPadShown)
        return {centred(stored.off, std::int64_t(placed.left) + dx, std::int64_t(placed.top) + dy), placed};
    return {placed, centred(stored.on, std::int64_t(placed.left) - dx, std::int64_t(placed.top) - dy)};
}

bool writeJoyPadLabelRect(SkinModel& model, std::size_t label, bool joyPadShown, const SkinRect& placed)
{
    const JoyPadLabelIds& ids = joyPadLabels[label];
    const JoyPadRects rects =
        recentredJoyPadRects({model.getRect(ids.rectOff), model.getRect(ids.rectOn)}, placed, joyPadShown);
    const bool onWritten = model.setRect(ids.rectOn, rects.on);
    return model.setRect(ids.rectOff, rects.off) && onWritten;
}

ElementKind elementShownBy(Frame frame, const ViewOptions& view)
{
    for (const ElementEntry& entry : elementTable) {
        if (!entry.hasFrame || entry.frame != frame)
            continue;
        const bool shown = entry.effect == ViewEffect::KeyState ? view.keyState(entry.key) == entry.state
                         : entry.effect == ViewEffect::JoyPadOn  ? view.joyPadShown
                         : entry.effect == ViewEffect::JoyPadOff ? !view.joyPadShown
                                                                 : true;
        if (shown)
            return entry.kind;
    }
    return ElementKind::None;
}

bool writeDroppedFrame(SkinModel& model, Frame frame, const ViewOptions& view, const SkinRect& rect)
{
    if (frame == clockFace.frame)
        return model.setRect(clockFace.rect, rect);
    for (const Key key : {Key::Left, Key::Right, Key::Centre}) {
        if (keyIds(key).frame != frame)
            continue;
        const int state = view.keyState(key);
        const bool written = model.setRect(keyStateIds(key, state).rect, rect);
        if (keyStateIsMirrored(key, state))
            return model.setRect(keyStateIds(key, state == 0 ? mirroredKeyState : 0).rect, rect) && written;
        return written;
    }
    for (std::size_t label = 0; label < joyPadLabels.size(); ++label)
        if (joyPadLabels[label].frame == frame)
            return writeJoyPadLabelRect(model, label, view.joyPadShown, rect);
    return false;
}

bool writePlacedElementRect(SkinModel& model, const ElementEntry& entry, const SkinRect& placed)
{
    if (entry.layout == PanelLayout::JoyPadLabel)
        return writeJoyPadLabelRect(model, joyPadLabelIndex(entry.frame), entry.effect == ViewEffect::JoyPadOn, placed);
    return writeElementRect(model, entry, placed);
}

void linkMirroredPicture(SkinModel& model, const ElementEntry& entry)
{
    if (entry.picture != noElement && entry.pictureMirror != noElement)
        model.linkPicture(entry.picture, entry.pictureMirror);
}

namespace {

bool isPaletteItem(const ElementRecord& record)
{
    return record.type == RecordType::ListHeader && record.id == paletteListId && record.listItem > 0;
}

} // namespace

bool elementDiffersFromDefault(const SkinModel& model, const ElementEntry& entry)
{
    for (const ElementRecord& record : elementRecords(entry)) {
        const bool own = isPaletteItem(record) ? model.paletteColourDiffers(record.listItem)
                                               : model.ownsRecord(record.type, record.id);
        if (own)
            return true;
    }
    return false;
}

void restoreElementDefault(SkinModel& model, const ElementEntry& entry)
{
    for (const ElementRecord& record : elementRecords(entry)) {
        if (isPaletteItem(record))
            model.restorePaletteColour(record.listItem);
        else
            model.removeRecord(record.type, record.id);
    }
}
