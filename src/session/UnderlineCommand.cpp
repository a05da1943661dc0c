#include "session/UnderlineCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

UnderlineCommand::UnderlineCommand(SkinSession& session, idlescreen::ElementKind kind, bool underlined)
    : ElementCommand(session, kind), underlined(underlined)
{
    retranslate(session.languageTexts());
}

void UnderlineCommand::edit(SkinModel& model)
{
    writeUnderline(model, entry(), underlined ? 1 : 0);
}

QString UnderlineCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::underline, texts);
}
