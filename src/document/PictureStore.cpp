#include "document/PictureStore.h"

#include "document/FileIo.h"
#include "document/PictureRecord.h"

#include <algorithm>
#include <functional>

namespace {

bool rangeIs(std::span<const std::uint8_t> held, std::int64_t offset, const SharedBytes& expected)
{
    const std::size_t size = expected ? expected->size() : 0;
    if (offset < 0 || std::uint64_t(offset) + size > held.size())
        return false;
    return !expected || std::equal(expected->begin(), expected->end(), held.begin() + offset);
}

// Replaces removeCount bytes at offset of data by bytes, in place: a file
// read with room for the change is never copied whole.
void replaceRange(std::vector<std::uint8_t>& data, std::int64_t offset, std::int64_t removeCount,
                  std::span<const std::uint8_t> bytes)
{
    // New bytes that are a view of this very buffer would move under the copy.
    std::vector<std::uint8_t> own;
    const std::less<const std::uint8_t*> before;
    if (!bytes.empty() && !before(bytes.data(), data.data()) && before(bytes.data(), data.data() + data.size())) {
        own.assign(bytes.begin(), bytes.end());
        bytes = own;
    }
    const auto at = data.begin() + offset;
    const std::size_t removed = std::size_t(removeCount);
    if (bytes.size() > removed) {
        const std::size_t growth = bytes.size() - removed;
        if (data.capacity() - data.size() < growth)
            data.reserve(data.size() + growth); // exactly: no doubling of a large file
        data.insert(data.begin() + offset + removeCount, growth, 0);
    } else {
        data.erase(at + std::ptrdiff_t(bytes.size()), at + removeCount);
    }
    std::copy(bytes.begin(), bytes.end(), data.begin() + offset);
}

} // namespace

std::uint32_t PictureStore::fileSize(int number) const
{
    if (number < 0 || number >= fileCount())
        return 0;
    const DataFile& data = files[std::size_t(number)];
    if (data.unreadPath.empty())
        return static_cast<std::uint32_t>(data.bytes.size());
    const auto& onDisk = fileStates[std::size_t(number)].onDisk;
    return onDisk ? static_cast<std::uint32_t>(onDisk->size) : 0;
}

bool PictureStore::hold(int number, std::size_t growth) const
{
    DataFile& data = files[std::size_t(number)];
    if (data.unreadPath.empty())
        return true;
    const auto& onDisk = fileStates[std::size_t(number)].onDisk;
    std::vector<std::uint8_t> bytes;
    if (onDisk) {
        bytes.reserve(std::size_t(onDisk->size) + growth);
        if (readFileRange(data.unreadPath, *onDisk, 0, std::size_t(onDisk->size), bytes)) {
            data.bytes = std::move(bytes);
            data.unreadPath.clear();
            return true;
        }
    }
    unreadable = data.unreadPath;
    return false;
}

std::span<const std::uint8_t> PictureStore::file(int number) const
{
    if (number < 0 || number >= fileCount() || !hold(number, 0))
        return {};
    return files[std::size_t(number)].bytes;
}

bool PictureStore::holds(const PictureLocation& where) const
{
    return where.file >= 0 && where.file < fileCount() && PictureRecord::fitsIn(where, std::int64_t(fileSize(where.file)));
}

bool PictureStore::read(const PictureLocation& where, std::vector<std::uint8_t>& bytes) const
{
    bytes.clear();
    if (!holds(where))
        return false;
    const DataFile& data = files[std::size_t(where.file)];
    if (data.unreadPath.empty()) {
        const auto from = data.bytes.begin() + where.offset;
        bytes.assign(from, from + where.size);
        return true;
    }
    bytes.reserve(std::size_t(where.size));
    if (readFileRange(data.unreadPath, *fileStates[std::size_t(where.file)].onDisk, where.offset,
                      std::size_t(where.size), bytes))
        return true;
    unreadable = data.unreadPath;
    return false;
}

bool PictureStore::readAll()
{
    for (int number = 0; number < fileCount(); ++number) {
        if (!hold(number, 0))
            return false;
    }
    return true;
}

std::vector<int> PictureStore::unreadFiles() const
{
    std::vector<int> unread;
    for (int number = 0; number < fileCount(); ++number) {
        if (!files[std::size_t(number)].unreadPath.empty())
            unread.push_back(number);
    }
    return unread;
}

std::optional<std::int64_t> PictureStore::append(int number, std::span<const std::uint8_t> bytes)
{
    bool added = false;
    if (files.empty()) {
        files.emplace_back();
        fileStates.emplace_back();
        added = true;
    }
    const auto undoAdded = [&] {
        if (added) {
            files.pop_back();
            fileStates.pop_back();
        }
    };
    if (number < 0 || number >= fileCount()) {
        undoAdded();
        return std::nullopt;
    }
    const std::int64_t offset = std::int64_t(fileSize(number));
    if (std::int64_t(bytes.size()) > largestFile - offset || !hold(number, bytes.size())) {
        undoAdded();
        return std::nullopt;
    }
    if (added && recording)
        recording->addBytes({number, 0, nullptr, nullptr, true, true});
    splice(number, offset, 0, bytes);
    return offset;
}

bool PictureStore::replace(int number, std::int32_t offset, std::int32_t oldSize, std::span<const std::uint8_t> bytes)
{
    if (number < 0 || number >= fileCount())
        return false;
    const std::int64_t size = std::int64_t(fileSize(number));
    if (!PictureRecord::fitsIn({offset, oldSize, number}, size)
        || size - oldSize + std::int64_t(bytes.size()) > largestFile
        || !hold(number, std::size_t(std::max<std::int64_t>(std::int64_t(bytes.size()) - oldSize, 0))))
        return false;
    splice(number, offset, oldSize, bytes);
    return true;
}

bool PictureStore::cut(int number, std::int32_t offset, std::int32_t size)
{
    if (number < 0 || number >= fileCount())
        return false;
    if (!PictureRecord::fitsIn({offset, size, number}, std::int64_t(fileSize(number))) || !hold(number, 0))
        return false;
    splice(number, offset, size, {});
    return true;
}

void PictureStore::splice(int number, std::int64_t offset, std::int64_t removeCount, std::span<const std::uint8_t> bytes)
{
    auto& data = files[std::size_t(number)].bytes;
    const auto from = data.begin() + offset;
    if (recording) {
        recording->addBytes({number, offset, std::make_shared<const std::vector<std::uint8_t>>(from, from + removeCount),
                             std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end()),
                             fileStates[std::size_t(number)].changed, false});
    }
    replaceRange(data, offset, removeCount, bytes);
    fileStates[std::size_t(number)].changed = true;
}

bool PictureStore::reach(int number, const SharedBytes& expected)
{
    if (number < 0)
        return false;
    if (number < fileCount())
        return hold(number, 0);
    if (expected && !expected->empty())
        return false;
    files.resize(std::size_t(number) + 1);
    fileStates.resize(std::size_t(number) + 1);
    return true;
}

bool PictureStore::undo(const DocumentChange::ByteStep& step)
{
    return apply(step, false);
}

bool PictureStore::redo(const DocumentChange::ByteStep& step)
{
    return apply(step, true);
}

bool PictureStore::apply(const DocumentChange::ByteStep& step, bool forward)
{
    if (step.addedFile) {
        // Made again: the next file, empty; put back: the last file, empty
        // again (or already gone: a save elsewhere drops empty files).
        if (!forward && step.file == fileCount())
            return true;
        if (forward ? step.file != fileCount() : files.empty() || step.file != fileCount() - 1 || fileSize(step.file) != 0)
            return false;
        if (forward) {
            files.emplace_back();
            fileStates.emplace_back();
        } else {
            files.pop_back();
            fileStates.pop_back();
        }
        return true;
    }
    const SharedBytes& expected = forward ? step.removed : step.inserted;
    const SharedBytes& replacement = forward ? step.inserted : step.removed;
    if (!reach(step.file, expected) || !rangeIs(files[std::size_t(step.file)].bytes, step.offset, expected))
        return false;
    replaceRange(files[std::size_t(step.file)].bytes, step.offset, std::int64_t(expected ? expected->size() : 0),
                 replacement ? std::span<const std::uint8_t>(*replacement) : std::span<const std::uint8_t>());
    fileStates[std::size_t(step.file)].changed = forward || step.wasChanged;
    return true;
}

void PictureStore::assign(std::vector<Source> found)
{
    clear();
    files.reserve(found.size());
    fileStates.reserve(found.size());
    for (Source& source : found) {
        files.push_back({std::move(source.bytes), std::move(source.path)});
        fileStates.push_back(std::move(source.state));
    }
}

void PictureStore::clear()
{
    std::vector<DataFile>().swap(files);
    std::vector<DataFileState>().swap(fileStates);
    unreadable.clear();
}

void PictureStore::dropEmptyFilesFrom(std::int64_t first)
{
    while (std::int64_t(files.size()) > std::max<std::int64_t>(first, 0) && fileSize(fileCount() - 1) == 0) {
        files.pop_back();
        fileStates.pop_back();
    }
}

void PictureStore::startEmpty()
{
    clear();
    files.emplace_back();
    fileStates.emplace_back();
}
