#include "widgets/ListDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The list 10 px in from the left, right and top, the button row under it.
constexpr QMargins margins(10, 11, 11, 11);
constexpr int buttonGap = 5;

} // namespace

ListDialog::ListDialog(const QString& title, QSize size, QDialogButtonBox::StandardButtons buttons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint),
      list(new QListWidget(this)),
      buttonRow(new QDialogButtonBox(buttons, this))
{
    setWindowTitle(title);
    // The first size; long lines or many entries ask for a larger one, which the list follows.
    resize(size);
    setSizeGripEnabled(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(margins);
    column->setSpacing(buttonGap);
    column->addWidget(list, 1);
    column->addWidget(buttonRow);

    list->setObjectName(QStringLiteral("entries"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The horizontal scroll range follows the longest line.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A list too small for its buttons' row still shows a few lines.
    list->setMinimumHeight(list->fontMetrics().height() * 3);

    buttonRow->setCenterButtons(true);
    if (QPushButton* ok = button(QDialogButtonBox::Ok))
        ok->setObjectName(QStringLiteral("ok"));
    if (QPushButton* cancel = button(QDialogButtonBox::Cancel))
        cancel->setObjectName(QStringLiteral("cancel"));
}

void ListDialog::wrapLines()
{
    list->setWordWrap(true);
    list->setResizeMode(QListView::Adjust);
    list->setUniformItemSizes(false);
}

QStringList ListDialog::entries() const
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

void ListDialog::makeResizable(QSize minimum)
{
    // Every list dialog already follows its size; this one also keeps a least size.
    setMinimumSize(minimum);
}
