#pragma once

#include <QIdentityProxyModel>

// Between Qt's file dialog and its file system model: the modification dates
// written in the program's language (QLocale's default, which follows the
// language file), where the model itself writes them in the system's.
class FileDatesProxy : public QIdentityProxyModel {
    Q_OBJECT

public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override;

    // The file system model's column of the modification dates.
    static constexpr int dateColumn = 3;
};
