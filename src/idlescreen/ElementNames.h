#pragma once

// The name of each editable element in the user's language: the language
// texts of its place in the element tree, from the group down ("Left key",
// "State 0"). Undo texts and picture names are built from them. Standard C++ only.

#include "document/LanguageTexts.h"
#include "idlescreen/ElementTable.h"

#include <array>

namespace idlescreen {

struct ElementName {
    std::array<int, 3> texts{}; // language text numbers, 0 where the name ends
    int count = 0;
};

constexpr ElementName elementName(ElementKind kind)
{
    using namespace langtext;
    switch (kind) {
    case ElementKind::None: return {};
    case ElementKind::Background: return {{tree::background}, 1};
    case ElementKind::Wallpaper: return {{tree::wallpaper}, 1};
    case ElementKind::OperatorName: return {{tree::operatorName}, 1};
    case ElementKind::Date: return {{tree::date}, 1};
    case ElementKind::DigitalClock: return {{tree::digitalClock}, 1};
    case ElementKind::AnalogClock: return {{tree::analogClock}, 1};
    case ElementKind::LabelStyle1: return {{tree::labelStyle, tree::state1}, 2};
    case ElementKind::LabelStyle0: return {{tree::labelStyle, tree::state0}, 2};
    case ElementKind::LeftKey1: return {{keyName::left, tree::state1}, 2};
    case ElementKind::LeftKey0: return {{keyName::left, tree::state0}, 2};
    case ElementKind::RightKey1: return {{keyName::right, tree::state1}, 2};
    case ElementKind::RightKey0: return {{keyName::right, tree::state0}, 2};
    case ElementKind::CentreKey1: return {{tree::centreKey, tree::state1}, 2};
    case ElementKind::CentreKey0: return {{tree::centreKey, tree::state0}, 2};
    case ElementKind::CentreKey2: return {{tree::centreKey, tree::state2}, 2};
    case ElementKind::CentreKey3: return {{tree::centreKey, tree::state3}, 2};
    case ElementKind::JoyPad1On: return {{tree::joyPadLabels, keyName::up, tree::state1}, 3};
    case ElementKind::JoyPad1Off: return {{tree::joyPadLabels, keyName::up, tree::state0}, 3};
    case ElementKind::JoyPad2On: return {{tree::joyPadLabels, keyName::down, tree::state1}, 3};
    case ElementKind::JoyPad2Off: return {{tree::joyPadLabels, keyName::down, tree::state0}, 3};
    case ElementKind::JoyPad3On: return {{tree::joyPadLabels, keyName::left, tree::state1}, 3};
    case ElementKind::JoyPad3Off: return {{tree::joyPadLabels, keyName::left, tree::state0}, 3};
    case ElementKind::JoyPad4On: return {{tree::joyPadLabels, keyName::right, tree::state1}, 3};
    case ElementKind::JoyPad4Off: return {{tree::joyPadLabels, keyName::right, tree::state0}, 3};
    case ElementKind::LeftLabelPlace1: return {{tree::labelStyle, keyName::left, tree::state1}, 3};
    case ElementKind::RightLabelPlace1: return {{tree::labelStyle, keyName::right, tree::state1}, 3};
    case ElementKind::LeftLabelPlace0: return {{tree::labelStyle, keyName::left, tree::state0}, 3};
    case ElementKind::RightLabelPlace0: return {{tree::labelStyle, keyName::right, tree::state0}, 3};
    }
    return {};
}

} // namespace idlescreen
