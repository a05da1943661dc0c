#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct stat;

// Which file a name held: its device and inode. None for a file that did not
// exist. A file keeps its id when it is renamed, so a recovery can tell which
// of its files a name holds now.
struct FileId {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;

    bool none() const { return device == 0 && inode == 0; }
    friend bool operator==(const FileId&, const FileId&) = default;
    static FileId of(const struct stat& info);
};

// One file of a commit.
struct CommitStep {
    std::string named;  // the path the caller gave
    std::string target; // the file replaced: named with its links followed
    std::string temp;   // name of the new content in target's folder, until renamed over target
    std::string backup; // name of the old content in target's folder; "" when target did not exist
    FileId tempId;      // the new content
    FileId oldId;       // the file target held before the commit; none when there was none
    FileId backupId;    // the backup (the old file itself when it is a hard link)
};

// The journal of a commit of several files: everything a later recovery
// needs to finish the commit or to undo it. Its text is checked strictly when
// read back: anything but exactly what text() writes is malformed.
struct CommitJournal {
    bool undo = false; // the commit failed and is being undone
    std::vector<CommitStep> steps;

    // A journal larger than this is malformed.
    static constexpr std::size_t largestText = std::size_t(1) << 20;

    std::string text() const;
    static std::optional<CommitJournal> parse(std::string_view text);
};
