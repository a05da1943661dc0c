#include "session/NumberCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

NumberCommand::NumberCommand(SkinSession& session, idlescreen::ElementKind kind, std::size_t row,
                             std::uint32_t buttonColour, std::int32_t value)
    : ElementCommand(session, kind), row(row), buttonColour(buttonColour), value(value)
{
    retranslate(session.languageTexts());
}

void NumberCommand::edit(SkinModel& model)
{
    writeElementNumber(model, entry(), row, buttonColour, value);
}

QString NumberCommand::describe(const LanguageTable& texts) const
{
    const bool handLength = entry().layout == idlescreen::PanelLayout::AnalogClock;
    return named(handLength ? langtext::edit::handLength : langtext::edit::transparency, texts);
}

bool NumberCommand::mergesWith(const SkinEditCommand& later) const
{
    const auto* number = dynamic_cast<const NumberCommand*>(&later);
    return number && number->kind() == kind() && number->row == row;
}
