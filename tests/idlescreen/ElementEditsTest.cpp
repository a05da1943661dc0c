// The element table and the rules by which the element page's edits land in
// the skin's records, on a model without any widget.

#include "PreviewTestSupport.h"
#include "ModelAccess.h"
#include "document/RecordKey.h"
#include "idlescreen/ElementEdits.h"
#include "idlescreen/ElementTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>
#include <vector>

using namespace preview_testing;
using namespace idlescreen;

namespace {

using Record = std::tuple<RecordType, ElementId, int>;

Record colour(ElementId id) { return {RecordType::Colour, id, 0}; }
Record number(ElementId id) { return {RecordType::Number, id, 0}; }
Record flag(ElementId id) { return {RecordType::Flag, id, 0}; }
Record rect(ElementId id) { return {RecordType::Rect, id, 0}; }
Record picture(ElementId id) { return {RecordType::Picture, id, 0}; }

std::set<Record> recordsOf(const ElementEntry& entry)
{
    std::set<Record> records;
    for (const ElementRecord& record : elementRecords(entry))
        records.insert({record.type, record.id, record.listItem});
    return records;
}

// What each kind edits, as the element page's documentation lists it: its
// records (mirrors included), the frame that shows it and the key state it sets.
struct KindCase {
    int kind;
    std::set<Record> records;
    int frameControl; // 0: none
    int keyState;     // -1: none
};

const std::vector<KindCase> kindCases = {
    {1, {{RecordType::ListHeader, 41, 1}}, 0, -1},
    {2, {{RecordType::PhonePath, 1015, 0}}, 0, -1},
    {3, {colour(595), colour(596), colour(597), number(592), flag(591), flag(594), rect(570)}, 0, -1},
    {4, {colour(579), colour(580), colour(581), number(576), flag(575), flag(578), rect(571)}, 0, -1},
    {5, {colour(587), colour(588), colour(589), number(584), flag(583), flag(586), rect(574)}, 0, -1},
    {6, {colour(12), colour(9), number(11), number(8), rect(6), picture(7)}, 1148, -1},
    {7, {colour(646), colour(647), colour(648), number(649), flag(643), flag(645)}, 0, -1},
    {8, {colour(639), colour(640), colour(641), number(642), flag(636), flag(638)}, 0, -1},
    {9, {rect(654), picture(631), number(653)}, 1242, 1},
    {10, {rect(658), rect(651), picture(630), picture(652), number(657), number(650)}, 1242, 0},
    {11, {rect(666), picture(635), number(665)}, 1243, 1},
    {12, {rect(670), rect(663), picture(634), picture(664), number(669), number(662)}, 1243, 0},
    {13, {rect(678), picture(633), number(677)}, 1244, 1},
    {14, {rect(681), picture(632), number(680)}, 1244, 0},
    {15, {rect(676), picture(675), number(679)}, 1244, 2},
    {16, {rect(673), picture(674), number(672)}, 1244, 3},
    {17, {rect(566), rect(562)}, 1152, -1},
    {18, {rect(562), rect(566)}, 1152, -1},
    {19, {rect(567), rect(563)}, 1151, -1},
    {20, {rect(563), rect(567)}, 1151, -1},
    {21, {rect(568), rect(564)}, 1149, -1},
    {22, {rect(564), rect(568)}, 1149, -1},
    {23, {rect(569), rect(565)}, 1150, -1},
    {24, {rect(565), rect(569)}, 1150, -1},
    {71, {rect(655), number(656)}, 0, 1},
    {72, {rect(660), number(671)}, 0, 1},
    {81, {rect(659), number(661)}, 0, 0},
    {82, {rect(667), number(668)}, 0, 0},
};

} // namespace

TEST(ElementTable, EveryKindEditsItsOwnRecords)
{
    ASSERT_EQ(elementTable.size(), kindCases.size());
    for (const KindCase& c : kindCases) {
        SCOPED_TRACE(c.kind);
        const ElementEntry* entry = elementEntry(ElementKind(c.kind));
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(recordsOf(*entry), c.records);
        EXPECT_EQ(entry->hasFrame ? controlId(entry->frame) : 0, c.frameControl);
        EXPECT_EQ(entry->effect == ViewEffect::KeyState ? entry->state : -1, c.keyState);
    }
    EXPECT_EQ(elementEntry(ElementKind::None), nullptr);
    EXPECT_EQ(elementEntry(ElementKind(25)), nullptr);
    // The hands' colours lie on the second and third button, their lengths beside them.
    const ElementEntry& clock = *elementEntry(ElementKind::AnalogClock);
    EXPECT_EQ(clock.rows[1].colour, 12);
    EXPECT_EQ(clock.rows[1].number, 11);
    EXPECT_EQ(clock.rows[2].colour, 9);
    EXPECT_EQ(clock.rows[2].number, 8);
}

// A dropped frame writes the records of what it shows in the key's state;
// state 0 and 2 of the soft keys are one.
TEST(ElementEdits, DroppedFrameWritesTheRecordsOfItsState)
{
    struct Case {
        Frame frame;
        int state;
        std::vector<ElementId> written;
    };
    const SkinRect dropped{5, 6, 25, 16};
    for (const Case& c : std::vector<Case>{{Frame::LeftKey, 0, {658, 651}},
                                           {Frame::LeftKey, 1, {654}},
                                           {Frame::LeftKey, 2, {651, 658}},
                                           {Frame::RightKey, 0, {670, 663}},
                                           {Frame::RightKey, 1, {666}},
                                           {Frame::RightKey, 2, {663, 670}},
                                           {Frame::CentreKey, 0, {681}},
                                           {Frame::CentreKey, 1, {678}},
                                           {Frame::CentreKey, 2, {676}},
                                           {Frame::CentreKey, 3, {673}},
                                           {Frame::ClockFace, 0, {6}}}) {
        SCOPED_TRACE(std::to_string(controlId(c.frame)) + " state " + std::to_string(c.state));
        TestSkin skin;
        ViewOptions view;
        view.leftKeyState = view.rightKeyState = view.centreKeyState = c.state;
        writeDroppedFrame(skin.model, c.frame, view, dropped);
        std::vector<std::string> expected{"SKI1\n"};
        for (const ElementId id : c.written)
            expected.push_back("1 " + std::to_string(id) + " 5 6 24 15\n");
        EXPECT_EQ(editedSkin(skin.model).lines(), expected);
    }
}

// The other rectangle of a JoyPad label keeps its size and is centred on the
// placed one; half the size difference is cut toward zero.
TEST(ElementEdits, JoyPadLabelsKeepTheirTwoRectanglesCentred)
{
    TestSkin skin;
    skin.rect(562, {0, 0, 20, 10}).rect(566, {0, 0, 31, 14});
    ViewOptions view;
    writeDroppedFrame(skin.model, Frame::JoyPad1, view, {40, 50, 60, 60});
    EXPECT_EQ(skin.model.getRect(562), (SkinRect{40, 50, 60, 60}));
    EXPECT_EQ(skin.model.getRect(566), (SkinRect{35, 48, 66, 62}));

    // Shown: the "on" rectangle is the placed one.
    EXPECT_EQ(recentredJoyPadRects({{0, 0, 20, 10}, {0, 0, 31, 14}}, {40, 50, 71, 64}, true).off,
              (SkinRect{45, 52, 65, 62}));
    // A smaller partner: -11 / 2 is -5, not -6.
    const JoyPadRects smaller = recentredJoyPadRects({{0, 0, 31, 15}, {0, 0, 20, 10}}, {40, 50, 71, 65}, false);
    EXPECT_EQ(smaller.on, (SkinRect{45, 52, 65, 62}));

    // Label 4 while shown: the "on" rectangle 569 is written first, then 565.
    TestSkin other;
    other.rect(565, {0, 0, 20, 10}).rect(569, {0, 0, 31, 14});
    const auto before = editedSkin(other.model).lines().size();
    view.joyPadShown = true;
    writeDroppedFrame(other.model, Frame::JoyPad4, view, {40, 50, 71, 64});
    EXPECT_EQ(editedSkin(other.model).lines().size(), before);
    EXPECT_EQ(other.model.getRect(569), (SkinRect{40, 50, 71, 64}));
    EXPECT_EQ(other.model.getRect(565), (SkinRect{45, 52, 65, 62}));
}

// A picture keeps its size when one of its edges is typed: it moves to where
// the typed edge puts it.
TEST(ElementEdits, FrameElementsMoveInsteadOfResizing)
{
    const SkinRect centre{60, 150, 100, 170};
    EXPECT_EQ(movedNotResized(centre, {10, 150, 100, 170}), (SkinRect{10, 150, 50, 170}));
    EXPECT_EQ(movedNotResized(centre, {60, 150, 120, 170}), (SkinRect{80, 150, 120, 170}));
    EXPECT_EQ(movedNotResized(centre, {60, 100, 100, 170}), (SkinRect{60, 100, 100, 120}));
    EXPECT_EQ(movedNotResized(centre, {60, 150, 100, 175}), (SkinRect{60, 155, 100, 175}));
    EXPECT_EQ(movedNotResized({INT32_MAX - 5, 0, INT32_MAX, 1}, {INT32_MAX, 0, INT32_MAX, 1}).right, INT32_MAX);
}

// Colours, numbers, outline and alignment of the panel's kinds.
TEST(ElementEdits, ValuesLandInTheKindsRecords)
{
    TestSkin skin;
    skin.background(qRgb(0, 0, 0));
    const auto lines = [&] { return editedSkin(skin.model).lines(); };

    // The background is the palette's item 1, opaque; no colour record.
    const auto before = lines().size();
    writeElementColour(skin.model, *elementEntry(ElementKind::Background), 0, makeColour(1, 2, 3), 99);
    EXPECT_EQ(lines().size(), before);
    EXPECT_EQ(lines()[1 + backgroundPaletteIndex], "4 1 2 3 0\n");

    // A text's colour takes the typed transparency; its number edit the button's colour.
    const ElementEntry& operatorName = *elementEntry(ElementKind::OperatorName);
    writeElementColour(skin.model, operatorName, 1, makeColour(10, 20, 30), 40);
    EXPECT_EQ(lines().back(), "4 596 10 20 30 40\n");
    writeElementNumber(skin.model, operatorName, 1, makeColour(10, 20, 31), 41);
    EXPECT_EQ(lines().back(), "4 596 10 20 31 41\n");

    // The clock's hands: colours 12 and 9 opaque, the numbers are lengths.
    const ElementEntry& clock = *elementEntry(ElementKind::AnalogClock);
    writeElementColour(skin.model, clock, 1, makeColour(5, 5, 5), 77);
    writeElementColour(skin.model, clock, 2, makeColour(6, 6, 6), 77);
    writeElementNumber(skin.model, clock, 1, makeColour(9, 9, 9), 30);
    writeElementNumber(skin.model, clock, 2, makeColour(9, 9, 9), 20);
    EXPECT_EQ(skin.model.getColour(12), (SkinColour{makeColour(5, 5, 5), 0}));
    EXPECT_EQ(skin.model.getColour(9), (SkinColour{makeColour(6, 6, 6), 0}));
    EXPECT_EQ(skin.model.getNumber(11), 30);
    EXPECT_EQ(skin.model.getNumber(8), 20);
    writeElementColour(skin.model, clock, 0, makeColour(7, 7, 7), 0); // the clock has no first colour
    writeElementNumber(skin.model, clock, 0, makeColour(7, 7, 7), 5);

    // Opacity of the left key's state 0 and its mirror.
    writeElementNumber(skin.model, *elementEntry(ElementKind::LeftKey0), 0, 0, 128);
    EXPECT_EQ(skin.model.getNumber(657), 128);
    EXPECT_EQ(skin.model.getNumber(650), 128);
    writeElementNumber(skin.model, *elementEntry(ElementKind::LeftKey1), 0, 0, 64);
    EXPECT_EQ(skin.model.getNumber(653), 64);
    EXPECT_EQ(skin.model.getNumber(650), 128);

    // The outline flag follows the level.
    writeOutlineLevel(skin.model, operatorName, 1);
    EXPECT_EQ(skin.model.getNumber(592), 1);
    EXPECT_EQ(skin.model.getFlag(591), 1);
    writeOutlineLevel(skin.model, operatorName, 0);
    EXPECT_EQ(skin.model.getNumber(592), 0);
    EXPECT_EQ(skin.model.getFlag(591), 0);
    writeUnderline(skin.model, operatorName, 1);
    EXPECT_EQ(skin.model.getFlag(594), 1);

    // Alignment: centred, left, right; any other stored number shows as centred.
    EXPECT_EQ(alignmentEntry(0), 0);
    EXPECT_EQ(alignmentEntry(32), 1);
    EXPECT_EQ(alignmentEntry(16), 2);
    EXPECT_EQ(alignmentEntry(5), 0);
    const ElementEntry& place = *elementEntry(ElementKind::RightLabelPlace1);
    for (const auto& [listEntry, stored] : {std::pair{1, 32}, {2, 16}, {0, 0}, {7, 0}}) {
        writeAlignment(skin.model, place, listEntry);
        EXPECT_EQ(skin.model.getNumber(671), stored);
    }

    // Nothing but these records was written, after the magic line and the palette.
    std::set<ElementId> touched;
    for (std::size_t i = 2 + paletteItemCount; i < lines().size(); ++i)
        touched.insert(std::stoi(lines()[i].substr(2)));
    EXPECT_EQ(touched, (std::set<ElementId>{596, 12, 9, 11, 8, 657, 650, 653, 592, 591, 594, 671}));
}

TEST(ElementEdits, NewPictureOfStateZeroIsAlsoStateTwos)
{
    TestSkin skin;
    skin.picture(630, solidGif(4, 4, qRgb(9, 9, 9))).picture(652, solidGif(2, 2, qRgb(1, 1, 1)));
    linkMirroredPicture(skin.model, *elementEntry(ElementKind::LeftKey0));
    std::vector<std::uint8_t> state0;
    std::vector<std::uint8_t> state2;
    ASSERT_GT(skin.model.getPicture(630, state0), 0);
    ASSERT_GT(skin.model.getPicture(652, state2), 0);
    EXPECT_EQ(state0, state2);
    EXPECT_EQ(skin.model.edited().getPictureLocation(630), skin.model.edited().getPictureLocation(652));

    // State 1 has no mirror: nothing is linked.
    const auto lines = editedSkin(skin.model).lines();
    linkMirroredPicture(skin.model, *elementEntry(ElementKind::LeftKey1));
    EXPECT_EQ(editedSkin(skin.model).lines(), lines);
}

namespace {

// A value of the record's type, written into document; the same seed gives the same value.
void writeRecord(SkinDocument& document, const ElementRecord& record, int seed)
{
    switch (record.type) {
    case RecordType::ListHeader:
        EXPECT_TRUE(document.setPaletteColour(record.listItem, makeColour(seed, seed, seed), 0));
        break;
    case RecordType::Rect:
        EXPECT_TRUE(document.setRect(record.id, {seed, seed, seed + 10, seed + 5}));
        break;
    case RecordType::Number:
        document.setNumber(record.id, seed);
        break;
    case RecordType::Flag:
        document.setFlag(record.id, seed % 2);
        break;
    case RecordType::Colour:
        document.setColour(record.id, makeColour(seed, 0, 0), seed);
        break;
    case RecordType::Picture:
        EXPECT_TRUE(document.setPicture(record.id, solidGif(seed % 20 + 1, 3, qRgb(seed, 0, 0))));
        break;
    case RecordType::PhonePath:
        document.setWallpaperName("/phone/wall" + std::to_string(seed) + ".gif");
        break;
    }
}

// What the model reads for the record, as text.
std::string readRecord(const SkinModel& model, const ElementRecord& record)
{
    std::vector<std::uint8_t> bytes;
    switch (record.type) {
    case RecordType::ListHeader: {
        const SkinColour colour = model.getPaletteColour(record.listItem);
        return std::to_string(colour.colour) + "/" + std::to_string(colour.transparency);
    }
    case RecordType::Rect: {
        const SkinRect rect = model.getRect(record.id);
        return std::to_string(rect.left) + " " + std::to_string(rect.top) + " " + std::to_string(rect.right);
    }
    case RecordType::Number: return std::to_string(model.getNumber(record.id));
    case RecordType::Flag: return std::to_string(model.getFlag(record.id));
    case RecordType::Colour: return std::to_string(model.getColour(record.id).transparency);
    case RecordType::Picture: return std::to_string(model.getPicture(record.id, bytes)) + ":" + std::string(bytes.begin(), bytes.end());
    case RecordType::PhonePath: return editedSkin(model).getWallpaperName() + defaultSkin(model).getWallpaperName();
    }
    return {};
}

} // namespace

// Back to default takes every record of the element out of the edited skin,
// mirrors and lines written twice included, pictures with their bytes: what
// the model reads is the default skin's again, and nothing else changes.
TEST(ElementEdits, BackToDefaultShowsTheDefaultSkinsValuesAgain)
{
    const auto ownPicture = [](const SkinModel& model, ElementId id) {
        std::vector<std::uint8_t> bytes;
        editedSkin(model).getPicture(id, bytes);
        return bytes;
    };
    for (const ElementEntry& entry : elementTable) {
        SCOPED_TRACE(int(entry.kind));
        TestSkin skin;
        SkinDocument& edited = editedSkin(skin.model);
        SkinDocument& defaults = defaultSkin(skin.model);
        defaults.appendLine("0 41 98\n");
        for (int i = 1; i <= paletteItemCount; ++i)
            defaults.appendLine("4 0 0 0 0\n");
        for (const ElementRecord& record : elementRecords(entry))
            writeRecord(defaults, record, 3);
        // A new skin starts with the default skin's palette.
        for (int i = 1; i <= paletteItemCount + 1; ++i)
            edited.appendLine(defaults.lines()[std::size_t(i)]);
        EXPECT_FALSE(elementDiffersFromDefault(skin.model, entry));
        std::vector<std::string> expected;
        for (const ElementRecord& record : elementRecords(entry))
            expected.push_back(readRecord(skin.model, record));

        // Pictures of other elements before and after the element's own.
        skin.picture(9998, solidGif(5, 5, qRgb(1, 2, 3)));
        const auto before = edited.lines();
        for (const ElementRecord& record : elementRecords(entry)) {
            writeRecord(edited, record, 40);
            // A second line of the same record, which is never read.
            const int line = edited.findRecord(RecordKey(record.type, record.id).view());
            if (record.type != RecordType::ListHeader)
                edited.appendLine(edited.lines()[std::size_t(line)]);
        }
        skin.picture(9999, solidGif(6, 6, qRgb(3, 2, 1)));
        const auto others = std::pair{ownPicture(skin.model, 9998), ownPicture(skin.model, 9999)};
        EXPECT_TRUE(elementDiffersFromDefault(skin.model, entry));

        restoreElementDefault(skin.model, entry);
        EXPECT_FALSE(elementDiffersFromDefault(skin.model, entry));
        std::vector<std::string> read;
        for (const ElementRecord& record : elementRecords(entry))
            read.push_back(readRecord(skin.model, record));
        EXPECT_EQ(read, expected);
        // The other pictures keep their bytes, and the data file holds nothing else.
        EXPECT_EQ((std::pair{ownPicture(skin.model, 9998), ownPicture(skin.model, 9999)}), others);
        EXPECT_EQ(edited.dataSize(0), others.first.size() + others.second.size());
        auto remaining = before;
        remaining.push_back(edited.lines().back()); // picture 9999, moved up
        EXPECT_EQ(edited.lines(), remaining);
    }
}
