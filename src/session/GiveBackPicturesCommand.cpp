#include "session/GiveBackPicturesCommand.h"

#include "document/LanguageTexts.h"
#include "session/CommandTexts.h"
#include "session/PictureEdits.h"
#include "session/SkinSession.h"

GiveBackPicturesCommand::GiveBackPicturesCommand(SkinSession& session, std::vector<ElementId> ids,
                                                 std::vector<ElementId>& keptForSize)
    : SkinEditCommand(session), ids(std::move(ids)), kept(&keptForSize)
{
    retranslate(session.languageTexts());
}

void GiveBackPicturesCommand::edit(SkinModel& model)
{
    kept->clear();
    for (const ElementId id : ids)
        if (pictureedits::giveBackPicture(model, id) == pictureedits::GiveBack::OtherSize)
            kept->push_back(id);
    kept = nullptr; // the caller's list is not the command's to keep
}

QString GiveBackPicturesCommand::describe(const LanguageTable& texts) const
{
    return commandtexts::text(langtext::edit::giveBackPictures, texts);
}
