#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testing_support;

namespace {

// A skin "k" on disk with two data files, and a document loaded from it with
// every picture changed in memory.
struct SavedSkin {
    TempFolder folder;
    SkinDocument document;

    SavedSkin()
    {
        writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
        writeFile(folder.path("k.dat"), "ab");
        writeFile(folder.path("k1.dat"), "z");
        EXPECT_EQ(document.load(folder.path("k.ski")), 0);
        document.setPicture(1, bytesOf(5));
        document.setPicture(2, bytesOf(3));
    }

    void expectUnchanged()
    {
        EXPECT_EQ(readFile(folder.path("k.ski")), "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
        EXPECT_EQ(readFile(folder.path("k.dat")), "ab");
        EXPECT_EQ(readFile(folder.path("k1.dat")), "z");
    }
};

} // namespace

TEST(SaveIsAtomic, DataFileThatCannotBeWrittenLeavesEveryFileAsItWas)
{
    SavedSkin saved;
    std::filesystem::remove(saved.folder.path("k1.dat"));
    std::filesystem::create_directory(saved.folder.path("k1.dat"));
    EXPECT_EQ(saved.document.save(saved.folder.path("k.ski")), 2);
    EXPECT_EQ(readFile(saved.folder.path("k.ski")), "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
    EXPECT_EQ(readFile(saved.folder.path("k.dat")), "ab");
    EXPECT_EQ(saved.folder.names(), (std::vector<std::string> {"k.dat", "k.ski", "k1.dat"}));
    // The document is still the edited one.
    EXPECT_EQ(saved.document.dataSize(0), 5u);
}

TEST(SaveIsAtomic, SkinFileThatCannotBeWrittenGivesOne)
{
    SavedSkin saved;
    std::filesystem::create_directory(saved.folder.path("other.ski"));
    EXPECT_EQ(saved.document.save(saved.folder.path("other.ski")), 1);
    EXPECT_EQ(saved.folder.names(), (std::vector<std::string> {"k.dat", "k.ski", "k1.dat", "other.ski"}));
    EXPECT_EQ(saved.document.save(saved.folder.path("missing/k.ski")), 1);
    saved.expectUnchanged();
    EXPECT_EQ(saved.document.path(), saved.folder.path("k.ski"));
}

TEST(SaveIsAtomic, SuccessfulSaveReplacesAllFilesAndKeepsTheirPermissions)
{
    SavedSkin saved;
    ASSERT_EQ(::chmod(saved.folder.path("k.dat").c_str(), 0640), 0);
    ASSERT_EQ(saved.document.save(saved.folder.path("k.ski")), 0);
    EXPECT_EQ(readFile(saved.folder.path("k.ski")), "SKI1\n5 1 0 5 0\n5 2 0 3 1\n");
    EXPECT_EQ(readFile(saved.folder.path("k.dat")), std::string("\0\1\2\3\4", 5));
    EXPECT_EQ(readFile(saved.folder.path("k1.dat")), std::string("\0\1\2", 3));
    EXPECT_EQ(saved.folder.names(), (std::vector<std::string> {"k.dat", "k.ski", "k1.dat"}));
    struct stat info {};
    ASSERT_EQ(::stat(saved.folder.path("k.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(SaveIsAtomic, EmptyDocumentIsNeverWritten)
{
    SavedSkin saved;
    SkinDocument empty;
    EXPECT_EQ(empty.save(saved.folder.path("k.ski")), 1);
    saved.expectUnchanged();
}
