#pragma once

// The element ids of the phone's idle screen, written once: which records
// place, colour and outline each text, which pictures, rectangles and
// opacity numbers each key shows in each of its states, and the other
// frames. The composer, the element page, its panel and the command-line
// tool all read these tables. Standard C++ only.

#include "document/LanguageTexts.h"
#include "document/SkinTypes.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace idlescreen {

// No record: a text whose alignment is fixed has no alignment number.
inline constexpr ElementId noElement = -1;

// Horizontal alignment numbers of a text as the phone reads them.
inline constexpr int alignCentre = 0;
inline constexpr int alignRight = 16;
inline constexpr int alignLeft = 32;

// The phone's screen in pixels.
inline constexpr int screenWidth = 176;
inline constexpr int screenHeight = 220;
// The status strip covers the top of the screen at this height.
inline constexpr int statusStripHeight = 15;

// The palette item that fills the screen behind everything.
inline constexpr int backgroundPaletteIndex = 1;

// --- frames -----------------------------------------------------------------------

// The eight frames of the preview, in the order the scene holds them.
enum class Frame : int {
    LeftKey,
    RightKey,
    CentreKey,
    ClockFace,
    JoyPad1,
    JoyPad2,
    JoyPad3,
    JoyPad4,
};
inline constexpr std::size_t frameCount = 8;

// Control ids by which the page tells the frames apart, in Frame order.
inline constexpr std::array<int, frameCount> frameControlIds = {1242, 1243, 1244, 1148, 1152, 1151, 1149, 1150};

constexpr std::size_t frameIndex(Frame frame)
{
    return std::size_t(frame);
}

constexpr int controlId(Frame frame)
{
    return frameControlIds[frameIndex(frame)];
}

// --- keys and their states ----------------------------------------------------------

enum class Key : int { Left, Right, Centre };
inline constexpr std::size_t keyCount = 3;

// What one state of a key shows: its picture, where, and how opaque.
struct KeyStateIds {
    ElementId picture;
    ElementId rect;
    ElementId opacity; // number record: constant opacity of the picture (0 opaque)
};

struct KeyIds {
    Frame frame;
    int stateCount;
    std::array<KeyStateIds, 4> states; // the first stateCount are used
};

inline constexpr std::array<KeyIds, keyCount> keys = {{
    {Frame::LeftKey, 3, {{{630, 658, 657}, {631, 654, 653}, {652, 651, 650}, {}}}},
    {Frame::RightKey, 3, {{{634, 670, 669}, {635, 666, 665}, {664, 663, 662}, {}}}},
    {Frame::CentreKey, 4, {{{632, 681, 680}, {633, 678, 677}, {675, 676, 679}, {674, 673, 672}}}},
}};

constexpr const KeyIds& keyIds(Key key)
{
    return keys[std::size_t(key)];
}

// The ids of a key's state; states outside the key's range give state 0's.
constexpr const KeyStateIds& keyStateIds(Key key, int state)
{
    const KeyIds& ids = keyIds(key);
    return ids.states[std::size_t(state >= 0 && state < ids.stateCount ? state : 0)];
}

// --- the analog clock -------------------------------------------------------------------

struct ClockFaceIds {
    Frame frame;
    ElementId picture;
    ElementId rect;
};
inline constexpr ClockFaceIds clockFace{Frame::ClockFace, 7, 6};

// A hand of the analog clock: its colour record and its length number.
struct ClockHandIds {
    ElementId colour;
    ElementId length;
};
inline constexpr ClockHandIds minuteHand{12, 11}; // points straight up at 15:00
inline constexpr ClockHandIds hourHand{9, 8};     // points straight right

// --- JoyPad labels ------------------------------------------------------------------------

struct JoyPadLabelIds {
    Frame frame;
    int captionText;   // language text of the caption
    ElementId rectOff; // rectangle while the JoyPad option is off
    ElementId rectOn;  // rectangle while it is on
};
inline constexpr std::array<JoyPadLabelIds, 4> joyPadLabels = {{
    {Frame::JoyPad1, langtext::keyName::up, 562, 566},
    {Frame::JoyPad2, langtext::keyName::down, 563, 567},
    {Frame::JoyPad3, langtext::keyName::left, 564, 568},
    {Frame::JoyPad4, langtext::keyName::right, 565, 569},
}};

// --- texts ---------------------------------------------------------------------------------

// How a text looks: outline level and flag, underline flag, and the colour
// records (each with its transparency) of the text and its two rings.
struct TextLookIds {
    ElementId outlineLevel; // number
    ElementId outlineFlag;  // flag; the preview does not read it
    ElementId underline;    // flag
    ElementId textColour;
    ElementId innerColour;
    ElementId outerColour;
};

inline constexpr TextLookIds operatorLook{592, 591, 594, 595, 596, 597};
inline constexpr TextLookIds dateLook{576, 575, 578, 579, 580, 581};
inline constexpr TextLookIds digitalClockLook{584, 583, 586, 587, 588, 589};
// Both soft-key labels share the look of their state.
inline constexpr std::array<TextLookIds, 2> softKeyLooks = {{
    {642, 636, 638, 639, 640, 641},
    {649, 643, 645, 646, 647, 648},
}};

// One text of the idle screen: its sample text, box and look, and its
// alignment: fixed, or read from a number record.
struct TextRowIds {
    std::string_view sample;
    ElementId rect;
    TextLookIds look;
    int alignment;              // used when alignmentNumber is noElement
    ElementId alignmentNumber;
};

inline constexpr TextRowIds operatorRow{"OPERATOR", 570, operatorLook, alignLeft, noElement};
inline constexpr TextRowIds dateRow{"31-DEC-00", 571, dateLook, alignLeft, noElement};
inline constexpr TextRowIds digitalClockRow{"15:00", 574, digitalClockLook, alignRight, noElement};

// The soft-key labels by key (left "SOFT1", right "SOFT2") and state 0, 1.
inline constexpr std::array<std::array<TextRowIds, 2>, 2> softKeyRows = {{
    {{{"SOFT1", 659, softKeyLooks[0], alignLeft, 661}, {"SOFT1", 655, softKeyLooks[1], alignLeft, 656}}},
    {{{"SOFT2", 667, softKeyLooks[0], alignLeft, 668}, {"SOFT2", 660, softKeyLooks[1], alignLeft, 671}}},
}};

// The label row of a soft key (Left or Right) in a state, or nullptr: state
// 2 and every other value show no label.
constexpr const TextRowIds* softKeyRow(Key key, int state)
{
    if (key == Key::Centre || state < 0 || state > 1)
        return nullptr;
    return &softKeyRows[key == Key::Left ? 0 : 1][std::size_t(state)];
}

// --- every rectangle -----------------------------------------------------------------------

// The rectangle records the idle screen reads, each once, in table order.
inline constexpr std::size_t rectCount = 3 + 2 * 2 + 1 + 2 * 4 + 3 + 3 + 4;

constexpr std::array<ElementId, rectCount> allRects()
{
    std::array<ElementId, rectCount> ids{};
    std::size_t n = 0;
    for (const TextRowIds* row : {&operatorRow, &dateRow, &digitalClockRow})
        ids[n++] = row->rect;
    for (const auto& key : softKeyRows)
        for (const TextRowIds& row : key)
            ids[n++] = row.rect;
    ids[n++] = clockFace.rect;
    for (const JoyPadLabelIds& label : joyPadLabels) {
        ids[n++] = label.rectOff;
        ids[n++] = label.rectOn;
    }
    for (const KeyIds& key : keys)
        for (int state = 0; state < key.stateCount; ++state)
            ids[n++] = key.states[std::size_t(state)].rect;
    return ids;
}
static_assert(allRects()[rectCount - 1] == keys[2].states[3].rect, "allRects lists every rectangle once");

} // namespace idlescreen
