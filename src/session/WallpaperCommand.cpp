#include "session/WallpaperCommand.h"

#include "document/FileIo.h"
#include "document/LanguageTexts.h"
#include "session/CommandTexts.h"
#include "session/SkinSession.h"

WallpaperCommand::WallpaperCommand(SkinSession& session, std::string fullPath, std::vector<std::uint8_t> bytes)
    : SkinEditCommand(session), fullPath(std::move(fullPath))
{
    after.size = static_cast<std::int32_t>(bytes.size());
    after.bytes = std::move(bytes);
    after.source = fileNamePart(this->fullPath);
    retranslate(session.languageTexts());
}

void WallpaperCommand::edit(SkinModel& model)
{
    before = model.wallpaperState();
    model.setWallpaperName(fullPath);
    model.restoreWallpaperState(after);
}

QString WallpaperCommand::describe(const LanguageTable& texts) const
{
    return commandtexts::text(langtext::edit::wallpaper, texts);
}
