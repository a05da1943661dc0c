#include "ListSelectDialog.h"

#include <QDir>
#include <QListWidget>
#include <QPushButton>

namespace {

// Sizes in pixels of the 179 x 122 dialog-unit layout (1.5 px across, 1.625 px down).
constexpr QSize dialogSize(269, 198);
constexpr QRect listPlace(10, 11, 248, 148);
constexpr QRect okPlace(34, 164, 75, 23);
constexpr QRect cancelPlace(154, 164, 75, 23);

} // namespace

ListSelectDialog::ListSelectDialog(const QString& title, const QString& folder, Mode mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      list(new QListWidget(this)),
      okButton(new QPushButton(tr("OK"), this)),
      cancelButton(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(title);
    setFixedSize(dialogSize);

    list->setObjectName(QStringLiteral("entries"));
    list->setGeometry(listPlace);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->addItems(folderEntries(folder, mode));

    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setGeometry(okPlace);
    okButton->setDefault(true);
    cancelButton->setObjectName(QStringLiteral("cancel"));
    cancelButton->setGeometry(cancelPlace);

    connect(okButton, &QPushButton::clicked, this, &ListSelectDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &ListSelectDialog::reject);
    connect(list, &QListWidget::itemDoubleClicked, this, &ListSelectDialog::accept);
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
    QDir dir(folder);
    const QDir::SortFlags order = QDir::Name | QDir::IgnoreCase;
    if (mode == Mode::Files)
        return dir.entryList({QStringLiteral("*.lng")}, QDir::Files | QDir::Hidden, order);
    return dir.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, order);
}
