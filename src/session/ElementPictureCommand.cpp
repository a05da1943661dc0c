#include "session/ElementPictureCommand.h"

#include "document/LanguageTexts.h"
#include "idlescreen/ElementEdits.h"
#include "session/SkinSession.h"

ElementPictureCommand::ElementPictureCommand(SkinSession& session, idlescreen::ElementKind kind,
                                             std::vector<std::uint8_t> bytes, int width, int height)
    : ElementCommand(session, kind), bytes(std::move(bytes)), width(width), height(height)
{
    retranslate(session.languageTexts());
}

void ElementPictureCommand::edit(SkinModel& model)
{
    const idlescreen::ElementEntry& element = entry();
    const bool stored = model.setPicture(element.picture, bytes);
    // The recorded change holds the bytes from here on.
    std::vector<std::uint8_t>().swap(bytes);
    if (!stored)
        return;
    const SkinRect current = model.getRect(element.rect);
    const SkinRect sized{current.left, current.top, std::int32_t(std::int64_t(current.left) + width),
                         std::int32_t(std::int64_t(current.top) + height)};
    (void)writeElementRect(model, element, sized);
    linkMirroredPicture(model, element);
}

QString ElementPictureCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::picture, texts);
}
