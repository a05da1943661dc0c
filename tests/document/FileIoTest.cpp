#include "DocumentTestSupport.h"
#include "FileIo.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testing_support;

TEST(FileIo, ReadWholeFileReadsRegularFilesOnly)
{
    TempFolder folder;
    writeFile(folder.path("a.bin"), std::string("x\0y", 3));
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(readWholeFile(folder.path("a.bin"), bytes), 3);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t> {'x', 0, 'y'}));
    EXPECT_EQ(readWholeFile(folder.path("missing"), bytes), -1);
    EXPECT_EQ(readWholeFile(folder.root().string(), bytes), -1);
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readWholeFile(folder.path("pipe"), bytes), -1); // must not wait for a writer
    EXPECT_EQ(readWholeFileForUpdate(folder.path("pipe"), bytes), -1);
    writeFile(folder.path("empty"), "");
    EXPECT_EQ(readWholeFile(folder.path("empty"), bytes), 0);
    EXPECT_TRUE(bytes.empty());
}

TEST(FileIo, WriteWholeFileReplacesThroughATemporaryFile)
{
    TempFolder folder;
    const std::vector<std::uint8_t> bytes {'n', 'e', 'w'};
    writeFile(folder.path("f"), "old content");
    EXPECT_TRUE(writeWholeFile(bytes, folder.path("f")));
    EXPECT_EQ(readFile(folder.path("f")), "new");
    EXPECT_EQ(folder.names(), std::vector<std::string> {"f"});
    std::filesystem::create_directory(folder.path("d"));
    EXPECT_FALSE(writeWholeFile(bytes, folder.path("d")));
    EXPECT_FALSE(writeWholeFile(bytes, folder.path("none/f")));
    EXPECT_EQ(folder.names(), (std::vector<std::string> {"d", "f"}));
}

TEST(FileIo, WriteFilesAtomicallyNamesTheFirstFailure)
{
    TempFolder folder;
    const std::vector<std::uint8_t> a {'a'};
    std::filesystem::create_directory(folder.path("c"));
    EXPECT_EQ(writeFilesAtomically({{folder.path("a"), a}, {folder.path("b"), a}, {folder.path("c"), a}}), 2);
    EXPECT_EQ(folder.names(), std::vector<std::string> {"c"});
    EXPECT_EQ(writeFilesAtomically({{folder.path("a"), a}, {folder.path("b"), a}}), -1);
    EXPECT_EQ(folder.names(), (std::vector<std::string> {"a", "b", "c"}));
}

TEST(FileIo, PathPartsSplitAtEitherSeparator)
{
    EXPECT_EQ(fileNamePart("C:\\pics\\sea.gif"), "sea.gif");
    EXPECT_EQ(fileNamePart("/home/u/sea.gif"), "sea.gif");
    EXPECT_EQ(fileNamePart("a/b\\c"), "c");
    EXPECT_EQ(fileNamePart("sea.gif"), "sea.gif");
    EXPECT_EQ(folderPart("Default/Vela/Vela.ski"), "Default/Vela/");
    EXPECT_EQ(folderPart("C:\\Default\\Vela.ski"), "C:\\Default\\");
    EXPECT_EQ(folderPart("Vela.ski"), "");
}
