#include "pages/PictureImportDialog.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "session/ImportPicturesCommand.h"
#include "session/SkinSession.h"

#include <QListWidget>
#include <QPushButton>

// The list dialog with OK and Cancel under their own captions; OK imports, only Cancel closes.
PictureImportDialog::PictureImportDialog(const QString& folder, const QString& title, const QString& okText,
                                         const QString& cancelText, SkinSession& session, const LanguageTable& texts,
                                         QWidget* parent)
    : ListDialog(title, templateSize, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent),
      folder(folder),
      session(session),
      texts(texts)
{
    setObjectName(QStringLiteral("pictureImportDialog"));
    list->setObjectName(QStringLiteral("files"));
    // A verdict is a sentence: read whole, not scrolled to.
    wrapLines();
    list->addItems(pictureimport::candidateNames(folder));

    QPushButton* ok = button(QDialogButtonBox::Ok);
    ok->setText(okText);
    ok->setDefault(true);
    ok->setEnabled(list->count() > 0);
    button(QDialogButtonBox::Cancel)->setText(cancelText);

    connect(buttonRow, &QDialogButtonBox::accepted, this, &PictureImportDialog::importPictures);
    connect(buttonRow, &QDialogButtonBox::rejected, this, &PictureImportDialog::reject);
}

void PictureImportDialog::importPictures()
{
    QPushButton* ok = button(QDialogButtonBox::Ok);
    if (list->count() == 0 || !ok->isEnabled())
        return;
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    std::vector<pictureimport::Outcome> judged;
    session.push(std::make_unique<ImportPicturesCommand>(session, folder, names, judged));
    for (int row = 0; row < list->count() && std::size_t(row) < judged.size(); ++row)
        list->item(row)->setText(outcomeText(names[row], judged[std::size_t(row)].verdict));
    ok->setEnabled(false);
}

QString PictureImportDialog::outcomeText(const QString& name, pictureimport::Verdict verdict) const
{
    const auto text = [this](int number) { return QString::fromStdString(texts.text(number)); };
    const QString dash = QStringLiteral(" - ");
    switch (verdict) {
    case pictureimport::Verdict::stored:
        return name + dash + text(langtext::images::importedOk);
    case pictureimport::Verdict::undecodable:
        return name + dash + text(langtext::images::importFailed) + dash + text(langtext::message::cannotReadPicture);
    case pictureimport::Verdict::wrongSize:
        return name + dash + text(langtext::images::importFailed) + dash + text(langtext::message::pictureOtherSize);
    case pictureimport::Verdict::noReference:
        break;
    }
    return name; // no default picture to compare with: no verdict
}
