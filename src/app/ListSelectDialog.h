#pragma once

#include "DialogService.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;

// A modal list of the entries of one folder: in file mode the "*.lng" files,
// in folder mode the subfolders; hidden entries (names starting with ".") are
// left out. OK is enabled only while an entry is selected.
// The same list also shows lines to read (the skin check's findings): wider,
// with OK alone, which closes it whatever is selected.
class ListSelectDialog : public QDialog {
    Q_OBJECT

public:
    using Mode = DialogService::ListMode;

    ListSelectDialog(const QString& title, const QString& folder, Mode mode, QWidget* parent = nullptr);
    ListSelectDialog(const QString& title, const QStringList& lines, QWidget* parent = nullptr);

    // Selects the entry named name when it is listed (the current language or default skin).
    void selectEntry(const QString& name);
    // The chosen entry's text; "" until the dialog was closed with OK.
    QString selection() const { return chosen; }
    // The listed entries, in list order.
    QStringList entries() const;

    void accept() override;

    // The names the dialog lists for folder in that mode, sorted by name.
    static QStringList folderEntries(const QString& folder, Mode mode);

private:
    // The list and the button row laid out in a dialog of the size; a choice
    // adds Cancel and enables OK only while an entry is selected.
    void build(const QString& title, QSize size, bool choice);

    QListWidget* list;
    QPushButton* okButton = nullptr;
    QString chosen;
    bool choosing = true; // false: lines to read
};
