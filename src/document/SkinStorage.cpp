#include "document/SkinStorage.h"

#include "document/FileCommit.h"
#include "document/SkinFileFormat.h"

namespace {

// The files a commit of the skin file skinPath may replace: the skin file
// and data files of its base name in its folder.
bool isOwnFile(const std::string& skinPath, const std::string& path)
{
    return path == skinPath
        || (folderPart(path) == folderPart(skinPath)
            && SkinFileFormat::isDataFileName(fileNamePart(path), SkinFileFormat::loadBaseName(skinPath)));
}

// The names of the files beside the skin whose temporary files are the skin's.
bool isOwnName(const std::string& skinPath, const std::string& name)
{
    return name == fileNamePart(skinPath) || name == fileNamePart(SkinFileFormat::journalPath(skinPath))
        || SkinFileFormat::isDataFileName(name, SkinFileFormat::loadBaseName(skinPath));
}

// Finishes a cut-short save of the skin; false when it could not be finished.
bool finishCutShortSave(const std::string& skinPath)
{
    const auto recovery = FileCommit::recover(SkinFileFormat::journalPath(skinPath),
                                              [&skinPath](const std::string& path) { return isOwnFile(skinPath, path); });
    return recovery != FileCommit::Recovery::Failed;
}

} // namespace

SkinStorage::SkinStorage(const std::string& path)
    : path(path)
{
    const std::string saved = SkinFileFormat::savedSkinPath(path);
    const std::string journal = SkinFileFormat::journalPath(saved);
    bool cutShort = pathExists(journal);
    // A path that names no skin gets no lock file.
    if (!cutShort && !isRegularFile(path))
        return;
    lock.emplace(saved, cutShort ? SkinLock::Mode::Exclusive : SkinLock::Mode::Shared);
    if (!lock->busy() && !cutShort && pathExists(journal)) {
        // A save died while this load waited for it.
        cutShort = true;
        lock.reset();
        lock.emplace(saved, SkinLock::Mode::Exclusive);
    }
    if (lock->busy() || (cutShort && !finishCutShortSave(saved)))
        return;
    FileCommit::removeLeftovers(folderPart(saved), [&saved](const std::string& name) { return isOwnName(saved, name); });
    isReady = true;
}

int SkinStorage::readSkinFile(std::vector<std::uint8_t>& text) const
{
    if (!isReady)
        return 1;
    std::vector<std::uint8_t> start;
    if (readFileStart(path, SkinFileFormat::magicLineLimit, start) < 0)
        return 1;
    if (!SkinFileFormat::hasSkinMagic(start))
        return 2;
    return readWholeFile(path, text) < 0 ? 1 : 0;
}

bool SkinStorage::readDataFile(std::int64_t file, std::vector<std::uint8_t>& bytes,
                               std::optional<FileIdentity>& identity) const
{
    FileIdentity read;
    const std::string name = dataFilePath(file);
    if (!isReady || readWholeFile(name, bytes, &read) < 0)
        return false;
    identity = read;
    return true;
}

std::string SkinStorage::dataFilePath(std::int64_t file) const
{
    return SkinFileFormat::dataFileName(SkinFileFormat::loadBaseName(path), file);
}

int SkinStorage::write(const std::string& skinPath, const SkinFileContents& contents, std::vector<DataFileState>& states)
{
    const SkinLock exclusive(skinPath);
    if (exclusive.busy() || !finishCutShortSave(skinPath))
        return 1;
    const std::string base = SkinFileFormat::loadBaseName(skinPath);
    const auto& text = contents.skinText;
    std::vector<FileCommit::File> files {
        {skinPath, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size())}};
    std::vector<int> written;
    for (const auto& [file, bytes] : contents.dataFiles) {
        const std::string name = SkinFileFormat::dataFileName(base, file);
        const DataFileState& state = states.at(std::size_t(file));
        // Only under the lock can nobody have replaced it since this check.
        if (!state.changed && state.onDisk && identityOf(name) == state.onDisk)
            continue;
        files.push_back({name, bytes});
        written.push_back(file);
    }
    const int failed = FileCommit::commit(files, SkinFileFormat::journalPath(skinPath));
    if (failed != FileCommit::succeeded)
        return failed == 0 ? 1 : 2;
    for (int file : written)
        states[std::size_t(file)] = {false, identityOf(SkinFileFormat::dataFileName(base, file))};
    return 0;
}
