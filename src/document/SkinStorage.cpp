#include "document/SkinStorage.h"

#include "document/FileCommit.h"
#include "document/Folder.h"
#include "document/SkinFileFormat.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The files of the skin file skinPath that a commit may replace: the skin
// file and the data files of its base name, in its folder.
bool isOwnName(const std::string& skinPath, const std::string& name)
{
    return name == fileNamePart(skinPath) || SkinFileFormat::isDataFileName(name, SkinFileFormat::loadBaseName(skinPath));
}

std::string journalName(const std::string& skinPath)
{
    return fileNamePart(SkinFileFormat::journalPath(skinPath));
}

std::chrono::milliseconds remaining(std::chrono::steady_clock::time_point deadline)
{
    return std::max(std::chrono::milliseconds(0),
                    std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()));
}

StorageProblem lockProblem(const SkinLock& lock)
{
    if (lock.outcome() == SkinLock::Outcome::Busy)
        return {StorageProblem::Kind::Locked, {}};
    return {StorageProblem::Kind::LockUnusable, lock.path()};
}

// Finishes or undoes a cut-short save of the skin (under its exclusive lock);
// the problem that stops a load or save, or none. A journal's name that holds
// something else stops only a save.
StorageProblem finishCutShortSave(const Folder& folder, const std::string& skinPath, bool forSaving)
{
    const auto recovery = FileCommit::recover(folder, journalName(skinPath),
                                              [&skinPath](const std::string& name) { return isOwnName(skinPath, name); },
                                              FileCommit::Trust::beside(skinPath));
    const std::string journal = SkinFileFormat::journalPath(skinPath);
    switch (recovery) {
    case FileCommit::Recovery::NothingToDo:
    case FileCommit::Recovery::Finished:
        return {};
    case FileCommit::Recovery::NotOurs:
        return forSaving ? StorageProblem {StorageProblem::Kind::JournalNotOurs, journal} : StorageProblem {};
    case FileCommit::Recovery::Unfinished:
        return {StorageProblem::Kind::Unfinished, journal};
    case FileCommit::Recovery::Unreadable:
        return {StorageProblem::Kind::JournalUnreadable, journal};
    case FileCommit::Recovery::Damaged:
        return {StorageProblem::Kind::JournalDamaged, journal};
    }
    return {};
}

// Opens a file of the skin read-only (through its links) relative to the
// skin's folder; its status in info. Not a regular file: invalid.
FileDescriptor openSkinFile(const Folder& folder, const std::string& path, struct stat& info)
{
    FileDescriptor file = folderPart(path) == folder.path() ? folder.open(fileNamePart(path), O_RDONLY | O_NONBLOCK)
                                                             : folder.open(path, O_RDONLY | O_NONBLOCK);
    if (file.valid() && (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)))
        file.reset();
    return file;
}

// True when the file at path holds exactly bytes. Compared piece by piece,
// so that a large data file is not held twice.
bool holdsBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t piece = std::size_t(1) << 20;
    const std::optional<FileIdentity> identity = identityOf(path);
    if (!identity || std::uint64_t(identity->size) != bytes.size())
        return false;
    std::vector<std::uint8_t> onDisk;
    onDisk.reserve(std::min(piece, bytes.size()));
    // At least one read: an empty file must be a regular file too.
    std::size_t at = 0;
    do {
        const std::size_t count = std::min(piece, bytes.size() - at);
        onDisk.clear();
        if (!readFileRange(path, *identity, std::int64_t(at), count, onDisk)
            || !std::equal(onDisk.begin(), onDisk.end(), bytes.begin() + std::ptrdiff_t(at)))
            return false;
        at += count;
    } while (at < bytes.size());
    return true;
}

} // namespace

SkinStorage::SkinStorage(const std::string& path, std::chrono::milliseconds lockWait)
    : path(path)
{
    const auto deadline = std::chrono::steady_clock::now() + lockWait;
    // A second round only when the first found no lock file and one came while it read.
    for (int round = 0; round < 2 && read(deadline) == Attempt::Again; ++round) {
    }
}

SkinStorage::Attempt SkinStorage::read(std::chrono::steady_clock::time_point deadline)
{
    skinResult = 1;
    why = {};
    skinLines = {};
    dataIdentities.clear();
    const std::string saved = SkinFileFormat::savedSkinPath(path);
    const Folder folder(folderPart(path));
    if (!folder.valid())
        return Attempt::Done;
    std::optional<SkinLock> lock;
    lock.emplace(saved, SkinLock::Mode::Shared, remaining(deadline));
    if (lock->busy()) {
        why = lockProblem(*lock);
        return Attempt::Done;
    }
    // One look by name: is there a save to finish?
    if (folder.entry(journalName(saved)) || errno != ENOENT) {
        lock.reset();
        lock.emplace(saved, SkinLock::Mode::Exclusive, remaining(deadline));
        if (lock->busy()) {
            why = lockProblem(*lock);
            return Attempt::Done;
        }
        why = finishCutShortSave(folder, saved, false);
        if (why.kind != StorageProblem::Kind::None)
            return Attempt::Done;
    }
    skinResult = readFiles(folder);
    // Without a lock file, nothing may have saved the skin meanwhile.
    if (lock->outcome() == SkinLock::Outcome::NoLockFile && folder.entry(fileNamePart(lock->path())))
        return Attempt::Again;
    return Attempt::Done;
}

int SkinStorage::readFiles(const Folder& folder)
{
    struct stat info {};
    const FileDescriptor skin = openSkinFile(folder, path, info);
    if (!skin.valid())
        return 1;
    if (info.st_size > largestSkinFile) {
        // Judged by its first line first: a file that is no skin is no skin, whatever its size.
        std::vector<std::uint8_t> start;
        if (readOpenFile(skin.get(), SkinFileFormat::magicLineLimit, start) < 0)
            return 1;
        if (!SkinFileFormat::hasSkinMagic(start))
            return 2;
        why = {StorageProblem::Kind::TooLarge, {}};
        return 1;
    }
    std::vector<std::uint8_t> text;
    if (readOpenFile(skin.get(), std::size_t(info.st_size), text) < 0)
        return 1;
    if (!SkinFileFormat::hasSkinMagic(text))
        return 2;
    skinLines = SkinFileFormat::splitLines(std::move(text));

    // The data files are sized before any of them is read; opening stops at
    // the first that cannot be opened (a record naming a huge file number
    // costs nothing).
    const std::int64_t needed = skinLines.neededDataFiles;
    const std::string base = SkinFileFormat::loadBaseName(path);
    std::int64_t opened = 0;
    std::int64_t total = 0;
    for (std::int64_t file = 0; file < needed; ++file) {
        FileDescriptor data = openSkinFile(folder, SkinFileFormat::dataFileName(base, file), info);
        if (!data.valid()) {
            failedData = file;
            break;
        }
        total += info.st_size;
        if (total > largestDataFiles) {
            why = {StorageProblem::Kind::TooLarge, {}};
            break;
        }
        ++opened;
        dataIdentities.push_back(FileIdentity::of(info));
    }
    // A load that fails at a later data file needs none of them.
    if (opened < needed)
        dataIdentities.clear();
    return 0;
}

int SkinStorage::readSkinFile(SkinFileFormat::SkinLines& table)
{
    if (skinResult == 0)
        table = std::move(skinLines);
    return skinResult;
}

bool SkinStorage::findDataFile(std::int64_t file, FileIdentity& identity) const
{
    if (skinResult != 0 || file < 0 || file >= std::int64_t(dataIdentities.size()))
        return false;
    identity = dataIdentities[std::size_t(file)];
    return true;
}

std::string SkinStorage::dataFilePath(std::int64_t file) const
{
    return SkinFileFormat::dataFileName(SkinFileFormat::loadBaseName(path), file);
}

int SkinStorage::write(const std::string& skinPath, const SkinFileContents& contents, std::vector<DataFileState>& states,
                       StorageProblem& problem)
{
    problem = {};
    const Folder folder(folderPart(skinPath));
    if (!folder.valid())
        return 1;
    const SkinLock exclusive(skinPath);
    if (exclusive.busy()) {
        problem = lockProblem(exclusive);
        return 1;
    }
    problem = finishCutShortSave(folder, skinPath, true);
    if (problem.kind != StorageProblem::Kind::None)
        return 1;
    const std::string journal = journalName(skinPath);
    FileCommit::removeLeftovers(folder,
                                [&](const std::string& name) { return name == journal || isOwnName(skinPath, name); },
                                FileCommit::Trust::beside(skinPath));

    // Only what differs from the disk is written (only under the lock can
    // nobody change the files after this look).
    const std::string base = SkinFileFormat::loadBaseName(skinPath);
    const auto& text = contents.skinText;
    const auto skinBytes = std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    std::vector<FileCommit::File> files;
    std::vector<int> fileNumbers; // -1: the skin file
    if (!holdsBytes(skinPath, skinBytes)) {
        files.push_back({skinPath, skinBytes});
        fileNumbers.push_back(-1);
    }
    std::vector<int> onDisk;
    for (const int file : contents.unreadDataFiles) {
        const DataFileState& state = states.at(std::size_t(file));
        const auto now = identityOf(SkinFileFormat::dataFileName(base, file));
        if (!state.onDisk || !now || !now->sameBytesAs(*state.onDisk))
            return 2;
        onDisk.push_back(file);
    }
    for (const auto& [file, bytes] : contents.dataFiles) {
        const std::string name = SkinFileFormat::dataFileName(base, file);
        const DataFileState& state = states.at(std::size_t(file));
        if ((!state.changed && state.onDisk && identityOf(name) == state.onDisk) || holdsBytes(name, bytes)) {
            onDisk.push_back(file);
            continue;
        }
        files.push_back({name, bytes});
        fileNumbers.push_back(file);
    }
    const FileCommit::Result result =
        files.empty() ? FileCommit::Result {}
                      : FileCommit::commit(files, SkinFileFormat::journalPath(skinPath), FileCommit::Trust::beside(skinPath));
    if (result.outcome == FileCommit::Outcome::Unfinished)
        problem = {StorageProblem::Kind::Unfinished, SkinFileFormat::journalPath(skinPath)};
    if (result.outcome != FileCommit::Outcome::Succeeded)
        return fileNumbers.at(result.file) < 0 ? 1 : 2;
    for (int file : fileNumbers)
        onDisk.push_back(file);
    for (int file : onDisk) {
        if (file >= 0)
            states[std::size_t(file)] = {false, identityOf(SkinFileFormat::dataFileName(base, file))};
    }
    return 0;
}
