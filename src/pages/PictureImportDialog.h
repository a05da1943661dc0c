#pragma once

#include "pictures/PictureImport.h"
#include "widgets/ListDialog.h"

#include <QString>
#include <QStringList>

class LanguageTable;
class SkinSession;

// Imports numbered picture files into the edited skin: a folder's, or the
// files dropped on the images page. It lists the candidate files first; OK
// imports each one whose picture has the size of the default skin's own
// picture of that id (converted to GIF when it is in another format), and
// every line then tells its file's outcome, with both sizes where they
// differ. OK works once; only Cancel closes the dialog, which may be resized.
class PictureImportDialog : public ListDialog {
    Q_OBJECT

public:
    struct Captions {
        QString title;
        QString ok;
        QString cancel;
    };

    // The candidates of folder.
    PictureImportDialog(const QString& folder, const Captions& captions, SkinSession& session,
                        const LanguageTable& texts, QWidget* parent = nullptr);
    // The files at paths, in order.
    PictureImportDialog(const QStringList& paths, const Captions& captions, SkinSession& session,
                        const LanguageTable& texts, QWidget* parent = nullptr);

    // What OK does: judges and stores every listed file (one edit of the
    // skin, undone as one), then disables OK.
    void importPictures();

private:
    void setUp(const Captions& captions);
    QString outcomeText(const QString& name, const pictureimport::Outcome& outcome) const;

    QStringList paths;
    SkinSession& session;
    const LanguageTable& texts;
};
