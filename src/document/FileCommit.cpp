#include "document/FileCommit.h"

#include "document/CommitJournal.h"
#include "document/FileIo.h"
#include "document/FileSeam.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <map>
#include <set>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FileCommit {

namespace {

// Names of side files stay short enough for any file system, whatever the
// length of the name they are made for.
constexpr std::size_t longestOwnerName = 100;
constexpr int nameAttempts = 100;
// Side files are named ".NAME" + kind + "PID-N".
constexpr std::string_view temporaryKind = ".tmp-";
constexpr std::string_view backupKind = ".old-";

// --- side file names --------------------------------------------------------------

std::string ownerName(const std::string& fileName)
{
    return fileName.substr(0, longestOwnerName);
}

// ".NAME.KIND-PID-N" for the file name NAME.
std::string sideName(const std::string& fileName, std::string_view kind)
{
    static std::atomic<unsigned> counter {0};
    std::string name = ".";
    name += ownerName(fileName);
    name += kind;
    name += std::to_string(::getpid());
    name += '-';
    name += std::to_string(counter.fetch_add(1));
    return name;
}

// A side file's name taken apart.
struct SideName {
    std::string owner;
    std::string_view kind;
    long pid = 0;
};

bool allDigits(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::optional<SideName> parseSideName(std::string_view name)
{
    if (name.size() < 2 || name[0] != '.' || name.find_first_of("/\\") != std::string_view::npos)
        return std::nullopt;
    for (std::string_view kind : {temporaryKind, backupKind}) {
        const auto at = name.rfind(kind);
        if (at == std::string_view::npos || at < 2)
            continue;
        const std::string_view numbers = name.substr(at + kind.size());
        const auto dash = numbers.find('-');
        if (dash == std::string_view::npos || !allDigits(numbers.substr(0, dash)) || !allDigits(numbers.substr(dash + 1)))
            continue;
        SideName parsed {std::string(name.substr(1, at - 1)), kind, 0};
        if (std::from_chars(numbers.data(), numbers.data() + dash, parsed.pid).ec != std::errc())
            continue;
        return parsed;
    }
    return std::nullopt;
}

bool isSideNameOf(const std::string& side, const std::string& fileName, std::string_view kind)
{
    const auto parsed = parseSideName(side);
    return parsed && parsed->kind == kind && parsed->owner == ownerName(fileName);
}

bool processRuns(long pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

// --- the folders and files of a commit ----------------------------------------------

// The folders a commit or recovery works in, each opened once.
class Folders {
public:
    explicit Folders(const Folder* known = nullptr) : known(known) {}

    // nullptr when the folder cannot be opened.
    const Folder* open(const std::string& path)
    {
        if (known && known->path() == path)
            return known;
        auto found = opened.find(path);
        if (found == opened.end())
            found = opened.try_emplace(path, path).first;
        return found->second.valid() ? &found->second : nullptr;
    }
    // Flushes every folder's entries; false when one could not be flushed.
    bool syncAll() const
    {
        bool synced = !known || known->sync();
        for (const auto& [path, folder] : opened)
            synced = folder.sync() && synced;
        return synced;
    }

private:
    const Folder* known;
    std::map<std::string, Folder> opened;
};

// One step of a commit with the folder its files lie in.
struct Placed {
    CommitStep step;
    const Folder* folder = nullptr;
    std::string targetName;
};

// True when name in folder holds the file id as a regular file of a trusted user.
bool holdsFile(const Folder& folder, const std::string& name, const FileId& id, const Trust& trust)
{
    if (name.empty() || id.none())
        return false;
    const auto entry = folder.entry(name);
    return entry && S_ISREG(entry->st_mode) && trust.trusts(entry->st_uid) && FileId::of(*entry) == id;
}

enum class TargetHolds {
    Old,      // the file that was there before (or nothing, when there was none)
    New,      // the new content, renamed into place
    Restored, // a copy of the old content, put back
    Unknown,  // anything else: nothing may be done to it
};

TargetHolds targetHolds(const Placed& placed, const Trust& trust)
{
    const CommitStep& step = placed.step;
    const auto entry = placed.folder->entry(placed.targetName);
    if (!entry)
        return errno == ENOENT && step.oldId.none() ? TargetHolds::Old : TargetHolds::Unknown;
    if (!S_ISREG(entry->st_mode))
        return TargetHolds::Unknown;
    const FileId id = FileId::of(*entry);
    if (id == step.tempId && trust.trusts(entry->st_uid))
        return TargetHolds::New;
    if (!step.oldId.none() && id == step.oldId)
        return TargetHolds::Old;
    if (!step.backupId.none() && id == step.backupId && trust.trusts(entry->st_uid))
        return TargetHolds::Restored;
    return TargetHolds::Unknown;
}

bool canGoForward(const std::vector<Placed>& steps, const Trust& trust)
{
    return std::all_of(steps.begin(), steps.end(), [&trust](const Placed& placed) {
        const TargetHolds holds = targetHolds(placed, trust);
        return holds == TargetHolds::New
            || (holds == TargetHolds::Old && holdsFile(*placed.folder, placed.step.temp, placed.step.tempId, trust));
    });
}

bool canGoBack(const std::vector<Placed>& steps, const Trust& trust)
{
    return std::all_of(steps.begin(), steps.end(), [&trust](const Placed& placed) {
        const TargetHolds holds = targetHolds(placed, trust);
        return holds == TargetHolds::Old || holds == TargetHolds::Restored
            || (holds == TargetHolds::New
                && (placed.step.oldId.none()
                    || holdsFile(*placed.folder, placed.step.backup, placed.step.backupId, trust)));
    });
}

// Renames what is left to rename (only after canGoForward).
bool goForward(const std::vector<Placed>& steps, const Trust& trust)
{
    for (const Placed& placed : steps) {
        if (targetHolds(placed, trust) != TargetHolds::New
            && placed.folder->rename(placed.step.temp, *placed.folder, placed.targetName) != 0)
            return false;
    }
    return true;
}

// Puts back every file renamed so far (only after canGoBack): its backup over
// it, or, for a file the commit created, away with it.
bool goBack(const std::vector<Placed>& steps, const Trust& trust)
{
    for (const Placed& placed : steps) {
        if (targetHolds(placed, trust) != TargetHolds::New)
            continue;
        const int error = placed.step.oldId.none()
            ? placed.folder->remove(placed.targetName)
            : placed.folder->rename(placed.step.backup, *placed.folder, placed.targetName);
        if (error != 0)
            return false;
    }
    return true;
}

// Removes the temporary and backup files that are still there.
void removeSideFiles(const std::vector<Placed>& steps, const Trust& trust)
{
    for (const Placed& placed : steps) {
        if (holdsFile(*placed.folder, placed.step.temp, placed.step.tempId, trust))
            placed.folder->remove(placed.step.temp);
        if (holdsFile(*placed.folder, placed.step.backup, placed.step.backupId, trust))
            placed.folder->remove(placed.step.backup);
    }
}

// --- the journal ----------------------------------------------------------------------

enum class JournalWrite { NotWritten, InPlace, Flushed };

// Puts the journal in place whole (it replaces an older state of itself).
JournalWrite writeJournal(const Folder& folder, const std::string& name, const CommitJournal& journal)
{
    const std::string text = journal.text();
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    int error = EEXIST;
    std::string temp;
    for (int attempt = 0; attempt < nameAttempts && error == EEXIST; ++attempt) {
        temp = sideName(name, temporaryKind);
        struct stat made {};
        error = folder.create(temp, bytes, std::nullopt, made);
    }
    if (error != 0)
        return JournalWrite::NotWritten;
    if (folder.rename(temp, folder, name) != 0) {
        folder.remove(temp);
        return JournalWrite::NotWritten;
    }
    return folder.sync() ? JournalWrite::Flushed : JournalWrite::InPlace;
}

void removeJournal(const Folder& folder, const std::string& name)
{
    if (folder.remove(name) == 0)
        folder.sync();
}

// Drops what a commit left once its files are in one state.
void finish(const std::vector<Placed>& steps, const Folders& folders, const Folder& journalFolder,
            const std::string& journalName, const Trust& trust)
{
    folders.syncAll();
    removeSideFiles(steps, trust);
    removeJournal(journalFolder, journalName);
}

// Puts every file back (the journal is marked first); false when that could
// not be done, the journal and side files then staying.
bool undo(const std::vector<Placed>& steps, const Folders& folders, const Folder& journalFolder,
          const std::string& journalName, CommitJournal& journal, const Trust& trust)
{
    if (!canGoBack(steps, trust))
        return false;
    if (!journal.undo) {
        journal.undo = true;
        if (writeJournal(journalFolder, journalName, journal) == JournalWrite::NotWritten)
            return false;
    }
    if (!goBack(steps, trust))
        return false;
    finish(steps, folders, journalFolder, journalName, trust);
    return true;
}

// --- making a commit ---------------------------------------------------------------------

bool writeTemporary(Placed& placed, std::span<const std::uint8_t> bytes, std::optional<unsigned> permissions)
{
    int error = EEXIST;
    for (int attempt = 0; attempt < nameAttempts && error == EEXIST; ++attempt) {
        placed.step.temp = sideName(placed.targetName, temporaryKind);
        struct stat made {};
        error = placed.folder->create(placed.step.temp, bytes, permissions, made);
        placed.step.tempId = FileId::of(made);
    }
    if (error == 0)
        return true;
    placed.step.temp.clear();
    placed.step.tempId = {};
    return false;
}

// A hard link as backup only of a trusted file that the user can remove again.
bool mayLinkBackup(const Folder& folder, const struct stat& old, const Trust& trust)
{
    const uid_t user = ::geteuid();
    if (!trust.trusts(old.st_uid))
        return false;
    if (user == 0 || old.st_uid == user)
        return true;
    struct stat info {};
    return ::fstat(folder.descriptor(), &info) == 0 && ((info.st_mode & S_ISVTX) == 0 || info.st_uid == user);
}

// A copy of the old content, made by this user.
int copyBackup(Placed& placed, const std::string& name)
{
    FileDescriptor old = placed.folder->open(placed.targetName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    struct stat info {};
    std::vector<std::uint8_t> bytes;
    if (!old.valid() || ::fstat(old.get(), &info) != 0 || !S_ISREG(info.st_mode)
        || FileId::of(info) != placed.step.oldId || readOpenFile(old.get(), std::size_t(info.st_size), bytes) < 0)
        return EIO;
    struct stat made {};
    const int error = placed.folder->create(name, bytes, unsigned(info.st_mode & 07777), made);
    if (error == 0)
        placed.step.backupId = FileId::of(made);
    return error;
}

bool keepOldContent(Placed& placed, const struct stat& old, const Trust& trust)
{
    const bool linked = mayLinkBackup(*placed.folder, old, trust);
    int error = EEXIST;
    for (int attempt = 0; attempt < nameAttempts && error == EEXIST; ++attempt) {
        placed.step.backup = sideName(placed.targetName, backupKind);
        error = linked ? placed.folder->link(placed.targetName, placed.step.backup) : EPERM;
        if (error == 0) {
            placed.step.backupId = placed.step.oldId;
            return holdsFile(*placed.folder, placed.step.backup, placed.step.backupId, trust);
        }
        // No hard links on this file system, or not to this file: a copy does as well.
        if (error != EEXIST)
            error = copyBackup(placed, placed.step.backup);
    }
    if (error == 0)
        return true;
    placed.step.backup.clear();
    placed.step.backupId = {};
    return false;
}

Result failed(std::size_t file)
{
    return {Outcome::Failed, file};
}

// Where each file goes; false (with the index) for a file that cannot be replaced.
bool placeFiles(const std::vector<File>& files, Folders& folders, std::vector<Placed>& steps,
                std::vector<struct stat>& olds, std::size_t& failedFile)
{
    std::set<std::string> targets;
    for (std::size_t i = 0; i < files.size(); ++i) {
        failedFile = i;
        Placed& placed = steps[i];
        const auto target = resolveLinks(files[i].path);
        if (!target || replaceableError(*target) != 0 || !targets.insert(*target).second)
            return false;
        placed.step.named = files[i].path;
        placed.step.target = *target;
        placed.folder = folders.open(folderPart(*target));
        placed.targetName = fileNamePart(*target);
        if (!placed.folder)
            return false;
        if (const auto entry = placed.folder->entry(placed.targetName)) {
            if (!S_ISREG(entry->st_mode))
                return false;
            olds[i] = *entry;
            placed.step.oldId = FileId::of(*entry);
        } else if (errno != ENOENT) {
            return false;
        }
    }
    return true;
}

// --- recovering ------------------------------------------------------------------------

// A journal is only obeyed when every step names one of the files it may
// replace (as its links lead now) and side files made for exactly that file.
bool plausible(const CommitJournal& journal, const Folder& folder,
               const std::function<bool(const std::string&)>& isOwnName)
{
    std::set<std::string> targets;
    return !journal.steps.empty() && std::all_of(journal.steps.begin(), journal.steps.end(), [&](const CommitStep& step) {
        const std::string targetName = fileNamePart(step.target);
        const bool hadFile = !step.oldId.none();
        return folderPart(step.named) == folder.path() && isOwnName(fileNamePart(step.named))
            && resolveLinks(step.named) == step.target && targets.insert(step.target).second
            && isSideNameOf(step.temp, targetName, temporaryKind) && !step.tempId.none()
            && hadFile == !step.backup.empty() && hadFile == !step.backupId.none()
            && (!hadFile || isSideNameOf(step.backup, targetName, backupKind));
    });
}

// Calls visit with the name of every entry of the folder.
void forEachName(const Folder& folder, const std::function<void(const std::string&)>& visit)
{
    const int fd = ::openat(folder.descriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR* listing = fd < 0 ? nullptr : ::fdopendir(fd);
    if (!listing) {
        if (fd >= 0)
            ::close(fd);
        return;
    }
    while (const dirent* entry = ::readdir(listing))
        visit(entry->d_name);
    ::closedir(listing);
}

// True when no temporary or backup file of the folder's own files is left,
// so that no commit can be half done.
bool noSideFiles(const Folder& folder, const std::function<bool(const std::string&)>& isOwnName)
{
    bool none = true;
    forEachName(folder, [&](const std::string& name) {
        const auto parsed = parseSideName(name);
        if (parsed && isOwnName(parsed->owner))
            none = false;
    });
    return none;
}

// Brings the files of a plausible journal to one state and drops the journal.
Recovery settle(const Folder& folder, const std::string& journalName, CommitJournal& journal, const Trust& trust)
{
    Folders folders(&folder);
    std::vector<Placed> steps;
    for (const CommitStep& step : journal.steps) {
        const Folder* stepFolder = folders.open(folderPart(step.target));
        if (!stepFolder)
            return Recovery::Unfinished;
        steps.push_back({step, stepFolder, fileNamePart(step.target)});
    }
    if (!journal.undo && canGoForward(steps, trust) && goForward(steps, trust)) {
        finish(steps, folders, folder, journalName, trust);
        return Recovery::Finished;
    }
    return undo(steps, folders, folder, journalName, journal, trust) ? Recovery::Finished : Recovery::Unfinished;
}

} // namespace

Trust Trust::beside(const std::string& path)
{
    Trust trust;
    trust.user = ::geteuid();
    struct stat info {};
    if (!path.empty() && ::lstat(path.c_str(), &info) == 0)
        trust.fileOwner = info.st_uid;
    return trust;
}

Result commit(const std::vector<File>& files, const std::string& journal, const Trust& trust)
{
    Folders folders;
    std::vector<Placed> steps(files.size());
    std::vector<struct stat> olds(files.size());
    std::size_t failedFile = 0;
    if (!placeFiles(files, folders, steps, olds, failedFile))
        return failed(failedFile);
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool hadFile = !steps[i].step.oldId.none();
        if (!writeTemporary(steps[i], files[i].bytes,
                            hadFile ? std::optional<unsigned>(olds[i].st_mode & 07777) : std::nullopt)) {
            removeSideFiles(steps, trust);
            return failed(i);
        }
    }
    const bool journaled = files.size() > 1;
    const Folder* journalFolder = journaled && !journal.empty() ? folders.open(folderPart(journal)) : nullptr;
    const std::string journalName = fileNamePart(journal);
    CommitJournal record;
    if (journaled) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (!steps[i].step.oldId.none() && !keepOldContent(steps[i], olds[i], trust)) {
                removeSideFiles(steps, trust);
                return failed(i);
            }
        }
        for (const Placed& placed : steps)
            record.steps.push_back(placed.step);
        const JournalWrite written = journalFolder ? writeJournal(*journalFolder, journalName, record)
                                                   : JournalWrite::NotWritten;
        // Not one rename before the journal and every side file are on the disk.
        if (written != JournalWrite::Flushed || !folders.syncAll()) {
            if (written != JournalWrite::NotWritten)
                removeJournal(*journalFolder, journalName);
            removeSideFiles(steps, trust);
            return failed(0);
        }
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        Placed& placed = steps[i];
        if (placed.folder->rename(placed.step.temp, *placed.folder, placed.targetName) != 0) {
            if (!journaled) {
                removeSideFiles(steps, trust);
                return failed(i);
            }
            const bool undone = undo(steps, folders, *journalFolder, journalName, record, trust);
            return {undone ? Outcome::Failed : Outcome::Unfinished, i};
        }
        if (!FileSeam::current().goOnAfterRename(i + 1))
            return {Outcome::Abandoned, i};
    }
    if (journaled)
        finish(steps, folders, *journalFolder, journalName, trust);
    else
        folders.syncAll();
    return {Outcome::Succeeded, 0};
}

Recovery recover(const Folder& folder, const std::string& journalName,
                 const std::function<bool(const std::string&)>& isOwnName, const Trust& trust)
{
    FileDescriptor file = folder.open(journalName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK);
    struct stat info {};
    if (!file.valid()) {
        if (errno == ENOENT)
            return Recovery::NothingToDo;
        // A link or something that cannot be opened: whose is it?
        const auto entry = folder.entry(journalName);
        if (!entry)
            return errno == ENOENT ? Recovery::NothingToDo : Recovery::Unreadable;
        return S_ISREG(entry->st_mode) && trust.trusts(entry->st_uid) ? Recovery::Unreadable : Recovery::NotOurs;
    }
    if (::fstat(file.get(), &info) != 0)
        return Recovery::Unreadable;
    if (!S_ISREG(info.st_mode) || !trust.trusts(info.st_uid))
        return Recovery::NotOurs;
    std::vector<std::uint8_t> bytes;
    const std::size_t limit = std::size_t(std::min<off_t>(info.st_size, off_t(CommitJournal::largestText) + 1));
    if (readOpenFile(file.get(), limit, bytes) < 0)
        return Recovery::Unreadable;
    file.reset();
    std::optional<CommitJournal> journal =
        CommitJournal::parse(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    if (!journal || !plausible(*journal, folder, isOwnName)) {
        // Not a journal this program wrote for these files: never acted on,
        // and only removed where no commit can be half done.
        if (!noSideFiles(folder, isOwnName))
            return Recovery::Damaged;
        removeJournal(folder, journalName);
        return Recovery::NothingToDo;
    }
    return settle(folder, journalName, *journal, trust);
}

void removeLeftovers(const Folder& folder, const std::function<bool(const std::string&)>& isOwnName,
                     const Trust& trust)
{
    std::vector<std::string> stale;
    forEachName(folder, [&](const std::string& name) {
        const auto parsed = parseSideName(name);
        if (parsed && isOwnName(parsed->owner) && !processRuns(parsed->pid))
            stale.push_back(name);
    });
    for (const std::string& name : stale) {
        const auto entry = folder.entry(name);
        if (entry && S_ISREG(entry->st_mode) && trust.trusts(entry->st_uid))
            folder.remove(name);
    }
}

} // namespace FileCommit
