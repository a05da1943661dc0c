#include "DocumentTestSupport.h"
#include "document/SkinModel.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Data file 0 of 100 bytes, one good picture (id 1) and records that name no
// usable bytes: negative offset, negative size, a file not held, a range past
// the end, a range whose end does not fit in 32 bits, and malformed values.
SkinDocument withBadRecords()
{
    return documentWith({"5 1 10 20 0", "5 2 -1 5 0", "5 3 0 -5 0", "5 4 0 5 1", "5 5 90 11 0",
                         "5 6 2147483647 2147483647 0", "5 7 0 5", "5 8 x 5 0", "5 9 0 5 99999999999"},
                        100);
}

} // namespace

TEST(UntrustedPictureRecords, AreNeverRead)
{
    const SkinDocument document = withBadRecords();
    std::vector<std::uint8_t> bytes;
    for (ElementId id = 2; id <= 9; ++id) {
        EXPECT_EQ(document.getPicture(id, bytes), -1) << "id " << id;
        EXPECT_EQ(document.getPictureLocation(id), std::nullopt) << "id " << id;
    }
    EXPECT_EQ(document.getPicture(1, bytes), 20);

    SkinModel model;
    model.adoptSkin(withBadRecords());
    model.adoptDefaultSkin(documentWith({"5 5 0 3 0"}, 3));
    EXPECT_EQ(model.getPicture(5, bytes), 3);
    EXPECT_EQ(bytes, bytesOf(3));
    EXPECT_EQ(model.getPicture(1, bytes), 20);
    EXPECT_EQ(model.getPicture(10, bytes), -1);
}

TEST(UntrustedPictureRecords, SettingStoresNewBytesAndRewritesOnlyThatRecord)
{
    for (ElementId id = 2; id <= 9; ++id) {
        SkinDocument document = withBadRecords();
        auto expected = recordsOf(document);
        EXPECT_TRUE(document.setPicture(id, bytesOf(4, 50)));
        expected[std::size_t(id - 1)] = "5 " + std::to_string(id) + " 100 4 0";
        EXPECT_EQ(recordsOf(document), expected) << "id " << id;
        EXPECT_EQ(document.dataSize(0), 104u);
        std::vector<std::uint8_t> bytes;
        EXPECT_EQ(document.getPicture(id, bytes), 4);
        EXPECT_EQ(bytes, bytesOf(4, 50));
    }
}

TEST(UntrustedPictureRecords, RemovingDropsOnlyThatLine)
{
    for (ElementId id = 2; id <= 9; ++id) {
        SkinDocument document = withBadRecords();
        auto expected = recordsOf(document);
        document.removePicture(id);
        expected.erase(expected.begin() + (id - 1));
        EXPECT_EQ(recordsOf(document), expected) << "id " << id;
        EXPECT_EQ(document.dataSize(0), 100u);
    }
}

TEST(UntrustedPictureRecords, CannotBeLinked)
{
    SkinDocument document = withBadRecords();
    for (ElementId id = 2; id <= 9; ++id)
        EXPECT_EQ(document.linkPicture(id, 20), 0) << "id " << id;
    EXPECT_EQ(document.findRecord("5 20 "), -1);
}

TEST(UntrustedPictureRecords, ChangesOfAGoodPictureLeaveThemUntouched)
{
    SkinDocument grown = withBadRecords();
    auto expected = recordsOf(grown);
    EXPECT_TRUE(grown.setPicture(1, bytesOf(40)));
    expected[0] = "5 1 10 40 0";
    EXPECT_EQ(recordsOf(grown), expected);

    SkinDocument cut = withBadRecords();
    expected = recordsOf(cut);
    cut.removePicture(1);
    expected.erase(expected.begin());
    EXPECT_EQ(recordsOf(cut), expected);
    EXPECT_EQ(cut.dataSize(0), 80u);
}

TEST(UntrustedPictureRecords, OverlappingRecordsAreNotMoved)
{
    // Id 2 starts inside id 1: it is no picture after id 1 and keeps its place.
    SkinDocument document = documentWith({"5 1 0 10 0", "5 2 5 10 0", "5 3 10 5 0"}, 20);
    EXPECT_TRUE(document.setPicture(1, bytesOf(2)));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"5 1 0 2 0", "5 2 5 10 0", "5 3 2 5 0"}));
    // Id 2 now runs past the end of the file and is no longer read.
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(document.getPicture(2, bytes), -1);
}
