#include "DocumentTestSupport.h"
#include "document/SkinLock.h"

#include <gtest/gtest.h>

#include <functional>

#include <sys/stat.h>

using namespace testing_support;
using namespace std::chrono_literals;

namespace {

// Another process holding the lock of a skin until the object ends.
class OtherHolder {
public:
    OtherHolder(const std::string& skin, SkinLock::Mode mode)
    {
        if (::pipe(held) != 0 || ::pipe(release) != 0)
            ADD_FAILURE() << "pipe";
        child = ::fork();
        if (child == 0) {
            {
                const SkinLock lock(skin, mode);
                char c = lock.busy() ? 'b' : 'h';
                (void)!::write(held[1], &c, 1);
                (void)!::read(release[0], &c, 1);
            }
            ::_exit(0);
        }
        char c = 0;
        EXPECT_EQ(::read(held[0], &c, 1), 1);
        EXPECT_EQ(c, 'h');
    }
    ~OtherHolder()
    {
        const char c = 'r';
        (void)!::write(release[1], &c, 1);
        int status = 0;
        ::waitpid(child, &status, 0);
        for (int fd : {held[0], held[1], release[0], release[1]})
            ::close(fd);
    }
    OtherHolder(const OtherHolder&) = delete;
    OtherHolder& operator=(const OtherHolder&) = delete;

private:
    int held[2] {-1, -1};
    int release[2] {-1, -1};
    pid_t child = -1;
};

} // namespace

TEST(SkinLock, WritersWaitForEveryOtherHolderAndReadersOnlyForWriters)
{
    TempFolder folder;
    const std::string skin = folder.path("k.ski");
    EXPECT_EQ(SkinLock::lockFilePath(skin), folder.path(".k.ski.lock"));
    EXPECT_EQ(SkinLock::lockFilePath(folder.path("k")), folder.path(".k.ski.lock"));
    {
        OtherHolder writer(skin, SkinLock::Mode::Exclusive);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(SkinLock(skin, SkinLock::Mode::Exclusive, 100ms).busy());
        EXPECT_TRUE(SkinLock(skin, SkinLock::Mode::Shared, 100ms).busy());
        EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    }
    {
        OtherHolder reader(skin, SkinLock::Mode::Shared);
        EXPECT_FALSE(SkinLock(skin, SkinLock::Mode::Shared, 100ms).busy());
        EXPECT_TRUE(SkinLock(skin, SkinLock::Mode::Exclusive, 100ms).busy());
    }
    // Once the other holder is gone, the lock is free; its file stays for the next one.
    {
        const SkinLock lock(skin, SkinLock::Mode::Exclusive, 100ms);
        EXPECT_FALSE(lock.busy());
        EXPECT_TRUE(std::filesystem::exists(folder.path(".k.ski.lock")));
    }
    EXPECT_TRUE(folder.names().empty());
}

TEST(SkinLock, NestsInsideTheSameProcess)
{
    TempFolder folder;
    writeFile(folder.path("k.ski"), "SKI1\n2 8 1\n");
    SkinDocument document;
    {
        const SkinLock outer(folder.path("k.ski"));
        ASSERT_FALSE(outer.busy());
        // Loading and saving take the lock again: they nest in the outer one.
        ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
        document.setNumber(8, 2);
        ASSERT_EQ(document.save(folder.path("k.ski")), SaveResult::Saved);
        EXPECT_TRUE(std::filesystem::exists(folder.path(".k.ski.lock")));
    }
    EXPECT_EQ(folder.names(), std::vector<std::string> {"k.ski"});
    EXPECT_EQ(readFile(folder.path("k.ski")), "SKI1\n2 8 2\n");
}

TEST(SkinLock, FolderWhereNoLockFileCanBeMadeLetsReadersInAndKeepsWritersOut)
{
    TempFolder folder;
    writeFile(folder.path("k.ski"), "SKI1\n");
    ASSERT_EQ(::chmod(folder.root().c_str(), 0555), 0);
    EXPECT_TRUE(runWithoutPrivileges([&folder] {
        const SkinLock reader(folder.path("k.ski"), SkinLock::Mode::Shared, 10ms);
        EXPECT_EQ(reader.outcome(), SkinLock::Outcome::NoLockFile);
        EXPECT_FALSE(reader.busy());
        const SkinLock writer(folder.path("k.ski"), SkinLock::Mode::Exclusive, 10ms);
        EXPECT_EQ(writer.outcome(), SkinLock::Outcome::Unusable);
        SkinDocument document;
        EXPECT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
    }));
    ASSERT_EQ(::chmod(folder.root().c_str(), 0755), 0);
    EXPECT_EQ(folder.names(), std::vector<std::string> {"k.ski"});
}

TEST(SkinLock, TwoProcessesSavingInALoopNeverMixTheirFiles)
{
    // Picture 1 (data file 0) and picture 3 (data file 1) are always written
    // together by one process; picture 2 lies after picture 1 and never
    // changes, so a skin file and a data file of different saves misplace it.
    TempFolder folder;
    const std::string skin = folder.path("k.ski");
    writeFile(skin, "SKI1\n5 1 0 4 0\n5 2 4 3 0\n5 3 0 1 1\n");
    writeFile(folder.path("k.dat"), "0000ccc");
    writeFile(folder.path("k1.dat"), "0");
    const auto picture = [](char c, std::size_t size) { return std::vector<std::uint8_t>(size, std::uint8_t(c)); };
    const std::vector<std::uint8_t> ccc = picture('c', 3);
    const auto consistent = [&](const SkinDocument& document) {
        std::vector<std::uint8_t> first, second, third;
        document.getPicture(1, first);
        document.getPicture(2, second);
        document.getPicture(3, third);
        if (second != ccc || first.empty() || third.empty())
            return false;
        return first[0] == '0' ? third[0] == '0'
                               : first == picture(first[0], first[0] == 'a' ? 40 : 90)
                                   && third == picture(first[0] == 'a' ? 'x' : 'y', first[0] == 'a' ? 10 : 20);
    };
    for (bool outerLock : {true, false}) {
        SCOPED_TRACE(outerLock);
        std::vector<pid_t> children;
        for (const char process : {'a', 'b'}) {
            const pid_t child = ::fork();
            if (child == 0) {
                ScriptedSeam seam;
                seam.pause = 2ms; // between renames, where a second writer would slip in
                const FileSeamScope scope(seam);
                int mixed = 0;
                for (int round = 0; round < 12; ++round) {
                    std::optional<SkinLock> lock;
                    if (outerLock)
                        lock.emplace(skin);
                    SkinDocument document;
                    if (document.load(skin) != LoadResult::Loaded || !consistent(document))
                        ++mixed;
                    EXPECT_TRUE(document.setPicture(1, picture(process, process == 'a' ? 40 : 90)));
                    EXPECT_TRUE(document.setPicture(3, picture(process == 'a' ? 'x' : 'y', process == 'a' ? 10 : 20)));
                    if (document.save(skin) != SaveResult::Saved)
                        ++mixed;
                }
                ::_exit(mixed == 0 ? 0 : 1);
            }
            children.push_back(child);
        }
        for (pid_t child : children) {
            int status = 0;
            ::waitpid(child, &status, 0);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        SkinDocument document;
        ASSERT_EQ(document.load(skin), LoadResult::Loaded);
        EXPECT_TRUE(consistent(document));
        EXPECT_EQ(folder.names(), (std::vector<std::string> {"k.dat", "k.ski", "k1.dat"}));
    }
}

TEST(SkinLock, CannotBeSwitchedOffByWhatLiesAtTheLockFilesName)
{
    struct Case {
        const char* what;
        bool byOtherUser; // needs a second user: made by "nobody" in a folder open to everyone
        std::function<void(const std::string& lock, const std::string& elsewhere)> make;
    };
    const Case cases[] = {
        {"a link to a file", false, [](const std::string& lock, const std::string& elsewhere) {
             std::filesystem::create_symlink(elsewhere, lock);
         }},
        {"a dangling link", false, [](const std::string& lock, const std::string& elsewhere) {
             std::filesystem::create_symlink(elsewhere + ".none", lock);
         }},
        {"a pipe", true, [](const std::string& lock, const std::string&) { ::mkfifo(lock.c_str(), 0666); }},
        {"a folder", false, [](const std::string& lock, const std::string&) { std::filesystem::create_directory(lock); }},
        {"another user's file", true, [](const std::string& lock, const std::string&) { writeFile(lock, ""); }},
        {"another user's unreadable file", true, [](const std::string& lock, const std::string&) {
             writeFile(lock, "");
             ::chmod(lock.c_str(), 0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.byOtherUser && ::geteuid() != 0) {
            std::printf("skipped \"%s\": making another user's file needs root\n", c.what);
            continue;
        }
        TempFolder folder;
        TempFolder other;
        ASSERT_EQ(::chmod(folder.root().c_str(), 01777), 0);
        writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n");
        writeFile(folder.path("k.dat"), "ab");
        writeFile(other.path("elsewhere"), "precious");
        const std::string lock = folder.path(".k.ski.lock");
        if (c.byOtherUser)
            ASSERT_TRUE(runWithoutPrivileges([&] { c.make(lock, other.path("elsewhere")); }));
        else
            c.make(lock, other.path("elsewhere"));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(SkinLock(folder.path("k.ski"), SkinLock::Mode::Exclusive).outcome(), SkinLock::Outcome::Unusable);
        EXPECT_EQ(SkinLock(folder.path("k.ski"), SkinLock::Mode::Shared).outcome(), SkinLock::Outcome::Unusable);
        SkinDocument document = documentWith({"5 1 0 5 0"}, 5);
        EXPECT_EQ(document.save(folder.path("k.ski")), SaveResult::SkinFileNotWritten);
        EXPECT_EQ(document.fileProblem().kind, StorageProblem::Kind::LockUnusable);
        EXPECT_EQ(document.fileProblem().path, lock);
        EXPECT_EQ(document.load(folder.path("k.ski")), LoadResult::CannotOpen);
        EXPECT_EQ(document.fileProblem().kind, StorageProblem::Kind::LockUnusable);
        // Nothing waited (the lock stays unusable) and nothing was written anywhere.
        EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
        EXPECT_EQ(readFile(folder.path("k.ski")), "SKI1\n5 1 0 2 0\n");
        EXPECT_EQ(readFile(folder.path("k.dat")), "ab");
        EXPECT_EQ(readFile(other.path("elsewhere")), "precious");
        EXPECT_EQ(folder.names(), (std::vector<std::string> {"k.dat", "k.ski"}));
    }
}
