#pragma once

// What lies where in the preview of the idle screen, for the pointer: the
// layers the user can take hold of (the eight frames and the text elements'
// boxes) in the order the idle screen draws them, the last drawn on top, and
// which element each text box stands for in the view's state. Standard C++ only.

#include "idlescreen/ElementTable.h"
#include "idlescreen/IdleScreenIds.h"
#include "idlescreen/ViewOptions.h"

#include <array>
#include <cstddef>

namespace idlescreen {

// The text elements of the preview, in drawing order.
enum class TextSlot : int { OperatorName, Date, DigitalClock, LeftLabel, RightLabel };
inline constexpr std::size_t textSlotCount = 5;

constexpr std::size_t textSlotIndex(TextSlot slot)
{
    return std::size_t(slot);
}

// The text row the preview draws in the slot in the view's state; nullptr
// when it draws none there (the clock while it is analog, a soft key's
// label in state 2).
const TextRowIds* textRowShown(TextSlot slot, const ViewOptions& view);
// The element whose rectangle that row is (operator name, date, digital
// clock, a soft-key label's place in the key's state); None when the slot
// draws nothing.
ElementKind textElementShown(TextSlot slot, const ViewOptions& view);

// One layer the pointer can hit: a frame, or the box of a text slot.
struct PreviewLayer {
    bool isText = false;
    Frame frame = Frame::LeftKey;
    TextSlot text = TextSlot::OperatorName;
};

constexpr PreviewLayer frameLayer(Frame frame)
{
    return {false, frame, TextSlot::OperatorName};
}

constexpr PreviewLayer textLayer(TextSlot slot)
{
    return {true, Frame::LeftKey, slot};
}

// Bottom to top, as the idle screen is drawn; the status strip is no element.
inline constexpr std::array<PreviewLayer, frameCount + textSlotCount> previewLayers = {{
    textLayer(TextSlot::OperatorName),
    textLayer(TextSlot::Date),
    frameLayer(Frame::ClockFace),
    textLayer(TextSlot::DigitalClock),
    frameLayer(Frame::LeftKey),
    textLayer(TextSlot::LeftLabel),
    frameLayer(Frame::CentreKey),
    frameLayer(Frame::RightKey),
    textLayer(TextSlot::RightLabel),
    frameLayer(Frame::JoyPad1),
    frameLayer(Frame::JoyPad2),
    frameLayer(Frame::JoyPad3),
    frameLayer(Frame::JoyPad4),
}};

} // namespace idlescreen
