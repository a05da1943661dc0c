#pragma once

#include "document/SkinStorage.h"
#include "document/SkinTypes.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One skin in memory: its path, its line table (the single source of truth:
// no index or map is kept beside it) and the buffers of its picture data files.
//
// Results follow the skin format's conventions: small integers, never
// exceptions; missing records give sentinel values (see SkinTypes.h).
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
    int lineCount() const { return static_cast<int>(lineTable.size()); }
    // Each line keeps its line end exactly as read ("\n" or "\r\n").
    const std::vector<std::string>& lines() const { return lineTable; }
    // "" when empty; "New skin" for a new skin.
    const std::string& path() const { return documentPath; }

    // Index of the first line that starts with key ('*' in the key matches any
    // one character), or -1. An empty key matches line 0.
    int findRecord(std::string_view key) const;
    // index must lie in 0..lineCount()-1; the caller supplies the line end.
    void replaceLine(int index, std::string_view text);
    int appendLine(std::string_view text);   // 0; -1 without a line table
    int removeLine(int index);               // 0; -1 without a line table
    // True when a line holds a record of that type and id.
    bool hasRecord(RecordType type, ElementId id) const;
    // Takes the record out of the document, so that the default skin's shows:
    // every line of it, since only the first of several is ever read; a
    // picture through removePicture, so that its bytes leave the data files.
    // A list header is left alone (its items would be left behind). The
    // number of lines removed.
    int removeRecord(RecordType type, ElementId id);

    // --- files ----------------------------------------------------------
    // 0 loaded; 1 the file cannot be opened; 2 not a skin (first line);
    // 3 a picture data file cannot be opened. Every failure leaves the
    // document empty. Files are opened read-only.
    int load(const std::string& path);
    // Writes the ".ski" file SkinFileFormat::savedSkinPath(path) and the data
    // files beside it: every data file a record names (also an empty one) and
    // every other one that holds bytes, except those whose bytes are already
    // on disk unchanged. 0 saved; 1 the ".ski" file cannot be created; 2 a
    // data file cannot be created. All or nothing: on failure every file on
    // disk stays as it was.
    int save(const std::string& path);
    // load and save without files, through the same code: skinText is the
    // ".ski" file, dataFiles[k] data file k (a data file the skin needs beyond
    // them is missing); path becomes the document's path.
    int loadFromBuffers(std::span<const std::uint8_t> skinText, std::span<const std::vector<std::uint8_t>> dataFiles,
                        const std::string& path);
    // What save writes (views of the document's buffers, valid until it changes).
    SkinFileContents saveToBuffers() const;
    void clear();
    int createNew(const std::string& name);  // 1

    int dataFileCount() const { return static_cast<int>(dataFiles.size()); }
    std::uint32_t dataSize(int file) const;                 // 0 for a file not held
    std::span<const std::uint8_t> dataFile(int file) const; // empty for a file not held

    // --- typed properties -------------------------------------------------
    SkinColour getColour(ElementId id) const;
    int setColour(ElementId id, std::uint32_t colour, std::int32_t transparency);
    SkinColour getPaletteColour(int index) const;
    int setPaletteColour(int index, std::uint32_t colour, std::int32_t transparency);
    SkinRect getRect(ElementId id) const;
    int setRect(ElementId id, const SkinRect& rect);
    SkinRect getListRect(ElementId id, int index) const;
    int setListRect(const SkinRect& rect, ElementId id, int index);
    std::int32_t getNumber(ElementId id) const;
    int setNumber(ElementId id, std::int32_t value);
    int getFlag(ElementId id) const;
    void setFlag(ElementId id, int flag);
    std::int32_t getListCount(ElementId id) const;
    std::string getWallpaperName() const;
    void setWallpaperName(const std::string& fullPath);

    // --- pictures ---------------------------------------------------------
    // Size with a copy of the bytes; -1 without a line table, without a
    // record, or when the record does not name bytes inside a held data file.
    int getPicture(ElementId id, std::vector<std::uint8_t>& bytes) const;
    // 1 with the record's location; 0 where getPicture gives -1.
    int getPictureLocation(ElementId id, PictureLocation& where) const;
    // 0; -1 without a line table, or when the data file would grow past
    // 2^31 - 1 bytes. A record that names no usable bytes gets new bytes at
    // the end of data file 0.
    int setPicture(ElementId id, std::span<const std::uint8_t> bytes);
    void removePicture(ElementId id);
    int linkPicture(ElementId first, ElementId second);   // 1; 0 when first has no usable record
    // Ids of the picture records in line order (lines starting with "5").
    std::vector<ElementId> pictureIds() const;

    // Raw data file operations. appendPictureData gives the offset of the new
    // bytes; the others 0. All give -1 and change nothing for a file not held,
    // a range outside the file, or a file that would outgrow 2^31 - 1 bytes
    // (appendPictureData first creates data file 0 when none is held).
    std::int64_t appendPictureData(int file, std::span<const std::uint8_t> bytes);
    int replacePictureData(int file, std::int32_t offset, std::int32_t oldSize, std::span<const std::uint8_t> bytes);
    int cutPictureData(int file, std::int32_t offset, std::int32_t size);

private:
    // Reads data file number file into bytes (identity: which file held them,
    // if any); false when it cannot be read.
    using DataFileSource = std::function<bool(std::int64_t file, std::vector<std::uint8_t>& bytes,
                                              std::optional<FileIdentity>& identity)>;
    // The body of load and loadFromBuffers.
    int loadParts(std::span<const std::uint8_t> text, const DataFileSource& readDataFile, const std::string& path);
    // Marks a data file's bytes as changed since they were read or written.
    void touchDataFile(int file);
    // The line of item index (1 up to the count the header gives) of the list
    // whose header line is header; -1 for any other index or no header.
    // countKey is the header's key up to its count.
    int listItemLine(int header, std::string_view countKey, int index) const;

    // The first line that starts with key, or nullptr.
    const std::string* recordLine(std::string_view key) const;
    // Replaces the first line that starts with key by line, or appends line.
    void upsert(std::string_view key, std::string line);
    // True when where names bytes inside a held data file.
    bool holdsRange(const PictureLocation& where) const;
    // Index of the id's picture record (-1: none); where gets its values when
    // they can be read and name bytes inside a held data file.
    int findPicture(ElementId id, std::optional<PictureLocation>& where) const;
    // After the bytes of old were replaced by newSize bytes (nullopt: cut),
    // updates the records of the same picture and moves the records stored
    // after it. ownIndex is the line of the changed record.
    void updatePictureRecords(int ownIndex, const PictureLocation& old, std::int64_t oldFileSize,
                              std::optional<std::int32_t> newSize);

    bool loaded = false;
    std::string documentPath;
    std::vector<std::string> lineTable;
    std::vector<std::vector<std::uint8_t>> dataFiles;
    std::vector<DataFileState> dataStates; // parallel to dataFiles
};
