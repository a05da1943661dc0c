#include "ListSelectDialog.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QListWidget>
#include <QPushButton>

namespace {

// Sizes in pixels of the 179 x 122 dialog-unit layout (1.5 px across, 1.625 px
// down): the list 10 px in from the left, right and top, the button row under it.
constexpr QSize choiceSize(269, 198);
// Lines to read are longer than file names.
constexpr QSize readingSize(600, 300);
constexpr int margin = 10;
constexpr int listTop = 11;
constexpr int buttonHeight = 23;
constexpr int buttonGap = 5;

} // namespace

ListSelectDialog::ListSelectDialog(const QString& title, const QString& folder, Mode mode, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), list(new QListWidget(this))
{
    build(title, choiceSize, true);
    list->addItems(folderEntries(folder, mode));
}

ListSelectDialog::ListSelectDialog(const QString& title, const QStringList& lines, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), list(new QListWidget(this))
{
    build(title, readingSize, false);
    list->addItems(lines);
}

void ListSelectDialog::build(const QString& title, QSize size, bool choice)
{
    choosing = choice;
    setWindowTitle(title);
    setFixedSize(size);

    const int width = size.width() - 2 * margin - 1;
    const int buttonTop = size.height() - margin - buttonHeight - 1;
    list->setObjectName(QStringLiteral("entries"));
    list->setGeometry(margin, listTop, width, buttonTop - buttonGap - listTop);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // Standard buttons: their texts follow the language of Qt's own dialogs.
    auto* buttons = new QDialogButtonBox(choosing ? QDialogButtonBox::Ok | QDialogButtonBox::Cancel
                                                  : QDialogButtonBox::StandardButtons(QDialogButtonBox::Ok),
                                         this);
    buttons->setGeometry(margin, buttonTop, width, buttonHeight);
    buttons->setCenterButtons(true);
    okButton = buttons->button(QDialogButtonBox::Ok);
    okButton->setObjectName(QStringLiteral("ok"));
    connect(buttons, &QDialogButtonBox::accepted, this, &ListSelectDialog::accept);
    if (!choosing) {
        okButton->setDefault(true);
        return;
    }
    okButton->setEnabled(false);
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));

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
