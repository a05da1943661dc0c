#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct stat;

// Which file a path named when it was read: two identities are equal only
// when the path still names the same, unchanged file.
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modified = 0; // nanoseconds
    std::int64_t changed = 0;  // nanoseconds (status change: also set by a rename)
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
    // The same file with the same bytes: the status change time is left out,
    // since links made and removed beside a file (a save's backups) set it.
    bool sameBytesAs(const FileIdentity& other) const
    {
        return device == other.device && inode == other.inode && size == other.size && modified == other.modified;
    }

    static FileIdentity of(const struct stat& info);
};

// Reads a whole file, opened read-only, into a new buffer. Result: the byte
// count, or -1 when the file cannot be opened, is not a regular file, cannot
// be read, or is larger than a 32-bit signed count. identity, when given,
// gets the identity of the file read.
std::int64_t readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                           FileIdentity* identity = nullptr);
// Reads at most limit bytes from the start of a regular file (so that a file
// can be judged by its first line without reading all of it). -1 as readWholeFile.
std::int64_t readFileStart(const std::string& path, std::size_t limit, std::vector<std::uint8_t>& bytes);
// Reads up to limit bytes from an open file's current position (fewer when
// the file ends first); -1 when a read fails.
std::int64_t readOpenFile(int fd, std::size_t limit, std::vector<std::uint8_t>& bytes);
// Appends count bytes from offset of the regular file at path to bytes (in
// the capacity the caller reserved), when the path still names the file
// identity describes (sameBytesAs) and it stays so while it is read; false (bytes as
// they were) when it cannot be opened, is another or a changed file now, or
// ends before the range does.
[[nodiscard]] bool readFileRange(const std::string& path, const FileIdentity& identity, std::int64_t offset,
                                 std::size_t count, std::vector<std::uint8_t>& bytes);
// Writes all the bytes to an open file; false when a write fails.
bool writeOpenFile(int fd, std::span<const std::uint8_t> bytes);

// Creates or replaces the file with the bytes, as one commit of a single file
// (see FileCommit): written to a temporary file beside it and renamed into
// place, so that the old file is only replaced by complete new content.
// Symbolic links are followed (see resolveLinks): the link stays, its target
// is replaced. Only a missing file or a regular file that may be written is
// replaced: never a folder, device, pipe or socket. Result: false when
// nothing was written.
bool writeWholeFile(std::span<const std::uint8_t> bytes, const std::string& path);

// The identity of the file a path names now (symbolic links followed).
std::optional<FileIdentity> identityOf(const std::string& path);
// The path a chain of symbolic links ends at (relative links are taken from
// the link's folder); the path itself when it is no link, also when it does
// not exist. Nothing for a loop, an unreadable link, or a link that the
// system's protection of shared folders would not follow: one in a sticky
// folder that everybody may write, belonging neither to the user nor to the
// folder's owner.
std::optional<std::string> resolveLinks(const std::string& path);
// 0 when path may be replaced by a new file: it does not exist, or it is a
// regular file (not a link) that may be written. Otherwise an errno value.
int replaceableError(const std::string& path);
// True when something of that name exists (links are not followed).
bool pathExists(const std::string& path);
// True when the path names a regular file (links followed).
bool isRegularFile(const std::string& path);

// The part of a path after its last "/" or "\" (the whole path when it has neither).
std::string fileNamePart(const std::string& path);
// The part of a path up to and including its last "/" or "\" ("" when it has neither).
std::string folderPart(const std::string& path);
