#pragma once

// What the skin fuzz targets share: the layout of an input (a skin file and
// several data files in one), the reads and changes run on a loaded skin, and
// the checks that hold after any of them.

#include "document/SkinDocument.h"
#include "document/SkinModel.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace fuzzing {

inline constexpr std::size_t mostDataFiles = 4;
// How many pictures and records one input changes.
inline constexpr std::size_t mostChanges = 5;

// An input: two bytes (little endian) give the length of the ".ski" part;
// after it, each data file is two bytes of length and that many bytes (the
// last one takes what is left when the input ends sooner).
struct SkinInput {
    std::span<const std::uint8_t> skin;
    std::vector<std::vector<std::uint8_t>> dataFiles;
};

inline std::size_t lengthAt(const std::uint8_t* data)
{
    return std::size_t(data[0]) | std::size_t(data[1]) << 8;
}

inline bool splitInput(const std::uint8_t* data, std::size_t size, SkinInput& input)
{
    if (size < 2)
        return false;
    std::size_t at = 2;
    const std::size_t skinSize = std::min(size - at, lengthAt(data));
    input.skin = std::span(data + at, skinSize);
    at += skinSize;
    while (at + 2 <= size && input.dataFiles.size() < mostDataFiles) {
        const std::size_t length = std::min(size - at - 2, lengthAt(data + at));
        input.dataFiles.emplace_back(data + at + 2, data + at + 2 + length);
        at += 2 + length;
    }
    return true;
}

// The id of a record line ("T id ..."), if it has one.
inline bool idOfLine(std::string_view line, ElementId& id)
{
    if (line.size() < 3)
        return false;
    return std::from_chars(line.data() + 2, line.data() + line.size(), id).ec == std::errc();
}

// The ids of the first records, then a few fixed ones (the palette, the
// wallpaper, the extremes): most in all.
inline std::vector<ElementId> idsToTry(const SkinDocument& document, std::size_t most)
{
    static const ElementId fixed[] = {41, 1015, std::numeric_limits<ElementId>::max(),
                                      std::numeric_limits<ElementId>::min()};
    std::vector<ElementId> ids;
    for (int i = 1; i < document.lineCount() && ids.size() + std::size(fixed) < most; ++i) {
        ElementId id = 0;
        if (idOfLine(document.line(i), id))
            ids.push_back(id);
    }
    ids.insert(ids.end(), std::begin(fixed), std::end(fixed));
    return ids;
}

// Every getter once per id; list items at each index.
inline void readRecords(const SkinDocument& document, const std::vector<ElementId>& ids, std::span<const int> listIndexes)
{
    std::vector<std::uint8_t> bytes;
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
        if (document.getPictureLocation(id).has_value() != (size >= 0))
            std::abort();
    }
    for (int index : listIndexes)
        (void)document.getPaletteColour(index);
    (void)document.getWallpaperName();
    (void)document.findRecord("5 * ");
    (void)document.pictureIds();
}

inline void readModel(const SkinModel& model, const std::vector<ElementId>& ids)
{
    std::vector<std::uint8_t> bytes;
    for (ElementId id : ids) {
        (void)model.getColour(id);
        (void)model.getRect(id);
        (void)model.getListRect(id, 1);
        (void)model.getNumber(id);
        (void)model.getFlag(id);
        (void)model.getPicture(id, bytes);
    }
    (void)model.getPaletteColour(1);
    (void)model.wallpaperPath();
}

// Stores, empties, links and removes pictures; every record that reads
// afterwards lies inside its data file.
inline void changePictures(SkinModel& model, const std::vector<ElementId>& ids)
{
    const SkinDocument& document = model.edited();
    static const std::uint8_t gif[] = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0};
    std::vector<ElementId> pictures = document.pictureIds();
    if (pictures.size() > mostChanges)
        pictures.resize(mostChanges);
    pictures.push_back(ids[0]);
    pictures.push_back(12345);
    std::size_t step = 0;
    for (ElementId id : pictures) {
        switch (step++ % 4) {
        case 0: (void)model.setPicture(id, std::span(gif, sizeof gif)); break;
        case 1: (void)model.setPicture(id, std::span(gif, std::size_t(0))); break;
        case 2: model.linkPicture(id, id < std::numeric_limits<ElementId>::max() ? id + 1 : 0); break;
        default: model.removePicture(id); break;
        }
        const std::optional<PictureLocation> where = document.getPictureLocation(id);
        if (where && std::int64_t(where->offset) + where->size > std::int64_t(document.dataSize(where->file)))
            std::abort();
    }
}

inline void changeRecords(SkinModel& model, const std::vector<ElementId>& ids)
{
    for (std::size_t i = 0; i < ids.size() && i < mostChanges; ++i) {
        const ElementId id = ids[i];
        (void)model.setListRect({1, 2, 3, 4}, id, int(i % 3));
        model.setColour(id, 0x123456, 7);
        model.setNumber(id, -3);
        model.setFlag(id, int(i % 2));
    }
    (void)model.setRect(ids[0], {0, 0, std::numeric_limits<std::int32_t>::min(), 1});
    (void)model.setPaletteColour(1, 0xABCDEF, 0);
    (void)model.setPaletteColour(99, 0xABCDEF, 0);
    model.setWallpaperName("C:\\pics\\sea.gif");
}

inline std::string textOf(const SkinDocument& document)
{
    std::string text;
    for (int i = 0; i < document.lineCount(); ++i)
        text += document.line(i);
    return text;
}

// The data files as they are after a save of contents over before: the
// files written replaced, the others left as they were.
inline std::vector<std::vector<std::uint8_t>> afterSave(const SkinFileContents& contents,
                                                        std::vector<std::vector<std::uint8_t>> before)
{
    for (const auto& [file, bytes] : contents.dataFiles) {
        if (std::size_t(file) >= before.size())
            before.resize(std::size_t(file) + 1);
        before[std::size_t(file)].assign(bytes.begin(), bytes.end());
    }
    return before;
}

// A saved skin loads again as the same text (a last line without a line
// feed gets one) with the same data files.
inline void expectSameAfterReload(const SkinDocument& saved, const SkinDocument& reloaded)
{
    std::string text = textOf(saved);
    if (!text.empty() && text.back() != '\n')
        text += '\n';
    if (textOf(reloaded) != text)
        std::abort();
    for (int file = 0; file < reloaded.dataFileCount(); ++file) {
        const auto a = saved.dataFile(file);
        const auto b = reloaded.dataFile(file);
        if (!std::equal(a.begin(), a.end(), b.begin(), b.end()))
            std::abort();
    }
}

// The document's lines and data files, to compare states.
struct DocumentState {
    std::string text;
    std::vector<std::vector<std::uint8_t>> files;
    friend bool operator==(const DocumentState&, const DocumentState&) = default;
};

inline DocumentState stateOf(const SkinDocument& document)
{
    DocumentState state {textOf(document), {}};
    for (int file = 0; file < document.dataFileCount(); ++file)
        state.files.emplace_back(document.dataFile(file).begin(), document.dataFile(file).end());
    return state;
}

} // namespace fuzzing
