#include "document/LanguageTable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

class LanguageTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
                 / ("velaskin-lang-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-"
                    + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string write(const std::string& bytes, const std::string& name = "test.lng") const
    {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    std::filesystem::path folder;
    LanguageTable table;
};

TEST_F(LanguageTableTest, LooksTextsUpByNumber)
{
    const std::string path = write("[Lang]\n1=One\n2=Two\n");
    ASSERT_TRUE(table.load(path));
    EXPECT_EQ(table.fileName(), path);
    EXPECT_EQ(table.count(), 3);
    EXPECT_EQ(table.text(1), "One");
    EXPECT_EQ(table.text(2), "Two");
    EXPECT_EQ(table.text(3), "NULL");
    EXPECT_EQ(table.text(-1), "NULL");
}

TEST_F(LanguageTableTest, LastLineWithoutLineEndIsNotRead)
{
    ASSERT_TRUE(table.load(write("[Lang]\n1=One\n2=Two")));
    EXPECT_EQ(table.count(), 2);
    EXPECT_EQ(table.text(1), "One");
    EXPECT_EQ(table.text(2), "NULL");
}

TEST_F(LanguageTableTest, TextIsEverythingAfterTheFirstEqualsSign)
{
    ASSERT_TRUE(table.load(write("[Lang]\n12=a=b\n13 x=y\n14= Save\n15=\n007=Bond\n")));
    EXPECT_EQ(table.text(12), "a=b");
    EXPECT_EQ(table.text(13), "y");
    EXPECT_EQ(table.text(14), " Save");
    EXPECT_EQ(table.text(15), "");
    EXPECT_EQ(table.text(7), "Bond");
}

TEST_F(LanguageTableTest, FirstLineWithANumberCounts)
{
    ASSERT_TRUE(table.load(write("[Lang]\n5=first\n5=second\n")));
    EXPECT_EQ(table.text(5), "first");
}

TEST_F(LanguageTableTest, LinesWithoutLeadingDigitOrWithoutTextAreSkipped)
{
    ASSERT_TRUE(table.load(write("[Lang]\n; 6=comment\n 6=indented\n[6]\n6 no text\n6=six\n")));
    EXPECT_EQ(table.text(6), "six");
}

TEST_F(LanguageTableTest, NumbersBeyondIntNeverMatch)
{
    ASSERT_TRUE(table.load(write("[Lang]\n4294967297=wrapped\n99999999999999999999999=huge\n1=one\n")));
    EXPECT_EQ(table.text(1), "one");
    EXPECT_EQ(table.text(2147483647), "NULL");
}

TEST_F(LanguageTableTest, HeaderLineMustNotSortBeforeLang)
{
    EXPECT_FALSE(table.load(write("1=One\n2=Two\n")));
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.fileName(), "");
    EXPECT_FALSE(table.load(write("")));
    EXPECT_FALSE(table.load(write("[Lan]\n1=One\n")));
    EXPECT_FALSE(table.load(write(std::string("[La\0ng]\n1=One\n", 14))));

    EXPECT_TRUE(table.load(write("x\n1=One\n")));
    EXPECT_EQ(table.text(1), "One");
    EXPECT_TRUE(table.load(write("[Lang]")));
    EXPECT_EQ(table.count(), 0);
    EXPECT_TRUE(table.load(write("[Lang]\r\n")));
}

TEST_F(LanguageTableTest, CrLfLineEndsGiveTheSameTexts)
{
    ASSERT_TRUE(table.load(write("[Lang]\r\n1=One\r\n2=Two\r\n\r\n3=Three\r\n")));
    EXPECT_EQ(table.text(1), "One");
    EXPECT_EQ(table.text(2), "Two");
    EXPECT_EQ(table.text(3), "Three");
    EXPECT_EQ(table.count(), 5);
}

TEST_F(LanguageTableTest, LongLinesAreKeptWhole)
{
    const std::string longText(5000, 'w');
    ASSERT_TRUE(table.load(write("[Lang]\n1=" + longText + "\n2=after\n")));
    EXPECT_EQ(table.text(1), longText);
    EXPECT_EQ(table.text(2), "after");
}

TEST_F(LanguageTableTest, FailedLoadEmptiesTheTable)
{
    ASSERT_TRUE(table.load(write("[Lang]\n1=One\n", "good.lng")));
    EXPECT_FALSE(table.load((folder / "missing.lng").string()));
    EXPECT_EQ(table.text(1), "NULL");
    EXPECT_EQ(table.fileName(), "");
    EXPECT_FALSE(table.load(folder.string())); // a folder is not a file

    ASSERT_TRUE(table.load(write("[Lang]\n1=One\n", "good.lng")));
    table.clear();
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(table.text(1), "NULL");
}

} // namespace
