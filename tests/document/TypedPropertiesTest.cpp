#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

using namespace testing_support;

TEST(TypedProperties, ColourPacksTheTransparencyIntoTheTopByte)
{
    SkinDocument document = documentWith({"4 12 10 20 30 0", "4 595 255 0 0 40"});
    EXPECT_EQ(document.getColour(12), (SkinColour {makeColour(10, 20, 30), 0}));
    EXPECT_EQ(document.getColour(595), (SkinColour {0x280000FFu, 40}));
    EXPECT_EQ(document.getColour(7), SkinColour {});

    document.setColour(12, 0xFF000000u | makeColour(10, 20, 30), 0);
    EXPECT_EQ(document.lines()[1], "4 12 10 20 30 0\n");
    document.setColour(13, makeColour(1, 2, 3), 255);
    EXPECT_EQ(document.lines().back(), "4 13 1 2 3 255\n");
}

TEST(TypedProperties, RectIsStoredInclusiveAndReadExclusive)
{
    SkinDocument document = documentWith({"1 6 10 20 29 39"});
    const SkinRect rect = document.getRect(6);
    EXPECT_EQ(rect, (SkinRect {10, 20, 30, 40}));
    EXPECT_TRUE(document.setRect(6, rect));
    EXPECT_EQ(document.lines()[1], "1 6 10 20 29 39\n");
}

TEST(TypedProperties, NumbersAreReadAsFormattedScanningDoes)
{
    const SkinDocument document = documentWith({"2 1 -5", "2 2 +7", "2 3 \t 9 trailing", "2 4 -2147483648",
                                                "2 5 8\r", "2 6 12abc"});
    EXPECT_EQ(document.getNumber(1), -5);
    EXPECT_EQ(document.getNumber(2), 7);
    EXPECT_EQ(document.getNumber(3), 9);
    EXPECT_EQ(document.getNumber(4), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(document.getNumber(5), 8);
    EXPECT_EQ(document.getNumber(6), 12);
    EXPECT_EQ(document.getNumber(99), -1);
}

TEST(TypedProperties, MalformedRecordsReadAsMissing)
{
    const SkinDocument document = documentWith({
        "4 1 1 2 x 4", "4 2 1 2 3", "4 3 1 2 3 4294967296",
        "1 1 1 2 3", "1 2 0 0 2147483647 5", "1 3 0 0 5 -2147483649",
        "0 1 x", "3 1", "6 1015", "2 1 x", "2 2 ", "2 3 2147483648", "2 4 - 5",
    });
    for (ElementId id = 1; id <= 3; ++id) {
        EXPECT_EQ(document.getColour(id), SkinColour {}) << "colour " << id;
        EXPECT_EQ(document.getRect(id), SkinRect {}) << "rect " << id;
    }
    EXPECT_EQ(document.getListCount(1), -1);
    EXPECT_EQ(document.getFlag(1), -1);
    EXPECT_EQ(document.getWallpaperName(), "");
    // The number getter alone reads a malformed record as 0.
    for (ElementId id = 1; id <= 4; ++id)
        EXPECT_EQ(document.getNumber(id), 0) << "number " << id;
}

TEST(TypedProperties, FlagWordsCompareWithTrue)
{
    const SkinDocument document = documentWith({"3 1 false", "3 2 true", "3 3 TRUE", "3 4 truest", "3 5 zero", "3 6 \ttrue\r"});
    EXPECT_EQ(document.getFlag(1), 0);
    EXPECT_EQ(document.getFlag(2), 1);
    EXPECT_EQ(document.getFlag(3), 0);
    EXPECT_EQ(document.getFlag(4), 1);
    EXPECT_EQ(document.getFlag(5), 1);
    EXPECT_EQ(document.getFlag(6), 1);
    EXPECT_EQ(document.getFlag(7), -1);
    SkinDocument written = documentWith({});
    written.setFlag(594, 5);
    written.setFlag(595, 0);
    EXPECT_EQ(recordsOf(written), (std::vector<std::string> {"3 594 true", "3 595 false"}));
}

TEST(TypedProperties, ListRectReadsAndWritesTheItemAfterTheHeader)
{
    SkinDocument document = documentWith({"1 300 1 1 4 4", "0 300 2", "1 0 0 9 9", "1 10 10 19 19"});
    EXPECT_EQ(document.getListCount(300), 2);
    EXPECT_EQ(document.getListRect(300, 0), (SkinRect {1, 1, 5, 5}));
    EXPECT_EQ(document.getListRect(300, 2), (SkinRect {10, 10, 20, 20}));
    EXPECT_EQ(document.setListRect({5, 5, 15, 15}, 300, 1), 1);
    EXPECT_EQ(document.lines()[3], "1 5 5 14 14\n");
    EXPECT_EQ(document.getListRect(301, 1), SkinRect {});
    EXPECT_EQ(document.setListRect({5, 5, 15, 15}, 301, 1), 0);
}

TEST(TypedProperties, ListIndexesPastTheHeadersCountReadAsMissingAndWriteNothing)
{
    // List 300 counts one item although more lines follow; the palette counts
    // 98 and a wallpaper record follows its (here two) items.
    SkinDocument document = documentWith({"0 300 1", "1 0 0 9 9", "1 5 5 9 9", "5 630 0 0 0", "0 41 98", "4 1 1 1 0",
                                          "4 2 2 2 0", "6 1015 /a/mobile/picture/w.gif", "0 301 -3", "1 0 0 1 1"});
    const auto before = document.lines();
    constexpr int highest = std::numeric_limits<int>::max();
    for (int index : {2, 3, highest, -1}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(document.getListRect(300, index), SkinRect {});
        EXPECT_EQ(document.setListRect({0, 0, 1, 1}, 300, index), 0);
        EXPECT_EQ(document.getListRect(301, index), SkinRect {});
        EXPECT_EQ(document.setListRect({0, 0, 1, 1}, 301, index), 0);
    }
    EXPECT_EQ(document.setListRect({0, 0, 1, 1}, 301, 1), 0);
    for (int index : {3, 99, highest, -1, 0}) {
        SCOPED_TRACE(index);
        EXPECT_EQ(document.setPaletteColour(index, 0, 0), 0);
        EXPECT_EQ(document.getPaletteColour(index), SkinColour {});
    }
    EXPECT_EQ(document.lines(), before);
    EXPECT_EQ(document.getListRect(300, 1), (SkinRect {0, 0, 10, 10}));
}

TEST(TypedProperties, PaletteReadsAnyHeaderButWritesOnlyTheFullOne)
{
    SkinDocument short97 = documentWith({"0 41 97", "4 1 2 3 4"});
    EXPECT_EQ(short97.getPaletteColour(1), (SkinColour {makeColour(1, 2, 3), 4}));
    EXPECT_EQ(short97.setPaletteColour(1, makeColour(9, 9, 9), 0), 0);
    EXPECT_EQ(short97.lines()[2], "4 1 2 3 4\n");

    SkinDocument full = documentWith({"0 41 98", "4 1 2 3 4", "4 5 6 7 8"});
    EXPECT_EQ(full.setPaletteColour(2, 0xAA000000u | makeColour(9, 8, 7), 6), 1);
    EXPECT_EQ(full.lines()[3], "4 9 8 7 6\n");
    EXPECT_EQ(full.getPaletteColour(2), (SkinColour {makeColour(9, 8, 7), 6}));
    // The header itself and lines past the table are not items.
    EXPECT_EQ(full.setPaletteColour(0, 0, 0), 0);
    EXPECT_EQ(full.setPaletteColour(40, 0, 0), 0);
    EXPECT_EQ(full.getPaletteColour(0), SkinColour {});
    EXPECT_EQ(full.getPaletteColour(40), SkinColour {});
    EXPECT_EQ(full.lines()[1], "0 41 98\n");
}

TEST(TypedProperties, WallpaperNameKeepsOnlyTheFileName)
{
    SkinDocument document = documentWith({});
    document.setWallpaperName("C:\\pics\\sea.gif");
    EXPECT_EQ(document.lines().back(), "6 1015 /a/mobile/picture/sea.gif\n");
    EXPECT_EQ(document.getWallpaperName(), "sea.gif");
    document.setWallpaperName("/home/user/pictures/my sea.gif");
    EXPECT_EQ(document.lineCount(), 2);
    EXPECT_EQ(document.getWallpaperName(), "my");
    document.setWallpaperName("plain.gif");
    EXPECT_EQ(document.getWallpaperName(), "plain.gif");
}

TEST(TypedProperties, RectanglesWhoseEdgeCannotBeStoredAreRefused)
{
    SkinDocument document = documentWith({"0 300 1", "1 0 0 9 9"});
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    const auto before = document.lines();
    for (const SkinRect& rect : {SkinRect {0, 0, lowest, 5}, SkinRect {0, 0, 5, lowest}}) {
        EXPECT_EQ(document.setRect(1, rect), 0);
        EXPECT_EQ(document.setListRect(rect, 300, 1), 0);
    }
    EXPECT_EQ(document.lines(), before);
    EXPECT_EQ(document.setRect(1, {lowest, lowest, highest, lowest + 1}), 1);
    EXPECT_EQ(document.lines().back(), "1 1 -2147483648 -2147483648 2147483646 -2147483648\n");
    EXPECT_EQ(document.getRect(1), (SkinRect {lowest, lowest, highest, lowest + 1}));
}
