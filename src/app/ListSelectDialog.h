#pragma once

#include "services/DialogService.h"
#include "widgets/ListDialog.h"

#include <QString>
#include <QStringList>

// A modal list of the entries of one folder: in file mode the "*.lng" files,
// in folder mode the subfolders; hidden entries (names starting with ".") are
// left out. OK is enabled only while an entry is selected.
// The same list also shows lines to read (the skin check's findings): wider,
// with OK alone, which closes it whatever is selected.
class ListSelectDialog : public ListDialog {
    Q_OBJECT

public:
    using Mode = DialogService::ListMode;

    ListSelectDialog(const QString& title, const QString& folder, Mode mode, QWidget* parent = nullptr);
    ListSelectDialog(const QString& title, const QStringList& lines, QWidget* parent = nullptr);

    // Selects the entry named name when it is listed (the current language or default skin).
    void selectEntry(const QString& name);
    // The chosen entry's text; "" until the dialog was closed with OK.
    QString selection() const { return chosen; }

    void accept() override;

    // The names the dialog lists for folder in that mode, sorted by name.
    static QStringList folderEntries(const QString& folder, Mode mode);

private:
    QString chosen;
    bool choosing = true; // false: lines to read
};
