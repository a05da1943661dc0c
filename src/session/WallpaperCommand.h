#pragma once

#include "document/SkinModel.h"
#include "session/SkinEditCommand.h"

#include <string>
#include <vector>

// A wallpaper chosen: the record names the file, and the bytes read from it
// are the skin's wallpaper (shown, checked and saved from them) until
// another skin is loaded.
class WallpaperCommand : public SkinEditCommand {
public:
    WallpaperCommand(SkinSession& session, std::string fullPath, std::vector<std::uint8_t> bytes);

protected:
    void edit(SkinModel& model) override;
    QString describe(const LanguageTable& texts) const override;
    void undoBeyondDocument(SkinModel& model) override { model.restoreWallpaperState(before); }
    void redoBeyondDocument(SkinModel& model) override { model.restoreWallpaperState(after); }
    bool changesBeyondDocument() const override { return true; }

private:
    std::string fullPath;
    SkinModel::WallpaperState before;
    SkinModel::WallpaperState after;
};
