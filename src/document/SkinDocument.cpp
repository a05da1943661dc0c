#include "document/SkinDocument.h"

#include "document/FileIo.h"
#include "document/LineLookup.h"
#include "document/PictureRecord.h"
#include "document/RecordKey.h"
#include "document/RecordScanner.h"
#include "document/RecordValues.h"
#include "document/SkinFileFormat.h"

#include <limits>

namespace {

constexpr std::int64_t largestDataFile = std::numeric_limits<std::int32_t>::max();
constexpr std::string_view paletteReadKey = "0 41 ";
constexpr std::string_view paletteWriteKey = "0 41 98";
// Item lines of a list carry no id; a setter only replaces a line that is
// such an item, never a record that lies where a header counts too many items.
constexpr std::string_view paletteItemPrefix = "4 ";
constexpr std::string_view rectItemPrefix = "1 ";
constexpr std::string_view phonePictureFolder = "/a/mobile/picture/";

} // namespace

// --- the line table ---------------------------------------------------------

int SkinDocument::findRecord(std::string_view key) const
{
    return findFirstLine(lineTable, key);
}

void SkinDocument::replaceLine(int index, std::string_view text)
{
    if (index < 0 || index >= lineCount())
        return;
    lineTable[std::size_t(index)].assign(text);
}

int SkinDocument::appendLine(std::string_view text)
{
    if (!loaded)
        return -1;
    lineTable.emplace_back(text);
    return 0;
}

int SkinDocument::removeLine(int index)
{
    if (!loaded || index < 0 || index >= lineCount())
        return -1;
    lineTable.erase(lineTable.begin() + index);
    return 0;
}

bool SkinDocument::hasRecord(RecordType type, ElementId id) const
{
    return findRecord(RecordKey(type, id).view()) >= 0;
}

int SkinDocument::removeRecord(RecordType type, ElementId id)
{
    if (type == RecordType::ListHeader)
        return 0;
    const RecordKey key(type, id);
    const int before = lineCount();
    for (int index = findRecord(key.view()); index >= 0; index = findRecord(key.view())) {
        const int count = lineCount();
        if (type == RecordType::Picture)
            removePicture(id);
        // Whatever removePicture makes of the line, it goes.
        if (lineCount() == count)
            removeLine(index);
    }
    return before - lineCount();
}

const std::string* SkinDocument::recordLine(std::string_view key) const
{
    const int index = findRecord(key);
    return index < 0 ? nullptr : &lineTable[std::size_t(index)];
}

void SkinDocument::upsert(std::string_view key, std::string line)
{
    const int index = findRecord(key);
    if (index >= 0)
        lineTable[std::size_t(index)] = std::move(line);
    else
        appendLine(line);
}

// --- files ------------------------------------------------------------------

int SkinDocument::load(const std::string& path)
{
    clear();
    const SkinStorage storage(path);
    std::vector<std::uint8_t> text;
    if (const int result = storage.readSkinFile(text); result != 0)
        return result;
    return loadParts(text, [&storage](std::int64_t file, std::vector<std::uint8_t>& bytes,
                                      std::optional<FileIdentity>& identity) {
        return storage.readDataFile(file, bytes, identity);
    }, path);
}

int SkinDocument::loadFromBuffers(std::span<const std::uint8_t> skinText,
                                  std::span<const std::vector<std::uint8_t>> buffers, const std::string& path)
{
    return loadParts(skinText, [buffers](std::int64_t file, std::vector<std::uint8_t>& bytes,
                                         std::optional<FileIdentity>& identity) {
        if (file >= std::int64_t(buffers.size()))
            return false;
        bytes = buffers[std::size_t(file)];
        identity.reset();
        return true;
    }, path);
}

int SkinDocument::loadParts(std::span<const std::uint8_t> text, const DataFileSource& readDataFile, const std::string& path)
{
    clear();
    if (!SkinFileFormat::hasSkinMagic(text))
        return 2;
    SkinFileFormat::SkinLines table = SkinFileFormat::splitLines(text);

    // Data files are read one after the other, so a record naming a huge file
    // number fails at the first missing file instead of allocating for it.
    std::vector<std::vector<std::uint8_t>> files;
    std::vector<DataFileState> states;
    for (std::int64_t file = 0; file < table.neededDataFiles; ++file) {
        std::vector<std::uint8_t> bytes;
        std::optional<FileIdentity> identity;
        if (!readDataFile(file, bytes, identity))
            return 3;
        files.push_back(std::move(bytes));
        states.push_back({false, identity});
    }

    lineTable = std::move(table.lines);
    dataFiles = std::move(files);
    dataStates = std::move(states);
    documentPath = path;
    loaded = true;
    return 0;
}

SkinFileContents SkinDocument::saveToBuffers() const
{
    SkinFileContents contents;
    std::size_t total = 0;
    for (const std::string& line : lineTable)
        total += line.size();
    contents.skinText.reserve(total);
    for (const std::string& line : lineTable)
        contents.skinText += line;
    // A data file a record names is written even when empty, or the skin
    // would not load again; another empty one is not part of the skin.
    const std::int64_t needed = SkinFileFormat::neededDataFiles(lineTable);
    for (int file = 0; file < dataFileCount(); ++file) {
        if (!dataFiles[std::size_t(file)].empty() || file < needed)
            contents.dataFiles.emplace_back(file, dataFiles[std::size_t(file)]);
    }
    return contents;
}

int SkinDocument::save(const std::string& path)
{
    // An empty document is not a skin: writing it would replace a good file
    // with one that cannot be opened again.
    if (!loaded)
        return 1;
    const std::string skinPath = SkinFileFormat::savedSkinPath(path);
    if (const int result = SkinStorage::write(skinPath, saveToBuffers(), dataStates); result != 0)
        return result;

    if (skinPath != documentPath) {
        // Take what was written back from the new place; if that cannot be
        // read, keep what is in memory rather than losing it.
        SkinDocument reread;
        if (reread.load(skinPath) == 0)
            *this = std::move(reread);
        documentPath = skinPath;
    }
    return 0;
}

void SkinDocument::clear()
{
    std::vector<std::string>().swap(lineTable);
    std::vector<std::vector<std::uint8_t>>().swap(dataFiles);
    std::vector<DataFileState>().swap(dataStates);
    documentPath.clear();
    loaded = false;
}

int SkinDocument::createNew(const std::string& name)
{
    clear();
    dataFiles.emplace_back();
    dataStates.emplace_back();
    documentPath = name;
    lineTable.emplace_back("SKI1\n");
    loaded = true;
    return 1;
}

std::uint32_t SkinDocument::dataSize(int file) const
{
    return static_cast<std::uint32_t>(dataFile(file).size());
}

std::span<const std::uint8_t> SkinDocument::dataFile(int file) const
{
    if (file < 0 || file >= dataFileCount())
        return {};
    return dataFiles[std::size_t(file)];
}

// --- typed properties ---------------------------------------------------------

SkinColour SkinDocument::getColour(ElementId id) const
{
    const RecordKey key(RecordType::Colour, id);
    const std::string* line = recordLine(key.view());
    if (!line)
        return {};
    RecordScanner values = RecordValues::after(*line, key.view());
    return RecordValues::readColour(values, true);
}

int SkinDocument::setColour(ElementId id, std::uint32_t colour, std::int32_t transparency)
{
    const RecordKey key(RecordType::Colour, id);
    upsert(key.view(), RecordValues::colourLine(key.view(), colour, transparency));
    return 1;
}

int SkinDocument::listItemLine(int header, std::string_view countKey, int index) const
{
    if (header < 0 || index < 1)
        return -1;
    // Past the count its header gives, a line is not an item of the list.
    std::int32_t count = -1;
    if (!RecordValues::after(lineTable[std::size_t(header)], countKey).number(count) || index > count
        || std::int64_t(header) + index >= lineCount())
        return -1;
    return header + index;
}

SkinColour SkinDocument::getPaletteColour(int index) const
{
    const int line = listItemLine(findRecord(paletteReadKey), paletteReadKey, index);
    if (line < 0)
        return {};
    RecordScanner item(lineTable[std::size_t(line)]);
    if (!item.literal(paletteItemPrefix))
        return {};
    return RecordValues::readColour(item, false);
}

int SkinDocument::setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency)
{
    const int line = listItemLine(findRecord(paletteWriteKey), paletteReadKey, index);
    if (line < 0 || !lineTable[std::size_t(line)].starts_with(paletteItemPrefix))
        return 0;
    replaceLine(line, RecordValues::colourLine(paletteItemPrefix, colour, transparency));
    return 1;
}

SkinRect SkinDocument::getRect(ElementId id) const
{
    const RecordKey key(RecordType::Rect, id);
    const std::string* line = recordLine(key.view());
    if (!line)
        return {};
    RecordScanner values = RecordValues::after(*line, key.view());
    return RecordValues::readRect(values);
}

int SkinDocument::setRect(ElementId id, const SkinRect& rect)
{
    if (!RecordValues::storable(rect))
        return 0;
    const RecordKey key(RecordType::Rect, id);
    upsert(key.view(), RecordValues::rectLine(key.view(), rect));
    return 1;
}

SkinRect SkinDocument::getListRect(ElementId id, int index) const
{
    if (index == 0)
        return getRect(id);
    const RecordKey key(RecordType::ListHeader, id);
    const int line = listItemLine(findRecord(key.view()), key.view(), index);
    if (line < 0)
        return {};
    RecordScanner item(lineTable[std::size_t(line)]);
    if (!item.literal(rectItemPrefix))
        return {};
    return RecordValues::readRect(item);
}

int SkinDocument::setListRect(const SkinRect& rect, ElementId id, int index)
{
    if (index == 0)
        return setRect(id, rect);
    const RecordKey key(RecordType::ListHeader, id);
    const int line = listItemLine(findRecord(key.view()), key.view(), index);
    if (line < 0 || !lineTable[std::size_t(line)].starts_with(rectItemPrefix) || !RecordValues::storable(rect))
        return 0;
    replaceLine(line, RecordValues::rectLine(rectItemPrefix, rect));
    return 1;
}

std::int32_t SkinDocument::getNumber(ElementId id) const
{
    const RecordKey key(RecordType::Number, id);
    const std::string* line = recordLine(key.view());
    if (!line)
        return -1;
    std::int32_t value = 0;
    return RecordValues::after(*line, key.view()).number(value) ? value : 0;
}

int SkinDocument::setNumber(ElementId id, std::int32_t value)
{
    const RecordKey key(RecordType::Number, id);
    upsert(key.view(), key.line({value}));
    return 1;
}

int SkinDocument::getFlag(ElementId id) const
{
    const RecordKey key(RecordType::Flag, id);
    const std::string* line = recordLine(key.view());
    std::string_view word;
    if (!line || !RecordValues::after(*line, key.view()).word(word))
        return -1;
    // Any word that orders before "true" counts as false.
    return word.compare("true") < 0 ? 0 : 1;
}

void SkinDocument::setFlag(ElementId id, int flag)
{
    const RecordKey key(RecordType::Flag, id);
    upsert(key.view(), key.line(flag != 0 ? "true" : "false"));
}

std::int32_t SkinDocument::getListCount(ElementId id) const
{
    const RecordKey key(RecordType::ListHeader, id);
    const std::string* line = recordLine(key.view());
    std::int32_t count = -1;
    if (!line || !RecordValues::after(*line, key.view()).number(count))
        return -1;
    return count;
}

std::string SkinDocument::getWallpaperName() const
{
    const RecordKey key(RecordType::PhonePath, wallpaperRecordId);
    const std::string* line = recordLine(key.view());
    std::string_view word;
    if (!line || !RecordValues::after(*line, key.view()).word(word))
        return {};
    const auto slash = word.rfind('/');
    return std::string(slash == std::string_view::npos ? word : word.substr(slash + 1));
}

void SkinDocument::setWallpaperName(const std::string& fullPath)
{
    const RecordKey key(RecordType::PhonePath, wallpaperRecordId);
    std::string value(phonePictureFolder);
    value += fileNamePart(fullPath);
    upsert(key.view(), key.line(value));
}

// --- pictures -----------------------------------------------------------------

bool SkinDocument::holdsRange(const PictureLocation& where) const
{
    return where.file >= 0 && where.file < dataFileCount()
        && PictureRecord::fitsIn(where, std::int64_t(dataFiles[std::size_t(where.file)].size()));
}

int SkinDocument::findPicture(ElementId id, std::optional<PictureLocation>& where) const
{
    where.reset();
    const RecordKey key(RecordType::Picture, id);
    const int index = findRecord(key.view());
    if (index < 0)
        return -1;
    const std::string& line = lineTable[std::size_t(index)];
    where = PictureRecord::fromValues(std::string_view(line).substr(key.view().size()));
    if (where && !holdsRange(*where))
        where.reset();
    return index;
}

int SkinDocument::getPicture(ElementId id, std::vector<std::uint8_t>& bytes) const
{
    std::optional<PictureLocation> where;
    findPicture(id, where);
    if (!where) {
        bytes.clear();
        return -1;
    }
    const auto& data = dataFiles[std::size_t(where->file)];
    bytes.assign(data.begin() + where->offset, data.begin() + where->offset + where->size);
    return where->size;
}

int SkinDocument::getPictureLocation(ElementId id, PictureLocation& where) const
{
    std::optional<PictureLocation> found;
    findPicture(id, found);
    if (!found)
        return 0;
    where = *found;
    return 1;
}

int SkinDocument::setPicture(ElementId id, std::span<const std::uint8_t> bytes)
{
    if (!loaded || bytes.size() > std::size_t(largestDataFile))
        return -1;
    const std::int32_t newSize = static_cast<std::int32_t>(bytes.size());
    std::optional<PictureLocation> where;
    const int index = findPicture(id, where);
    if (!where) {
        // New pictures, and those whose record names no usable bytes, are
        // stored at the end of data file 0; no other record is touched.
        const std::int64_t offset = appendPictureData(0, bytes);
        if (offset < 0)
            return -1;
        const std::string line = PictureRecord {id, {std::int32_t(offset), newSize, 0}}.line();
        if (index < 0)
            appendLine(line);
        else
            replaceLine(index, line);
        return 0;
    }
    const PictureLocation old = *where;
    const std::int64_t oldFileSize = std::int64_t(dataFiles[std::size_t(old.file)].size());
    if (replacePictureData(old.file, old.offset, old.size, bytes) != 0)
        return -1;
    updatePictureRecords(index, old, oldFileSize, newSize);
    return 0;
}

void SkinDocument::removePicture(ElementId id)
{
    std::optional<PictureLocation> where;
    const int index = findPicture(id, where);
    if (index < 0)
        return;
    if (!where) {
        removeLine(index);
        return;
    }
    const PictureLocation old = *where;
    const std::int64_t oldFileSize = std::int64_t(dataFiles[std::size_t(old.file)].size());
    cutPictureData(old.file, old.offset, old.size);
    updatePictureRecords(index, old, oldFileSize, std::nullopt);
}

void SkinDocument::updatePictureRecords(int ownIndex, const PictureLocation& old, std::int64_t oldFileSize,
                                        std::optional<std::int32_t> newSize)
{
    const std::int64_t oldEnd = std::int64_t(old.offset) + old.size;
    const std::int64_t shift = std::int64_t(newSize.value_or(0)) - old.size;
    for (int i = 0; i < lineCount();) {
        const std::string& line = lineTable[std::size_t(i)];
        const std::optional<PictureRecord> record = line.empty() || line[0] != '5' ? std::nullopt : PictureRecord::fromLine(line);
        // Lines of other files, and lines that do not name bytes inside this
        // file as it was, are left as they are.
        if (!record || record->where.file != old.file || !PictureRecord::fitsIn(record->where, oldFileSize)) {
            ++i;
            continue;
        }
        // Linked ids share file, offset and size; an empty picture shares its
        // offset with the picture after it, so it is only ever its own record.
        const bool samePicture = i == ownIndex || (old.size > 0 && record->where == old);
        PictureRecord changed = *record;
        if (samePicture && !newSize) {
            lineTable.erase(lineTable.begin() + i);
            if (i < ownIndex)
                --ownIndex;
            else if (i == ownIndex)
                ownIndex = -1;
            continue;
        }
        if (samePicture)
            changed.where.size = *newSize;
        else if (record->where.offset >= oldEnd)
            changed.where.offset = static_cast<std::int32_t>(record->where.offset + shift);
        if (!(changed.where == record->where))
            lineTable[std::size_t(i)] = changed.line();
        ++i;
    }
}

int SkinDocument::linkPicture(ElementId first, ElementId second)
{
    std::optional<PictureLocation> where;
    findPicture(first, where);
    if (!where)
        return 0;
    const PictureRecord link {second, *where};
    upsert(RecordKey(RecordType::Picture, second).view(), link.line());
    return 1;
}

std::vector<ElementId> SkinDocument::pictureIds() const
{
    std::vector<ElementId> ids;
    for (const std::string& line : lineTable) {
        if (line.empty() || line[0] != '5')
            continue;
        RecordScanner scanner(line);
        std::int32_t id = 0;
        if (scanner.literal("5 ") && scanner.number(id))
            ids.push_back(id);
    }
    return ids;
}

std::int64_t SkinDocument::appendPictureData(int file, std::span<const std::uint8_t> bytes)
{
    if (dataFiles.empty()) {
        dataFiles.emplace_back();
        dataStates.emplace_back();
    }
    if (file < 0 || file >= dataFileCount())
        return -1;
    auto& data = dataFiles[std::size_t(file)];
    const std::int64_t offset = std::int64_t(data.size());
    if (std::int64_t(bytes.size()) > largestDataFile - offset)
        return -1;
    touchDataFile(file);
    // Built afresh: the new bytes may be a view of this very buffer.
    std::vector<std::uint8_t> grown;
    grown.reserve(data.size() + bytes.size());
    grown.insert(grown.end(), data.begin(), data.end());
    grown.insert(grown.end(), bytes.begin(), bytes.end());
    data.swap(grown);
    return offset;
}

int SkinDocument::replacePictureData(int file, std::int32_t offset, std::int32_t oldSize, std::span<const std::uint8_t> bytes)
{
    if (file < 0 || file >= dataFileCount())
        return -1;
    auto& data = dataFiles[std::size_t(file)];
    const std::int64_t size = std::int64_t(data.size());
    if (!PictureRecord::fitsIn({offset, oldSize, file}, size)
        || size - oldSize + std::int64_t(bytes.size()) > largestDataFile)
        return -1;
    std::vector<std::uint8_t> rebuilt;
    rebuilt.reserve(std::size_t(size - oldSize) + bytes.size());
    rebuilt.insert(rebuilt.end(), data.begin(), data.begin() + offset);
    rebuilt.insert(rebuilt.end(), bytes.begin(), bytes.end());
    rebuilt.insert(rebuilt.end(), data.begin() + offset + oldSize, data.end());
    data.swap(rebuilt);
    touchDataFile(file);
    return 0;
}

int SkinDocument::cutPictureData(int file, std::int32_t offset, std::int32_t size)
{
    if (file < 0 || file >= dataFileCount())
        return -1;
    auto& data = dataFiles[std::size_t(file)];
    if (!PictureRecord::fitsIn({offset, size, file}, std::int64_t(data.size())))
        return -1;
    data.erase(data.begin() + offset, data.begin() + offset + size);
    touchDataFile(file);
    return 0;
}

void SkinDocument::touchDataFile(int file)
{
    dataStates[std::size_t(file)].changed = true;
}
