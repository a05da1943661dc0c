#include "pages/ElementTree.h"

#include "document/LanguageTable.h"
#include "idlescreen/ElementEdits.h"

#include <QTreeWidget>

#include <vector>

using idlescreen::ElementKind;
namespace treeItem = langtext::tree;
namespace keyName = langtext::keyName;

namespace {

// The kinds of the items of states 0 and 1 under a parent within a
// grandparent group; the groups are tried in this order, the first whose
// grandparent matches decides.
struct StateKinds {
    int parent;
    ElementKind state1;
    ElementKind state0;
};
struct StateGroup {
    int grandparent;
    std::array<StateKinds, 4> parents;
    std::size_t count;
};

constexpr std::array<StateGroup, 3> stateGroups = {{
    {treeItem::softKeys,
     {{{treeItem::labelStyle, ElementKind::LabelStyle1, ElementKind::LabelStyle0},
       {keyName::left, ElementKind::LeftKey1, ElementKind::LeftKey0},
       {keyName::right, ElementKind::RightKey1, ElementKind::RightKey0},
       {treeItem::centreKey, ElementKind::CentreKey1, ElementKind::CentreKey0}}},
     4},
    {treeItem::labelStyle,
     {{{keyName::left, ElementKind::LeftLabelPlace1, ElementKind::LeftLabelPlace0},
       {keyName::right, ElementKind::RightLabelPlace1, ElementKind::RightLabelPlace0}}},
     2},
    {treeItem::joyPadLabels,
     {{{keyName::left, ElementKind::JoyPad3On, ElementKind::JoyPad3Off},
       {keyName::right, ElementKind::JoyPad4On, ElementKind::JoyPad4Off},
       {keyName::up, ElementKind::JoyPad1On, ElementKind::JoyPad1Off},
       {keyName::down, ElementKind::JoyPad2On, ElementKind::JoyPad2Off}}},
     4},
}};

// Items whose own text decides, in order.
constexpr std::array<std::pair<int, ElementKind>, 6> itemKinds = {{
    {treeItem::background, ElementKind::Background},
    {treeItem::wallpaper, ElementKind::Wallpaper},
    {treeItem::operatorName, ElementKind::OperatorName},
    {treeItem::date, ElementKind::Date},
    {treeItem::digitalClock, ElementKind::DigitalClock},
    {treeItem::analogClock, ElementKind::AnalogClock},
}};

QString text(const LanguageTable& texts, int number)
{
    return QString::fromStdString(texts.text(number));
}

// Marks the item and those under it; true when it is marked.
bool markChanged(QTreeWidgetItem& item, const LanguageTable& texts, const SkinModel& model)
{
    bool changed = false;
    for (int i = 0; i < item.childCount(); ++i)
        changed = markChanged(*item.child(i), texts, model) || changed;
    if (item.childCount() == 0) {
        const idlescreen::ElementEntry* entry = idlescreen::elementEntry(elementKindOf(item, texts));
        changed = entry && elementDiffersFromDefault(model, *entry);
    }
    if (item.font(0).bold() != changed) {
        QFont font = item.font(0);
        font.setBold(changed);
        item.setFont(0, font);
    }
    return changed;
}

ElementKind stateKind(bool state1, const QString& parent, const QString& grandparent, const LanguageTable& texts)
{
    for (const StateGroup& group : stateGroups) {
        if (grandparent != text(texts, group.grandparent))
            continue;
        for (std::size_t i = 0; i < group.count; ++i)
            if (parent == text(texts, group.parents[i].parent))
                return state1 ? group.parents[i].state1 : group.parents[i].state0;
        return ElementKind::None;
    }
    return ElementKind::None;
}

} // namespace

void fillElementTree(QTreeWidget& tree, const LanguageTable& texts)
{
    tree.clear();
    // The last item at each depth: the parent of the next row one level down.
    std::vector<QTreeWidgetItem*> last;
    for (const ElementTreeRow& row : elementTreeRows) {
        last.resize(std::size_t(row.depth));
        auto* item = row.depth == 0 ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(last.back());
        item->setText(0, text(texts, row.text));
        last.push_back(item);
    }
}

ElementKind classifyElement(const QString& item, const QString& parent, const QString& grandparent,
                            const LanguageTable& texts)
{
    for (const auto& [number, kind] : itemKinds)
        if (item == text(texts, number))
            return kind;
    if (item == text(texts, treeItem::state1))
        return stateKind(true, parent, grandparent, texts);
    if (item == text(texts, treeItem::state0))
        return stateKind(false, parent, grandparent, texts);
    if (item == text(texts, treeItem::state2))
        return ElementKind::CentreKey2;
    if (item == text(texts, treeItem::state3))
        return ElementKind::CentreKey3;
    return ElementKind::None;
}

ElementKind elementKindOf(const QTreeWidgetItem& item, const LanguageTable& texts)
{
    if (item.childCount() > 0)
        return ElementKind::None;
    const QTreeWidgetItem* parent = item.parent();
    const QTreeWidgetItem* grandparent = parent ? parent->parent() : nullptr;
    return classifyElement(item.text(0), parent ? parent->text(0) : QString(),
                           grandparent ? grandparent->text(0) : QString(), texts);
}

void markChangedElements(QTreeWidget& tree, const LanguageTable& texts, const SkinModel& model)
{
    for (int i = 0; i < tree.topLevelItemCount(); ++i)
        markChanged(*tree.topLevelItem(i), texts, model);
}
