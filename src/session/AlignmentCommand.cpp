#include "session/AlignmentCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

AlignmentCommand::AlignmentCommand(SkinSession& session, idlescreen::ElementKind kind, int listEntry)
    : ElementCommand(session, kind), listEntry(listEntry)
{
    retranslate(session.languageTexts());
}

void AlignmentCommand::edit(SkinModel& model)
{
    writeAlignment(model, entry(), listEntry);
}

QString AlignmentCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::alignment, texts);
}
