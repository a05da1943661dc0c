#pragma once

#include <QStringList>
#include <QTreeWidget>

// The item at the end of a path of item texts from the top level ("Soft
// keys", "Label style", "State 0"); nullptr when there is none.
inline QTreeWidgetItem* treeItemAt(const QTreeWidget& tree, const QStringList& path)
{
    QTreeWidgetItem* found = tree.invisibleRootItem();
    for (const QString& text : path) {
        QTreeWidgetItem* next = nullptr;
        for (int i = 0; i < found->childCount() && !next; ++i)
            if (found->child(i)->text(0) == text)
                next = found->child(i);
        if (!next)
            return nullptr;
        found = next;
    }
    return found;
}
