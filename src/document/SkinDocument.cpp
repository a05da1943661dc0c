#include "document/SkinDocument.h"

#include "document/FileIo.h"
#include "document/PictureRecord.h"
#include "document/RecordKey.h"
#include "document/RecordScanner.h"
#include "document/RecordValues.h"
#include "document/SkinFileFormat.h"

#include <algorithm>
#include <new>
#include <set>
#include <variant>

namespace {

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
    return lineTable.find(key);
}

std::vector<std::string> SkinDocument::lines() const
{
    std::vector<std::string> all;
    all.reserve(std::size_t(lineCount()));
    for (int i = 0; i < lineCount(); ++i)
        all.emplace_back(lineTable.line(i));
    return all;
}

void SkinDocument::setLine(int index, std::string text)
{
    if (recording)
        recording->addLines(index, {std::string(lineTable.line(index))}, {text});
    lineTable.set(index, text);
    neededFiles.reset();
}

void SkinDocument::insertLine(int index, std::string text)
{
    if (recording)
        recording->addLines(index, {}, {text});
    lineTable.insert(index, text);
    neededFiles.reset();
}

void SkinDocument::eraseLine(int index)
{
    if (recording)
        recording->addLines(index, {std::string(lineTable.line(index))}, {});
    lineTable.erase(index);
    neededFiles.reset();
}

void SkinDocument::replaceLine(int index, std::string_view text)
{
    if (index < 0 || index >= lineCount())
        return;
    setLine(index, std::string(text));
}

bool SkinDocument::appendLine(std::string_view text)
{
    if (!loaded)
        return false;
    insertLine(lineCount(), std::string(text));
    return true;
}

bool SkinDocument::removeLine(int index)
{
    if (!loaded || index < 0 || index >= lineCount())
        return false;
    eraseLine(index);
    return true;
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

template <class Value, class Read>
Value SkinDocument::readRecord(RecordType type, ElementId id, Value missing, Read read) const
{
    const RecordKey key(type, id);
    const int index = findRecord(key.view());
    if (index < 0)
        return missing;
    RecordScanner values = RecordValues::after(lineTable.line(index), key.view());
    return read(values);
}

void SkinDocument::upsert(std::string_view key, std::string line)
{
    const int index = findRecord(key);
    if (index >= 0)
        setLine(index, std::move(line));
    else if (loaded)
        insertLine(lineCount(), std::move(line));
}

// --- files ------------------------------------------------------------------

LoadResult SkinDocument::load(const std::string& path, std::string* failedFile, std::chrono::milliseconds lockWait)
{
    clear();
    std::string failed = path;
    LoadResult result = LoadResult::Loaded;
    try {
        SkinStorage storage(path, lockWait);
        SkinFileFormat::SkinLines table;
        if (const int read = storage.readSkinFile(table); read != 0) {
            result = read == 2 ? LoadResult::NotASkin
                     : pathExists(path) || storage.problem().kind != StorageProblem::Kind::None ? LoadResult::CannotOpen
                                                                                               : LoadResult::SkinFileMissing;
        } else {
            result = loadParts(std::move(table), [&storage, &failed](std::int64_t file, PictureStore::Source& found) {
                FileIdentity identity;
                if (storage.findDataFile(file, identity)) {
                    // Its bytes are read when something needs them.
                    found.path = storage.dataFilePath(file);
                    found.state = {false, identity};
                    return true;
                }
                // The file that stopped the load, which may lie after this one.
                failed = storage.dataFilePath(storage.failedDataFile() >= 0 ? storage.failedDataFile() : file);
                return false;
            }, path);
            // Missing, or there and unreadable (or too large): the user's remedy differs.
            if (result == LoadResult::DataFileMissing && pathExists(failed))
                result = LoadResult::DataFileUnreadable;
        }
        if (result != LoadResult::Loaded)
            problem = storage.problem();
    } catch (const std::bad_alloc&) {
        clear();
        problem = {StorageProblem::Kind::OutOfMemory, {}};
        result = LoadResult::CannotOpen;
    }
    if (failedFile)
        *failedFile = result == LoadResult::Loaded ? std::string() : failed;
    return result;
}

LoadResult SkinDocument::loadFromBuffers(std::span<const std::uint8_t> skinText,
                                         std::span<const std::vector<std::uint8_t>> buffers, const std::string& path)
{
    clear();
    if (!SkinFileFormat::hasSkinMagic(skinText))
        return LoadResult::NotASkin;
    return loadParts(SkinFileFormat::splitLines({skinText.begin(), skinText.end()}),
                     [buffers](std::int64_t file, PictureStore::Source& found) {
                         if (file >= std::int64_t(buffers.size()))
                             return false;
                         found.bytes = buffers[std::size_t(file)];
                         found.state = {false, std::nullopt};
                         return true;
                     },
                     path);
}

LoadResult SkinDocument::loadParts(SkinFileFormat::SkinLines&& table, const DataFileSource& readDataFile,
                                   const std::string& path)
{
    clear();

    // Data files are read one after the other, so a record naming a huge file
    // number fails at the first missing file instead of allocating for it.
    std::vector<PictureStore::Source> files;
    for (std::int64_t file = 0; file < table.neededDataFiles; ++file) {
        PictureStore::Source found;
        if (!readDataFile(file, found))
            return LoadResult::DataFileMissing;
        files.push_back(std::move(found));
    }

    lineTable = std::move(table.lines);
    neededFiles = table.neededDataFiles;
    store.assign(std::move(files));
    documentPath = path;
    loaded = true;
    return LoadResult::Loaded;
}

SkinFileContents SkinDocument::saveToBuffers() const
{
    return contentsToSave(false);
}

SkinFileContents SkinDocument::contentsToSave(bool leaveUnread) const
{
    SkinFileContents contents;
    contents.skinText = lineTable.text();
    if (leaveUnread)
        contents.unreadDataFiles = store.unreadFiles();
    // A data file a record names is written even when empty, or the skin
    // would not load again; another empty one is not part of the skin.
    const std::int64_t needed = neededDataFiles();
    for (int file = 0; file < dataFileCount(); ++file) {
        if (leaveUnread && std::find(contents.unreadDataFiles.begin(), contents.unreadDataFiles.end(), file)
                               != contents.unreadDataFiles.end())
            continue;
        if (store.fileSize(file) > 0 || file < needed)
            contents.dataFiles.emplace_back(file, store.file(file));
    }
    return contents;
}

std::int64_t SkinDocument::neededDataFiles() const
{
    if (!neededFiles)
        neededFiles = SkinFileFormat::neededDataFiles(lineTable);
    return *neededFiles;
}

SaveResult SkinDocument::save(const std::string& path)
{
    // An empty document is not a skin: writing it would replace a good file
    // with one that cannot be opened again.
    if (!loaded)
        return SaveResult::SkinFileNotWritten;
    const std::string skinPath = SkinFileFormat::savedSkinPath(path);
    try {
        // Saved in place, a data file whose bytes were never read stays as it is on disk.
        const bool inPlace = skinPath == documentPath;
        if (!inPlace && !store.readAll())
            return SaveResult::DataFileNotWritten;
        if (const int result = SkinStorage::write(skinPath, contentsToSave(inPlace), store.states(), problem); result != 0)
            return result == 1 ? SaveResult::SkinFileNotWritten : SaveResult::DataFileNotWritten;
    } catch (const std::bad_alloc&) {
        problem = {StorageProblem::Kind::OutOfMemory, {}};
        return SaveResult::SkinFileNotWritten;
    }
    // What was written is what is held: the document stays as it is (its
    // recorded changes stay valid) and takes the saved file's name; saved
    // elsewhere, it holds no empty data file that the save did not write.
    if (skinPath != documentPath)
        store.dropEmptyFilesFrom(neededDataFiles());
    documentPath = skinPath;
    return SaveResult::Saved;
}

void SkinDocument::clear()
{
    problem = {};
    lineTable.clear();
    neededFiles.reset();
    store.clear();
    documentPath.clear();
    loaded = false;
}

void SkinDocument::createNew(const std::string& name)
{
    clear();
    store.startEmpty();
    documentPath = name;
    lineTable.insert(0, "SKI1\n");
    loaded = true;
}

// --- typed properties ---------------------------------------------------------

SkinColour SkinDocument::getColour(ElementId id) const
{
    return readRecord(RecordType::Colour, id, SkinColour{},
                      [](RecordScanner& values) { return RecordValues::readColour(values, true); });
}

bool SkinDocument::setColour(ElementId id, std::uint32_t colour, std::int32_t transparency)
{
    const RecordKey key(RecordType::Colour, id);
    upsert(key.view(), RecordValues::colourLine(key.view(), colour, transparency));
    return true;
}

int SkinDocument::listItemLine(int header, std::string_view countKey, int index) const
{
    if (header < 0 || index < 1)
        return -1;
    // Past the count its header gives, a line is not an item of the list.
    std::int32_t count = -1;
    if (!RecordValues::after(lineTable.line(header), countKey).number(count) || index > count
        || std::int64_t(header) + index >= lineCount())
        return -1;
    return header + index;
}

SkinColour SkinDocument::getPaletteColour(int index) const
{
    const int line = listItemLine(findRecord(paletteReadKey), paletteReadKey, index);
    if (line < 0)
        return {};
    RecordScanner item(lineTable.line(line));
    if (!item.literal(paletteItemPrefix))
        return {};
    return RecordValues::readColour(item, false);
}

bool SkinDocument::setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency)
{
    const int line = listItemLine(findRecord(paletteWriteKey), paletteReadKey, index);
    if (line < 0 || !lineTable.line(line).starts_with(paletteItemPrefix))
        return false;
    setLine(line, RecordValues::colourLine(paletteItemPrefix, colour, transparency));
    return true;
}

SkinRect SkinDocument::getRect(ElementId id) const
{
    return readRecord(RecordType::Rect, id, SkinRect{},
                      [](RecordScanner& values) { return RecordValues::readRect(values); });
}

bool SkinDocument::setRect(ElementId id, const SkinRect& rect)
{
    if (!RecordValues::storable(rect))
        return false;
    const RecordKey key(RecordType::Rect, id);
    upsert(key.view(), RecordValues::rectLine(key.view(), rect));
    return true;
}

SkinRect SkinDocument::getListRect(ElementId id, int index) const
{
    if (index == 0)
        return getRect(id);
    const RecordKey key(RecordType::ListHeader, id);
    const int line = listItemLine(findRecord(key.view()), key.view(), index);
    if (line < 0)
        return {};
    RecordScanner item(lineTable.line(line));
    if (!item.literal(rectItemPrefix))
        return {};
    return RecordValues::readRect(item);
}

bool SkinDocument::setListRect(const SkinRect& rect, ElementId id, int index)
{
    if (index == 0)
        return setRect(id, rect);
    const RecordKey key(RecordType::ListHeader, id);
    const int line = listItemLine(findRecord(key.view()), key.view(), index);
    if (line < 0 || !lineTable.line(line).starts_with(rectItemPrefix) || !RecordValues::storable(rect))
        return false;
    setLine(line, RecordValues::rectLine(rectItemPrefix, rect));
    return true;
}

std::int32_t SkinDocument::getNumber(ElementId id) const
{
    return readRecord(RecordType::Number, id, std::int32_t(-1), [](RecordScanner& values) {
        std::int32_t value = 0;
        return values.number(value) ? value : 0;
    });
}

bool SkinDocument::setNumber(ElementId id, std::int32_t value)
{
    const RecordKey key(RecordType::Number, id);
    upsert(key.view(), key.line({value}));
    return true;
}

int SkinDocument::getFlag(ElementId id) const
{
    return readRecord(RecordType::Flag, id, -1, [](RecordScanner& values) {
        std::string_view word;
        if (!values.word(word))
            return -1;
        // Any word that orders before "true" counts as false.
        return word.compare("true") < 0 ? 0 : 1;
    });
}

void SkinDocument::setFlag(ElementId id, int flag)
{
    const RecordKey key(RecordType::Flag, id);
    upsert(key.view(), key.line(flag != 0 ? "true" : "false"));
}

std::int32_t SkinDocument::getListCount(ElementId id) const
{
    return readRecord(RecordType::ListHeader, id, std::int32_t(-1), [](RecordScanner& values) {
        std::int32_t count = -1;
        return values.number(count) ? count : -1;
    });
}

std::string SkinDocument::getWallpaperName() const
{
    return readRecord(RecordType::PhonePath, wallpaperRecordId, std::string(), [](RecordScanner& values) {
        std::string_view word;
        if (!values.word(word))
            return std::string();
        const auto slash = word.rfind('/');
        return std::string(slash == std::string_view::npos ? word : word.substr(slash + 1));
    });
}

void SkinDocument::setWallpaperName(const std::string& fullPath)
{
    const RecordKey key(RecordType::PhonePath, wallpaperRecordId);
    std::string value(phonePictureFolder);
    value += fileNamePart(fullPath);
    upsert(key.view(), key.line(value));
}

// --- pictures -----------------------------------------------------------------

int SkinDocument::findPicture(ElementId id, std::optional<PictureLocation>& where) const
{
    where.reset();
    const RecordKey key(RecordType::Picture, id);
    const int index = findRecord(key.view());
    if (index < 0)
        return -1;
    where = PictureRecord::fromValues(lineTable.line(index).substr(key.view().size()));
    if (where && !store.holds(*where))
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
    if (!store.read(*where, bytes))
        return -1;
    return where->size;
}

std::optional<PictureLocation> SkinDocument::getPictureLocation(ElementId id) const
{
    std::optional<PictureLocation> found;
    findPicture(id, found);
    return found;
}

bool SkinDocument::setPicture(ElementId id, std::span<const std::uint8_t> bytes)
{
    if (!loaded || std::int64_t(bytes.size()) > PictureStore::largestFile)
        return false;
    const std::int32_t newSize = static_cast<std::int32_t>(bytes.size());
    std::optional<PictureLocation> where;
    const int index = findPicture(id, where);
    if (!where) {
        // New pictures, and those whose record names no usable bytes, are
        // stored at the end of data file 0; no other record is touched.
        const std::optional<std::int64_t> offset = store.append(0, bytes);
        if (!offset)
            return false;
        std::string line = PictureRecord {id, {std::int32_t(*offset), newSize, 0}}.line();
        if (index < 0)
            insertLine(lineCount(), std::move(line));
        else
            setLine(index, std::move(line));
        return true;
    }
    const PictureLocation old = *where;
    const std::int64_t oldFileSize = std::int64_t(store.fileSize(old.file));
    if (!store.replace(old.file, old.offset, old.size, bytes))
        return false;
    updatePictureRecords(index, old, oldFileSize, newSize);
    return true;
}

void SkinDocument::removePicture(ElementId id)
{
    std::optional<PictureLocation> where;
    const int index = findPicture(id, where);
    if (index < 0)
        return;
    if (!where) {
        eraseLine(index);
        return;
    }
    const PictureLocation old = *where;
    const std::int64_t oldFileSize = std::int64_t(store.fileSize(old.file));
    if (store.cut(old.file, old.offset, old.size))
        updatePictureRecords(index, old, oldFileSize, std::nullopt);
}

void SkinDocument::updatePictureRecords(int ownIndex, const PictureLocation& old, std::int64_t oldFileSize,
                                        std::optional<std::int32_t> newSize)
{
    const std::int64_t oldEnd = std::int64_t(old.offset) + old.size;
    const std::int64_t shift = std::int64_t(newSize.value_or(0)) - old.size;
    for (int i = 0; i < lineCount();) {
        const std::string_view line = lineTable.line(i);
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
            eraseLine(i);
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
            setLine(i, changed.line());
        ++i;
    }
}

bool SkinDocument::linkPicture(ElementId first, ElementId second)
{
    std::optional<PictureLocation> where;
    findPicture(first, where);
    if (!where)
        return false;
    const PictureRecord link {second, *where};
    upsert(RecordKey(RecordType::Picture, second).view(), link.line());
    return true;
}

std::vector<ElementId> SkinDocument::pictureIds() const
{
    std::vector<ElementId> ids;
    for (int i = 0; i < lineCount(); ++i) {
        const std::string_view line = lineTable.line(i);
        if (line.empty() || line[0] != '5')
            continue;
        RecordScanner scanner(line);
        std::int32_t id = 0;
        if (scanner.literal("5 ") && scanner.number(id))
            ids.push_back(id);
    }
    return ids;
}

std::vector<SkinDocument::PictureBeyondData> SkinDocument::picturesBeyondData() const
{
    std::vector<PictureBeyondData> found;
    std::set<ElementId> seen;
    for (const ElementId id : pictureIds()) {
        if (!seen.insert(id).second)
            continue;
        const RecordKey key(RecordType::Picture, id);
        const int index = findRecord(key.view());
        if (index < 0)
            continue;
        const std::optional<PictureLocation> where =
            PictureRecord::fromValues(lineTable.line(index).substr(key.view().size()));
        // Negative places are no place at all; only a short file is named.
        if (where && where->file >= 0 && where->file < dataFileCount() && where->offset >= 0 && where->size >= 0
            && !PictureRecord::fitsIn(*where, dataSize(where->file)))
            found.push_back({id, where->file});
    }
    return found;
}

// --- recorded changes -----------------------------------------------------------

void SkinDocument::recordChangesInto(DocumentChange* change)
{
    recording = change;
    store.recordInto(change);
}

namespace {

// Replaces lines [index, index + expected.size()) by replacement when they
// hold expected; false (nothing changed) otherwise.
bool swapLines(LineTable& table, int index, const std::vector<std::string>& expected,
               const std::vector<std::string>& replacement)
{
    if (index < 0 || std::size_t(index) + expected.size() > std::size_t(table.size()))
        return false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (table.line(index + int(i)) != expected[i])
            return false;
    }
    // Line by line: a step is one line replaced, inserted or taken out.
    const std::size_t common = std::min(expected.size(), replacement.size());
    for (std::size_t i = 0; i < common; ++i)
        table.set(index + int(i), replacement[i]);
    for (std::size_t i = common; i < expected.size(); ++i)
        table.erase(index + int(common));
    for (std::size_t i = common; i < replacement.size(); ++i)
        table.insert(index + int(i), replacement[i]);
    return true;
}

} // namespace

bool SkinDocument::applyStep(const DocumentChange::Step& step, bool forward)
{
    if (const auto* lines = std::get_if<DocumentChange::LineStep>(&step)) {
        neededFiles.reset();
        return forward ? swapLines(lineTable, lines->index, lines->removed, lines->inserted)
                       : swapLines(lineTable, lines->index, lines->inserted, lines->removed);
    }
    const auto& bytes = std::get<DocumentChange::ByteStep>(step);
    return forward ? store.redo(bytes) : store.undo(bytes);
}

bool SkinDocument::undo(const DocumentChange& change)
{
    const auto& steps = change.allSteps();
    for (std::size_t i = steps.size(); i-- > 0;) {
        if (applyStep(steps[i], false))
            continue;
        // What was already put back is done again: the document stays whole.
        for (std::size_t again = i + 1; again < steps.size(); ++again)
            (void)applyStep(steps[again], true);
        return false;
    }
    return true;
}

bool SkinDocument::redo(const DocumentChange& change)
{
    const auto& steps = change.allSteps();
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (applyStep(steps[i], true))
            continue;
        for (std::size_t back = i; back-- > 0;)
            (void)applyStep(steps[back], false);
        return false;
    }
    return true;
}
