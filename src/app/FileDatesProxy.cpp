#include "app/FileDatesProxy.h"

#include <QDateTime>
#include <QFileSystemModel>
#include <QLocale>

QVariant FileDatesProxy::data(const QModelIndex& index, int role) const
{
    const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
    if (!files || role != Qt::DisplayRole || index.column() != dateColumn)
        return QIdentityProxyModel::data(index, role);
    const QDateTime modified = files->lastModified(mapToSource(index));
    return modified.isValid() ? QLocale().toString(modified, QLocale::ShortFormat) : QString();
}
