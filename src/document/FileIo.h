#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Reads a whole file into a new buffer. Result: the byte count, or -1 when the
// file cannot be opened, is not a regular file, cannot be read, or is larger
// than a 32-bit signed count.
std::int64_t readWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes);
// As readWholeFile, but the file must also be open for writing ("r+b"): a file
// that exists but cannot be written gives -1 as well. Skins and their data
// files are read this way.
std::int64_t readWholeFileForUpdate(const std::string& path, std::vector<std::uint8_t>& bytes);

// Creates or replaces the file with the bytes. The old file is only replaced
// once the new content is completely written (a temporary file beside it is
// renamed over it). Result: false when nothing could be written; callers that
// follow the original behaviour ignore it.
bool writeWholeFile(std::span<const std::uint8_t> bytes, const std::string& path);

// Writes a set of files all or nothing: every content goes to a temporary file
// in the target's folder first; only when all are written are they renamed over
// the targets. On failure no target is touched, no temporary file is left, and
// the result is the index of the first file that failed (-1 on success).
int writeFilesAtomically(const std::vector<std::pair<std::string, std::span<const std::uint8_t>>>& files);

// The part of a path after its last "/" or "\" (the whole path when it has neither).
std::string fileNamePart(const std::string& path);
// The part of a path up to and including its last "/" or "\" ("" when it has neither).
std::string folderPart(const std::string& path);
