#pragma once

// The editable elements of the idle screen, as the element page lists them:
// for each kind of element, the records it edits (colours, outline and
// underline, rectangle, opacity, picture, alignment, each with the record
// kept in step with it), the frame that shows it and what selecting it sets
// in the preview. Built from the idle screen's own tables, so that every id
// is written once. Standard C++ only.

#include "idlescreen/IdleScreenIds.h"

#include <array>
#include <cstddef>

namespace idlescreen {

// The element kinds; the numbers are fixed, every panel handler switches on them.
enum class ElementKind : int {
    None = 0,
    Background = 1,
    Wallpaper = 2,
    OperatorName = 3,
    Date = 4,
    DigitalClock = 5,
    AnalogClock = 6,
    LabelStyle1 = 7,
    LabelStyle0 = 8,
    LeftKey1 = 9,
    LeftKey0 = 10,
    RightKey1 = 11,
    RightKey0 = 12,
    CentreKey1 = 13,
    CentreKey0 = 14,
    CentreKey2 = 15,
    CentreKey3 = 16,
    JoyPad1On = 17,
    JoyPad1Off = 18,
    JoyPad2On = 19,
    JoyPad2Off = 20,
    JoyPad3On = 21,
    JoyPad3Off = 22,
    JoyPad4On = 23,
    JoyPad4Off = 24,
    LeftLabelPlace1 = 71,
    RightLabelPlace1 = 72,
    LeftLabelPlace0 = 81,
    RightLabelPlace0 = 82,
};

// Which of the property panel's controls an element uses.
enum class PanelLayout { Background, Wallpaper, Text, AnalogClock, KeyPicture, JoyPadLabel, LabelPlace };

// What selecting an element sets in the preview.
enum class ViewEffect { None, HideWallpaper, DigitalClock, AnalogClock, KeyState, JoyPadOff, JoyPadOn };

// State 2 of the left and right keys is state 0 kept in step: whatever is
// written for state 0 is written for state 2 as well.
inline constexpr int mirroredKeyState = 2;

constexpr bool keyStateIsMirrored(Key key, int state)
{
    return key != Key::Centre && (state == 0 || state == mirroredKeyState);
}

// One of the panel's three rows: a colour (on its button) and a number (in
// the edit beside it). The number is the colour's transparency unless the row
// names a number record of its own; then the colour is written opaque.
struct ValueRowIds {
    ElementId colour = noElement;
    ElementId number = noElement;
    ElementId numberMirror = noElement;
};

struct ElementEntry {
    ElementKind kind = ElementKind::None;
    PanelLayout layout = PanelLayout::Background;
    std::array<ValueRowIds, 3> rows{};
    ElementId outlineLevel = noElement; // number
    ElementId outlineFlag = noElement;  // flag, kept true exactly while the level is above 0
    ElementId underline = noElement;    // flag
    ElementId rect = noElement;
    ElementId rectMirror = noElement;
    ElementId picture = noElement;
    ElementId pictureMirror = noElement;
    ElementId alignment = noElement; // number: 0, 32 or 16
    bool hasFrame = false;
    Frame frame = Frame::LeftKey; // when hasFrame: the frame that shows the element
    ViewEffect effect = ViewEffect::None;
    Key key = Key::Left; // ViewEffect::KeyState: this key goes to state
    int state = 0;
};

namespace element_rows {

constexpr ElementEntry text(ElementKind kind, const TextLookIds& look, ElementId rect, ViewEffect effect)
{
    ElementEntry entry;
    entry.kind = kind;
    entry.layout = PanelLayout::Text;
    entry.rows = {{{look.textColour}, {look.innerColour}, {look.outerColour}}};
    entry.outlineLevel = look.outlineLevel;
    entry.outlineFlag = look.outlineFlag;
    entry.underline = look.underline;
    entry.rect = rect;
    entry.effect = effect;
    return entry;
}

constexpr ElementEntry keyPicture(ElementKind kind, Key key, int state)
{
    const KeyStateIds& ids = keyStateIds(key, state);
    ElementEntry entry;
    entry.kind = kind;
    entry.layout = PanelLayout::KeyPicture;
    entry.rows[0].number = ids.opacity;
    entry.rect = ids.rect;
    entry.picture = ids.picture;
    if (keyStateIsMirrored(key, state)) {
        const KeyStateIds& mirror = keyStateIds(key, mirroredKeyState);
        entry.rows[0].numberMirror = mirror.opacity;
        entry.rectMirror = mirror.rect;
        entry.pictureMirror = mirror.picture;
    }
    entry.hasFrame = true;
    entry.frame = keyIds(key).frame;
    entry.effect = ViewEffect::KeyState;
    entry.key = key;
    entry.state = state;
    return entry;
}

constexpr ElementEntry joyPadLabel(ElementKind kind, std::size_t label, bool on)
{
    ElementEntry entry;
    entry.kind = kind;
    entry.layout = PanelLayout::JoyPadLabel;
    entry.rect = on ? joyPadLabels[label].rectOn : joyPadLabels[label].rectOff;
    entry.hasFrame = true;
    entry.frame = joyPadLabels[label].frame;
    entry.effect = on ? ViewEffect::JoyPadOn : ViewEffect::JoyPadOff;
    return entry;
}

constexpr ElementEntry labelPlace(ElementKind kind, Key key, int state)
{
    const TextRowIds& row = *softKeyRow(key, state);
    ElementEntry entry;
    entry.kind = kind;
    entry.layout = PanelLayout::LabelPlace;
    entry.rect = row.rect;
    entry.alignment = row.alignmentNumber;
    entry.effect = ViewEffect::KeyState;
    entry.key = key;
    entry.state = state;
    return entry;
}

constexpr ElementEntry background()
{
    ElementEntry entry;
    entry.kind = ElementKind::Background;
    entry.layout = PanelLayout::Background;
    entry.effect = ViewEffect::HideWallpaper;
    return entry;
}

constexpr ElementEntry wallpaper()
{
    ElementEntry entry;
    entry.kind = ElementKind::Wallpaper;
    entry.layout = PanelLayout::Wallpaper;
    return entry;
}

// The hands on rows 2 and 3: colour and length.
constexpr ElementEntry analogClock()
{
    ElementEntry entry;
    entry.kind = ElementKind::AnalogClock;
    entry.layout = PanelLayout::AnalogClock;
    entry.rows[1] = {minuteHand.colour, minuteHand.length};
    entry.rows[2] = {hourHand.colour, hourHand.length};
    entry.rect = clockFace.rect;
    entry.picture = clockFace.picture;
    entry.hasFrame = true;
    entry.frame = clockFace.frame;
    entry.effect = ViewEffect::AnalogClock;
    return entry;
}

} // namespace element_rows

// Every editable element, in the order of the kinds' numbers.
inline constexpr std::array<ElementEntry, 28> elementTable = {{
    element_rows::background(),
    element_rows::wallpaper(),
    element_rows::text(ElementKind::OperatorName, operatorLook, operatorRow.rect, ViewEffect::None),
    element_rows::text(ElementKind::Date, dateLook, dateRow.rect, ViewEffect::None),
    element_rows::text(ElementKind::DigitalClock, digitalClockLook, digitalClockRow.rect, ViewEffect::DigitalClock),
    element_rows::analogClock(),
    element_rows::text(ElementKind::LabelStyle1, softKeyLooks[1], noElement, ViewEffect::None),
    element_rows::text(ElementKind::LabelStyle0, softKeyLooks[0], noElement, ViewEffect::None),
    element_rows::keyPicture(ElementKind::LeftKey1, Key::Left, 1),
    element_rows::keyPicture(ElementKind::LeftKey0, Key::Left, 0),
    element_rows::keyPicture(ElementKind::RightKey1, Key::Right, 1),
    element_rows::keyPicture(ElementKind::RightKey0, Key::Right, 0),
    element_rows::keyPicture(ElementKind::CentreKey1, Key::Centre, 1),
    element_rows::keyPicture(ElementKind::CentreKey0, Key::Centre, 0),
    element_rows::keyPicture(ElementKind::CentreKey2, Key::Centre, 2),
    element_rows::keyPicture(ElementKind::CentreKey3, Key::Centre, 3),
    element_rows::joyPadLabel(ElementKind::JoyPad1On, 0, true),
    element_rows::joyPadLabel(ElementKind::JoyPad1Off, 0, false),
    element_rows::joyPadLabel(ElementKind::JoyPad2On, 1, true),
    element_rows::joyPadLabel(ElementKind::JoyPad2Off, 1, false),
    element_rows::joyPadLabel(ElementKind::JoyPad3On, 2, true),
    element_rows::joyPadLabel(ElementKind::JoyPad3Off, 2, false),
    element_rows::joyPadLabel(ElementKind::JoyPad4On, 3, true),
    element_rows::joyPadLabel(ElementKind::JoyPad4Off, 3, false),
    element_rows::labelPlace(ElementKind::LeftLabelPlace1, Key::Left, 1),
    element_rows::labelPlace(ElementKind::RightLabelPlace1, Key::Right, 1),
    element_rows::labelPlace(ElementKind::LeftLabelPlace0, Key::Left, 0),
    element_rows::labelPlace(ElementKind::RightLabelPlace0, Key::Right, 0),
}};

// The entry of a kind; nullptr for None and for numbers that name no kind.
constexpr const ElementEntry* elementEntry(ElementKind kind)
{
    for (const ElementEntry& entry : elementTable)
        if (entry.kind == kind)
            return &entry;
    return nullptr;
}

// The JoyPad label (0..3) an entry with a JoyPad frame places.
constexpr std::size_t joyPadLabelIndex(Frame frame)
{
    return frameIndex(frame) - frameIndex(Frame::JoyPad1);
}

// One record an element owns: its type and id; the background is item 1 of
// the palette list.
struct ElementRecord {
    RecordType type = RecordType::Number;
    ElementId id = noElement;
    int listItem = 0; // 1.. for an item of the list id
    friend constexpr bool operator==(const ElementRecord&, const ElementRecord&) = default;
};

// Every record an element's handlers write, mirrors included.
struct ElementRecords {
    std::array<ElementRecord, 16> items{};
    std::size_t count = 0;

    constexpr void add(RecordType type, ElementId id, int listItem = 0)
    {
        if (id != noElement || listItem != 0)
            items[count++] = {type, id, listItem};
    }
    constexpr const ElementRecord* begin() const { return items.data(); }
    constexpr const ElementRecord* end() const { return items.data() + count; }
};

constexpr ElementRecords elementRecords(const ElementEntry& entry)
{
    ElementRecords records;
    if (entry.layout == PanelLayout::Background)
        records.add(RecordType::ListHeader, paletteListId, backgroundPaletteIndex);
    if (entry.layout == PanelLayout::Wallpaper)
        records.add(RecordType::PhonePath, wallpaperRecordId);
    for (const ValueRowIds& row : entry.rows) {
        records.add(RecordType::Colour, row.colour);
        records.add(RecordType::Number, row.number);
        records.add(RecordType::Number, row.numberMirror);
    }
    records.add(RecordType::Number, entry.outlineLevel);
    records.add(RecordType::Flag, entry.outlineFlag);
    records.add(RecordType::Flag, entry.underline);
    records.add(RecordType::Rect, entry.rect);
    records.add(RecordType::Rect, entry.rectMirror);
    // A JoyPad label's other rectangle is re-centred on every move.
    if (entry.layout == PanelLayout::JoyPadLabel) {
        const JoyPadLabelIds& label = joyPadLabels[joyPadLabelIndex(entry.frame)];
        records.add(RecordType::Rect, entry.rect == label.rectOn ? label.rectOff : label.rectOn);
    }
    records.add(RecordType::Picture, entry.picture);
    records.add(RecordType::Picture, entry.pictureMirror);
    records.add(RecordType::Number, entry.alignment);
    return records;
}

} // namespace idlescreen
