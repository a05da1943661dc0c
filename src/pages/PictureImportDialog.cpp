#include "pages/PictureImportDialog.h"

#include "document/LanguageTable.h"
#include "document/LanguageTexts.h"
#include "session/CommandTexts.h"
#include "session/ImportPicturesCommand.h"
#include "session/SkinSession.h"

#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QPushButton>

namespace {

// Room for a verdict with both sizes on a line or two.
constexpr QSize startSize(520, 320);

QStringList candidatePaths(const QString& folder)
{
    QStringList paths;
    for (const QString& name : pictureimport::candidateNames(folder, pictureimport::Conversion::toGif))
        paths << QDir(folder).filePath(name);
    return paths;
}

} // namespace

PictureImportDialog::PictureImportDialog(const QString& folder, const Captions& captions, SkinSession& session,
                                         const LanguageTable& texts, QWidget* parent)
    : PictureImportDialog(candidatePaths(folder), captions, session, texts, parent)
{
}

// The list dialog with OK and Cancel under their own captions; OK imports, only Cancel closes.
PictureImportDialog::PictureImportDialog(const QStringList& paths, const Captions& captions, SkinSession& session,
                                         const LanguageTable& texts, QWidget* parent)
    : ListDialog(captions.title, templateSize, QDialogButtonBox::Ok | QDialogButtonBox::Cancel, parent),
      paths(paths),
      session(session),
      texts(texts)
{
    setUp(captions);
}

void PictureImportDialog::setUp(const Captions& captions)
{
    setObjectName(QStringLiteral("pictureImportDialog"));
    makeResizable(templateSize);
    resize(startSize);
    list->setObjectName(QStringLiteral("files"));
    // A verdict is a sentence: read whole, not scrolled to.
    wrapLines();
    for (const QString& path : paths)
        list->addItem(QFileInfo(path).fileName());

    QPushButton* ok = button(QDialogButtonBox::Ok);
    ok->setText(captions.ok);
    ok->setDefault(true);
    ok->setEnabled(list->count() > 0);
    button(QDialogButtonBox::Cancel)->setText(captions.cancel);

    connect(buttonRow, &QDialogButtonBox::accepted, this, &PictureImportDialog::importPictures);
    connect(buttonRow, &QDialogButtonBox::rejected, this, &PictureImportDialog::reject);
}

void PictureImportDialog::importPictures()
{
    QPushButton* ok = button(QDialogButtonBox::Ok);
    if (list->count() == 0 || !ok->isEnabled())
        return;
    std::vector<pictureimport::Outcome> judged;
    session.push(std::make_unique<ImportPicturesCommand>(session, paths, judged));
    for (int row = 0; row < list->count() && std::size_t(row) < judged.size(); ++row)
        list->item(row)->setText(outcomeText(QFileInfo(paths[row]).fileName(), judged[std::size_t(row)]));
    ok->setEnabled(false);
}

QString PictureImportDialog::outcomeText(const QString& name, const pictureimport::Outcome& outcome) const
{
    const auto text = [this](int number) { return commandtexts::text(number, texts); };
    const QString dash = QStringLiteral(" - ");
    const QString error = name + dash + text(langtext::images::importFailed) + dash;
    switch (outcome.verdict) {
    case pictureimport::Verdict::stored:
        return name + dash + text(langtext::images::importedOk);
    case pictureimport::Verdict::undecodable:
        return error + text(langtext::message::cannotReadPicture);
    case pictureimport::Verdict::wrongSize:
        return error + text(langtext::message::pictureOtherSize) + QLatin1Char(' ')
               + commandtexts::sizesText(outcome.size, outcome.referenceSize, texts);
    case pictureimport::Verdict::noReference:
        break;
    }
    return error + text(langtext::images::noDefaultPicture);
}
