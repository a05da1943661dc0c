#pragma once

#include "pictures/PictureImport.h"
#include "session/SkinEditCommand.h"

#include <QString>
#include <QStringList>

#include <vector>

// Numbered picture files imported into the skin (a folder's, or those
// dropped on the images page): each judged against the default skin's
// picture of its id, converted to GIF when it is none, and stored when the
// sizes agree. The whole import is one command.
class ImportPicturesCommand : public SkinEditCommand {
public:
    // judged gets one outcome per path, in order, when the command runs
    // (within the session's push; the command may be gone after it when
    // nothing was stored).
    ImportPicturesCommand(SkinSession& session, QStringList paths, std::vector<pictureimport::Outcome>& judged);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;

private:
    QStringList paths;
    std::vector<pictureimport::Outcome>* judged;
};
