#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(RecordLookup, KeyNeedsTheSpaceAfterTheId)
{
    const SkinDocument document = documentWith({"2 12 7", "2 1 5"});
    EXPECT_EQ(document.findRecord("2 1 "), 2);
    EXPECT_EQ(document.findRecord("2 12 "), 1);
    EXPECT_EQ(document.getNumber(1), 5);
}

TEST(RecordLookup, WildcardMatchesOneCharacterButNotTheLineEnd)
{
    const SkinDocument document = documentWith({"2 12 7", "4 13 1 2 3 4"});
    EXPECT_EQ(document.findRecord("* 13 "), 2);
    EXPECT_EQ(document.findRecord("2 1* "), 1);
    EXPECT_EQ(document.findRecord("2 12 7\n*"), -1);
    EXPECT_EQ(document.findRecord("*"), 0);
    EXPECT_EQ(document.findRecord(""), 0);
    EXPECT_EQ(document.findRecord("2 12 7\n and more"), -1);
}

TEST(RecordLookup, FirstMatchWinsAndSettersRewriteOnlyIt)
{
    SkinDocument document = documentWith({"3 9 true", "3 9 false"});
    EXPECT_EQ(document.getFlag(9), 1);
    document.setFlag(9, 0);
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"3 9 false", "3 9 false"}));
}

TEST(RecordLookup, ListItemsAreMatchedByText)
{
    const SkinDocument document = documentWith({"0 77 1", "1 10 20 30 40", "1 10 1 1 5 5"});
    EXPECT_EQ(document.findRecord("1 10 "), 2);
    // The item holds only three numbers after "1 10 ": the record reads as missing.
    EXPECT_EQ(document.getRect(10), SkinRect {});
    EXPECT_EQ(document.getListRect(77, 1), (SkinRect {10, 20, 31, 41}));
}

TEST(RecordLookup, MissingRecordIsAppendedAfterTheLastLine)
{
    SkinDocument document = documentWith({"0 300 1", "1 0 0 9 9"});
    document.setNumber(8, 3);
    EXPECT_EQ(recordsOf(document).back(), "2 8 3");
    EXPECT_EQ(document.lineCount(), 4);
}

TEST(RecordLookup, IndexesOutsideTheTableChangeNothing)
{
    SkinDocument document = documentWith({"2 1 1"});
    document.replaceLine(2, "2 9 9\n");
    document.replaceLine(-1, "2 9 9\n");
    EXPECT_FALSE(document.removeLine(2));
    EXPECT_FALSE(document.removeLine(-1));
    EXPECT_EQ(recordsOf(document), (std::vector<std::string> {"2 1 1"}));
}

TEST(RecordLookup, DocumentWithoutLineTableAcceptsNoLines)
{
    SkinDocument document;
    EXPECT_FALSE(document.hasLineTable());
    EXPECT_EQ(document.findRecord(""), -1);
    EXPECT_FALSE(document.appendLine("2 1 1\n"));
    EXPECT_FALSE(document.removeLine(0));
    // Setters report what they always report but store nothing.
    EXPECT_EQ(document.setNumber(1, 1), 1);
    EXPECT_EQ(document.setListRect({0, 0, 5, 5}, 1, 1), 0);
    EXPECT_EQ(document.setPaletteColour(1, 0, 0), 0);
    document.setFlag(1, 1);
    EXPECT_EQ(document.lineCount(), 0);
}
