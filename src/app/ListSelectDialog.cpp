#include "ListSelectDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

namespace {

// Sizes in pixels of the 179 x 122 dialog-unit layout (1.5 px across, 1.625 px down).
constexpr QSize dialogSize(269, 198);
constexpr QRect listPlace(10, 11, 248, 148);
constexpr QRect buttonRow(10, 164, 248, 23);

} // namespace

ListSelectDialog::ListSelectDialog(const QString& title, const QString& folder, Mode mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), list(new QListWidget(this))
{
    setWindowTitle(title);
    setFixedSize(dialogSize);

    list->setObjectName(QStringLiteral("entries"));
    list->setGeometry(listPlace);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->addItems(folderEntries(folder, mode));

    // Standard buttons: their texts follow the language of Qt's own dialogs.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setGeometry(buttonRow);
    buttons->setCenterButtons(true);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));

    connect(buttons, &QDialogButtonBox::accepted, this, &ListSelectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ListSelectDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &ListSelectDialog::accept);
    connect(list, &QListWidget::itemSelectionChanged, this,
            [this] { okButton->setEnabled(!list->selectedItems().isEmpty()); });
}

void ListSelectDialog::selectEntry(const QString& name)
{
    const QList<QListWidgetItem*> found = list->findItems(name, Qt::MatchExactly);
    if (found.isEmpty())
        return;
    list->setCurrentItem(found.front());
    list->scrollToItem(found.front());
}

QStringList ListSelectDialog::entries() const
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

void ListSelectDialog::accept()
{
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
