#include "PictureImportDialog.h"

#include "LanguageTable.h"
#include "SkinModel.h"

#include <QListWidget>
#include <QPushButton>

namespace {

// The list dialog's layout: 179 x 122 dialog units (1.5 px across, 1.625 px down).
constexpr QSize dialogSize(269, 198);
constexpr QRect listPlace(10, 11, 248, 148);
constexpr QRect okPlace(34, 164, 75, 23);
constexpr QRect cancelPlace(154, 164, 75, 23);

constexpr int unreadableText = 11;
constexpr int otherSizeText = 13;

} // namespace

PictureImportDialog::PictureImportDialog(const QString& folder, const QString& title, const QString& okText,
                                         const QString& cancelText, SkinModel& model, const LanguageTable& texts,
                                         QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      folder(folder),
      model(model),
      texts(texts),
      list(new QListWidget(this)),
      okButton(new QPushButton(okText, this)),
      cancelButton(new QPushButton(cancelText, this))
{
    setObjectName(QStringLiteral("pictureImportDialog"));
    setWindowTitle(title);
    setFixedSize(dialogSize);

    list->setObjectName(QStringLiteral("files"));
    list->setGeometry(listPlace);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The horizontal scroll range follows the longest line.
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->addItems(pictureimport::candidateNames(folder));

    okButton->setObjectName(QStringLiteral("ok"));
    okButton->setGeometry(okPlace);
    okButton->setDefault(true);
    okButton->setEnabled(list->count() > 0);
    cancelButton->setObjectName(QStringLiteral("cancel"));
    cancelButton->setGeometry(cancelPlace);

    connect(okButton, &QPushButton::clicked, this, &PictureImportDialog::importPictures);
    connect(cancelButton, &QPushButton::clicked, this, &PictureImportDialog::reject);
}

QStringList PictureImportDialog::entries() const
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines << list->item(row)->text();
    return lines;
}

void PictureImportDialog::importPictures()
{
    if (list->count() == 0 || !okButton->isEnabled())
        return;
    for (int row = 0; row < list->count(); ++row) {
        QListWidgetItem* item = list->item(row);
        const QString name = item->text();
        const pictureimport::Outcome outcome = pictureimport::importFile(model, model.defaultSkin, folder, name);
        item->setText(outcomeText(name, outcome.verdict));
    }
    okButton->setEnabled(false);
}

QString PictureImportDialog::outcomeText(const QString& name, pictureimport::Verdict verdict) const
{
    const auto text = [this](int number) { return QString::fromStdString(texts.text(number)); };
    switch (verdict) {
    case pictureimport::Verdict::stored:
        return name + QStringLiteral(" - OK");
    case pictureimport::Verdict::undecodable:
        return name + QStringLiteral(" - ERROR - ") + text(unreadableText);
    case pictureimport::Verdict::wrongSize:
        return name + QStringLiteral(" - ERROR - ") + text(otherSizeText);
    case pictureimport::Verdict::noReference:
        break;
    }
    return name; // no default picture to compare with: no verdict
}
