#include "document/PictureStore.h"

#include "document/PictureRecord.h"

#include <algorithm>

namespace {

bool rangeIs(std::span<const std::uint8_t> held, std::int64_t offset, const SharedBytes& expected)
{
    const std::size_t size = expected ? expected->size() : 0;
    if (offset < 0 || std::uint64_t(offset) + size > held.size())
        return false;
    return !expected || std::equal(expected->begin(), expected->end(), held.begin() + offset);
}

} // namespace

std::uint32_t PictureStore::fileSize(int number) const
{
    return static_cast<std::uint32_t>(file(number).size());
}

std::span<const std::uint8_t> PictureStore::file(int number) const
{
    if (number < 0 || number >= fileCount())
        return {};
    return files[std::size_t(number)];
}

bool PictureStore::holds(const PictureLocation& where) const
{
    return where.file >= 0 && where.file < fileCount()
        && PictureRecord::fitsIn(where, std::int64_t(files[std::size_t(where.file)].size()));
}

std::span<const std::uint8_t> PictureStore::bytes(const PictureLocation& where) const
{
    if (!holds(where))
        return {};
    return file(where.file).subspan(std::size_t(where.offset), std::size_t(where.size));
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
    const std::int64_t offset = std::int64_t(files[std::size_t(number)].size());
    if (std::int64_t(bytes.size()) > largestFile - offset) {
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
    const std::int64_t size = std::int64_t(files[std::size_t(number)].size());
    if (!PictureRecord::fitsIn({offset, oldSize, number}, size)
        || size - oldSize + std::int64_t(bytes.size()) > largestFile)
        return false;
    splice(number, offset, oldSize, bytes);
    return true;
}

bool PictureStore::cut(int number, std::int32_t offset, std::int32_t size)
{
    if (number < 0 || number >= fileCount())
        return false;
    if (!PictureRecord::fitsIn({offset, size, number}, std::int64_t(files[std::size_t(number)].size())))
        return false;
    splice(number, offset, size, {});
    return true;
}

void PictureStore::splice(int number, std::int64_t offset, std::int64_t removeCount, std::span<const std::uint8_t> bytes)
{
    auto& data = files[std::size_t(number)];
    const auto from = data.begin() + offset;
    if (recording) {
        recording->addBytes({number, offset, std::make_shared<const std::vector<std::uint8_t>>(from, from + removeCount),
                             std::make_shared<const std::vector<std::uint8_t>>(bytes.begin(), bytes.end()),
                             fileStates[std::size_t(number)].changed, false});
    }
    // Built afresh: the new bytes may be a view of this very buffer.
    std::vector<std::uint8_t> rebuilt;
    rebuilt.reserve(data.size() - std::size_t(removeCount) + bytes.size());
    rebuilt.insert(rebuilt.end(), data.begin(), from);
    rebuilt.insert(rebuilt.end(), bytes.begin(), bytes.end());
    rebuilt.insert(rebuilt.end(), from + removeCount, data.end());
    data.swap(rebuilt);
    fileStates[std::size_t(number)].changed = true;
}

bool PictureStore::reach(int number, const SharedBytes& expected)
{
    if (number < 0)
        return false;
    if (number < fileCount())
        return true;
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
        if (forward ? step.file != fileCount() : files.empty() || step.file != fileCount() - 1 || !files.back().empty())
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
    if (!reach(step.file, expected) || !rangeIs(files[std::size_t(step.file)], step.offset, expected))
        return false;
    auto& data = files[std::size_t(step.file)];
    const auto from = data.begin() + step.offset;
    std::vector<std::uint8_t> rebuilt(data.begin(), from);
    if (replacement)
        rebuilt.insert(rebuilt.end(), replacement->begin(), replacement->end());
    rebuilt.insert(rebuilt.end(), from + std::ptrdiff_t(expected ? expected->size() : 0), data.end());
    data.swap(rebuilt);
    fileStates[std::size_t(step.file)].changed = forward || step.wasChanged;
    return true;
}

void PictureStore::assign(std::vector<std::vector<std::uint8_t>> read, std::vector<DataFileState> states)
{
    files = std::move(read);
    fileStates = std::move(states);
}

void PictureStore::clear()
{
    std::vector<std::vector<std::uint8_t>>().swap(files);
    std::vector<DataFileState>().swap(fileStates);
}

void PictureStore::dropEmptyFilesFrom(std::int64_t first)
{
    while (std::int64_t(files.size()) > std::max<std::int64_t>(first, 0) && files.back().empty()) {
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
