// Skins in a folder that everybody may write (sticky, like /tmp): what
// another user leaves there must never make the skin's owner, or root, write,
// remove or replace anything but the skin's own files.

#include "DocumentTestSupport.h"
#include "document/CommitJournal.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace testing_support;

namespace {

const std::string oldSkin = "SKI1\n5 1 0 2 0\n5 2 0 1 1\n";
const std::vector<std::string> skinFiles {"k.dat", "k.ski", "k1.dat"};

// A skin "k" of root in a sticky folder open to everyone, and a file elsewhere.
struct SharedSkin {
    TempFolder folder;
    TempFolder elsewhere;

    SharedSkin()
    {
        EXPECT_EQ(::chmod(folder.root().c_str(), 01777), 0);
        writeFile(folder.path("k.ski"), oldSkin);
        writeFile(folder.path("k.dat"), "ab");
        writeFile(folder.path("k1.dat"), "z");
        writeFile(elsewhere.path("victim"), "precious");
        EXPECT_EQ(::chmod(elsewhere.root().c_str(), 0755), 0);
    }

    std::string skin() const { return folder.path("k.ski"); }
    std::string victim() const { return elsewhere.path("victim"); }

    // The skin's files are regular files of root with the given contents.
    void expectSkinFiles(const std::string& skinText, const std::string& data, const std::string& data1) const
    {
        for (const auto& [name, content] : {std::pair {"k.ski", skinText}, {"k.dat", data}, {"k1.dat", data1}}) {
            struct stat info {};
            ASSERT_EQ(::lstat(folder.path(name).c_str(), &info), 0) << name;
            EXPECT_TRUE(S_ISREG(info.st_mode)) << name;
            EXPECT_EQ(info.st_uid, 0u) << name;
            EXPECT_EQ(readFile(folder.path(name)), content) << name;
        }
        EXPECT_EQ(readFile(victim()), "precious");
    }
};

CommitStep step(const SharedSkin& shared, const std::string& name, const std::string& temp, const std::string& backup)
{
    CommitStep made;
    made.named = made.target = shared.folder.path(name);
    made.temp = temp;
    made.backup = backup;
    made.tempId = {1, 1};
    if (!backup.empty())
        made.oldId = made.backupId = {1, 2};
    return made;
}

} // namespace

TEST(SharedFolder, JournalsAndSideFilesOfAnotherUserAreNeverObeyed)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as a second user needs root";
    struct Case {
        const char* what;
        std::function<CommitJournal(const SharedSkin&)> journal;
        std::function<void(const SharedSkin&)> plant; // run as the other user
    };
    // Each journal is written by the other user, and then by root as if it
    // were a journal of a save of root's, beside what the other user made.
    const Case cases[] = {
        {"an undo journal naming k2.dat, a link to a file elsewhere",
         [](const SharedSkin& s) { return CommitJournal {true, {step(s, "k2.dat", ".k2.dat.tmp-1-1", "")}}; },
         [](const SharedSkin& s) { std::filesystem::create_symlink(s.victim(), s.folder.path("k2.dat")); }},
        {"an undo journal without backups",
         [](const SharedSkin& s) {
             return CommitJournal {true, {step(s, "k.ski", ".k.ski.tmp-1-1", ""), step(s, "k.dat", ".k.dat.tmp-1-2", ""),
                                          step(s, "k1.dat", ".k1.dat.tmp-1-3", "")}};
         },
         [](const SharedSkin&) {}},
        {"a commit journal whose temporary is a link to a file elsewhere",
         [](const SharedSkin& s) {
             return CommitJournal {false, {step(s, "k.dat", ".k.dat.tmp-1-1", ".k.dat.old-1-1"),
                                           step(s, "k.ski", ".k.ski.tmp-1-1", ".k.ski.old-1-1")}};
         },
         [](const SharedSkin& s) {
             std::filesystem::create_symlink(s.victim(), s.folder.path(".k.dat.tmp-1-1"));
             writeFile(s.folder.path(".k.ski.tmp-1-1"), "SKI1\n");
         }},
    };
    for (const Case& c : cases) {
        for (const bool journalOfOtherUser : {true, false}) {
            SCOPED_TRACE(std::string(c.what) + (journalOfOtherUser ? ", the other user's" : ", root's"));
            SharedSkin shared;
            const std::string journal = c.journal(shared).text();
            const std::string journalPath = shared.folder.path(".k.ski.commit");
            ASSERT_TRUE(runWithoutPrivileges([&] {
                c.plant(shared);
                if (journalOfOtherUser)
                    writeFile(journalPath, journal);
            }));
            if (!journalOfOtherUser)
                writeFile(journalPath, journal);
            const auto planted = shared.folder.names();

            // The skin loads as it is, or is refused; nothing is touched.
            SkinDocument document;
            const bool loaded = document.load(shared.skin()) == LoadResult::Loaded;
            if (!loaded) {
                EXPECT_FALSE(journalOfOtherUser);
                EXPECT_NE(document.fileProblem().kind, StorageProblem::Kind::None);
            }
            shared.expectSkinFiles(oldSkin, "ab", "z");
            for (const std::string& name : planted) {
                EXPECT_TRUE(name == ".k.ski.commit" || pathExists(shared.folder.path(name))) << name;
            }
            // Neither does a save write through what the other user made.
            if (loaded) {
                EXPECT_TRUE(document.setPicture(1, bytesOf(4)));
                const bool saved = document.save(shared.skin()) == SaveResult::Saved;
                EXPECT_EQ(saved, !journalOfOtherUser);
                if (saved) {
                    shared.expectSkinFiles("SKI1\n5 1 0 4 0\n5 2 0 1 1\n", std::string("\0\1\2\3", 4), "z");
                } else {
                    EXPECT_EQ(document.fileProblem().kind, StorageProblem::Kind::JournalNotOurs);
                }
            }
            EXPECT_EQ(readFile(shared.victim()), "precious");
        }
    }
}

TEST(SharedFolder, CutShortSaveIsFinishedWhateverAnotherUserPutAtTheFreedNames)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as a second user needs root";
    SharedSkin shared;
    SkinDocument document;
    ASSERT_EQ(document.load(shared.skin()), LoadResult::Loaded);
    EXPECT_TRUE(document.setPicture(1, bytesOf(5)));
    EXPECT_TRUE(document.setPicture(2, bytesOf(3)));
    {
        ScriptedSeam seam;
        seam.stopAfter = 1;
        const FileSeamScope scope(seam);
        EXPECT_NE(document.save(shared.skin()), SaveResult::Saved);
    }
    const auto journal = CommitJournal::parse(readFile(shared.folder.path(".k.ski.commit")));
    ASSERT_TRUE(journal);
    // The skin file's temporary was renamed: its name is free, and so is k2.dat's.
    ASSERT_TRUE(runWithoutPrivileges([&] {
        std::filesystem::create_symlink(shared.victim(), shared.folder.path(journal->steps[0].temp));
        std::filesystem::create_symlink(shared.victim(), shared.folder.path("k2.dat"));
    }));
    SkinDocument next;
    ASSERT_EQ(next.load(shared.skin()), LoadResult::Loaded);
    shared.expectSkinFiles("SKI1\n5 1 0 5 0\n5 2 0 3 1\n", std::string("\0\1\2\3\4", 5), std::string("\0\1\2", 3));
    EXPECT_TRUE(std::filesystem::is_symlink(shared.folder.path(journal->steps[0].temp)));
    EXPECT_FALSE(pathExists(shared.folder.path(".k.ski.commit")));
}

TEST(SharedFolder, FailedSaveOfAnotherUsersSkinLeavesNothingBehind)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "acting as a second user needs root";
    SharedSkin shared;
    for (const char* name : {"k.ski", "k.dat", "k1.dat"})
        ASSERT_EQ(::chmod(shared.folder.path(name).c_str(), 0666), 0);
    // The files may be written, but not replaced by another user in a sticky
    // folder: the save fails, and no backup the user could not remove stays.
    EXPECT_TRUE(runWithoutPrivileges([&shared] {
        SkinDocument document;
        ASSERT_EQ(document.load(shared.skin()), LoadResult::Loaded);
        EXPECT_TRUE(document.setPicture(1, bytesOf(5)));
        EXPECT_TRUE(document.setPicture(2, bytesOf(3)));
        EXPECT_NE(document.save(shared.skin()), SaveResult::Saved);
    }));
    shared.expectSkinFiles(oldSkin, "ab", "z");
    EXPECT_EQ(shared.folder.names(), skinFiles);
}
