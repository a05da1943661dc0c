#pragma once

#include "document/Folder.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <sys/types.h>

// Replaces a set of files all or nothing, also when a rename fails half-way,
// keeps failing, or the process dies between two renames.
//
// Every content is first written to a temporary file beside its target (a
// symbolic link is followed: the link stays and its target is replaced) and
// flushed to the disk. For more than one file the old files are then kept
// under backup names beside them: hard links, or copies where no link can be
// made or where the user could not remove the link again (a sticky folder,
// a file of another user). A journal naming every target, temporary and
// backup, with the device and inode of each, is written and flushed with its
// folder. Only then are the temporary files renamed over their targets, one
// after the other; the folders are flushed and the backups and the journal
// removed. When a rename fails, the journal is marked "undo" first and every
// file renamed so far is put back from its backup. Where that cannot be done
// (renames keep failing), nothing a recovery needs is removed: the journal,
// the backups and the temporary files stay, and recover() finishes the
// undoing, or the commit, once it can. When the process dies on the way, the
// next reader finds the journal and recover() does the same.
//
// Temporary and backup files are named ".NAME.tmp-PID-N" and ".NAME.old-PID-N"
// after the file NAME they belong to and the process that made them.
//
// Trust. A journal is acted on only when it is a regular file (opened without
// following a link and checked on the open file) that belongs to the user
// running the program, to root, or to the owner of the skin file (see Trust);
// anything else at the journal's name is left alone (NotOurs). It is obeyed
// only when every step names a file the caller may replace, in the journal's
// own folder, whose links lead where the journal says, and temporary and
// backup names (never paths) made for that file. Every file a recovery
// renames or removes is looked at by name relative to a folder descriptor
// opened once, without following a link: it must be a regular file that
// belongs to a trusted user and has the device and inode the journal
// recorded. A file of another user never takes the place of a skin's file,
// and nothing but the skin's own files and their side files is touched.
namespace FileCommit {

struct File {
    std::string path;
    std::span<const std::uint8_t> bytes;
};

// The users whose journals, temporary and backup files are trusted: the user
// running the program, root, and the owner of one reference file (the skin
// file) when it exists.
struct Trust {
    uid_t user = 0;
    std::optional<uid_t> fileOwner;

    bool trusts(uid_t owner) const { return owner == 0 || owner == user || (fileOwner && owner == *fileOwner); }
    // The trust for the files beside path (a link there counts as its own file).
    static Trust beside(const std::string& path);
};

enum class Outcome {
    Succeeded,
    Failed,     // a file could not be written or renamed; every file is as it was
    Unfinished, // a rename failed and the files could not all be put back:
                // the journal, backups and temporary files stay for recover()
    Abandoned,  // stopped through the FileSeam, as if the process had died
};

struct Result {
    Outcome outcome = Outcome::Succeeded;
    std::size_t file = 0; // for Failed and Unfinished: the file that could not be written or renamed
};

// Replaces the files. journal is where the journal is kept while more than one
// file is replaced (one file needs none: its rename is the commit). trust is
// the one a later recovery of them will use (backups are made to suit it).
[[nodiscard]] Result commit(const std::vector<File>& files, const std::string& journal, const Trust& trust);

enum class Recovery {
    NothingToDo, // no journal, or a malformed one, removed once no side file showed an unfinished commit
    Finished,    // the interrupted commit was finished, or undone
    Unfinished,  // the files could not be brought to one state; everything stays for the next try
    Unreadable,  // the journal could not be read; nothing was changed
    Damaged,     // a malformed journal beside side files of an unfinished commit; nothing was changed
    NotOurs,     // the journal's name holds no regular file of a trusted user; it was left alone
};

// Finishes (or completes the undoing of) the commit that the journal of that
// name in folder records. isOwnName(name) says which files of folder a commit
// may have replaced. Call it only under the files' exclusive lock.
[[nodiscard]] Recovery recover(const Folder& folder, const std::string& journalName,
                               const std::function<bool(const std::string&)>& isOwnName, const Trust& trust);

// Removes from folder the trusted temporary and backup files of processes
// that no longer run, for files whose name isOwnName accepts. Call it only
// where no commit of those files can be under way (under their lock, after
// recover found nothing left to do).
void removeLeftovers(const Folder& folder, const std::function<bool(const std::string&)>& isOwnName,
                     const Trust& trust);

} // namespace FileCommit
