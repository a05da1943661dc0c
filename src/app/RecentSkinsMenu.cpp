#include "app/RecentSkinsMenu.h"

#include <QAction>
#include <QDir>
#include <QMenu>

RecentSkinsMenu::RecentSkinsMenu(QMenu& menu, QAction* before)
    : QObject(&menu), menu(menu), before(before), separator(menu.insertSeparator(before))
{
    separator->setVisible(false);
}

void RecentSkinsMenu::show(const QStringList& paths)
{
    for (QAction* entry : shown) {
        menu.removeAction(entry);
        entry->deleteLater();
    }
    shown.clear();
    // Set apart from the commands above them.
    separator->setVisible(!paths.isEmpty());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // A "&" in the path is shown, not taken as a mnemonic.
        QString text = QDir::toNativeSeparators(paths[i]);
        text.replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* entry = new QAction(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') + text, &menu);
        entry->setObjectName(QStringLiteral("recentSkin"));
        connect(entry, &QAction::triggered, this, [this, path = paths[i]] { emit chosen(path); });
        menu.insertAction(before, entry);
        shown << entry;
    }
}
