#pragma once

#include "document/LanguageTexts.h"
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

inline constexpr std::array<ElementTreeRow, 41> elementTreeRows = {{
    {0, langtext::tree::wallpaper},
    {0, langtext::tree::background},
    {0, langtext::tree::operatorName},
    {0, langtext::tree::date},
    {0, langtext::tree::clock},
    {1, langtext::tree::digitalClock},
    {1, langtext::tree::analogClock},
    {0, langtext::tree::softKeys},
    {1, langtext::tree::labelStyle},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {2, langtext::keyName::left},
    {3, langtext::tree::state0},
    {3, langtext::tree::state1},
    {2, langtext::keyName::right},
    {3, langtext::tree::state0},
    {3, langtext::tree::state1},
    {1, langtext::keyName::left},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {1, langtext::tree::centreKey},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {2, langtext::tree::state2},
    {2, langtext::tree::state3},
    {1, langtext::keyName::right},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {0, langtext::tree::joyPadLabels},
    {1, langtext::keyName::up},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {1, langtext::keyName::down},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {1, langtext::keyName::left},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
    {1, langtext::keyName::right},
    {2, langtext::tree::state0},
    {2, langtext::tree::state1},
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
