// The slower companion of fuzz_skin: the same inputs go through real files
// (in memory-backed storage), every getter is swept over up to 40 ids and
// many list indexes, and the file save must write what the in-memory save
// gives.
#include "SkinFuzzSupport.h"
#include "document/FileIo.h"

#include <cstdio>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// One scratch folder for the whole run, in memory-backed storage when there is some.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const fs::path parent = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (parent / "fuzz_skin_files_XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            std::perror("mkdtemp");
            std::abort();
        }
        folder = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::string path(const std::string& name) const { return (folder / name).string(); }

    // Empties the folder so that nothing of the previous input is read.
    void reset() const
    {
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(folder, ignored))
            fs::remove_all(entry.path(), ignored);
    }

private:
    fs::path folder;
};

const ScratchFolder& scratch()
{
    static const ScratchFolder folder;
    return folder;
}

void writeBytes(const std::string& path, std::span<const std::uint8_t> bytes)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fclose(file) != 0)
        std::abort();
}

std::vector<std::uint8_t> fileBytes(const std::string& path)
{
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(path, bytes) < 0)
        std::abort();
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzzing;
    SkinInput input;
    if (!splitInput(data, size, input))
        return 0;
    const ScratchFolder& folder = scratch();
    folder.reset();
    writeBytes(folder.path("f.ski"), input.skin);
    for (std::size_t file = 0; file < input.dataFiles.size(); ++file)
        writeBytes(folder.path(file == 0 ? "f.dat" : "f" + std::to_string(file) + ".dat"), input.dataFiles[file]);

    SkinModel model;
    SkinDocument fromMemory;
    const LoadResult loaded = model.loadSkin(folder.path("f.ski"));
    if (loaded != fromMemory.loadFromBuffers(input.skin, input.dataFiles, folder.path("f.ski")))
        std::abort(); // files and buffers load the same way
    if (loaded != LoadResult::Loaded)
        return 0;
    SkinDocument defaults;
    (void)defaults.loadFromBuffers(input.skin, input.dataFiles, "d.ski");
    model.adoptDefaultSkin(std::move(defaults));
    const SkinDocument& skin = model.edited();

    static const int listIndexes[] = {0, 1, 2, 97, 98, 99, -1, std::numeric_limits<int>::max()};
    const std::vector<ElementId> ids = idsToTry(skin, 40);
    readRecords(skin, ids, listIndexes);
    readModel(model, ids);
    changePictures(model, ids);
    changeRecords(model, ids);
    readRecords(skin, ids, listIndexes);

    const SkinFileContents saved = skin.saveToBuffers();
    if (model.saveSkin(folder.path("f.ski")) != SaveResult::Saved)
        std::abort();
    const auto text = fileBytes(folder.path("f.ski"));
    if (std::string(text.begin(), text.end()) != saved.skinText)
        std::abort();
    SkinDocument again;
    if (again.load(folder.path("f.ski")) != LoadResult::Loaded)
        std::abort();
    expectSameAfterReload(skin, again);
    readRecords(again, idsToTry(again, 40), listIndexes);
    return 0;
}
