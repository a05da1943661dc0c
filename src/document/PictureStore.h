#pragma once

#include "document/DocumentChange.h"
#include "document/SkinStorage.h"
#include "document/SkinTypes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The bytes of a skin's picture data files: file K holds pictures end to end,
// at the offsets the picture records name. It knows nothing of records; it
// hands out, appends, replaces and cuts ranges, and remembers which files
// changed since they were read or written, so that a save writes only those.
// Every change is one splice (a range replaced by other bytes), which a
// recorded change can put back.
class PictureStore {
public:
    // A data file may not outgrow what a record can name.
    static constexpr std::int64_t largestFile = 0x7FFFFFFF;

    int fileCount() const { return static_cast<int>(files.size()); }
    std::uint32_t fileSize(int file) const;             // 0 for a file not held
    std::span<const std::uint8_t> file(int file) const; // empty for a file not held
    // True when where names bytes inside a held data file.
    bool holds(const PictureLocation& where) const;
    // The range's bytes; empty when holds(where) is false.
    std::span<const std::uint8_t> bytes(const PictureLocation& where) const;

    // Appends bytes to file (creating data file 0 when none is held): the
    // offset of the new bytes, or nothing for a file not held or one that
    // would outgrow largestFile.
    [[nodiscard]] std::optional<std::int64_t> append(int file, std::span<const std::uint8_t> bytes);
    // Replaces oldSize bytes at offset by bytes; false (and nothing changed)
    // for a range outside the file or a file that would outgrow largestFile.
    [[nodiscard]] bool replace(int file, std::int32_t offset, std::int32_t oldSize, std::span<const std::uint8_t> bytes);
    [[nodiscard]] bool cut(int file, std::int32_t offset, std::int32_t size);

    // Files as read, each unchanged and held on disk as its state says.
    void assign(std::vector<std::vector<std::uint8_t>> read, std::vector<DataFileState> states);
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
    // A recorded step made (forward) or put back.
    bool apply(const DocumentChange::ByteStep& step, bool forward);
    // A file a step names that is not held reads as empty: held empty files
    // up to it when the step expects nothing there. False when it cannot be.
    bool reach(int file, const SharedBytes& expected);
    // Replaces removeCount bytes at offset of file by bytes (the range checked).
    void splice(int file, std::int64_t offset, std::int64_t removeCount, std::span<const std::uint8_t> bytes);

    std::vector<std::vector<std::uint8_t>> files;
    std::vector<DataFileState> fileStates; // parallel to files
    DocumentChange* recording = nullptr;
};
