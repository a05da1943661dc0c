#include "session/OutlineLevelCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

OutlineLevelCommand::OutlineLevelCommand(SkinSession& session, idlescreen::ElementKind kind, std::int32_t level)
    : ElementCommand(session, kind), level(level)
{
    retranslate(session.languageTexts());
}

void OutlineLevelCommand::edit(SkinModel& model)
{
    writeOutlineLevel(model, entry(), level);
}

QString OutlineLevelCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::outline, texts);
}

bool OutlineLevelCommand::mergesWith(const SkinEditCommand& later) const
{
    const auto* outline = dynamic_cast<const OutlineLevelCommand*>(&later);
    return outline && outline->kind() == kind();
}
