#pragma once

#include "idlescreen/ElementTable.h"

#include <QString>

#include <array>

class LanguageTable;
class QTreeWidget;
class SkinModel;
class QTreeWidgetItem;

// The element page's tree: its items in insertion order, each a language
// text at a depth (0: top level; a deeper row is a child of the last row
// before it one level up). Items carry no data: an item's kind follows from
// its own text and its parent's and grandparent's.
struct ElementTreeRow {
    int depth;
    int text;
};

namespace elementtext {
inline constexpr int background = 1001;
inline constexpr int wallpaper = 1002;
inline constexpr int operatorName = 1003;
inline constexpr int date = 1004;
inline constexpr int clock = 1005;
inline constexpr int digitalClock = 1006;
inline constexpr int analogClock = 1007;
inline constexpr int softKeys = 1008;
inline constexpr int labelStyle = 1009;
// The JoyPad labels' captions; the left and right keys share labels 3 and 4's.
inline constexpr int upKey = idlescreen::joyPadLabels[0].captionText;
inline constexpr int downKey = idlescreen::joyPadLabels[1].captionText;
inline constexpr int leftKey = idlescreen::joyPadLabels[2].captionText;
inline constexpr int rightKey = idlescreen::joyPadLabels[3].captionText;
inline constexpr int centreKey = 1014;
inline constexpr int joyPadLabels = 1015;
inline constexpr int state0 = 908;
inline constexpr int state1 = 909;
inline constexpr int state2 = 910;
inline constexpr int state3 = 911;
} // namespace elementtext

inline constexpr std::array<ElementTreeRow, 41> elementTreeRows = {{
    {0, elementtext::wallpaper},
    {0, elementtext::background},
    {0, elementtext::operatorName},
    {0, elementtext::date},
    {0, elementtext::clock},
    {1, elementtext::digitalClock},
    {1, elementtext::analogClock},
    {0, elementtext::softKeys},
    {1, elementtext::labelStyle},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {2, elementtext::leftKey},
    {3, elementtext::state0},
    {3, elementtext::state1},
    {2, elementtext::rightKey},
    {3, elementtext::state0},
    {3, elementtext::state1},
    {1, elementtext::leftKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {1, elementtext::centreKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {2, elementtext::state2},
    {2, elementtext::state3},
    {1, elementtext::rightKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {0, elementtext::joyPadLabels},
    {1, elementtext::upKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {1, elementtext::downKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {1, elementtext::leftKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
    {1, elementtext::rightKey},
    {2, elementtext::state0},
    {2, elementtext::state1},
}};

// Empties the tree and fills it with the rows' texts, none expanded or selected.
void fillElementTree(QTreeWidget& tree, const LanguageTable& texts);

// The kind of a leaf item from its text and its parent's and grandparent's
// ("" where there is none), compared whole and exactly with the language's
// texts in a fixed order: where two texts are equal the first rule decides.
idlescreen::ElementKind classifyElement(const QString& item, const QString& parent, const QString& grandparent,
                                        const LanguageTable& texts);
// The kind of a tree item: None for a group (an item with children).
idlescreen::ElementKind elementKindOf(const QTreeWidgetItem& item, const LanguageTable& texts);
// Shows in bold every element that differs from the default skin (the edited
// skin holds one of its records), and every group with such an element under it.
void markChangedElements(QTreeWidget& tree, const LanguageTable& texts, const SkinModel& model);
