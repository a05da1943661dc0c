#pragma once

#include "pictures/PictureImport.h"
#include "session/SkinEditCommand.h"

#include <QString>
#include <QStringList>

#include <vector>

// The numbered GIF files of a folder imported into the skin: each judged
// against the default skin's picture of its id and stored when the sizes
// agree. The whole import is one command.
class ImportPicturesCommand : public SkinEditCommand {
public:
    // judged gets one outcome per name, in order, when the command runs
    // (within the session's push; the command may be gone after it when
    // nothing was stored).
    ImportPicturesCommand(SkinSession& session, QString folder, QStringList names,
                          std::vector<pictureimport::Outcome>& judged);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    QString folder;
    QStringList names;
    std::vector<pictureimport::Outcome>* judged;
};
