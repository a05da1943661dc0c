#include "session/RectCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

RectCommand::RectCommand(SkinSession& session, idlescreen::ElementKind kind, Rule rule, const SkinRect& rect)
    : ElementCommand(session, kind), rule(rule), rect(rect)
{
    retranslate(session.languageTexts());
}

RectCommand::RectCommand(SkinSession& session, idlescreen::ElementKind kind, idlescreen::Frame frame,
                         const ViewOptions& view, const SkinRect& rect)
    : ElementCommand(session, kind), rule(Rule::Dropped), rect(rect), frame(frame), view(view)
{
    retranslate(session.languageTexts());
}

void RectCommand::edit(SkinModel& model)
{
    switch (rule) {
    case Rule::Element: (void)writeElementRect(model, entry(), rect); break;
    case Rule::Placed: (void)writePlacedElementRect(model, entry(), rect); break;
    case Rule::Dropped: (void)writeDroppedFrame(model, frame, view, rect); break;
    }
}

QString RectCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::move, texts);
}

bool RectCommand::mergesWith(const SkinEditCommand& later) const
{
    const auto* moved = dynamic_cast<const RectCommand*>(&later);
    return moved && moved->kind() == kind() && moved->rule == rule;
}
