#pragma once

#include "document/DocumentChange.h"
#include "document/LineTable.h"
#include "document/PictureStore.h"
#include "document/SkinResults.h"
#include "document/SkinStorage.h"
#include "document/SkinTypes.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One skin in memory: its path, its line table (the single source of truth
// for records: first match wins) and the bytes of its picture data files.
// Missing records give sentinel values (see SkinTypes.h), never exceptions.
namespace SkinFileFormat {
struct SkinLines;
}

class SkinDocument {
public:
    SkinDocument() = default;
    virtual ~SkinDocument() = default;
    SkinDocument(const SkinDocument&) = delete;
    SkinDocument& operator=(const SkinDocument&) = delete;
    SkinDocument(SkinDocument&&) noexcept = default;
    SkinDocument& operator=(SkinDocument&&) noexcept = default;

    // --- the line table -------------------------------------------------
    // False until something is loaded or created, and after clear or a failed load.
    bool hasLineTable() const { return loaded; }
    int lineCount() const { return lineTable.size(); }
    // Line index (0..lineCount()-1), with its line end exactly as read ("\n"
    // or "\r\n"); valid until the document changes.
    std::string_view line(int index) const { return lineTable.line(index); }
    // A copy of every line (for comparing states; readers use line).
    std::vector<std::string> lines() const;
    // "" when empty; "New skin" for a new skin.
    const std::string& path() const { return documentPath; }

    // Index of the first line that starts with key ('*' in the key matches any
    // one character), or -1. An empty key matches line 0. A key that starts
    // with a record key ("T id ") is found through the table's index, the
    // same time at any size; others are looked for line by line.
    int findRecord(std::string_view key) const;
    // index must lie in 0..lineCount()-1; the caller supplies the line end.
    void replaceLine(int index, std::string_view text);
    // False without a line table.
    bool appendLine(std::string_view text);
    // False without a line table or for an index outside it.
    bool removeLine(int index);
    // For every line, the index of the first line that starts with the same
    // record key (what findRecord of its key answers); -1 for a line without
    // one. For all lines at once, in time linear in the lines.
    std::vector<int> firstLinesOfKeys() const { return lineTable.firstLinesOfKeys(); }
    // True when a line holds a record of that type and id.
    bool hasRecord(RecordType type, ElementId id) const;
    // Takes the record out of the document, so that the default skin's shows:
    // every line of it, since only the first of several is ever read; a
    // picture through removePicture, so that its bytes leave the data files.
    // A list header is left alone (its items would be left behind). The
    // number of lines removed.
    int removeRecord(RecordType type, ElementId id);

    // --- files ----------------------------------------------------------
    // Every failure leaves the document empty. Files are opened read-only;
    // another program saving the skin is waited for up to lockWait.
    // failedFile, when given, gets the file a failed load stumbled on: the
    // skin file, or the data file that is missing or cannot be read.
    [[nodiscard]] LoadResult load(const std::string& path, std::string* failedFile = nullptr,
                                  std::chrono::milliseconds lockWait = SkinLock::standardWait);
    // Writes the ".ski" file SkinFileFormat::savedSkinPath(path) and the data
    // files beside it: every data file a record names (also an empty one) and
    // every other one that holds bytes, except those whose bytes are already
    // on disk. All or nothing: on failure every file on disk stays as it was
    // (or fileProblem() names the journal with which the next load or save
    // puts them back). After a save the document's path is the saved file's.
    [[nodiscard]] SaveResult save(const std::string& path);
    // Why the last load or save failed, where more can be said than its result.
    const StorageProblem& fileProblem() const { return problem; }
    // load without files, through the same code: skinText is the ".ski" file,
    // dataFiles[k] data file k (a data file the skin needs beyond them is
    // missing); path becomes the document's path.
    [[nodiscard]] LoadResult loadFromBuffers(std::span<const std::uint8_t> skinText,
                                             std::span<const std::vector<std::uint8_t>> dataFiles,
                                             const std::string& path);
    // What save writes (views of the document's buffers, valid until it
    // changes); data files not read yet are read for it.
    SkinFileContents saveToBuffers() const;
    void clear();
    // A skin of the magic line alone, with one empty data file.
    void createNew(const std::string& name);

    int dataFileCount() const { return store.fileCount(); }
    // How many data files the picture records name (one more than the largest
    // file number), whether held or not. Known from the load until a line
    // changes, then counted again once.
    std::int64_t neededDataFiles() const;
    std::uint32_t dataSize(int file) const { return store.fileSize(file); }
    std::span<const std::uint8_t> dataFile(int file) const { return store.file(file); }
    // The path of a data file whose bytes were needed but could not be read
    // any more (changed or removed on disk since the load); "" when none.
    const std::string& unreadableDataFile() const { return store.unreadableFile(); }
    // Reads every data file not read yet, as the editor does right after a
    // load: it shows and may change any picture, and keeps working on the
    // bytes it saw even if the files change on disk. False when one cannot be
    // read any more (see unreadableDataFile).
    [[nodiscard]] bool readAllDataFiles() { return store.readAll(); }

    // --- typed properties -------------------------------------------------
    // Setters give false when nothing could be written (a rectangle with no
    // stored form, a list item the skin lacks); the others always write.
    SkinColour getColour(ElementId id) const;
    bool setColour(ElementId id, std::uint32_t colour, std::int32_t transparency);
    SkinColour getPaletteColour(int index) const;
    [[nodiscard]] bool setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency);
    SkinRect getRect(ElementId id) const;
    [[nodiscard]] bool setRect(ElementId id, const SkinRect& rect);
    SkinRect getListRect(ElementId id, int index) const;
    [[nodiscard]] bool setListRect(const SkinRect& rect, ElementId id, int index);
    std::int32_t getNumber(ElementId id) const;
    bool setNumber(ElementId id, std::int32_t value);
    int getFlag(ElementId id) const;
    void setFlag(ElementId id, int flag);
    std::int32_t getListCount(ElementId id) const;
    std::string getWallpaperName() const;
    void setWallpaperName(const std::string& fullPath);

    // --- pictures ---------------------------------------------------------
    // Size with a copy of the bytes; -1 without a line table, without a
    // record, when the record does not name bytes inside a held data file, or
    // when the data file changed on disk since the load (see unreadableDataFile).
    // Only the picture's range is read from a data file not read yet.
    int getPicture(ElementId id, std::vector<std::uint8_t>& bytes) const;
    // The record's location, when it names bytes inside a held data file.
    std::optional<PictureLocation> getPictureLocation(ElementId id) const;
    // False without a line table, or when the data file would grow past
    // 2^31 - 1 bytes. A record that names no usable bytes gets new bytes at
    // the end of data file 0.
    [[nodiscard]] bool setPicture(ElementId id, std::span<const std::uint8_t> bytes);
    void removePicture(ElementId id);
    // second shares first's bytes; false when first has no usable record.
    bool linkPicture(ElementId first, ElementId second);
    // Ids of the picture records in line order (lines starting with "5").
    std::vector<ElementId> pictureIds() const;
    // The pictures whose record (the one that is read) names bytes past the
    // end of a held data file: the data file is shorter than the record
    // says, and the default skin's picture shows instead. In line order.
    struct PictureBeyondData {
        ElementId id;
        std::int32_t file;
    };
    std::vector<PictureBeyondData> picturesBeyondData() const;

    // The data files' bytes, for raw reads and changes (the records are not
    // kept in step: that is setPicture's and removePicture's work).
    const PictureStore& pictureData() const { return store; }
    PictureStore& pictureData() { return store; }

    // --- recorded changes ---------------------------------------------------
    // Every change of lines and bytes from now on is also recorded into
    // change (nullptr: nothing is recorded).
    void recordChangesInto(DocumentChange* change);
    // Puts back what change did, or does it again. False when the document
    // does not hold what the change expects (nothing is changed then).
    [[nodiscard]] bool undo(const DocumentChange& change);
    [[nodiscard]] bool redo(const DocumentChange& change);

private:
    // Data file number file as found (its bytes, or the file on disk that
    // holds them); false when it cannot be opened.
    using DataFileSource = std::function<bool(std::int64_t file, PictureStore::Source& found)>;
    // What a save writes; leaveUnread: data files not read yet are named, not read.
    SkinFileContents contentsToSave(bool leaveUnread) const;
    // The body of load and loadFromBuffers, once the skin file was judged a skin and split.
    LoadResult loadParts(SkinFileFormat::SkinLines&& table, const DataFileSource& readDataFile, const std::string& path);
    // The line of item index (1 up to the count the header gives) of the list
    // whose header line is header; -1 for any other index or no header.
    // countKey is the header's key up to its count.
    int listItemLine(int header, std::string_view countKey, int index) const;

    // The record of that type and id read by read (given the scanner after
    // its key), or missing without such a record.
    template <class Value, class Read>
    Value readRecord(RecordType type, ElementId id, Value missing, Read read) const;
    // Replaces the first line that starts with key by line, or appends line.
    void upsert(std::string_view key, std::string line);
    // Index of the id's picture record (-1: none); where gets its values when
    // they can be read and name bytes inside a held data file.
    int findPicture(ElementId id, std::optional<PictureLocation>& where) const;
    // After the bytes of old were replaced by newSize bytes (nullopt: cut),
    // updates the records of the same picture and moves the records stored
    // after it. ownIndex is the line of the changed record.
    void updatePictureRecords(int ownIndex, const PictureLocation& old, std::int64_t oldFileSize,
                              std::optional<std::int32_t> newSize);

    // One step of a recorded change, done (forward) or put back.
    bool applyStep(const DocumentChange::Step& step, bool forward);
    // The three ways lines change; each is recorded.
    void setLine(int index, std::string text);
    void insertLine(int index, std::string text);
    void eraseLine(int index);

    bool loaded = false;
    std::string documentPath;
    LineTable lineTable;
    // What neededDataFiles answers, until a line changes (found on load).
    mutable std::optional<std::int64_t> neededFiles;
    PictureStore store;
    DocumentChange* recording = nullptr;
    StorageProblem problem;
};
