#include "session/ReplacePictureCommand.h"

#include "document/LanguageTexts.h"
#include "document/SkinModel.h"
#include "session/CommandTexts.h"
#include "session/SkinSession.h"

ReplacePictureCommand::ReplacePictureCommand(SkinSession& session, ElementId id, std::vector<std::uint8_t> bytes)
    : SkinEditCommand(session), id(id), bytes(std::move(bytes))
{
    retranslate(session.languageTexts());
}

void ReplacePictureCommand::edit(SkinModel& model)
{
    (void)model.setPicture(id, bytes); // a skin that holds nothing stores nothing: nothing to undo
    // The recorded change holds the bytes from here on.
    std::vector<std::uint8_t>().swap(bytes);
}

QString ReplacePictureCommand::describe(const LanguageTable& texts) const
{
    return commandtexts::withArgument(langtext::edit::replacePicture, QString::number(id), texts);
}
