#pragma once

#include "pictures/PictureImport.h"
#include "widgets/ListDialog.h"

#include <QString>

class LanguageTable;
class SkinSession;

// Imports a folder of GIF files named after picture ids into the edited skin.
// It lists the candidate files first; OK imports each one whose picture has
// the size of the default skin's own picture of that id, and every line then
// tells its file's outcome. OK works once; only Cancel closes the dialog.
class PictureImportDialog : public ListDialog {
    Q_OBJECT

public:
    PictureImportDialog(const QString& folder, const QString& title, const QString& okText,
                        const QString& cancelText, SkinSession& session, const LanguageTable& texts,
                        QWidget* parent = nullptr);

    // What OK does: judges and stores every listed file (one edit of the
    // skin, undone as one), then disables OK.
    void importPictures();

private:
    QString outcomeText(const QString& name, pictureimport::Verdict verdict) const;

    QString folder;
    SkinSession& session;
    const LanguageTable& texts;
};
