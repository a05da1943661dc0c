#include "widgets/ListDialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The list 10 px in from the left, right and top, the button row under it.
constexpr int margin = 10;
constexpr int listTop = 11;
constexpr int buttonHeight = 23;
constexpr int buttonGap = 5;

} // namespace

ListDialog::ListDialog(const QString& title, QSize size, QDialogButtonBox::StandardButtons buttons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      list(new QListWidget(this)),
      buttonRow(new QDialogButtonBox(buttons, this))
{
    setWindowTitle(title);
    setFixedSize(size);

    const int width = size.width() - 2 * margin - 1;
    const int buttonTop = size.height() - margin - buttonHeight - 1;
    list->setObjectName(QStringLiteral("entries"));
    list->setGeometry(margin, listTop, width, buttonTop - buttonGap - listTop);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The horizontal scroll range follows the longest line.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    buttonRow->setGeometry(margin, buttonTop, width, buttonHeight);
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
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, listTop, margin, margin);
    layout->setSpacing(buttonGap);
    layout->addWidget(list, 1);
    layout->addWidget(buttonRow);
    setMinimumSize(minimum);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setSizeGripEnabled(true);
}
