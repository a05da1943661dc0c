#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// Replaces a set of files all or nothing, also when a rename fails half-way
// or the process dies between two renames.
//
// Every content is first written to a temporary file beside its target (a
// symbolic link is followed: the link stays and its target is replaced) and
// flushed to the disk. For more than one file the old files are then kept
// under backup names beside them (hard links, or copies where links cannot be
// made), and a journal naming every target, temporary and backup is written
// and flushed with its folder. Only then are the temporary files renamed over
// their targets, one after the other; the folders are flushed and the backups
// and the journal removed. When a rename fails, every file is put back from
// its backup. When the process dies on the way, the next reader finds the
// journal and finishes the commit with recover().
//
// Temporary and backup files are named ".NAME.tmp-PID-N" and ".NAME.old-PID-N"
// after the file NAME they belong to and the process that made them.
namespace FileCommit {

struct File {
    std::string path;
    std::span<const std::uint8_t> bytes;
};

// Results of commit besides the index of the file that failed.
inline constexpr int succeeded = -1;
inline constexpr int abandoned = -2; // stopped through the FileSeam, as if the process had died

// Replaces the files. journal is where the journal is kept while more than one
// file is replaced (one file needs none: its rename is the commit). Result:
// succeeded; or the index of the file that could not be written or renamed,
// every file then being as it was.
[[nodiscard]] int commit(const std::vector<File>& files, const std::string& journal);

enum class Recovery {
    NothingToDo, // no journal (or one that named files not its own: removed, not acted on)
    Finished,    // the interrupted commit was finished, or undone after a failure
    Failed,      // the files could not be brought to one state; the journal stays
};
// Finishes (or completes the undoing of) the commit that journal records.
// isOwnFile(path) says which paths the commit may have replaced.
[[nodiscard]] Recovery recover(const std::string& journal, const std::function<bool(const std::string&)>& isOwnFile);

// Removes from folder the temporary and backup files of processes that no
// longer run, for files whose name isOwnName accepts. Call it only where no
// commit of those files can be under way (under their lock, after recover).
void removeLeftovers(const std::string& folder, const std::function<bool(const std::string&)>& isOwnName);

} // namespace FileCommit
