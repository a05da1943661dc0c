#pragma once

#include "document/FileIo.h"
#include "document/SkinFileFormat.h"
#include "document/SkinLock.h"
#include "document/StorageProblem.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

class Folder;

// What a save of a skin writes: the text of the ".ski" file and the data
// files by number (views of the document's buffers).
struct SkinFileContents {
    std::string skinText;
    std::vector<std::pair<int, std::span<const std::uint8_t>>> dataFiles;
    // Data files whose bytes the document never read: they are saved only
    // where the file on disk is still the one the load found.
    std::vector<int> unreadDataFiles;
};

// What a document knows of one of its data files: whether its bytes changed
// since it was read or written, and which file on disk held them then.
struct DataFileState {
    bool changed = true;
    std::optional<FileIdentity> onDisk;
};

// A skin's files on disk, for SkinDocument's load and save.
//
// Constructing it reads the skin: the skin file once, and finds the data files
// its picture records need (their identities; their bytes are read later, on
// demand, checked against them), all under the skin's lock (shared). A save of
// the skin that was cut short is first finished or undone (under the
// exclusive lock); a skin whose cut-short save can be neither is not read.
// Otherwise a load creates, removes and changes no file: it looks for the
// journal by its name, and where no lock file was ever made (no save yet,
// read-only media) it checks afterwards that none appeared while it read.
//
// A load holds at most largestSkinFile bytes of skin file and
// largestDataFiles bytes of data files (their sizes on disk, summed); a
// larger skin is refused before its data files are read.
class SkinStorage {
public:
    static constexpr std::int64_t largestSkinFile = std::int64_t(8) << 20;
    static constexpr std::int64_t largestDataFiles = std::int64_t(256) << 20;

    SkinStorage(const std::string& path, std::chrono::milliseconds lockWait);
    SkinStorage(const SkinStorage&) = delete;
    SkinStorage& operator=(const SkinStorage&) = delete;

    // 0 read (table gets its lines); 1 it cannot be read; 2 its first line
    // does not begin with "SKI1", which is judged before the rest of the skin
    // is read.
    int readSkinFile(SkinFileFormat::SkinLines& table);
    // Data file number file of the skin, as found (identity gets it); false
    // when it cannot be opened.
    bool findDataFile(std::int64_t file, FileIdentity& identity) const;
    // Why the skin could not be read, where more can be said than the result.
    const StorageProblem& problem() const { return why; }
    // The path of data file number file of the skin.
    std::string dataFilePath(std::int64_t file) const;
    // The number of the data file that could not be opened; -1: none.
    std::int64_t failedDataFile() const { return failedData; }

    // Writes contents as the skin file skinPath and its data files, all or
    // nothing, under the skin's exclusive lock, after finishing a cut-short
    // save. A file whose bytes are already on disk is not written again (a
    // data file whose bytes did not change, and whose file on disk is still
    // the one they came from, is not even compared). states (indexed by data
    // file number) are updated for the files on disk. Result: 0 saved; 1 the
    // skin file cannot be written (or the skin cannot be locked, or a
    // cut-short save be finished); 2 a data file cannot be written. On
    // failure every file is as it was, or problem says that a save could not
    // be undone and names the journal that the next load or save finishes it
    // with. An unread data file that changed on disk since the load gives 2.
    static int write(const std::string& skinPath, const SkinFileContents& contents, std::vector<DataFileState>& states,
                     StorageProblem& problem);

private:
    enum class Attempt { Done, Again };
    Attempt read(std::chrono::steady_clock::time_point deadline);
    // Reads the skin file and its data files from folder; 0, 1 or 2 as readSkinFile.
    int readFiles(const Folder& folder);

    std::string path;
    StorageProblem why;
    int skinResult = 1;
    SkinFileFormat::SkinLines skinLines;
    std::vector<FileIdentity> dataIdentities; // the data files that could be opened, in order
    std::int64_t failedData = -1;
};
