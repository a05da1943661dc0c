#pragma once

#include "document/DocumentChange.h"
#include "document/SkinStorage.h"
#include "document/SkinTypes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The bytes of a skin's picture data files: file K holds pictures end to end,
// at the offsets the picture records name. It knows nothing of records; it
// hands out, appends, replaces and cuts ranges, and remembers which files
// changed since they were read or written, so that a save writes only those.
// Every change is one splice (a range replaced by other bytes), which a
// recorded change can put back.
//
// A data file that a load found on disk is not read then: its bytes stay in
// the file until something needs them. A picture's range is read from the
// file alone; a change, or a look at the whole file, reads it whole first.
// Either read checks that the path still names the very file the load found,
// unchanged (device, inode, size and times), and refuses one changed
// underneath rather than hand out bytes of another state of it.
class PictureStore {
public:
    // A data file may not outgrow what a record can name.
    static constexpr std::int64_t largestFile = 0x7FFFFFFF;

    // A data file as a load found it: its bytes, or (path set) the file on
    // disk that holds them, as state.onDisk describes, not read yet.
    struct Source {
        std::vector<std::uint8_t> bytes;
        std::string path;
        DataFileState state;
    };

    int fileCount() const { return static_cast<int>(files.size()); }
    std::uint32_t fileSize(int file) const; // 0 for a file not held
    // The whole file's bytes (read now if they were not); empty for a file
    // not held or one that cannot be read any more (see unreadableFile).
    std::span<const std::uint8_t> file(int file) const;
    // True when where names bytes inside a held data file.
    bool holds(const PictureLocation& where) const;
    // Copies the range's bytes into bytes; false (bytes empty) when
    // holds(where) is false or the file cannot be read any more.
    [[nodiscard]] bool read(const PictureLocation& where, std::vector<std::uint8_t>& bytes) const;
    // Reads every file not read yet; false when one cannot be read any more.
    [[nodiscard]] bool readAll();
    // The data files whose bytes were not read (they are as the load found them on disk).
    std::vector<int> unreadFiles() const;
    // The path of a data file that was changed or removed on disk after the
    // load, so that its bytes could not be read when needed; "" when none.
    const std::string& unreadableFile() const { return unreadable; }

    // Appends bytes to file (creating data file 0 when none is held): the
    // offset of the new bytes, or nothing for a file not held or one that
    // would outgrow largestFile.
    [[nodiscard]] std::optional<std::int64_t> append(int file, std::span<const std::uint8_t> bytes);
    // Replaces oldSize bytes at offset by bytes; false (and nothing changed)
    // for a range outside the file or a file that would outgrow largestFile.
    [[nodiscard]] bool replace(int file, std::int32_t offset, std::int32_t oldSize, std::span<const std::uint8_t> bytes);
    [[nodiscard]] bool cut(int file, std::int32_t offset, std::int32_t size);

    // Files as a load found them.
    void assign(std::vector<Source> found);
    void clear();
    // One empty data file, for a new skin.
    void startEmpty();
    // Empty files at the end, from file number first on, are not held any more.
    void dropEmptyFilesFrom(std::int64_t first);

    // Which files changed since they were read or written, and where they lie on disk.
    std::vector<DataFileState>& states() { return fileStates; }
    const std::vector<DataFileState>& states() const { return fileStates; }

    // Every splice from now on is also recorded into change (nullptr: none is).
    void recordInto(DocumentChange* change) { recording = change; }
    // Puts a recorded step back, or makes it again; false when the files do
    // not hold what the step expects (and then nothing changes).
    [[nodiscard]] bool undo(const DocumentChange::ByteStep& step);
    [[nodiscard]] bool redo(const DocumentChange::ByteStep& step);

private:
    struct DataFile {
        std::vector<std::uint8_t> bytes;
        std::string unreadPath; // set while the bytes lie unread in this file
    };
    // Reads file number file whole when it was not read, with room for growth
    // more bytes; false when it cannot be read.
    bool hold(int file, std::size_t growth) const;
    // A recorded step made (forward) or put back.
    bool apply(const DocumentChange::ByteStep& step, bool forward);
    // A file a step names that is not held reads as empty: held empty files
    // up to it when the step expects nothing there. False when it cannot be.
    bool reach(int file, const SharedBytes& expected);
    // Replaces removeCount bytes at offset of file by bytes (the range checked).
    void splice(int file, std::int64_t offset, std::int64_t removeCount, std::span<const std::uint8_t> bytes);

    // Reading a file's bytes on demand does not change what the store holds.
    mutable std::vector<DataFile> files;
    mutable std::string unreadable;
    std::vector<DataFileState> fileStates; // parallel to files
    DocumentChange* recording = nullptr;
};
