#include "DocumentTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include <sys/stat.h>

using namespace testing_support;

namespace {

const std::string oldSkin = "SKI1\n5 1 0 2 0\n5 2 0 1 1\n";
const std::string newSkin = "SKI1\n5 1 0 5 0\n5 2 0 3 1\n";
const std::vector<std::string> skinFiles {"k.dat", "k.ski", "k1.dat"};

// A skin "k" on disk with two data files, and a document loaded from it with
// the pictures of both data files changed in memory.
struct SavedSkin {
    TempFolder folder;
    SkinDocument document;

    explicit SavedSkin(const std::filesystem::path& parent = std::filesystem::temp_directory_path())
        : folder(parent)
    {
        writeFile(folder.path("k.ski"), oldSkin);
        writeFile(folder.path("k.dat"), "ab");
        writeFile(folder.path("k1.dat"), "z");
        EXPECT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
        EXPECT_TRUE(document.setPicture(1, bytesOf(5)));
        EXPECT_TRUE(document.setPicture(2, bytesOf(3)));
    }

    std::string skin() const { return folder.path("k.ski"); }

    void expectOld() const
    {
        EXPECT_EQ(readFile(folder.path("k.ski")), oldSkin);
        EXPECT_EQ(readFile(folder.path("k.dat")), "ab");
        EXPECT_EQ(readFile(folder.path("k1.dat")), "z");
        EXPECT_EQ(folder.names(), skinFiles);
    }
    void expectNew() const
    {
        EXPECT_EQ(readFile(folder.path("k.ski")), newSkin);
        EXPECT_EQ(readFileBytes(folder.path("k.dat")), bytesOf(5));
        EXPECT_EQ(readFileBytes(folder.path("k1.dat")), bytesOf(3));
        EXPECT_EQ(folder.names(), skinFiles);
    }
};

enum class SkinState { Old, New, Neither };

SkinState stateOnDisk(const TempFolder& folder)
{
    const std::string skin = readFile(folder.path("k.ski"));
    const std::vector<std::uint8_t> data = readFileBytes(folder.path("k.dat"));
    const std::vector<std::uint8_t> data1 = readFileBytes(folder.path("k1.dat"));
    if (skin == oldSkin && data == std::vector<std::uint8_t> {'a', 'b'} && data1 == std::vector<std::uint8_t> {'z'})
        return SkinState::Old;
    if (skin == newSkin && data == bytesOf(5) && data1 == bytesOf(3))
        return SkinState::New;
    return SkinState::Neither;
}

// Every file of the folder with its content.
std::map<std::string, std::string> snapshot(const TempFolder& folder)
{
    std::map<std::string, std::string> files;
    for (const std::string& name : folder.names())
        files[name] = readFile(folder.path(name));
    return files;
}

std::string callName(FaultSeam::Call call)
{
    static const char* const names[] = {"open", "read", "write", "fsync", "rename", "file rename", "link", "unlink"};
    return names[int(call)];
}

} // namespace

TEST(SaveIsAtomic, RenameFailingHalfWayPutsEveryFileBack)
{
    struct Case {
        int failingRename;
        int error;
        bool linksFail; // backups are copies then
        SaveResult result;
    };
    constexpr SaveResult skinFile = SaveResult::SkinFileNotWritten;
    constexpr SaveResult dataFile = SaveResult::DataFileNotWritten;
    for (const Case& c : {Case {1, EACCES, false, skinFile}, Case {2, EACCES, false, dataFile},
                          Case {3, EBUSY, false, dataFile}, Case {2, EIO, true, dataFile}, Case {3, EXDEV, true, dataFile}}) {
        SCOPED_TRACE(c.failingRename);
        SavedSkin saved;
        ScriptedSeam seam;
        seam.failingRenames = {c.failingRename};
        seam.failingError = c.error;
        seam.linksFail = c.linksFail;
        {
            const FileSeamScope scope(seam);
            EXPECT_EQ(saved.document.save(saved.skin()), c.result);
        }
        saved.expectOld();
        // The document is still the edited one, and saves once the file system lets it.
        EXPECT_EQ(saved.document.dataSize(0), 5u);
        EXPECT_EQ(saved.document.save(saved.skin()), SaveResult::Saved);
        saved.expectNew();
    }
}

TEST(SaveIsAtomic, SaveCutShortBetweenRenamesIsFinishedByTheNextLoadOrSave)
{
    for (std::size_t stop : {1, 2, 3}) {
        for (bool nextIsLoad : {true, false}) {
            SCOPED_TRACE(stop);
            SavedSkin saved;
            ScriptedSeam seam;
            seam.stopAfter = stop;
            {
                const FileSeamScope scope(seam);
                EXPECT_NE(saved.document.save(saved.skin()), SaveResult::Saved);
            }
            EXPECT_TRUE(std::filesystem::exists(saved.folder.path(".k.ski.commit")));
            SkinDocument next;
            if (nextIsLoad) {
                ASSERT_EQ(next.load(saved.skin()), LoadResult::Loaded);
                std::vector<std::uint8_t> bytes;
                EXPECT_EQ(next.getPicture(2, bytes), 3);
                EXPECT_EQ(bytes, bytesOf(3));
            } else {
                // A save of a newer document (here: of the same edit) finishes it first.
                EXPECT_EQ(saved.document.save(saved.skin()), SaveResult::Saved);
            }
            saved.expectNew();
        }
    }
}

TEST(SaveIsAtomic, SaveThroughALinkCutShortIsFinishedByTheNextLoad)
{
    SavedSkin saved;
    TempFolder real;
    std::filesystem::rename(saved.folder.path("k1.dat"), real.path("data"));
    std::filesystem::create_symlink(real.path("data"), saved.folder.path("k1.dat"));
    ScriptedSeam seam;
    seam.stopAfter = 2;
    {
        const FileSeamScope scope(seam);
        EXPECT_NE(saved.document.save(saved.skin()), SaveResult::Saved);
    }
    SkinDocument next;
    ASSERT_EQ(next.load(saved.skin()), LoadResult::Loaded);
    EXPECT_EQ(readFileBytes(real.path("data")), bytesOf(3));
    EXPECT_TRUE(std::filesystem::is_symlink(saved.folder.path("k1.dat")));
    EXPECT_EQ(real.names(), std::vector<std::string> {"data"});
    saved.expectNew();
}

TEST(SaveIsAtomic, UndoCutShortIsCompletedByTheNextLoad)
{
    SavedSkin saved;
    ScriptedSeam seam;
    // The second rename fails; putting the skin file back (the third) fails too.
    seam.failingRenames = {2, 3};
    {
        const FileSeamScope scope(seam);
        EXPECT_EQ(saved.document.save(saved.skin()), SaveResult::DataFileNotWritten);
    }
    EXPECT_EQ(readFile(saved.folder.path("k.ski")), newSkin); // the mixed state a crash would leave
    SkinDocument next;
    ASSERT_EQ(next.load(saved.skin()), LoadResult::Loaded);
    EXPECT_EQ(next.dataSize(0), 2u);
    saved.expectOld();
}

TEST(SaveIsAtomic, SaveRemovesWhatEndedProcessesLeftAndNothingElse)
{
    SavedSkin saved;
    const std::string ended = std::to_string(endedProcessId());
    const std::string running = std::to_string(::getpid());
    const std::vector<std::string> stale {".k.dat.tmp-" + ended + "-0", ".k.ski.old-" + ended + "-7",
                                          ".k1.dat.tmp-" + ended + "-3", "..k.ski.commit.tmp-" + ended + "-1"};
    const std::vector<std::string> kept {".k.dat.tmp-" + running + "-0", ".other.dat.tmp-" + ended + "-0",
                                         ".k.dat.tmp-x-0", "k.dat.tmp-" + ended + "-0"};
    for (const auto& name : stale)
        writeFile(saved.folder.path(name), "left");
    for (const auto& name : kept)
        writeFile(saved.folder.path(name), "kept");
    const std::vector<std::string> before = saved.folder.names();
    // A load removes nothing, not even what is left over.
    SkinDocument next;
    ASSERT_EQ(next.load(saved.skin()), LoadResult::Loaded);
    EXPECT_EQ(saved.folder.names(), before);
    ASSERT_EQ(saved.document.save(saved.skin()), SaveResult::Saved);
    std::vector<std::string> expected = skinFiles;
    expected.insert(expected.end(), kept.begin(), kept.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(saved.folder.names(), expected);
}

TEST(SaveIsAtomic, JournalNamingOtherFilesIsNotActedOn)
{
    SavedSkin saved;
    TempFolder elsewhere;
    writeFile(elsewhere.path("victim"), "precious");
    writeFile(elsewhere.path(".victim.tmp-1-1"), "evil");
    const std::string victim = elsewhere.path("victim");
    const std::string temp = elsewhere.path(".victim.tmp-1-1");
    const std::string journal = "velaskin commit 1\ncommit\n1\n" + std::to_string(victim.size()) + " " + victim + "\n"
        + std::to_string(victim.size()) + " " + victim + "\n" + std::to_string(temp.size()) + " " + temp + "\n0 \nend\n";
    // Malformed journals are not acted on either.
    for (const std::string& text : std::vector<std::string> {journal, journal.substr(0, journal.size() - 4), "velaskin commit 1\n",
                                    "velaskin commit 1\ncommit\n1\n99999999999999999999 x\n",
                                    "velaskin commit 1\ncommit\n5000\n", "velaskin commit 1\nredo\n0\nend\n"}) {
        writeFile(saved.folder.path(".k.ski.commit"), text);
        SkinDocument next;
        ASSERT_EQ(next.load(saved.skin()), LoadResult::Loaded);
        EXPECT_EQ(readFile(victim), "precious");
        EXPECT_EQ(readFile(temp), "evil");
        saved.expectOld();
    }
}

TEST(SaveIsAtomic, DataFileThatCannotBeWrittenLeavesEveryFileAsItWas)
{
    SavedSkin saved;
    std::filesystem::remove(saved.folder.path("k1.dat"));
    std::filesystem::create_directory(saved.folder.path("k1.dat"));
    EXPECT_EQ(saved.document.save(saved.skin()), SaveResult::DataFileNotWritten);
    EXPECT_EQ(readFile(saved.folder.path("k.ski")), oldSkin);
    EXPECT_EQ(readFile(saved.folder.path("k.dat")), "ab");
    EXPECT_EQ(saved.folder.names(), skinFiles);
}

TEST(SaveIsAtomic, SkinFileThatCannotBeWrittenGivesOne)
{
    SavedSkin saved;
    std::filesystem::create_directory(saved.folder.path("other.ski"));
    EXPECT_EQ(saved.document.save(saved.folder.path("other.ski")), SaveResult::SkinFileNotWritten);
    EXPECT_EQ(saved.document.save(saved.folder.path("missing/k.ski")), SaveResult::SkinFileNotWritten);
    std::filesystem::remove(saved.folder.path("other.ski"));
    saved.expectOld();
    EXPECT_EQ(saved.document.path(), saved.skin());
}

TEST(SaveIsAtomic, SavesThroughLinksKeepingTheLinksAndThePermissions)
{
    SavedSkin saved;
    // k.ski and k1.dat become links into another folder.
    TempFolder real;
    for (const char* name : {"k.ski", "k1.dat"}) {
        std::filesystem::rename(saved.folder.path(name), real.path(name));
        std::filesystem::create_symlink(real.path(name), saved.folder.path(name));
    }
    ASSERT_EQ(::chmod(real.path("k1.dat").c_str(), 0640), 0);
    ASSERT_EQ(::chmod(saved.folder.path("k.dat").c_str(), 0604), 0);
    ASSERT_EQ(saved.document.save(saved.skin()), SaveResult::Saved);
    saved.expectNew();
    EXPECT_TRUE(std::filesystem::is_symlink(saved.folder.path("k.ski")));
    EXPECT_TRUE(std::filesystem::is_symlink(saved.folder.path("k1.dat")));
    EXPECT_EQ(real.names(), (std::vector<std::string> {"k.ski", "k1.dat"}));
    struct stat info {};
    ASSERT_EQ(::stat(real.path("k1.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    ASSERT_EQ(::stat(saved.folder.path("k.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0604u);
}

TEST(SaveIsAtomic, EmptyDocumentIsNeverWritten)
{
    SavedSkin saved;
    SkinDocument empty;
    EXPECT_EQ(empty.save(saved.skin()), SaveResult::SkinFileNotWritten);
    saved.expectOld();
}

TEST(SaveIsAtomic, EveryFailingOrFatalCallLeavesTheOldOrTheNewSkin)
{
    using Call = FaultSeam::Call;
    using Mode = FaultSeam::Mode;
    const std::string journal = ".k.ski.commit";
    // The second phase finishes a save that died after its second rename.
    const auto cutShort = [](SavedSkin& saved) {
        ScriptedSeam stop;
        stop.stopAfter = 2;
        const FileSeamScope scope(stop);
        EXPECT_NE(saved.document.save(saved.skin()), SaveResult::Saved);
    };
    // True when the load or save (with the seam in force) went through.
    const auto goesThrough = [](bool recovering, SavedSkin& saved, SkinDocument& loaded) {
        return recovering ? loaded.load(saved.skin()) == LoadResult::Loaded
                          : saved.document.save(saved.skin()) == SaveResult::Saved;
    };
    for (const bool recovering : {false, true}) {
        FaultSeam counter;
        {
            SavedSkin saved(memoryFolder());
            if (recovering)
                cutShort(saved);
            const FileSeamScope scope(counter);
            SkinDocument loaded;
            ASSERT_TRUE(goesThrough(recovering, saved, loaded));
        }
        for (const Call call : FaultSeam::allCalls) {
            for (int nth = 1; nth <= counter.calls(call); ++nth) {
                for (const Mode mode : {Mode::Once, Mode::FromThenOn, Mode::Kill}) {
                    SCOPED_TRACE((recovering ? "load: " : "save: ") + callName(call) + " " + std::to_string(nth) +
                                 (mode == Mode::Once ? " once" : mode == Mode::Kill ? " killed" : " from then on"));
                    SavedSkin saved(memoryFolder());
                    if (recovering)
                        cutShort(saved);
                    const auto before = snapshot(saved.folder);
                    FaultSeam seam(call, nth, mode);
                    bool failed = false;
                    StorageProblem problem;
                    SkinDocument during;
                    if (mode == Mode::Kill) {
                        const pid_t child = ::fork();
                        if (child == 0) {
                            const FileSeamScope scope(seam);
                            (void)goesThrough(recovering, saved, during);
                            ::_exit(0);
                        }
                        int status = 0;
                        ::waitpid(child, &status, 0);
                    } else {
                        const FileSeamScope scope(seam);
                        failed = !goesThrough(recovering, saved, during);
                        problem = recovering ? during.fileProblem() : saved.document.fileProblem();
                    }
                    const bool journalKept = std::filesystem::exists(saved.folder.path(journal));
                    // A failure reports the old skin, or keeps what the next load needs to bring it back.
                    const bool unfinished = problem.kind == StorageProblem::Kind::Unfinished;
                    if (failed) {
                        EXPECT_TRUE(unfinished ? journalKept : recovering || stateOnDisk(saved.folder) == SkinState::Old);
                        if (problem.kind == StorageProblem::Kind::JournalUnreadable) {
                            EXPECT_EQ(snapshot(saved.folder), before);
                        }
                    } else if (mode != Mode::Kill) {
                        EXPECT_NE(stateOnDisk(saved.folder), SkinState::Neither);
                    }

                    // The fault gone, the next load shows the old or the new skin, and a save leaves nothing behind.
                    SkinDocument after;
                    ASSERT_EQ(after.load(saved.skin()), LoadResult::Loaded);
                    const SkinState state = stateOnDisk(saved.folder);
                    EXPECT_NE(state, SkinState::Neither);
                    if (mode != Mode::Kill && !recovering && !unfinished) {
                        EXPECT_EQ(state, failed ? SkinState::Old : SkinState::New);
                    }
                    std::vector<std::uint8_t> bytes;
                    after.getPicture(2, bytes);
                    EXPECT_EQ(bytes, state == SkinState::New ? bytesOf(3) : std::vector<std::uint8_t> {'z'});
                    EXPECT_FALSE(std::filesystem::exists(saved.folder.path(journal)));
                    EXPECT_EQ(after.save(saved.skin()), SaveResult::Saved);
                    if (call != Call::Unlink) {
                        EXPECT_EQ(saved.folder.names(), skinFiles);
                    }
                }
            }
        }
    }
}
