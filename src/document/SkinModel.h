#pragma once

#include "document/SkinDocument.h"

#include <cstdint>
#include <string>
#include <vector>

// What the editor works on: the edited skin and the default skin that
// supplies every record the edited skin lacks. Getters ask skin first and
// fall back to defaultSkin; setters write to skin only.
class SkinModel {
public:
    SkinModel() = default;
    virtual ~SkinModel() = default;
    SkinModel(const SkinModel&) = delete;
    SkinModel& operator=(const SkinModel&) = delete;

    SkinDocument skin;        // the skin being edited
    SkinDocument defaultSkin; // never written, never saved

    // Folder of the default skin file, ending in its separator; "" until one is loaded.
    const std::string& defaultFolder() const { return defaultSkinFolder; }
    // -1 while there are no wallpaper bytes.
    std::int32_t wallpaperSize() const { return wallpaperByteCount; }
    const std::vector<std::uint8_t>& wallpaperBytes() const { return wallpaper; }

    // 0; -1 when the file does not load, and then skin and wallpaper stay as they were.
    int openSkin(const std::string& path);
    int loadDefaultSkin(const std::string& path);  // 1 loaded and accepted; 0 otherwise
    // The result of saving skin (0 saved, 1 or 2 as SkinDocument::save), so
    // that the shell can tell the user about a failed save. After a save the
    // wallpaper file is written beside the saved ".ski" file.
    int saveSkin(const std::string& path);
    void newSkin(const std::string& name);
    // Where the wallpaper is read from. The skin's own wallpaper (a bare file
    // name) lies beside the skin's file; skins of older versions kept it in the
    // working folder, where it is looked for next. A skin without a wallpaper
    // shows the default skin's, from the default skin's folder.
    std::string wallpaperPath() const;
    // True when the file was read into wallpaperBytes; otherwise they stay as they were.
    bool loadWallpaperFile(const std::string& path);
    // Writes the wallpaper bytes under the skin's wallpaper name into the
    // folder of the skin's file, but only bytes that were read for that name,
    // and never over the skin's own ".ski" or data files.
    void writeWallpaperFile();
    void setWallpaper(const std::string& fullPath);

    SkinColour getColour(ElementId id) const;
    int setColour(ElementId id, std::uint32_t colour, std::int32_t transparency);
    SkinColour getPaletteColour(int index) const;
    int setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency);
    // An item of the palette is the edited skin's own when it differs from
    // the default skin's: a new skin starts with a copy of the whole list.
    bool paletteColourDiffers(int index) const;
    // The default skin's item into the edited skin's list (the list keeps its
    // length; nothing happens when either skin lacks the item).
    void restorePaletteColour(int index);
    SkinRect getRect(ElementId id) const;
    int setRect(ElementId id, const SkinRect& rect);
    SkinRect getListRect(ElementId id, int index) const;
    // The first edit of an item copies the whole list from the default skin.
    int setListRect(const SkinRect& rect, ElementId id, int index);
    std::int32_t getNumber(ElementId id) const;
    int setNumber(ElementId id, std::int32_t value);
    int getFlag(ElementId id) const;
    void setFlag(ElementId id, int flag);
    std::int32_t getListCount(ElementId id) const;

    int getPicture(ElementId id, std::vector<std::uint8_t>& bytes) const;
    int setPictureFromFile(ElementId id, const std::string& path); // 1 stored; 0 unreadable or not stored
    int linkPicture(ElementId first, ElementId second);

private:
    // Appends the default skin's list block that starts at header to skin.
    void copyListFromDefault(int header, std::int32_t itemCount);
    // Forgets the wallpaper bytes, so that no other skin's wallpaper is shown or saved.
    void dropWallpaper();
    // The edited skin's own wallpaper, or none: after New and Open.
    void reloadWallpaper();
    // True when path names the skin file or one of its data files.
    bool isSkinsOwnFile(const std::string& path) const;

    std::string defaultSkinFolder;
    std::int32_t wallpaperByteCount = -1;
    std::vector<std::uint8_t> wallpaper;
    std::string wallpaperSource; // file name the bytes were read from
};
