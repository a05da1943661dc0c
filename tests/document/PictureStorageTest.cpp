#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Data file 0 of 300 bytes; id 4 shares the picture of id 1.
SkinDocument fourPictures()
{
    return documentWith({"5 1 0 100 0", "5 2 100 50 0", "5 3 150 150 0", "5 4 0 100 0"}, 300);
}

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t from, std::size_t count)
{
    return {bytes.begin() + std::ptrdiff_t(from), bytes.begin() + std::ptrdiff_t(from + count)};
}

} // namespace

TEST(PictureStorage, GetPictureCopiesTheRecordsBytes)
{
    const SkinDocument document = fourPictures();
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(document.getPicture(2, bytes), 50);
    EXPECT_EQ(bytes, slice(bytesOf(300), 100, 50));
    EXPECT_EQ(document.getPictureLocation(3), (PictureLocation {150, 150, 0}));
    EXPECT_EQ(document.getPicture(9, bytes), -1);
    EXPECT_EQ(document.getPictureLocation(9), std::nullopt);
    EXPECT_EQ(document.pictureIds(), (std::vector<ElementId> {1, 2, 3, 4}));
}

TEST(PictureStorage, LargerPictureMovesTheOnesAfterIt)
{
    SkinDocument document = fourPictures();
    const auto newBytes = bytesOf(120, 7);
    EXPECT_TRUE(document.setPicture(1, newBytes));
    EXPECT_EQ(document.dataSize(0), 320u);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 120 0", "5 2 120 50 0", "5 3 170 150 0", "5 4 0 120 0"}));
    std::vector<std::uint8_t> bytes;
    document.getPicture(4, bytes);
    EXPECT_EQ(bytes, newBytes);
    document.getPicture(3, bytes);
    EXPECT_EQ(bytes, slice(bytesOf(300), 150, 150));
}

TEST(PictureStorage, RemovingAPictureCutsItsBytes)
{
    SkinDocument document = fourPictures();
    document.removePicture(2);
    EXPECT_EQ(document.dataSize(0), 250u);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 100 0", "5 3 100 150 0", "5 4 0 100 0"}));
    std::vector<std::uint8_t> bytes;
    document.getPicture(3, bytes);
    EXPECT_EQ(bytes, slice(bytesOf(300), 150, 150));
}

TEST(PictureStorage, RemovingALinkedIdRemovesEveryIdOfThePicture)
{
    SkinDocument document = fourPictures();
    document.removePicture(4);
    EXPECT_EQ(document.dataSize(0), 200u);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 2 0 50 0", "5 3 50 150 0"}));
}

TEST(PictureStorage, NewPictureIsAppendedToDataFileZero)
{
    SkinDocument document = fourPictures();
    EXPECT_TRUE(document.setPicture(9, bytesOf(10, 9)));
    EXPECT_EQ(recordsOf(document).back(), "5 9 300 10 0");
    EXPECT_EQ(document.dataSize(0), 310u);

    SkinDocument empty;
    EXPECT_FALSE(empty.setPicture(9, bytesOf(10)));
    EXPECT_EQ(empty.dataFileCount(), 0);
}

TEST(PictureStorage, LinkingTwiceReplacesTheLink)
{
    SkinDocument document = fourPictures();
    EXPECT_EQ(document.linkPicture(3, 7), 1);
    EXPECT_EQ(recordsOf(document).back(), "5 7 150 150 0");
    EXPECT_EQ(document.linkPicture(3, 7), 1);
    EXPECT_EQ(document.lineCount(), 6);
    EXPECT_EQ(document.linkPicture(8, 7), 0);
    // Both ids now change together.
    EXPECT_TRUE(document.setPicture(7, bytesOf(5)));
    EXPECT_EQ(recordsOf(document)[2], "5 3 150 5 0");
}

TEST(PictureStorage, PicturesOfOtherDataFilesNeverMove)
{
    TempFolder folder;
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n5 2 2 2 0\n5 3 0 2 1\n5 4 2 2 1\n");
    writeFile(folder.path("k.dat"), "abcd");
    writeFile(folder.path("k1.dat"), "wxyz");
    SkinDocument document;
    ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
    EXPECT_TRUE(document.setPicture(1, bytesOf(10)));
    document.removePicture(2);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 10 0", "5 3 0 2 1", "5 4 2 2 1"}));
    std::vector<std::uint8_t> bytes;
    document.getPicture(4, bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "yz");
    // A picture of file 1 is replaced in place in file 1.
    EXPECT_TRUE(document.setPicture(3, bytesOf(1, 'Q')));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 10 0", "5 3 0 1 1", "5 4 1 2 1"}));
    document.getPicture(4, bytes);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "yz");
}

TEST(PictureStorage, BytesTakenFromTheDocumentItselfCanBeStored)
{
    SkinDocument document = fourPictures();
    const auto expected = slice(bytesOf(300), 150, 150);
    EXPECT_TRUE(document.setPicture(1, document.dataFile(0).subspan(150, 150)));
    EXPECT_TRUE(document.setPicture(9, document.dataFile(0).subspan(0, 150)));
    std::vector<std::uint8_t> bytes;
    document.getPicture(1, bytes);
    EXPECT_EQ(bytes, expected);
    document.getPicture(9, bytes);
    EXPECT_EQ(bytes, expected);
}

TEST(PictureStorage, RawDataOperationsRefuseRangesOutsideTheFile)
{
    SkinDocument document = documentWith({}, 10);
    EXPECT_FALSE(document.pictureData().replace(0, 8, 5, bytesOf(1)));
    EXPECT_FALSE(document.pictureData().replace(1, 0, 0, bytesOf(1)));
    EXPECT_FALSE(document.pictureData().replace(0, -1, 1, bytesOf(1)));
    EXPECT_FALSE(document.pictureData().cut(0, 5, 6));
    EXPECT_FALSE(document.pictureData().cut(0, 2147483647, 2147483647));
    EXPECT_EQ(document.pictureData().append(3, bytesOf(1)), std::nullopt);
    EXPECT_EQ(document.dataSize(0), 10u);
    EXPECT_TRUE(document.pictureData().cut(0, 5, 5));
    EXPECT_TRUE(document.pictureData().replace(0, 0, 5, bytesOf(2)));
    EXPECT_EQ(document.dataSize(0), 2u);
    SkinDocument none;
    EXPECT_FALSE(none.pictureData().cut(0, 0, 0));
    EXPECT_EQ(none.pictureData().append(0, bytesOf(3)), 0);
    EXPECT_EQ(none.dataFileCount(), 1);
}

// Taking a record out of a skin takes every line of it (only the first is
// ever read), a picture with its bytes; lists and other ids stay.
TEST(PictureStorage, RemovingARecordTakesEveryLineOfIt)
{
    SkinDocument document = documentWith({"1 570 1 2 3 4", "2 592 1", "1 570 5 6 7 8", "1 5700 0 0 1 1", "0 41 1",
                                          "4 1 1 1 0", "5 1 0 100 0", "5 2 100 50 0", "5 3 150 150 0",
                                          "5 2 100 50 0", "5 9 900 10 0", "5 4 0 100 0"},
                                         300);
    EXPECT_TRUE(document.hasRecord(RecordType::Rect, 570));
    EXPECT_EQ(document.removeRecord(RecordType::Rect, 570), 2);
    EXPECT_FALSE(document.hasRecord(RecordType::Rect, 570));
    EXPECT_EQ(document.getRect(570), SkinRect {});
    EXPECT_EQ(document.removeRecord(RecordType::Number, 591), 0);
    EXPECT_EQ(document.removeRecord(RecordType::ListHeader, 41), 0);

    // Both lines of picture 2 and its 50 bytes; picture 3 moves up to where they were.
    EXPECT_EQ(document.removeRecord(RecordType::Picture, 2), 2);
    EXPECT_EQ(document.dataSize(0), 250u);
    // A record that names no bytes of the data is only a line; picture 4
    // shares picture 1's bytes, which go with both.
    EXPECT_EQ(document.removeRecord(RecordType::Picture, 9), 1);
    EXPECT_EQ(document.removeRecord(RecordType::Picture, 4), 2);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"2 592 1", "1 5700 0 0 1 1", "0 41 1", "4 1 1 1 0",
                                                              "5 3 0 150 0"}));
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(document.getPicture(3, bytes), 150);
    EXPECT_EQ(bytes, slice(bytesOf(300), 150, 150));
    EXPECT_EQ(document.dataSize(0), 150u);
}
