#include "session/ImportPicturesCommand.h"

#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "session/CommandTexts.h"
#include "session/SkinSession.h"

ImportPicturesCommand::ImportPicturesCommand(SkinSession& session, QString folder, QStringList names)
    : SkinEditCommand(session), folder(std::move(folder)), names(std::move(names))
{
    retranslate(session.languageTexts());
}

void ImportPicturesCommand::edit(SkinModel& model)
{
    for (const QString& name : names)
        results.push_back(pictureimport::importFile(model, model.defaults(), folder, name));
}

QString ImportPicturesCommand::describe(const LanguageTable& texts) const
{
    return commandtexts::text(langtext::edit::importPictures, texts);
}
