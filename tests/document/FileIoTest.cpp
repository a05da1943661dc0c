#include "DocumentTestSupport.h"
#include "document/FileCommit.h"
#include "document/FileIo.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace testing_support;

namespace {

std::span<const std::uint8_t> spanOf(const std::string& text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

bool makeSocket(const std::string& path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (fd < 0 || path.size() >= sizeof address.sun_path)
        return false;
    path.copy(address.sun_path, path.size());
    const bool bound = ::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound;
}

} // namespace

TEST(FileIo, ReadWholeFileReadsRegularFilesOnly)
{
    TempFolder folder;
    writeFile(folder.path("a.bin"), std::string("x\0y", 3));
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(readWholeFile(folder.path("a.bin"), bytes), 3);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t> {'x', 0, 'y'}));
    EXPECT_EQ(readFileStart(folder.path("a.bin"), 2, bytes), 2);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t> {'x', 0}));
    EXPECT_EQ(readWholeFile(folder.path("missing"), bytes), -1);
    EXPECT_EQ(readWholeFile(folder.root().string(), bytes), -1);
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    EXPECT_EQ(readWholeFile(folder.path("pipe"), bytes), -1); // must not wait for a writer
    writeFile(folder.path("empty"), "");
    EXPECT_EQ(readWholeFile(folder.path("empty"), bytes), 0);
    EXPECT_TRUE(bytes.empty());
}

TEST(FileIo, WriteWholeFileReplacesOnlyRegularFilesAndFollowsLinks)
{
    TempFolder folder;
    const std::string bytes = "new";
    writeFile(folder.path("f"), "old content");
    ASSERT_EQ(::chmod(folder.path("f").c_str(), 0640), 0);
    EXPECT_TRUE(writeWholeFile(spanOf(bytes), folder.path("f")));
    EXPECT_EQ(readFile(folder.path("f")), "new");
    struct stat info {};
    ASSERT_EQ(::stat(folder.path("f").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);

    // Through a chain of links (one relative, one absolute) to the file: the links stay.
    std::filesystem::create_directory(folder.path("sub"));
    std::filesystem::create_symlink("../f", folder.path("sub/rel"));
    std::filesystem::create_symlink(folder.path("sub/rel"), folder.path("abs"));
    EXPECT_TRUE(writeWholeFile(spanOf("linked"), folder.path("abs")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path("abs")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.path("sub/rel")));
    EXPECT_EQ(readFile(folder.path("f")), "linked");
    // A link to a missing file creates that file.
    std::filesystem::create_symlink("made", folder.path("dangling"));
    EXPECT_TRUE(writeWholeFile(spanOf("x"), folder.path("dangling")));
    EXPECT_EQ(readFile(folder.path("made")), "x");

    // Never a folder, pipe, socket or device, directly or through a link; no loops.
    ASSERT_EQ(::mkfifo(folder.path("pipe").c_str(), 0600), 0);
    ASSERT_TRUE(makeSocket(folder.path("sock")));
    std::filesystem::create_symlink("pipe", folder.path("to-pipe"));
    std::filesystem::create_symlink("loop", folder.path("loop"));
    std::filesystem::create_directory(folder.path("d"));
    for (const std::string name : {"pipe", "sock", "to-pipe", "loop", "d", "none/f"})
        EXPECT_FALSE(writeWholeFile(spanOf(bytes), folder.path(name))) << name;
    EXPECT_FALSE(writeWholeFile(spanOf(bytes), "/dev/null"));
    EXPECT_EQ(std::filesystem::status("/dev/null").type(), std::filesystem::file_type::character);
    EXPECT_EQ(std::filesystem::status(folder.path("pipe")).type(), std::filesystem::file_type::fifo);
    EXPECT_EQ(std::filesystem::status(folder.path("sock")).type(), std::filesystem::file_type::socket);
    EXPECT_EQ(folder.names(), (std::vector<std::string> {"abs", "d", "dangling", "f", "loop", "made", "pipe", "sock",
                                                         "sub", "to-pipe"}));
}

TEST(FileIo, CommitNamesTheFirstFileThatCannotBeWritten)
{
    TempFolder folder;
    const std::string journal = folder.path(".j");
    std::filesystem::create_directory(folder.path("c"));
    const FileCommit::Result failed = FileCommit::commit(
        {{folder.path("a"), spanOf("a")}, {folder.path("b"), spanOf("b")}, {folder.path("c"), spanOf("c")}}, journal,
        FileCommit::Trust::beside(folder.path("a")));
    EXPECT_EQ(failed.outcome, FileCommit::Outcome::Failed);
    EXPECT_EQ(failed.file, 2u);
    EXPECT_EQ(folder.names(), std::vector<std::string> {"c"});
    writeFile(folder.path("b"), "old b");
    EXPECT_EQ(FileCommit::commit({{folder.path("a"), spanOf("a")}, {folder.path("b"), spanOf("b")}}, journal,
                                 FileCommit::Trust::beside(folder.path("a")))
                  .outcome,
              FileCommit::Outcome::Succeeded);
    EXPECT_EQ(readFile(folder.path("b")), "b");
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
