#pragma once

#include "document/SkinModel.h"
#include "session/ElementCommand.h"

// The element given back to the default skin: every record of it leaves the
// edited skin (pictures with their bytes, state 2 and the JoyPad partner
// included), the background's palette item takes the default colour, the
// wallpaper shows the default skin's.
class BackToDefaultCommand : public ElementCommand {
public:
    BackToDefaultCommand(SkinSession& session, idlescreen::ElementKind kind);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;
    // The wallpaper given back shows the default skin's picture.
    void undoBeyondDocument(SkinModel& model) override { model.restoreWallpaperState(before); }
    void redoBeyondDocument(SkinModel& model) override { model.restoreWallpaperState(after); }
    bool changesBeyondDocument() const override { return wallpaperChanged; }

private:
    bool wallpaperChanged = false;
    SkinModel::WallpaperState before;
    SkinModel::WallpaperState after;
};
