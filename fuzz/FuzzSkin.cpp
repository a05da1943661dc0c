// Loads arbitrary bytes as a skin with one picture data file, reads every
// property, changes pictures and records, saves and loads the result again.
//
// Input: two bytes (little endian) give the length of the ".ski" part; the
// rest after it is the ".dat" part.
#include "FileIo.h"
#include "SkinDocument.h"
#include "SkinModel.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// One scratch folder for the whole run, in memory-backed storage when there is some.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const fs::path parent = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (parent / "fuzz_skin_XXXXXX").string();
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
    std::string path(const char* name) const { return (folder / name).string(); }

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

void writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size)
{
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || std::fwrite(data, 1, size, file) != size || std::fclose(file) != 0)
        std::abort();
}

// The id of a record line ("T id ..."), if it has one.
bool idOfLine(const std::string& line, ElementId& id)
{
    if (line.size() < 3)
        return false;
    const char* end = line.data() + line.size();
    return std::from_chars(line.data() + 2, end, id).ec == std::errc();
}

std::vector<ElementId> idsToTry(const SkinDocument& document)
{
    std::vector<ElementId> ids = {0, 1, 6, 41, 1015, -1, std::numeric_limits<ElementId>::max(),
                                  std::numeric_limits<ElementId>::min()};
    const auto& lines = document.lines();
    for (std::size_t i = 1; i < lines.size() && ids.size() < 40; ++i) {
        ElementId id = 0;
        if (idOfLine(lines[i], id))
            ids.push_back(id);
    }
    return ids;
}

void readEverything(const SkinDocument& document, const std::vector<ElementId>& ids)
{
    static const int listIndexes[] = {0, 1, 2, 97, 98, 99, -1, std::numeric_limits<int>::max()};
    std::vector<std::uint8_t> bytes;
    PictureLocation where;
    for (ElementId id : ids) {
        (void)document.getColour(id);
        (void)document.getRect(id);
        (void)document.getNumber(id);
        (void)document.getFlag(id);
        (void)document.getListCount(id);
        for (int index : listIndexes)
            (void)document.getListRect(id, index);
        const int size = document.getPicture(id, bytes);
        if (size >= 0 && bytes.size() != std::size_t(size))
            std::abort();
        if ((document.getPictureLocation(id, where) == 1) != (size >= 0))
            std::abort();
    }
    for (int index : listIndexes)
        (void)document.getPaletteColour(index);
    (void)document.getWallpaperName();
    (void)document.findRecord("5 * ");
    (void)document.findRecord("");
    (void)document.pictureIds();
}

void readModel(const SkinModel& model, const std::vector<ElementId>& ids)
{
    std::vector<std::uint8_t> bytes;
    for (ElementId id : ids) {
        (void)model.getColour(id);
        (void)model.getRect(id);
        (void)model.getListRect(id, 1);
        (void)model.getNumber(id);
        (void)model.getFlag(id);
        (void)model.getListCount(id);
        (void)model.getPicture(id, bytes);
    }
    (void)model.getPaletteColour(1);
    (void)model.wallpaperPath();
}

void changePictures(SkinDocument& document, const std::vector<ElementId>& ids)
{
    static const std::uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    std::vector<ElementId> pictures = document.pictureIds();
    if (pictures.size() > 8)
        pictures.resize(8);
    pictures.push_back(ids[1]);
    pictures.push_back(12345);
    std::size_t step = 0;
    for (ElementId id : pictures) {
        switch (step++ % 4) {
        case 0: document.setPicture(id, std::span(gif, sizeof gif)); break;
        case 1: document.setPicture(id, std::span(gif, std::size_t(0))); break;
        case 2: document.linkPicture(id, id < INT32_MAX ? id + 1 : 0); break;
        default: document.removePicture(id); break;
        }
        // Every record that reads must lie inside its data file.
        PictureLocation where;
        if (document.getPictureLocation(id, where) == 1
            && std::int64_t(where.offset) + where.size > std::int64_t(document.dataSize(where.file)))
            std::abort();
    }
}

void changeRecords(SkinModel& model, const std::vector<ElementId>& ids)
{
    for (std::size_t i = 0; i < ids.size() && i < 8; ++i) {
        const ElementId id = ids[i];
        model.setListRect({1, 2, 3, 4}, id, int(i % 3));
        model.setColour(id, 0x123456, 7);
        model.setNumber(id, -3);
        model.setFlag(id, int(i % 2));
    }
    model.setPaletteColour(1, 0xABCDEF, 0);
    model.skin.setWallpaperName("C:\\pics\\sea.gif");
}

std::string textOf(const SkinDocument& document)
{
    std::string text;
    for (const std::string& line : document.lines())
        text += line;
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const ScratchFolder& folder = scratch();
    folder.reset();
    const std::size_t skinSize = std::min<std::size_t>(size - 2, std::size_t(data[0]) | std::size_t(data[1]) << 8);
    writeBytes(folder.path("f.ski"), data + 2, skinSize);
    writeBytes(folder.path("f.dat"), data + 2 + skinSize, size - 2 - skinSize);

    SkinModel model;
    if (model.skin.load(folder.path("f.ski")) != 0)
        return 0;
    if (model.defaultSkin.load(folder.path("f.ski")) != 0)
        std::abort(); // the same files must load the same way twice

    const std::vector<ElementId> ids = idsToTry(model.skin);
    readEverything(model.skin, ids);
    readModel(model, ids);
    changePictures(model.skin, ids);
    changeRecords(model, ids);
    readEverything(model.skin, ids);

    const std::string written = textOf(model.skin);
    if (model.skin.save(folder.path("g.ski")) != 0)
        std::abort();
    std::vector<std::uint8_t> bytes;
    if (readWholeFile(folder.path("g.ski"), bytes) < 0 || std::string(bytes.begin(), bytes.end()) != written)
        std::abort(); // a skin is saved as the concatenation of its lines

    SkinDocument again;
    if (again.load(folder.path("g.ski")) == 0)
        readEverything(again, idsToTry(again));
    return 0;
}
