#pragma once

#include "document/SkinDocument.h"
#include "document/SkinResults.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the editor works on: the edited skin and the default skin that
// supplies every record the edited skin lacks. Getters ask the edited skin
// first and fall back to the default skin; setters write to the edited skin
// only. Both documents are read through edited() and defaults(); every
// change goes through the calls below.
class SkinModel {
public:
    SkinModel() = default;
    virtual ~SkinModel() = default;
    SkinModel(const SkinModel&) = delete;
    SkinModel& operator=(const SkinModel&) = delete;

    const SkinDocument& edited() const { return skin; }       // the skin being edited
    const SkinDocument& defaults() const { return defaultSkin; } // never written, never saved

    // Folder of the default skin file, ending in its separator; "" until one is loaded.
    const std::string& defaultFolder() const { return defaultSkinFolder; }
    // -1 while there are no wallpaper bytes.
    std::int32_t wallpaperSize() const { return wallpaperByteCount; }
    const std::vector<std::uint8_t>& wallpaperBytes() const { return wallpaper; }

    // When a load reads the pictures' bytes: the editor reads every data file
    // at once (it shows them all and keeps the bytes it saw), the tool only
    // the ranges a command needs, when it needs them.
    enum class PictureBytes { WhenNeeded, AtLoad };

    // The editor's Open: the skin, every data file and its wallpaper. On
    // failure the edited skin and the wallpaper stay as they were, and
    // failedFile (when given) names the file the load stumbled on, as
    // SkinDocument::load.
    [[nodiscard]] LoadResult openSkin(const std::string& path, std::string* failedFile = nullptr);
    // The skin's file alone, as the command-line tool reads it: no wallpaper
    // is read. On failure the edited skin is empty. Loads wait up to lockWait
    // for another program saving the skin.
    [[nodiscard]] LoadResult loadSkin(const std::string& path,
                                      std::chrono::milliseconds lockWait = SkinLock::standardWait);
    // Loaded, and long enough to serve as a default skin (TooShort: loaded,
    // but refused; its lines stay readable through defaults()). failedFile
    // as for openSkin.
    [[nodiscard]] LoadResult loadDefaultSkin(const std::string& path, std::string* failedFile = nullptr,
                                             std::chrono::milliseconds lockWait = SkinLock::standardWait,
                                             PictureBytes pictureBytes = PictureBytes::WhenNeeded);
    // Documents loaded elsewhere (from memory) become the edited or the
    // default skin as they are.
    void adoptSkin(SkinDocument&& document) { skin = std::move(document); }
    void adoptDefaultSkin(SkinDocument&& document) { defaultSkin = std::move(document); }
    // Saves the edited skin; after a save the wallpaper file is written
    // beside the saved ".ski" file.
    [[nodiscard]] SaveResult saveSkin(const std::string& path);
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
    // The wallpaper record names the file, and its bytes are read.
    void setWallpaper(const std::string& fullPath);
    // The wallpaper record alone; no bytes are read.
    void setWallpaperName(const std::string& fullPath) { skin.setWallpaperName(fullPath); }

    // The wallpaper as the model holds it (name record aside), so that an
    // edit of it can be put back.
    struct WallpaperState {
        std::int32_t size = -1;
        std::vector<std::uint8_t> bytes;
        std::string source;
    };
    WallpaperState wallpaperState() const { return {wallpaperByteCount, wallpaper, wallpaperSource}; }
    // The name of the file the wallpaper bytes were read from ("" without bytes).
    const std::string& wallpaperFileName() const { return wallpaperSource; }
    void restoreWallpaperState(WallpaperState state);
    // The wallpaper the records name read afresh (the skin's own, or the
    // default skin's), or none when it cannot be read: after New and Open.
    void reloadWallpaper();

    SkinColour getColour(ElementId id) const;
    bool setColour(ElementId id, std::uint32_t colour, std::int32_t transparency);
    SkinColour getPaletteColour(int index) const;
    [[nodiscard]] bool setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency);
    // An item of the palette is the edited skin's own when it differs from
    // the default skin's: a new skin starts with a copy of the whole list.
    bool paletteColourDiffers(int index) const;
    // The default skin's item into the edited skin's list (the list keeps its
    // length; nothing happens when either skin lacks the item).
    void restorePaletteColour(int index);
    SkinRect getRect(ElementId id) const;
    [[nodiscard]] bool setRect(ElementId id, const SkinRect& rect);
    SkinRect getListRect(ElementId id, int index) const;
    // The first edit of an item copies the whole list from the default skin.
    [[nodiscard]] bool setListRect(const SkinRect& rect, ElementId id, int index);
    std::int32_t getNumber(ElementId id) const;
    bool setNumber(ElementId id, std::int32_t value);
    int getFlag(ElementId id) const;
    void setFlag(ElementId id, int flag);
    std::int32_t getListCount(ElementId id) const;

    // True when the edited skin holds a record of that type and id.
    bool ownsRecord(RecordType type, ElementId id) const { return skin.hasRecord(type, id); }
    // Takes the record out of the edited skin (see SkinDocument::removeRecord).
    int removeRecord(RecordType type, ElementId id) { return skin.removeRecord(type, id); }
    // The edited skin's first record of the picture, with its bytes (see SkinDocument::removePicture).
    void removePicture(ElementId id) { skin.removePicture(id); }

    int getPicture(ElementId id, std::vector<std::uint8_t>& bytes) const;
    // Stores the bytes as the edited skin's picture; false when they cannot be stored.
    [[nodiscard]] bool setPicture(ElementId id, std::span<const std::uint8_t> bytes);
    // The file's bytes as the edited skin's picture; false when the file
    // cannot be read or the bytes cannot be stored.
    [[nodiscard]] bool setPictureFromFile(ElementId id, const std::string& path);
    // second shares first's bytes; false when first has no usable record.
    bool linkPicture(ElementId first, ElementId second);

    // Every change of the edited skin's lines and bytes from now on is also
    // recorded into change (nullptr: none is); undo and redo put a recorded
    // change back and make it again.
    void recordChangesInto(DocumentChange* change) { skin.recordChangesInto(change); }
    [[nodiscard]] bool undo(const DocumentChange& change) { return skin.undo(change); }
    [[nodiscard]] bool redo(const DocumentChange& change) { return skin.redo(change); }

private:
    // Tests build skins record by record through it.
    friend struct SkinModelTestAccess;

    // Appends the default skin's list block that starts at header to skin.
    void copyListFromDefault(int header, std::int32_t itemCount);
    // Forgets the wallpaper bytes, so that no other skin's wallpaper is shown or saved.
    void dropWallpaper();
    // True when path names the skin file or one of its data files.
    bool isSkinsOwnFile(const std::string& path) const;

    SkinDocument skin;
    SkinDocument defaultSkin;
    std::string defaultSkinFolder;
    std::int32_t wallpaperByteCount = -1;
    std::vector<std::uint8_t> wallpaper;
    std::string wallpaperSource; // file name the bytes were read from
};
