#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Id 5 is a picture of 0 bytes stored between ids 1 and 2, so it shares its
// offset with id 2; id 6 is empty and shares its offset with id 1.
SkinDocument withEmptyPictures()
{
    return documentWith({"5 1 0 100 0", "5 5 100 0 0", "5 2 100 50 0", "5 6 0 0 0"}, 150);
}

std::string pictureText(const SkinDocument& document, ElementId id)
{
    std::vector<std::uint8_t> bytes;
    if (document.getPicture(id, bytes) < 0)
        return "none";
    return std::to_string(bytes.size()) + ":" + (bytes.empty() ? "" : std::to_string(bytes.front()));
}

} // namespace

TEST(EmptyPictures, FillingOneMovesThePictureAfterItButNotThatPicturesRecord)
{
    SkinDocument document = withEmptyPictures();
    EXPECT_TRUE(document.setPicture(5, bytesOf(10, 200)));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 100 0", "5 5 100 10 0", "5 2 110 50 0", "5 6 0 0 0"}));
    EXPECT_EQ(pictureText(document, 5), "10:200");
    EXPECT_EQ(pictureText(document, 2), "50:100");
    EXPECT_EQ(pictureText(document, 1), "100:0");
}

TEST(EmptyPictures, RemovingOneKeepsThePictureThatSharesItsOffset)
{
    SkinDocument document = withEmptyPictures();
    document.removePicture(5);
    document.removePicture(6);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 100 0", "5 2 100 50 0"}));
    EXPECT_EQ(document.dataSize(0), 150u);
    EXPECT_EQ(pictureText(document, 2), "50:100");
}

TEST(EmptyPictures, ChangingThePictureAfterItLeavesTheEmptyOneInPlace)
{
    SkinDocument document = withEmptyPictures();
    EXPECT_TRUE(document.setPicture(2, bytesOf(20, 9)));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 100 0", "5 5 100 0 0", "5 2 100 20 0", "5 6 0 0 0"}));
    EXPECT_TRUE(document.setPicture(1, bytesOf(30, 1)));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 30 0", "5 5 30 0 0", "5 2 30 20 0", "5 6 0 0 0"}));
    document.removePicture(2);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 30 0", "5 5 30 0 0", "5 6 0 0 0"}));
    document.removePicture(1);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 5 0 0 0", "5 6 0 0 0"}));
    EXPECT_EQ(document.dataSize(0), 0u);
    EXPECT_EQ(pictureText(document, 5), "0:");
    EXPECT_EQ(pictureText(document, 6), "0:");
}

TEST(EmptyPictures, TwoEmptyPicturesAtOneOffsetAreDistinct)
{
    SkinDocument document = documentWith({"5 1 4 0 0", "5 2 4 0 0", "5 3 4 2 0"}, 6);
    EXPECT_TRUE(document.setPicture(1, bytesOf(3, 7)));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 4 3 0", "5 2 7 0 0", "5 3 7 2 0"}));
    document.removePicture(2);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 4 3 0", "5 3 7 2 0"}));
    EXPECT_EQ(pictureText(document, 3), "2:4");
}

TEST(EmptyPictures, EmptyPictureAtTheEndOfTheFileIsValid)
{
    SkinDocument document = documentWith({"5 1 0 10 0", "5 2 10 0 0"}, 10);
    std::vector<std::uint8_t> bytes {1, 2};
    EXPECT_EQ(document.getPicture(2, bytes), 0);
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(document.setPicture(2, bytesOf(4, 5)));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 10 0", "5 2 10 4 0"}));
    EXPECT_TRUE(document.setPicture(1, {}));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 0 0", "5 2 0 4 0"}));
    EXPECT_EQ(pictureText(document, 2), "4:5");
}
