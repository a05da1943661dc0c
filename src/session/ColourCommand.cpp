#include "session/ColourCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

ColourCommand::ColourCommand(SkinSession& session, idlescreen::ElementKind kind, std::size_t row,
                             std::uint32_t colour, std::int32_t typedTransparency)
    : ElementCommand(session, kind), row(row), colour(colour), typed(typedTransparency)
{
    retranslate(session.languageTexts());
}

void ColourCommand::edit(SkinModel& model)
{
    writeElementColour(model, entry(), row, colour, typed);
}

QString ColourCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::colour, texts);
}
