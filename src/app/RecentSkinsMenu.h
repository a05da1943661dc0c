#pragma once

#include <QList>
#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

// The recent skins as entries of a menu ("&1 /skins/a.ski"), set apart by a
// separator, before a given entry of that menu.
class RecentSkinsMenu : public QObject {
    Q_OBJECT

public:
    // The entries go before the menu's entry before (a separator, say).
    RecentSkinsMenu(QMenu& menu, QAction* before);

    void show(const QStringList& paths);
    // The entries, newest first.
    const QList<QAction*>& entries() const { return shown; }

signals:
    void chosen(const QString& path);

private:
    QMenu& menu;
    QAction* before;
    QAction* separator;
    QList<QAction*> shown;
};
