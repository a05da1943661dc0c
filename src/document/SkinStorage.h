#pragma once

#include "document/FileIo.h"
#include "document/SkinLock.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

// What a save of a skin writes: the text of the ".ski" file and the data
// files by number (views of the document's buffers).
struct SkinFileContents {
    std::string skinText;
    std::vector<std::pair<int, std::span<const std::uint8_t>>> dataFiles;
};

// What a document knows of one of its data files: whether its bytes changed
// since it was read or written, and which file on disk held them then.
struct DataFileState {
    bool changed = true;
    std::optional<FileIdentity> onDisk;
};

// A skin's files on disk, for SkinDocument's load and save.
//
// Reading holds the skin's lock (shared) for the object's life. Before
// anything is read, a save of the skin that was cut short is finished (under
// the exclusive lock) and temporary files that dead processes left are
// removed, so that the skin is read in one consistent state.
class SkinStorage {
public:
    explicit SkinStorage(const std::string& path);
    SkinStorage(const SkinStorage&) = delete;
    SkinStorage& operator=(const SkinStorage&) = delete;

    // False when the skin cannot be read: its file is missing or no regular
    // file, its lock stayed busy, or a cut-short save could not be finished.
    bool ready() const { return isReady; }
    // 0 read; 1 it cannot be read; 2 its first line does not begin with "SKI1",
    // which is judged before the rest of the file is read.
    int readSkinFile(std::vector<std::uint8_t>& text) const;
    // Data file number file of the skin, read-only; false when it cannot be read.
    bool readDataFile(std::int64_t file, std::vector<std::uint8_t>& bytes, std::optional<FileIdentity>& identity) const;
    // The path of data file number file of the skin.
    std::string dataFilePath(std::int64_t file) const;

    // Writes contents as the skin file skinPath and its data files, all or
    // nothing, under the skin's exclusive lock. A data file whose bytes did not
    // change, and whose file on disk is still the one they came from, is not
    // written again. states (indexed by data file number) are updated for the
    // files written. Result: 0 saved; 1 the skin file cannot be written (or
    // the lock stayed busy); 2 a data file cannot be written. On failure every
    // file is as it was.
    static int write(const std::string& skinPath, const SkinFileContents& contents, std::vector<DataFileState>& states);

private:
    std::string path;
    std::optional<SkinLock> lock;
    bool isReady = false;
};
