// The shipped default skin "Vela", read through the document layer: what the
// editor, the preview and the images page rely on being there.

#include "GifProbe.h"
#include "TempFolder.h"

#include "document/SkinModel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string skinFolder = std::string(VELASKIN_DATA_DIR) + "/Default/Vela/";

// The element ids the idle screen, the element page and the property panel read.
const std::vector<ElementId> rectIds = {6,   562, 563, 564, 565, 566, 567, 568, 569, 570, 571, 574, 651, 654, 655, 658,
                                        659, 660, 663, 666, 667, 670, 673, 676, 678, 681};
const std::vector<ElementId> numberIds = {8,   11,  576, 584, 592, 642, 649, 650, 653, 656, 657,
                                          661, 662, 665, 668, 669, 671, 672, 677, 679, 680};
const std::vector<ElementId> flagIds = {575, 578, 583, 586, 591, 594, 636, 638, 643, 645};
const std::vector<ElementId> colourIds = {9, 12, 579, 580, 581, 587, 588, 589, 595, 596, 597, 639, 640, 641, 646, 647, 648};
const std::vector<ElementId> pictureIds = {7, 630, 631, 632, 633, 634, 635, 652, 664, 674, 675};

// One parsed line: its type digit and the numbers after it.
struct Line {
    int type = -1;
    std::vector<long> values;
};

Line parse(const std::string& text)
{
    Line line;
    std::istringstream in(text);
    std::string word;
    if (!(in >> word) || word.size() != 1 || word[0] < '0' || word[0] > '6')
        return line;
    line.type = word[0] - '0';
    long value = 0;
    while (in >> value)
        line.values.push_back(value);
    return line;
}

class DefaultSkin : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        model = std::make_unique<SkinModel>();
        accepted = model->loadDefaultSkin(skinFolder + "Vela.ski") == LoadResult::Loaded;
    }
    static void TearDownTestSuite() { model.reset(); }
    void SetUp() override { ASSERT_TRUE(accepted) << "the editor refuses the shipped default skin"; }

    static const SkinDocument& skin() { return model->defaults(); }

    // Line indexes that are items of a list block, with the header they belong to.
    static std::map<int, ElementId> listItems()
    {
        std::map<int, ElementId> items;
        const auto& lines = skin().lines();
        for (int i = 1; i < static_cast<int>(lines.size()); ++i) {
            if (items.count(i))
                continue;
            const Line header = parse(lines[static_cast<std::size_t>(i)]);
            if (header.type == 0 && header.values.size() == 2)
                for (long k = 1; k <= header.values[1]; ++k)
                    items[i + static_cast<int>(k)] = static_cast<ElementId>(header.values[0]);
        }
        return items;
    }

    static std::vector<std::uint8_t> picture(ElementId id)
    {
        std::vector<std::uint8_t> bytes;
        skin().getPicture(id, bytes);
        return bytes;
    }

    static inline std::unique_ptr<SkinModel> model;
    static inline bool accepted = false;
};

} // namespace

TEST_F(DefaultSkin, IsAPlainSkinFileTheEditorAccepts)
{
    const auto& lines = skin().lines();
    EXPECT_GE(skin().lineCount(), 1182);
    EXPECT_EQ(lines.front(), "SKI1\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        SCOPED_TRACE("line " + std::to_string(i));
        ASSERT_FALSE(lines[i].empty());
        EXPECT_EQ(lines[i].back(), '\n');
        EXPECT_EQ(lines[i].find('\r'), std::string::npos);
        EXPECT_LE(lines[i].size(), 259u);
        if (i > 0) {
            EXPECT_NE(parse(lines[i]).type, -1) << lines[i];
        }
    }
}

TEST_F(DefaultSkin, PaletteBlockHoldsNinetyEightColours)
{
    const int header = skin().findRecord("0 41 98");
    ASSERT_GE(header, 0);
    EXPECT_EQ(skin().lines()[static_cast<std::size_t>(header)], "0 41 98\n");
    for (int k = 1; k <= 98; ++k) {
        const Line item = parse(skin().lines()[static_cast<std::size_t>(header + k)]);
        ASSERT_EQ(item.type, 4) << "palette item " << k;
        ASSERT_EQ(item.values.size(), 4u) << "palette item " << k;
        for (long value : item.values)
            EXPECT_TRUE(value >= 0 && value <= 255) << "palette item " << k;
        EXPECT_EQ(skin().getPaletteColour(k).transparency, item.values[3]);
    }
    // Item 1 is the idle screen's background: a dark colour behind the wallpaper.
    const auto background = skin().getPaletteColour(1).colour;
    EXPECT_LT((background & 0xFF) + ((background >> 8) & 0xFF) + ((background >> 16) & 0xFF), 200u);
}

TEST_F(DefaultSkin, HoldsEveryElementTheIdleScreenReads)
{
    for (ElementId id : rectIds) {
        const SkinRect r = model->getRect(id);
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= 176 && r.bottom <= 220)
            << "rectangle " << id;
    }
    for (ElementId id : numberIds)
        EXPECT_GE(model->getNumber(id), 0) << "number " << id;
    for (ElementId id : flagIds)
        EXPECT_NE(model->getFlag(id), -1) << "flag " << id;
    for (ElementId id : colourIds) {
        const SkinColour c = model->getColour(id);
        EXPECT_TRUE(c.transparency >= 0 && c.transparency <= 255) << "colour " << id;
    }
    for (ElementId id : pictureIds) {
        std::vector<std::uint8_t> bytes;
        EXPECT_GT(model->getPicture(id, bytes), 0) << "picture " << id;
    }
    EXPECT_EQ(skin().findRecord("6 1015 /a/mobile/picture/"), skin().findRecord("6 1015 "));
    EXPECT_NE(skin().getWallpaperName(), "");
}

TEST_F(DefaultSkin, IdleScreenLooksRightWhenDrawn)
{
    // Texts: room for the ~21 pixel font, opaque, outlined, below the status strip.
    for (ElementId id : {570, 571, 574, 655, 659, 660, 667}) {
        const SkinRect r = model->getRect(id);
        EXPECT_TRUE(r.bottom - r.top >= 22 && r.bottom - r.top <= 26) << "text rectangle " << id;
        EXPECT_GE(r.top, 16) << "text rectangle " << id << " lies under the status strip (rows 0-15)";
    }
    for (ElementId id : {592, 576, 584, 642, 649}) {
        const int level = model->getNumber(id);
        EXPECT_TRUE(level == 1 || level == 2) << "outline level " << id;
    }
    for (ElementId id : {595, 579, 587, 639, 646})
        EXPECT_EQ(model->getColour(id).transparency, 0) << "text colour " << id;
    // An outline flag says whether its element has an outline level above 0.
    const std::pair<ElementId, ElementId> outlines[] = {{591, 592}, {575, 576}, {583, 584}, {636, 642}, {643, 649}};
    for (const auto& [flag, level] : outlines)
        EXPECT_EQ(model->getFlag(flag), model->getNumber(level) > 0 ? 1 : 0) << "outline flag " << flag;
    for (ElementId id : {661, 656, 668, 671}) {
        const int alignment = model->getNumber(id);
        EXPECT_TRUE(alignment == 0 || alignment == 16 || alignment == 32) << "alignment " << id;
    }
    // The digital clock is right of the date, on its own columns.
    EXPECT_LE(model->getRect(571).right, model->getRect(574).left);
    // State 2 of a soft key mirrors state 0.
    EXPECT_EQ(model->getRect(651), model->getRect(658));
    EXPECT_EQ(model->getRect(663), model->getRect(670));
    EXPECT_EQ(model->getNumber(650), model->getNumber(657));
    EXPECT_EQ(model->getNumber(662), model->getNumber(669));
    for (ElementId id : {650, 653, 657, 662, 665, 669, 672, 677, 679, 680})
        EXPECT_LE(model->getNumber(id), 255) << "opacity " << id;
}

TEST_F(DefaultSkin, KeyPicturesFitTheirPlaces)
{
    // A frame takes its size from its rectangle; the picture is drawn centred in it.
    const std::pair<ElementId, ElementId> places[] = {{630, 658}, {631, 654}, {652, 651}, {634, 670}, {635, 666},
                                                      {664, 663}, {632, 681}, {633, 678}, {675, 676}, {674, 673},
                                                      {7, 6}};
    for (const auto& [pictureId, rectId] : places) {
        const GifProbe gif = GifProbe::inspect(picture(pictureId));
        const SkinRect r = model->getRect(rectId);
        EXPECT_EQ(gif.width, r.right - r.left) << "picture " << pictureId << " in rectangle " << rectId;
        EXPECT_EQ(gif.height, r.bottom - r.top) << "picture " << pictureId << " in rectangle " << rectId;
    }
    // Both clock hands stay on the face.
    const SkinRect face = model->getRect(6);
    const int radius = std::min(face.right - face.left, face.bottom - face.top) / 2;
    EXPECT_GT(model->getNumber(8), 0);
    EXPECT_LT(model->getNumber(8), model->getNumber(11));
    EXPECT_LT(model->getNumber(11), radius);
}

TEST_F(DefaultSkin, ListBlocksCannotBeMistakenForRecords)
{
    const auto items = listItems();
    std::set<ElementId> rectangleLists;
    const auto& lines = skin().lines();
    std::set<long> rectRecords, colourRecords;
    for (int i = 1; i < static_cast<int>(lines.size()); ++i) {
        if (items.count(i))
            continue;
        const Line line = parse(lines[static_cast<std::size_t>(i)]);
        if (line.type == 1)
            rectRecords.insert(line.values.at(0));
        if (line.type == 4)
            colourRecords.insert(line.values.at(0));
    }
    for (const auto& [index, list] : items) {
        const Line item = parse(lines[static_cast<std::size_t>(index)]);
        if (list == 41) {
            EXPECT_EQ(item.type, 4);
            EXPECT_FALSE(colourRecords.count(item.values.at(0))) << "palette item at line " << index
                                                                 << " answers a colour record's key";
            continue;
        }
        ASSERT_EQ(item.type, 1) << "line " << index;
        ASSERT_EQ(item.values.size(), 4u) << "line " << index;
        EXPECT_LE(item.values[0], item.values[2]) << "line " << index;
        EXPECT_LE(item.values[1], item.values[3]) << "line " << index;
        // "1 6 ..." before the record of rectangle 6 would be found by its key.
        EXPECT_FALSE(rectRecords.count(item.values[0])) << "list item at line " << index
                                                        << " answers a rectangle record's key";
        rectangleLists.insert(list);
    }
    EXPECT_GE(rectangleLists.size(), 3u);
    for (ElementId list : rectangleLists) {
        const int count = skin().getListCount(list);
        EXPECT_GT(count, 0);
        const SkinRect first = skin().getListRect(list, 1);
        EXPECT_LT(first.left, first.right) << "list " << list;
    }
}

TEST_F(DefaultSkin, PicturesLieEndToEndInTheDataFiles)
{
    const auto ids = skin().pictureIds();
    EXPECT_GE(ids.size(), 60u);
    ASSERT_EQ(skin().dataFileCount(), 2);
    std::map<std::pair<int, int>, int> sizeAt;  // (file, offset) -> size
    std::vector<int> expectedOffset(2, 0);
    int inFileOne = 0;
    for (ElementId id : ids) {
        const std::optional<PictureLocation> found = skin().getPictureLocation(id);
        ASSERT_TRUE(found) << "picture " << id;
        const PictureLocation where = *found;
        ASSERT_TRUE(where.file == 0 || where.file == 1) << "picture " << id;
        ASSERT_GT(where.size, 0) << "picture " << id;
        EXPECT_LE(static_cast<std::int64_t>(where.offset) + where.size, skin().dataSize(where.file)) << "picture " << id;
        const auto key = std::make_pair(where.file, where.offset);
        if (sizeAt.count(key)) { // a second id for a picture already stored
            EXPECT_EQ(sizeAt[key], where.size) << "picture " << id;
            continue;
        }
        // In line order, each new picture starts where the one before it ended.
        EXPECT_EQ(where.offset, expectedOffset[static_cast<std::size_t>(where.file)]) << "picture " << id;
        expectedOffset[static_cast<std::size_t>(where.file)] = where.offset + where.size;
        sizeAt[key] = where.size;
        inFileOne += where.file == 1;
    }
    EXPECT_EQ(static_cast<std::uint32_t>(expectedOffset[0]), skin().dataSize(0)) << "bytes after the last picture";
    EXPECT_EQ(static_cast<std::uint32_t>(expectedOffset[1]), skin().dataSize(1)) << "bytes after the last picture";
    EXPECT_GE(inFileOne, 1);
    EXPECT_EQ(skin().getPictureLocation(630), skin().getPictureLocation(652));
    EXPECT_EQ(skin().getPictureLocation(634), skin().getPictureLocation(664));
}

TEST_F(DefaultSkin, EveryPictureIsADecodableGif89a)
{
    int animated = 0;
    std::set<int> disposals;
    for (ElementId id : skin().pictureIds()) {
        SCOPED_TRACE("picture " + std::to_string(id));
        const auto bytes = picture(id);
        const GifProbe gif = GifProbe::inspect(bytes);
        EXPECT_EQ(gif.version, "GIF89a");
        ASSERT_TRUE(gif.decoded) << gif.error;
        ASSERT_FALSE(gif.frames.empty());
        EXPECT_TRUE(gif.width > 0 && gif.width <= 176 && gif.height > 0 && gif.height <= 220);
        for (const auto& frame : gif.frames)
            EXPECT_TRUE(frame.left + frame.width <= gif.width && frame.top + frame.height <= gif.height);
        if (gif.frames.size() < 2)
            continue;
        std::set<int> delays;
        for (const auto& frame : gif.frames) {
            EXPECT_GE(frame.delay, 0) << "every frame of an animation has a graphic control block";
            delays.insert(frame.delay);
            disposals.insert(frame.disposal);
        }
        EXPECT_GE(delays.size(), 2u) << "an animation with a rhythm of its own";
        ++animated;
    }
    EXPECT_GE(animated, 3);
    for (int method : {1, 2, 3})
        EXPECT_TRUE(disposals.count(method)) << "no animation uses disposal method " << method;
}

TEST_F(DefaultSkin, WallpaperLiesBesideTheSkin)
{
    const std::string name = skin().getWallpaperName();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(model->wallpaperPath(), model->defaultFolder() + name);
    ASSERT_TRUE(fs::exists(skinFolder + name));
    const GifProbe gif = GifProbe::inspect(testing_support::readFileBytes(skinFolder + name));
    EXPECT_EQ(gif.version, "GIF89a");
    ASSERT_TRUE(gif.decoded) << gif.error;
    EXPECT_EQ(gif.width, 176);
    EXPECT_EQ(gif.height, 220);
    EXPECT_TRUE(model->loadWallpaperFile(model->wallpaperPath()));
    EXPECT_GT(model->wallpaperSize(), 0);
}
