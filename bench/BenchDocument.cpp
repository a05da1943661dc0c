// Run from the data folder: the shipped default skin is "Default/Vela/Vela.ski".
// Without it, a generated default skin of about the same size is written to
// a temporary folder and measured instead.
#include "ScaledSkin.h"
#include "document/FileIo.h"
#include "document/SkinDocument.h"
#include "document/SkinModel.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using scaledskin::colourIds;
using scaledskin::flagIds;
using scaledskin::numberIds;
using scaledskin::palette;
using scaledskin::pictureIds;
using scaledskin::rectIds;

class TempFolder {
public:
    explicit TempFolder(const fs::path& parent)
    {
        std::string pattern = (parent / "velaskin-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            folder = pattern;
    }
    ~TempFolder()
    {
        std::error_code ignored;
        if (!folder.empty())
            fs::remove_all(folder, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const fs::path& path() const { return folder; }

private:
    fs::path folder;
};

// The default skin to measure: the shipped one, or a synthetic one.
struct DefaultSkinFiles {
    std::unique_ptr<TempFolder> synthetic;
    std::string skinPath;
    std::vector<std::string> files; // the ".ski" and every data file load reads

    DefaultSkinFiles()
    {
        skinPath = "Default/Vela/Vela.ski";
        if (!fs::exists(skinPath)) {
            synthetic = std::make_unique<TempFolder>(fs::temp_directory_path());
            // The shipped skin's size: some 1200 records and a few pictures.
            skinPath = scaledskin::write(synthetic->path(), "Vela", {1100, 0});
            std::fprintf(stderr, "bench_document: %s not found, measuring a synthetic default skin\n",
                         "Default/Vela/Vela.ski");
        }
        SkinDocument document;
        if (document.load(skinPath) != LoadResult::Loaded) {
            std::fprintf(stderr, "bench_document: cannot load %s\n", skinPath.c_str());
            std::exit(1);
        }
        files.push_back(skinPath);
        const std::string base = skinPath.substr(0, skinPath.size() - 4);
        for (int k = 0; k < document.dataFileCount(); ++k)
            files.push_back(k == 0 ? base + ".dat" : base + std::to_string(k) + ".dat");
    }
};

const DefaultSkinFiles& defaultSkinFiles()
{
    static const DefaultSkinFiles files;
    return files;
}

void BM_LoadDefaultSkin(benchmark::State& state)
{
    const DefaultSkinFiles& skin = defaultSkinFiles();
    std::int64_t bytes = 0;
    for (auto _ : state) {
        SkinDocument document;
        if (document.load(skin.skinPath) != LoadResult::Loaded)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.lineCount());
        bytes = 0;
        for (int k = 0; k < document.dataFileCount(); ++k)
            bytes += document.dataSize(k);
    }
    state.counters["dataBytes"] = double(bytes);
}
BENCHMARK(BM_LoadDefaultSkin)->Unit(benchmark::kMicrosecond);

// The limit for loading: the same files read whole, nothing else done.
void BM_ReadDefaultSkinFilesRaw(benchmark::State& state)
{
    const DefaultSkinFiles& skin = defaultSkinFiles();
    for (auto _ : state) {
        for (const std::string& path : skin.files) {
            std::FILE* file = std::fopen(path.c_str(), "rb");
            if (!file) {
                state.SkipWithError("open failed");
                break;
            }
            std::fseek(file, 0, SEEK_END);
            std::vector<char> bytes(std::size_t(std::ftell(file)));
            std::fseek(file, 0, SEEK_SET);
            benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), file));
            std::fclose(file);
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}
BENCHMARK(BM_ReadDefaultSkinFilesRaw)->Unit(benchmark::kMicrosecond);

// Saving writes each file to a temporary file, flushes it to the disk and
// renames it into place; a data file whose bytes did not change is not
// written again. First argument: 0 saves under the system's temporary
// folder, 1 under /dev/shm (memory, no disk flush). Second argument: 0 changes
// a record before each save (only the skin file is written), 1 a picture too
// (data file 0 as well: a commit of two files with its journal and backups).
void BM_SaveDefaultSkin(benchmark::State& state)
{
    const fs::path parent = state.range(0) == 1 ? fs::path("/dev/shm") : fs::temp_directory_path();
    if (!fs::is_directory(parent)) {
        state.SkipWithError("no such folder");
        return;
    }
    SkinDocument document;
    TempFolder folder(parent);
    const std::string target = (folder.path() / "Saved.ski").string();
    // From the first save on the path is the same.
    if (document.load(defaultSkinFiles().skinPath) != LoadResult::Loaded || document.save(target) != SaveResult::Saved) {
        state.SkipWithError("cannot load the default skin or save it");
        return;
    }
    const bool changePicture = state.range(1) == 1;
    std::vector<std::uint8_t> picture;
    document.getPicture(pictureIds[0], picture);
    std::int32_t round = 0;
    for (auto _ : state) {
        document.setNumber(numberIds[0], ++round);
        if (changePicture) {
            picture.back() = std::uint8_t(round);
            if (!document.setPicture(pictureIds[0], picture))
                state.SkipWithError("cannot store the picture");
        }
        if (document.save(target) != SaveResult::Saved)
            state.SkipWithError("save failed");
    }
    state.SetLabel(parent.string());
}
BENCHMARK(BM_SaveDefaultSkin)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

// Loading and saving the same skin in memory: the work of the file versions
// without the file system.
void BM_LoadAndSaveInMemory(benchmark::State& state)
{
    const DefaultSkinFiles& skin = defaultSkinFiles();
    std::vector<std::uint8_t> text;
    readWholeFile(skin.files[0], text);
    std::vector<std::vector<std::uint8_t>> data(skin.files.size() - 1);
    for (std::size_t k = 0; k < data.size(); ++k)
        readWholeFile(skin.files[k + 1], data[k]);
    for (auto _ : state) {
        SkinDocument document;
        if (document.loadFromBuffers(text, data, skin.skinPath) != LoadResult::Loaded)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.saveToBuffers().skinText.size());
    }
}
BENCHMARK(BM_LoadAndSaveInMemory)->Unit(benchmark::kMicrosecond);

// The edited skin of a paint: a new skin (magic line and palette, 100 lines),
// plus edits of a few of the records the idle screen reads.
void fillEditedSkin(SkinDocument& skin, int edits)
{
    skin.createNew("New skin");
    std::string block = palette();
    std::size_t start = 0;
    while (start < block.size()) {
        const std::size_t end = block.find('\n', start) + 1;
        (void)skin.appendLine(std::string_view(block).substr(start, end - start));
        start = end;
    }
    for (int i = 0; i < edits; ++i) {
        (void)skin.setRect(rectIds[std::size_t(i) % rectIds.size()], {10, 10, 100, 30});
        skin.setColour(colourIds[std::size_t(i) % colourIds.size()], 0x00FF00, 10);
    }
}

void readPaint(const SkinModel& model, bool withPictures, std::vector<std::uint8_t>& bytes)
{
    benchmark::DoNotOptimize(model.getPaletteColour(1));
    benchmark::DoNotOptimize(model.wallpaperPath());
    for (ElementId id : rectIds)
        benchmark::DoNotOptimize(model.getRect(id));
    for (ElementId id : numberIds)
        benchmark::DoNotOptimize(model.getNumber(id));
    for (ElementId id : flagIds)
        benchmark::DoNotOptimize(model.getFlag(id));
    for (ElementId id : colourIds)
        benchmark::DoNotOptimize(model.getColour(id));
    if (withPictures) {
        for (ElementId id : pictureIds)
            benchmark::DoNotOptimize(model.getPicture(id, bytes));
    }
}

// One paint's worth of model getters: every record the idle screen reads.
// Argument 0: the edited skin is a new skin (every read but the palette
// falls back); argument 5: ten of its records are edited. The second
// argument says whether the eleven pictures are copied too.
void BM_PaintReads(benchmark::State& state)
{
    SkinModel model;
    if (model.loadDefaultSkin(defaultSkinFiles().skinPath) != LoadResult::Loaded) {
        state.SkipWithError("default skin refused");
        return;
    }
    SkinDocument edited;
    fillEditedSkin(edited, int(state.range(0)));
    model.adoptSkin(std::move(edited));
    const bool withPictures = state.range(1) != 0;
    std::vector<std::uint8_t> bytes;
    for (auto _ : state)
        readPaint(model, withPictures, bytes);
    const std::size_t reads = 2 + rectIds.size() + numberIds.size() + flagIds.size() + colourIds.size()
        + (withPictures ? pictureIds.size() : 0);
    state.counters["reads"] = double(reads);
    state.counters["skinLines"] = model.edited().lineCount();
    state.counters["defaultLines"] = model.defaults().lineCount();
}
BENCHMARK(BM_PaintReads)->Args({0, 1})->Args({0, 0})->Args({5, 1})->Unit(benchmark::kMicrosecond);

// --- at scale: generated skins of 1k, 100k, 500k and 1M filler records ------

void setRecordCounts(benchmark::internal::Benchmark* benchmark)
{
    for (int records : {1000, 100000, 1000000})
        benchmark->Arg(records);
}

// A load refuses a skin file larger than SkinStorage::largestSkinFile (about
// 515,000 filler records), so what loads from disk is measured up to 500,000.
void setLoadableRecordCounts(benchmark::internal::Benchmark* benchmark)
{
    for (int records : {1000, 100000, 500000})
        benchmark->Arg(records);
}

// The skin at path held in memory as a load would hold it, whatever its size:
// the lookups are measured on a million records too.
bool loadInMemory(const std::string& path, SkinDocument& document)
{
    std::vector<std::uint8_t> text;
    if (readWholeFile(path, text) < 0)
        return false;
    std::vector<std::vector<std::uint8_t>> dataFiles;
    const std::string base = path.substr(0, path.size() - 4);
    for (int k = 0;; ++k) {
        std::vector<std::uint8_t> bytes;
        if (readWholeFile(k == 0 ? base + ".dat" : base + std::to_string(k) + ".dat", bytes) < 0)
            break;
        dataFiles.push_back(std::move(bytes));
    }
    return document.loadFromBuffers(text, dataFiles, path) == LoadResult::Loaded;
}

std::vector<std::string> filesOf(const SkinDocument& document)
{
    std::vector<std::string> files = {document.path()};
    const std::string base = document.path().substr(0, document.path().size() - 4);
    for (int k = 0; k < document.dataFileCount(); ++k)
        files.push_back(k == 0 ? base + ".dat" : base + std::to_string(k) + ".dat");
    return files;
}

// One paint's reads with a default skin of that many records; the paint's
// records come last in it. The first paint, which builds the lookups' index,
// is not counted (BM_LoadAndFirstPaintScaled counts it).
void BM_PaintReadsScaled(benchmark::State& state)
{
    SkinModel model;
    SkinDocument defaults;
    if (!loadInMemory(scaledskin::skinOf({int(state.range(0)), 0}), defaults)) {
        state.SkipWithError("default skin refused");
        return;
    }
    model.adoptDefaultSkin(std::move(defaults));
    SkinDocument edited;
    fillEditedSkin(edited, 0);
    model.adoptSkin(std::move(edited));
    std::vector<std::uint8_t> bytes;
    readPaint(model, true, bytes);
    for (auto _ : state)
        readPaint(model, true, bytes);
    state.counters["defaultLines"] = model.defaults().lineCount();
}
BENCHMARK(BM_PaintReadsScaled)->Apply(setRecordCounts)->Unit(benchmark::kMicrosecond);

// Loading the skin and its first paint: everything a program that opens a
// skin and shows it once pays.
void BM_LoadAndFirstPaintScaled(benchmark::State& state)
{
    const std::string& path = scaledskin::skinOf({int(state.range(0)), 0});
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        SkinModel model;
        if (model.loadDefaultSkin(path) != LoadResult::Loaded)
            state.SkipWithError("default skin refused");
        readPaint(model, true, bytes);
    }
}
BENCHMARK(BM_LoadAndFirstPaintScaled)->Apply(setLoadableRecordCounts)->Unit(benchmark::kMillisecond);

// Loading a generated skin, next to reading its files whole. Second
// argument: megabytes of pictures beside the records.
void BM_LoadScaled(benchmark::State& state)
{
    const std::string& path = scaledskin::skinOf({int(state.range(0)), state.range(1) << 20});
    for (auto _ : state) {
        SkinDocument document;
        if (document.load(path) != LoadResult::Loaded)
            state.SkipWithError("load failed");
        benchmark::DoNotOptimize(document.lineCount());
    }
}

void BM_ReadRawScaled(benchmark::State& state)
{
    SkinDocument document;
    if (document.load(scaledskin::skinOf({int(state.range(0)), state.range(1) << 20})) != LoadResult::Loaded) {
        state.SkipWithError("load failed");
        return;
    }
    const std::vector<std::string> files = filesOf(document);
    document.clear();
    std::vector<std::uint8_t> bytes;
    for (auto _ : state) {
        for (const std::string& file : files) {
            if (readWholeFile(file, bytes) < 0)
                state.SkipWithError("read failed");
            benchmark::DoNotOptimize(bytes.data());
        }
    }
}

void setLoadShapes(benchmark::internal::Benchmark* benchmark)
{
    for (int records : {1000, 100000, 500000})
        benchmark->Args({records, 0});
    benchmark->Args({1000, 100});
}
BENCHMARK(BM_LoadScaled)->Apply(setLoadShapes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadRawScaled)->Apply(setLoadShapes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
