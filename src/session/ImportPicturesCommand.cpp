#include "session/ImportPicturesCommand.h"

#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "session/CommandTexts.h"
#include "session/SkinSession.h"

ImportPicturesCommand::ImportPicturesCommand(SkinSession& session, QStringList paths,
                                             std::vector<pictureimport::Outcome>& judged)
    : SkinEditCommand(session), paths(std::move(paths)), judged(&judged)
{
    retranslate(session.languageTexts());
}

void ImportPicturesCommand::edit(SkinModel& model)
{
    judged->clear();
    for (const QString& path : paths)
        judged->push_back(pictureimport::importFile(model, model.defaults(), path, pictureimport::Conversion::toGif));
    judged = nullptr; // the caller's list is not the command's to keep
}

QString ImportPicturesCommand::describe(const LanguageTable& texts) const
{
    return commandtexts::text(langtext::edit::importPictures, texts);
}
