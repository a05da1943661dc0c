#include "app/ListSelectDialog.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

namespace {

// Lines to read are longer than file names.
constexpr QSize readingSize(600, 300);

} // namespace

ListSelectDialog::ListSelectDialog(const QString& title, const QString& folder, Mode mode, QWidget* parent)
    : ListDialog(title, templateSize, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent)
{
    list->addItems(folderEntries(folder, mode));
    QPushButton* ok = button(QDialogButtonBox::Ok);
    ok->setEnabled(false);
    connect(buttonRow, &QDialogButtonBox::accepted, this, &ListSelectDialog::accept);
    connect(buttonRow, &QDialogButtonBox::rejected, this, &ListSelectDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &ListSelectDialog::accept);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this, ok] { ok->setEnabled(!list->selectedItems().isEmpty()); });
}

ListSelectDialog::ListSelectDialog(const QString& title, const QStringList& lines, QWidget* parent)
    : ListDialog(title, readingSize, QDialogButtonBox::Ok, parent), choosing(false)
{
    wrapLines();
    list->addItems(lines);
    button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttonRow, &QDialogButtonBox::accepted, this, &ListSelectDialog::accept);
}

void ListSelectDialog::selectEntry(const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    list->setCurrentItem(found.front());
    list->scrollToItem(found.front());
}

void ListSelectDialog::accept()
{
    if (!choosing) {
        QDialog::accept();
        return;
    }
    const QList<QListWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty())
        return;
    chosen = selected.front()->text();
    QDialog::accept();
}

QStringList ListSelectDialog::folderEntries(const QString& folder, Mode mode)
{
    const QDir dir(folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    const QStringList names = mode == Mode::Files
                                  ? dir.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden, order)
                                  : dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, order);
    QStringList shown;
    for (const QString& name : names) {
        if (!name.startsWith(QLatin1Char('.')))
            shown << name;
    }
    return shown;
}
