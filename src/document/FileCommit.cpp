#include "document/FileCommit.h"

#include "document/FileIo.h"
#include "document/FileSeam.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <set>
#include <string_view>

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
constexpr std::string_view journalHeader = "velaskin commit 1\n";
constexpr std::string_view stateCommit = "commit";
constexpr std::string_view stateUndo = "undo";
constexpr std::size_t largestJournal = 1 << 20;
constexpr std::size_t mostJournalSteps = 4096;

// One file of a commit.
struct Step {
    std::string named;  // the path the caller gave
    std::string target; // the file actually replaced (links followed)
    std::string temp;   // the new content, until renamed over target
    std::string backup; // the old content; "" when target did not exist
};

std::string ownerName(const std::string& file)
{
    return fileNamePart(file).substr(0, longestOwnerName);
}

// ".NAME.KIND-PID-N" beside file.
std::string sideName(const std::string& file, std::string_view kind)
{
    static std::atomic<unsigned> counter {0};
    std::string name = folderPart(file);
    name += '.';
    name += ownerName(file);
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
    if (name.size() < 2 || name[0] != '.')
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

bool isSideFileOf(const std::string& side, const std::string& file, std::string_view kind)
{
    if (folderPart(side) != folderPart(file))
        return false;
    const auto parsed = parseSideName(fileNamePart(side));
    return parsed && parsed->kind == kind && parsed->owner == ownerName(file);
}

bool processRuns(long pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno == EPERM);
}

void removeIfThere(const std::string& path)
{
    if (!path.empty())
        ::unlink(path.c_str());
}

void syncFolders(const std::vector<Step>& steps, const std::string& journal)
{
    std::set<std::string> folders;
    if (!journal.empty())
        folders.insert(folderPart(journal));
    for (const Step& step : steps)
        folders.insert(folderPart(step.target));
    for (const std::string& folder : folders)
        syncFolder(folder);
}

// --- writing the new and keeping the old content -----------------------------

int writeTemporary(Step& step, std::span<const std::uint8_t> bytes)
{
    // The new file gets the permission bits of the one it replaces.
    std::optional<unsigned> permissions;
    struct stat old {};
    if (::stat(step.target.c_str(), &old) == 0 && S_ISREG(old.st_mode))
        permissions = unsigned(old.st_mode & 07777);
    int error = EEXIST;
    for (int attempt = 0; attempt < nameAttempts && error == EEXIST; ++attempt) {
        step.temp = sideName(step.target, temporaryKind);
        error = createFile(step.temp, bytes, permissions);
    }
    if (error != 0)
        step.temp.clear();
    return error;
}

int keepOldContent(Step& step)
{
    int error = EEXIST;
    for (int attempt = 0; attempt < nameAttempts && error == EEXIST; ++attempt) {
        step.backup = sideName(step.target, backupKind);
        if (FileSeam::current().linkFile(step.target, step.backup) == 0)
            return 0;
        if (errno == EEXIST)
            continue;
        // No hard links on this file system, or not to this file: a copy does as well.
        std::vector<std::uint8_t> old;
        struct stat info {};
        if (::stat(step.target.c_str(), &info) != 0 || readWholeFile(step.target, old) < 0) {
            error = EIO;
            break;
        }
        error = createFile(step.backup, old, unsigned(info.st_mode & 07777));
    }
    if (error != 0)
        step.backup.clear();
    return error;
}

void discard(const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        removeIfThere(step.temp);
        removeIfThere(step.backup);
    }
}

// --- the journal --------------------------------------------------------------

void appendField(std::string& text, const std::string& field)
{
    text += std::to_string(field.size());
    text += ' ';
    text += field;
    text += '\n';
}

std::string journalText(std::string_view state, const std::vector<Step>& steps)
{
    std::string text(journalHeader);
    text += state;
    text += '\n';
    text += std::to_string(steps.size());
    text += '\n';
    for (const Step& step : steps) {
        appendField(text, step.named);
        appendField(text, step.target);
        appendField(text, step.temp);
        appendField(text, step.backup);
    }
    text += "end\n";
    return text;
}

// Puts the journal in place whole (it replaces an older state of itself).
bool writeJournal(const std::string& journal, std::string_view state, const std::vector<Step>& steps)
{
    const std::string text = journalText(state, steps);
    const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    int error = EEXIST;
    std::string temp;
    for (int attempt = 0; attempt < nameAttempts && error == EEXIST; ++attempt) {
        temp = sideName(journal, temporaryKind);
        error = createFile(temp, bytes, std::nullopt);
    }
    if (error != 0)
        return false;
    if (std::rename(temp.c_str(), journal.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    return syncFolder(folderPart(journal));
}

// Reads the journal's text; nothing for a malformed one.
class JournalReader {
public:
    explicit JournalReader(std::string_view text) : text(text) {}

    bool line(std::string_view& value)
    {
        const auto end = text.find('\n', pos);
        if (end == std::string_view::npos)
            return false;
        value = text.substr(pos, end - pos);
        pos = end + 1;
        return true;
    }
    bool number(std::size_t& value)
    {
        std::string_view digits;
        return line(digits) && allDigits(digits)
            && std::from_chars(digits.data(), digits.data() + digits.size(), value).ec == std::errc();
    }
    bool field(std::string& value)
    {
        const auto space = text.find(' ', pos);
        std::size_t length = 0;
        if (space == std::string_view::npos || !allDigits(text.substr(pos, space - pos))
            || std::from_chars(text.data() + pos, text.data() + space, length).ec != std::errc()
            || length > text.size() - space - 1 || text.size() - space - 1 - length < 1
            || text[space + 1 + length] != '\n')
            return false;
        value.assign(text.substr(space + 1, length));
        pos = space + length + 2;
        return true;
    }
    bool atEnd() const { return pos == text.size(); }

private:
    std::string_view text;
    std::size_t pos = 0;
};

struct Journal {
    bool undo = false;
    std::vector<Step> steps;
};

std::optional<Journal> readJournal(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (readFileStart(path, largestJournal + 1, bytes) < 0 || bytes.size() > largestJournal)
        return std::nullopt;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (text.substr(0, journalHeader.size()) != journalHeader)
        return std::nullopt;
    JournalReader reader(text.substr(journalHeader.size()));
    std::string_view state;
    std::size_t count = 0;
    if (!reader.line(state) || (state != stateCommit && state != stateUndo) || !reader.number(count)
        || count > mostJournalSteps)
        return std::nullopt;
    Journal journal {state == stateUndo, std::vector<Step>(count)};
    for (Step& step : journal.steps) {
        if (!reader.field(step.named) || !reader.field(step.target) || !reader.field(step.temp)
            || !reader.field(step.backup))
            return std::nullopt;
    }
    std::string_view end;
    if (!reader.line(end) || end != "end" || !reader.atEnd())
        return std::nullopt;
    return journal;
}

// A journal is only acted on when every step names one of the files it may
// replace (as its links lead now) and side files made for exactly that file.
bool plausible(const Journal& journal, const std::function<bool(const std::string&)>& isOwnFile)
{
    return std::all_of(journal.steps.begin(), journal.steps.end(), [&isOwnFile](const Step& step) {
        return isOwnFile(step.named) && resolveLinks(step.named) == step.target
            && isSideFileOf(step.temp, step.target, temporaryKind)
            && (step.backup.empty() || isSideFileOf(step.backup, step.target, backupKind));
    });
}

// --- finishing and undoing ------------------------------------------------------

// Puts the old content of one file back (or removes a file the commit created).
bool undoStep(const Step& step)
{
    bool restored = true;
    if (!step.backup.empty()) {
        // A backup that is a hard link of the target itself (not renamed over
        // yet) stays where it is after the rename: it is removed below.
        if (pathExists(step.backup) && FileSeam::current().renameFile(step.backup, step.target) != 0)
            restored = false;
        else
            removeIfThere(step.backup);
        removeIfThere(step.temp);
    } else if (pathExists(step.temp)) {
        removeIfThere(step.temp);
    } else if (pathExists(step.target)) {
        restored = ::unlink(step.target.c_str()) == 0;
    }
    return restored;
}

// Undoes every step, then drops the journal; false when a file could not be put back.
bool rollBack(const std::string& journal, const std::vector<Step>& steps)
{
    writeJournal(journal, stateUndo, steps);
    bool restored = true;
    for (const Step& step : steps)
        restored = undoStep(step) && restored;
    syncFolders(steps, journal);
    if (!restored)
        return false;
    ::unlink(journal.c_str());
    syncFolder(folderPart(journal));
    return true;
}

// Renames what is left to rename, then drops backups and the journal.
bool rollForward(const std::string& journal, const std::vector<Step>& steps)
{
    for (const Step& step : steps) {
        if (pathExists(step.temp) && FileSeam::current().renameFile(step.temp, step.target) != 0)
            return false;
    }
    syncFolders(steps, journal);
    for (const Step& step : steps)
        removeIfThere(step.backup);
    ::unlink(journal.c_str());
    syncFolder(folderPart(journal));
    return true;
}

} // namespace

int commit(const std::vector<File>& files, const std::string& journal)
{
    std::vector<Step> steps(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        const auto target = resolveLinks(files[i].path);
        if (!target || replaceableError(*target) != 0)
            return int(i);
        steps[i].named = files[i].path;
        steps[i].target = *target;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (writeTemporary(steps[i], files[i].bytes) != 0) {
            discard(steps);
            return int(i);
        }
    }
    const bool journaled = files.size() > 1;
    if (journaled) {
        for (std::size_t i = 0; i < steps.size(); ++i) {
            if (pathExists(steps[i].target) && keepOldContent(steps[i]) != 0) {
                discard(steps);
                return int(i);
            }
        }
        if (journal.empty() || !writeJournal(journal, stateCommit, steps)) {
            discard(steps);
            return 0;
        }
        syncFolders(steps, journal);
    }
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (FileSeam::current().renameFile(steps[i].temp, steps[i].target) != 0) {
            if (journaled)
                rollBack(journal, steps);
            else
                discard(steps);
            return int(i);
        }
        if (!FileSeam::current().goOnAfterRename(i + 1))
            return abandoned;
    }
    syncFolders(steps, journal);
    if (journaled) {
        for (const Step& step : steps)
            removeIfThere(step.backup);
        ::unlink(journal.c_str());
        syncFolder(folderPart(journal));
    }
    return succeeded;
}

Recovery recover(const std::string& journal, const std::function<bool(const std::string&)>& isOwnFile)
{
    if (!pathExists(journal))
        return Recovery::NothingToDo;
    const std::optional<Journal> found = readJournal(journal);
    if (!found || !plausible(*found, isOwnFile)) {
        // Not a journal this program wrote for these files: never act on it.
        ::unlink(journal.c_str());
        return Recovery::NothingToDo;
    }
    if (!found->undo && rollForward(journal, found->steps))
        return Recovery::Finished;
    return rollBack(journal, found->steps) ? Recovery::Finished : Recovery::Failed;
}

void removeLeftovers(const std::string& folder, const std::function<bool(const std::string&)>& isOwnName)
{
    std::error_code error;
    std::vector<std::string> stale;
    std::filesystem::directory_iterator entry(folder.empty() ? "." : folder, error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        const auto parsed = parseSideName(name);
        if (parsed && isOwnName(parsed->owner) && !processRuns(parsed->pid))
            stale.push_back(name);
    }
    for (const std::string& name : stale)
        ::unlink((folder + name).c_str());
}

} // namespace FileCommit
