#include "session/BackToDefaultCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

BackToDefaultCommand::BackToDefaultCommand(SkinSession& session, idlescreen::ElementKind kind)
    : ElementCommand(session, kind)
{
    retranslate(session.languageTexts());
}

void BackToDefaultCommand::edit(SkinModel& model)
{
    restoreElementDefault(model, entry());
}

QString BackToDefaultCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::backToDefault, texts);
}
