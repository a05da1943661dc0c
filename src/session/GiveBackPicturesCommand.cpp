#include "session/GiveBackPicturesCommand.h"

#include "document/LanguageTexts.h"
#include "session/CommandTexts.h"
#include "session/PictureEdits.h"
#include "session/SkinSession.h"

GiveBackPicturesCommand::GiveBackPicturesCommand(SkinSession& session, std::vector<ElementId> ids)
    : SkinEditCommand(session), ids(std::move(ids))
{
    retranslate(session.languageTexts());
}

void GiveBackPicturesCommand::edit(SkinModel& model)
{
    for (const ElementId id : ids)
        if (pictureedits::giveBackPicture(model, id) == pictureedits::GiveBack::OtherSize)
            kept.push_back(id);
}

QString GiveBackPicturesCommand::describe(const LanguageTable& texts) const
{
    return commandtexts::text(langtext::edit::giveBackPictures, texts);
}
