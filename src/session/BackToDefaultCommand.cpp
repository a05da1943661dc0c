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
    if (entry().layout != idlescreen::PanelLayout::Wallpaper)
        return;
    before = model.wallpaperState();
    model.reloadWallpaper();
    after = model.wallpaperState();
    wallpaperChanged = after.size != before.size || after.source != before.source || after.bytes != before.bytes;
}

QString BackToDefaultCommand::describe(const LanguageTable& texts) const
{
    return named(langtext::edit::backToDefault, texts);
}
