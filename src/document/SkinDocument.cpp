#include "SkinDocument.h"

#include "FileIo.h"
#include "PictureRecord.h"
#include "RecordKey.h"
#include "RecordScanner.h"
#include "SkinFileFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::int64_t largestDataFile = std::numeric_limits<std::int32_t>::max();
constexpr std::string_view paletteReadKey = "0 41 ";
constexpr std::string_view paletteWriteKey = "0 41 98";
constexpr std::string_view phonePictureFolder = "/a/mobile/picture/";

// The values of a record: the text of its line after the key.
RecordScanner valuesAfter(const std::string& line, std::string_view key)
{
    return RecordScanner(std::string_view(line).substr(key.size()));
}

// "%ld %ld %ld %ld" as red, green, blue, transparency.
SkinColour readColour(RecordScanner& scanner, bool transparencyInColour)
{
    std::int32_t v[4];
    if (!scanner.numbers(v, 4))
        return {};
    std::uint32_t colour = makeColour(v[0], v[1], v[2]);
    if (transparencyInColour)
        colour |= (std::uint32_t(v[3]) & 0xFF) << 24;
    return {colour, v[3]};
}

// "%ld %ld %ld %ld" as x1, y1, x2, y2 with x2 and y2 the last pixel inside.
SkinRect readRect(RecordScanner& scanner)
{
    std::int32_t v[4];
    if (!scanner.numbers(v, 4))
        return {};
    constexpr std::int32_t largest = std::numeric_limits<std::int32_t>::max();
    if (v[2] == largest || v[3] == largest)
        return {}; // one past the last pixel would not fit
    return {v[0], v[1], v[2] + 1, v[3] + 1};
}

std::string rectLine(std::string_view prefix, const SkinRect& rect)
{
    return RecordKey::numberLine(prefix, {rect.left, rect.top, std::int64_t(rect.right) - 1, std::int64_t(rect.bottom) - 1});
}

std::string colourLine(std::string_view prefix, std::uint32_t colour, std::int32_t transparency)
{
    return RecordKey::numberLine(prefix, {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, transparency});
}

bool keyHasWildcard(std::string_view key)
{
    return key.find('*') != std::string_view::npos;
}

bool matchesWithWildcards(const std::string& line, std::string_view key)
{
    if (line.size() < key.size())
        return false;
    for (std::size_t j = 0; j < key.size(); ++j) {
        if (key[j] != '*' && key[j] != line[j])
            return false;
    }
    return true;
}

} // namespace

// --- the line table ---------------------------------------------------------

int SkinDocument::findRecord(std::string_view key) const
{
    const int count = lineCount();
    if (count <= 0)
        return -1;
    const std::size_t length = key.size();
    if (length == 0)
        return 0;
    if (keyHasWildcard(key)) {
        for (int i = 0; i < count; ++i) {
            if (matchesWithWildcards(lineTable[i], key))
                return i;
        }
        return -1;
    }
    // The hot path of every getter: a prefix compare per line, no allocation.
    // Lines of 8 characters or more are first compared as one 8-byte word.
    const std::size_t head = std::min<std::size_t>(length, 8);
    std::uint64_t keyWord = 0;
    std::memcpy(&keyWord, key.data(), head);
    const std::uint64_t mask = head == 8 ? ~std::uint64_t(0) : (std::uint64_t(1) << (8 * head)) - 1;
    const std::string* table = lineTable.data();
    for (int i = 0; i < count; ++i) {
        const std::string& line = table[i];
        const std::size_t size = line.size();
        if (size >= 8) {
            std::uint64_t word;
            std::memcpy(&word, line.data(), 8);
            if (((word ^ keyWord) & mask) != 0)
                continue;
            if (length <= 8 || std::memcmp(line.data() + 8, key.data() + 8, length - 8) == 0)
                return i;
        } else if (size >= length && std::memcmp(line.data(), key.data(), length) == 0) {
            return i;
        }
    }
    return -1;
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
    std::vector<std::uint8_t> text;
    if (readWholeFileForUpdate(path, text) < 0)
        return 1;
    if (!SkinFileFormat::hasSkinMagic(text))
        return 2;
    SkinFileFormat::SkinLines table = SkinFileFormat::splitLines(text);
    text = {};

    // Data files are opened one after the other, so a record naming a huge
    // file number fails at the first missing file instead of allocating for it.
    const std::int64_t needed = table.neededDataFiles;
    const std::string base = SkinFileFormat::loadBaseName(path);
    std::vector<std::vector<std::uint8_t>> files;
    for (std::int64_t file = 0; file < needed; ++file) {
        std::vector<std::uint8_t> bytes;
        if (readWholeFileForUpdate(SkinFileFormat::dataFileName(base, file), bytes) < 0)
            return 3;
        files.push_back(std::move(bytes));
    }

    lineTable = std::move(table.lines);
    dataFiles = std::move(files);
    documentPath = path;
    loaded = true;
    return 0;
}

int SkinDocument::save(const std::string& path)
{
    // An empty document is not a skin: writing it would replace a good file
    // with one that cannot be opened again.
    if (!loaded)
        return 1;
    const std::string base = SkinFileFormat::saveBaseName(path);
    const std::string skinPath = base + ".ski";

    std::size_t total = 0;
    for (const std::string& line : lineTable)
        total += line.size();
    std::string text;
    text.reserve(total);
    for (const std::string& line : lineTable)
        text += line;

    std::vector<std::pair<std::string, std::span<const std::uint8_t>>> files;
    files.emplace_back(skinPath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    for (std::size_t file = 0; file < dataFiles.size(); ++file) {
        // An empty data file is not written; a file of that name on disk stays.
        if (!dataFiles[file].empty())
            files.emplace_back(SkinFileFormat::dataFileName(base, std::int64_t(file)), dataFiles[file]);
    }
    const int failed = writeFilesAtomically(files);
    if (failed == 0)
        return 1;
    if (failed > 0)
        return 2;

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
    documentPath.clear();
    loaded = false;
}

int SkinDocument::createNew(const std::string& name)
{
    clear();
    dataFiles.emplace_back();
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
    RecordScanner values = valuesAfter(*line, key.view());
    return readColour(values, true);
}

int SkinDocument::setColour(ElementId id, std::uint32_t colour, std::int32_t transparency)
{
    const RecordKey key(RecordType::Colour, id);
    upsert(key.view(), colourLine(key.view(), colour, transparency));
    return 1;
}

SkinColour SkinDocument::getPaletteColour(int index) const
{
    const int header = findRecord(paletteReadKey);
    if (header < 0 || index < 1 || std::int64_t(header) + index >= lineCount())
        return {};
    RecordScanner item(lineTable[std::size_t(header + index)]);
    if (!item.literal("4 "))
        return {};
    return readColour(item, false);
}

int SkinDocument::setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency)
{
    const int header = findRecord(paletteWriteKey);
    if (header < 0 || index < 1 || std::int64_t(header) + index >= lineCount())
        return 0;
    replaceLine(header + index, colourLine("4 ", colour, transparency));
    return 1;
}

SkinRect SkinDocument::getRect(ElementId id) const
{
    const RecordKey key(RecordType::Rect, id);
    const std::string* line = recordLine(key.view());
    if (!line)
        return {};
    RecordScanner values = valuesAfter(*line, key.view());
    return readRect(values);
}

int SkinDocument::setRect(ElementId id, const SkinRect& rect)
{
    const RecordKey key(RecordType::Rect, id);
    upsert(key.view(), rectLine(key.view(), rect));
    return 1;
}

SkinRect SkinDocument::getListRect(ElementId id, int index) const
{
    if (index == 0)
        return getRect(id);
    const int header = findRecord(RecordKey(RecordType::ListHeader, id).view());
    if (header < 0 || index < 0 || std::int64_t(header) + index >= lineCount())
        return {};
    RecordScanner item(lineTable[std::size_t(header + index)]);
    if (!item.literal("1 "))
        return {};
    return readRect(item);
}

int SkinDocument::setListRect(const SkinRect& rect, ElementId id, int index)
{
    if (index == 0)
        return setRect(id, rect);
    const int header = findRecord(RecordKey(RecordType::ListHeader, id).view());
    if (header < 0 || index < 0 || std::int64_t(header) + index >= lineCount())
        return 0;
    replaceLine(header + index, rectLine("1 ", rect));
    return 1;
}

std::int32_t SkinDocument::getNumber(ElementId id) const
{
    const RecordKey key(RecordType::Number, id);
    const std::string* line = recordLine(key.view());
    if (!line)
        return -1;
    std::int32_t value = 0;
    return valuesAfter(*line, key.view()).number(value) ? value : 0;
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
    if (!line || !valuesAfter(*line, key.view()).word(word))
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
    if (!line || !valuesAfter(*line, key.view()).number(count))
        return -1;
    return count;
}

std::string SkinDocument::getWallpaperName() const
{
    const RecordKey key(RecordType::PhonePath, wallpaperRecordId);
    const std::string* line = recordLine(key.view());
    std::string_view word;
    if (!line || !valuesAfter(*line, key.view()).word(word))
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
    if (dataFiles.empty())
        dataFiles.emplace_back();
    if (file < 0 || file >= dataFileCount())
        return -1;
    auto& data = dataFiles[std::size_t(file)];
    const std::int64_t offset = std::int64_t(data.size());
    if (std::int64_t(bytes.size()) > largestDataFile - offset)
        return -1;
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
    return 0;
}
