#include "document/SkinModel.h"

#include "document/FileIo.h"
#include "document/RecordKey.h"
#include "document/SkinFileFormat.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {
constexpr std::string_view paletteHeaderKey = "0 41 98";
}

LoadResult SkinModel::openSkin(const std::string& path, std::string* failedFile)
{
    // Loaded aside: a file that does not load leaves the edited skin as it was.
    SkinDocument opened;
    if (const LoadResult result = opened.load(path, failedFile); result != LoadResult::Loaded)
        return result;
    if (!opened.readAllDataFiles()) {
        if (failedFile)
            *failedFile = opened.unreadableDataFile();
        return LoadResult::DataFileUnreadable;
    }
    skin = std::move(opened);
    reloadWallpaper();
    return LoadResult::Loaded;
}

LoadResult SkinModel::loadSkin(const std::string& path, std::chrono::milliseconds lockWait)
{
    dropWallpaper();
    return skin.load(path, nullptr, lockWait);
}

LoadResult SkinModel::loadDefaultSkin(const std::string& path, std::string* failedFile,
                                      std::chrono::milliseconds lockWait, PictureBytes pictureBytes)
{
    if (const LoadResult result = defaultSkin.load(path, failedFile, lockWait); result != LoadResult::Loaded)
        return result;
    if (pictureBytes == PictureBytes::AtLoad && !defaultSkin.readAllDataFiles()) {
        if (failedFile)
            *failedFile = defaultSkin.unreadableDataFile();
        return LoadResult::DataFileUnreadable;
    }
    if (defaultSkin.lineCount() < minimumDefaultSkinLines) {
        if (failedFile)
            *failedFile = path;
        return LoadResult::TooShort;
    }
    defaultSkinFolder = folderPart(path);
    // A skin without a wallpaper of its own shows the new default skin's.
    if (skin.hasLineTable() && skin.getWallpaperName().empty())
        reloadWallpaper();
    return LoadResult::Loaded;
}

SaveResult SkinModel::saveSkin(const std::string& path)
{
    const SaveResult result = skin.save(path);
    // Only a saved skin takes its wallpaper along, into the folder it now lies in.
    if (result == SaveResult::Saved)
        writeWallpaperFile();
    return result;
}

void SkinModel::newSkin(const std::string& name)
{
    skin.createNew(name);
    const int header = defaultSkin.findRecord(paletteHeaderKey);
    if (header >= 0)
        copyListFromDefault(header, paletteItemCount);
    reloadWallpaper();
}

void SkinModel::copyListFromDefault(int header, std::int32_t itemCount)
{
    // The header and its items, as far as the default skin holds them.
    const std::int64_t end = std::min<std::int64_t>(defaultSkin.lineCount(), std::int64_t(header) + itemCount + 1);
    for (std::int64_t i = header; i < end; ++i)
        (void)skin.appendLine(defaultSkin.line(int(i)));
}

std::string SkinModel::wallpaperPath() const
{
    const std::string name = skin.getWallpaperName();
    if (name.empty()) {
        const std::string defaultName = defaultSkin.getWallpaperName();
        return defaultName.empty() ? std::string() : defaultSkinFolder + defaultName;
    }
    // A new skin has no folder yet: its wallpaper is looked for in the working folder.
    const std::string besideSkin = folderPart(skin.path()) + name;
    std::error_code error;
    if (besideSkin != name && std::filesystem::is_regular_file(besideSkin, error))
        return besideSkin;
    return name;
}

bool SkinModel::loadWallpaperFile(const std::string& path)
{
    if (path.empty())
        return false;
    std::vector<std::uint8_t> bytes;
    const std::int64_t size = readWholeFile(path, bytes);
    if (size < 0)
        return false;
    wallpaper = std::move(bytes);
    wallpaperByteCount = static_cast<std::int32_t>(size);
    wallpaperSource = fileNamePart(path);
    return true;
}

void SkinModel::reloadWallpaper()
{
    // Another skin's bytes must not stay behind when this skin's cannot be read.
    dropWallpaper();
    loadWallpaperFile(wallpaperPath());
}

void SkinModel::dropWallpaper()
{
    std::vector<std::uint8_t>().swap(wallpaper);
    wallpaperByteCount = -1;
    wallpaperSource.clear();
}

bool SkinModel::isSkinsOwnFile(const std::string& path) const
{
    if (path == skin.path())
        return true;
    const std::string base = SkinFileFormat::loadBaseName(skin.path());
    for (int file = 0; file < skin.dataFileCount(); ++file) {
        if (path == SkinFileFormat::dataFileName(base, file))
            return true;
    }
    return false;
}

void SkinModel::writeWallpaperFile()
{
    const std::string name = skin.getWallpaperName();
    // Bytes read for another name (an unreadable wallpaper leaves the old
    // bytes in place) are not this skin's wallpaper.
    if (name.empty() || wallpaperByteCount <= 0 || name != wallpaperSource)
        return;
    const std::string target = folderPart(skin.path()) + name;
    if (!isSkinsOwnFile(target))
        writeWholeFile(wallpaper, target);
}

void SkinModel::setWallpaper(const std::string& fullPath)
{
    skin.setWallpaperName(fullPath);
    loadWallpaperFile(fullPath);
}

void SkinModel::restoreWallpaperState(WallpaperState state)
{
    wallpaperByteCount = state.size;
    wallpaper = std::move(state.bytes);
    wallpaperSource = std::move(state.source);
}

// --- typed properties: skin first, then the default skin ------------------------

SkinColour SkinModel::getColour(ElementId id) const
{
    const SkinColour own = skin.getColour(id);
    return own.transparency < 0 ? defaultSkin.getColour(id) : own;
}

bool SkinModel::setColour(ElementId id, std::uint32_t colour, std::int32_t transparency)
{
    return skin.setColour(id, colour, transparency);
}

SkinColour SkinModel::getPaletteColour(int index) const
{
    const SkinColour own = skin.getPaletteColour(index);
    return own.transparency < 0 ? defaultSkin.getPaletteColour(index) : own;
}

bool SkinModel::setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency)
{
    return skin.setPaletteColour(index, colour, transparency);
}

bool SkinModel::paletteColourDiffers(int index) const
{
    const SkinColour own = skin.getPaletteColour(index);
    return own.transparency >= 0 && own != defaultSkin.getPaletteColour(index);
}

void SkinModel::restorePaletteColour(int index)
{
    const SkinColour original = defaultSkin.getPaletteColour(index);
    if (original.transparency >= 0 && skin.getPaletteColour(index).transparency >= 0)
        (void)skin.setPaletteColour(index, original.colour, original.transparency);
}

SkinRect SkinModel::getRect(ElementId id) const
{
    const SkinRect own = skin.getRect(id);
    return own.left == own.right ? defaultSkin.getRect(id) : own;
}

bool SkinModel::setRect(ElementId id, const SkinRect& rect)
{
    return skin.setRect(id, rect);
}

SkinRect SkinModel::getListRect(ElementId id, int index) const
{
    const SkinRect own = skin.getListRect(id, index);
    return own.left == own.right ? defaultSkin.getListRect(id, index) : own;
}

bool SkinModel::setListRect(const SkinRect& rect, ElementId id, int index)
{
    if (const bool written = skin.setListRect(rect, id, index); written || index == 0)
        return written;
    const RecordKey key(RecordType::ListHeader, id);
    // A list the skin already holds is never copied a second time.
    if (skin.findRecord(key.view()) >= 0)
        return false;
    const int header = defaultSkin.findRecord(key.view());
    const std::int32_t count = defaultSkin.getListCount(id);
    // Nothing is copied for an index the list does not have.
    if (header < 0 || count < 0 || index < 1 || index > count)
        return false;
    // The first edit of any item copies the header and all its items.
    copyListFromDefault(header, count);
    return skin.setListRect(rect, id, index);
}

std::int32_t SkinModel::getNumber(ElementId id) const
{
    const std::int32_t own = skin.getNumber(id);
    return own < 0 ? defaultSkin.getNumber(id) : own;
}

bool SkinModel::setNumber(ElementId id, std::int32_t value)
{
    return skin.setNumber(id, value);
}

int SkinModel::getFlag(ElementId id) const
{
    const int own = skin.getFlag(id);
    return own == -1 ? defaultSkin.getFlag(id) : own;
}

void SkinModel::setFlag(ElementId id, int flag)
{
    skin.setFlag(id, flag);
}

std::int32_t SkinModel::getListCount(ElementId id) const
{
    const std::int32_t own = skin.getListCount(id);
    return own < 0 ? defaultSkin.getListCount(id) : own;
}

// --- pictures ---------------------------------------------------------------

int SkinModel::getPicture(ElementId id, std::vector<std::uint8_t>& bytes) const
{
    const int size = skin.getPicture(id, bytes);
    return size == -1 ? defaultSkin.getPicture(id, bytes) : size;
}

bool SkinModel::setPicture(ElementId id, std::span<const std::uint8_t> bytes)
{
    return skin.setPicture(id, bytes);
}

bool SkinModel::setPictureFromFile(ElementId id, const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(path, bytes) < 0)
        return false;
    // A skin that holds nothing (after a failed Open) cannot store it either.
    return skin.setPicture(id, bytes);
}

bool SkinModel::linkPicture(ElementId first, ElementId second)
{
    return skin.linkPicture(first, second);
}
