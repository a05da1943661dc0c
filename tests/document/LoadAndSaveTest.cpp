#include "DocumentTestSupport.h"
#include "document/FileIo.h"
#include "document/SkinFileFormat.h"
#include "document/SkinModel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>
#include <tuple>

#include <sys/stat.h>

using namespace testing_support;

namespace {

LoadResult loadText(TempFolder& folder, const std::string& text, SkinDocument& document)
{
    writeFile(folder.path("s.ski"), text);
    return document.load(folder.path("s.ski"));
}

} // namespace

// Only a first line that begins with "SKI1" makes a skin; whatever follows
// it on that line is kept. Anything else, also what sorts after "SKI1", is
// refused before a line is kept, through the file and through buffers alike.
TEST(LoadAndSave, FirstLineMustBeginWithTheMagic)
{
    TempFolder folder;
    SkinDocument document;
    EXPECT_EQ(loadText(folder, "SKI1\r\n2 1 1\r\n", document), LoadResult::Loaded);
    EXPECT_EQ(document.lines()[0], "SKI1\r\n");
    EXPECT_EQ(loadText(folder, "SKI1", document), LoadResult::Loaded);
    EXPECT_EQ(document.lines(), std::vector<std::string> {"SKI1\n"});
    EXPECT_EQ(loadText(folder, "SKI1 written by hand\n2 1 1\n", document), LoadResult::Loaded);
    EXPECT_EQ(document.lines()[0], "SKI1 written by hand\n");
    EXPECT_EQ(loadText(folder, std::string("SKI1\0\n", 6), document), LoadResult::Loaded);
    const std::vector<std::string> refused = {
        "", "SKI0\n", "ABC\n", "SKI\n", "SKI", std::string("SK\0I1\n", 6), "hello\n", "hello", "SKI2\n",
        "SKI2 or later\n", "ski1\n", " SKI1\n", "\nSKI1\n", "\xef\xbb\xbfSKI1\n", "\xffSKI1\n", "TEXT\nSKI1\n"};
    for (const std::string& bad : refused) {
        EXPECT_EQ(loadText(folder, bad + "2 1 1\n", document), LoadResult::NotASkin) << bad;
        EXPECT_FALSE(document.hasLineTable());
        EXPECT_EQ(document.path(), "");
        const auto bytes = std::span(reinterpret_cast<const std::uint8_t*>(bad.data()), bad.size());
        EXPECT_EQ(document.loadFromBuffers(bytes, {}, "b.ski"), LoadResult::NotASkin) << bad;
        EXPECT_FALSE(document.hasLineTable());
    }
}

// A failed load says why, and names the file it failed on: the skin file or
// the data file that is missing or cannot be read.
TEST(LoadAndSave, FailedLoadsNameTheirReasonAndFile)
{
    TempFolder folder;
    writeFile(folder.path("bad.ski"), "ABC\n");
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 1\n");
    writeFile(folder.path("k.dat"), "ab");
    writeFile(folder.path("d.ski"), "SKI1\n5 1 0 2 1\n");
    writeFile(folder.path("d.dat"), "ab");
    std::filesystem::create_directory(folder.path("d1.dat")); // there, but no file to read
    std::filesystem::create_directory(folder.path("folder.ski"));
    const struct {
        std::string skin;
        LoadResult result;
        std::string failedFile;
    } cases[] = {
        {"missing.ski", LoadResult::SkinFileMissing, "missing.ski"},
        {"folder.ski", LoadResult::CannotOpen, "folder.ski"},
        {"bad.ski", LoadResult::NotASkin, "bad.ski"},
        {"k.ski", LoadResult::DataFileMissing, "k1.dat"},
        {"d.ski", LoadResult::DataFileUnreadable, "d1.dat"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skin);
        SkinDocument document = documentWith({"2 1 1"});
        std::string failed = "unchanged";
        EXPECT_EQ(document.load(folder.path(c.skin), &failed), c.result);
        EXPECT_EQ(failed, folder.path(c.failedFile));
        EXPECT_FALSE(document.hasLineTable());
        SkinModel model;
        failed.clear();
        EXPECT_EQ(model.openSkin(folder.path(c.skin), &failed), c.result);
        EXPECT_EQ(failed, folder.path(c.failedFile));
    }
    writeFile(folder.path("k1.dat"), "xy");
    SkinDocument document;
    std::string failed = "unchanged";
    EXPECT_EQ(document.load(folder.path("k.ski"), &failed), LoadResult::Loaded);
    EXPECT_EQ(failed, "");
}

// A data file shorter than a record says does not stop a load; the pictures
// it cannot hold are named, each once, as the record that is read says.
TEST(LoadAndSave, PicturesBeyondTheirDataAreNamed)
{
    SkinDocument document = documentWith({"5 1 0 4 0", "5 2 2 3 0", "5 3 0 9 0", "5 1 0 99 0", "5 4 0 1 7",
                                          "5 5 -1 2 0", "5 3 0 99 0"},
                                         4);
    const auto beyond = document.picturesBeyondData();
    std::vector<std::pair<ElementId, std::int32_t>> named;
    for (const auto& picture : beyond)
        named.emplace_back(picture.id, picture.file);
    // 1 fits (its second record is never read); 4 names a file the skin does
    // not hold, which a load refuses; 5's offset is no place in any file.
    EXPECT_EQ(named, (std::vector<std::pair<ElementId, std::int32_t>> {{2, 0}, {3, 0}}));
}

TEST(LoadAndSave, LongLinesAreSplitAndSavedBackUnchanged)
{
    TempFolder folder;
    const std::string longLine = "2 1 " + std::string(296, '7') + "\n";
    const std::string text = "SKI1\n" + longLine + "2 2 2\n";
    SkinDocument document;
    ASSERT_EQ(loadText(folder, text, document), LoadResult::Loaded);
    ASSERT_EQ(document.lineCount(), 4);
    EXPECT_EQ(document.lines()[1].size(), std::size_t(maximumLineLength));
    EXPECT_EQ(document.lines()[2].size(), longLine.size() - maximumLineLength);
    EXPECT_EQ(document.getNumber(2), 2);
    ASSERT_EQ(document.save(folder.path("s.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("s.ski")), text);
}

TEST(LoadAndSave, LastLineWithoutLineFeedGetsOne)
{
    TempFolder folder;
    SkinDocument document;
    ASSERT_EQ(loadText(folder, "SKI1\n2 1 5", document), LoadResult::Loaded);
    EXPECT_EQ(document.getNumber(1), 5);
    document.setNumber(2, 6);
    ASSERT_EQ(document.save(folder.path("s.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("s.ski")), "SKI1\n2 1 5\n2 2 6\n");

    // A last piece of the full length gets its line feed as a line of its own.
    const std::string full = "SKI1\n" + std::string(maximumLineLength, 'x');
    ASSERT_EQ(loadText(folder, full, document), LoadResult::Loaded);
    EXPECT_EQ(document.lineCount(), 3);
    EXPECT_EQ(document.lines()[2], "\n");
}

TEST(LoadAndSave, CarriageReturnsAreKeptByteForByte)
{
    TempFolder folder;
    const std::string text = "SKI1\r\n2 5 8\r\n3 1 true\r\n";
    SkinDocument document;
    ASSERT_EQ(loadText(folder, text, document), LoadResult::Loaded);
    EXPECT_EQ(document.findRecord("2 5 "), 1);
    EXPECT_EQ(document.getNumber(5), 8);
    EXPECT_EQ(document.getFlag(1), 1);
    ASSERT_EQ(document.save(folder.path("s.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("s.ski")), text);
}

TEST(LoadAndSave, DataFilesNeededUpToTheLargestFileNumber)
{
    TempFolder folder;
    // " +5" leads with the number 5 as well; a negative fifth word needs no file.
    writeFile(folder.path("k.ski"), "SKI1\n5 3 0 3 0\n5 4 0 2 1\n +5 9 0 0 2x\n5 5 0 0 -4\n");
    writeFile(folder.path("k.dat"), "abc");
    writeFile(folder.path("k1.dat"), "xy");
    SkinDocument document;
    EXPECT_EQ(document.load(folder.path("k.ski")), LoadResult::DataFileMissing);
    EXPECT_FALSE(document.hasLineTable());
    writeFile(folder.path("k2.dat"), "");
    ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
    EXPECT_EQ(document.dataFileCount(), 3);
    EXPECT_EQ(document.dataSize(2), 0u);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(document.getPicture(4, bytes), 2);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "xy");
}

TEST(LoadAndSave, HugeFileNumbersFailQuickly)
{
    TempFolder folder;
    writeFile(folder.path("k.dat"), "abc");
    SkinDocument document;
    const auto start = std::chrono::steady_clock::now();
    for (const char* record : {"5 1 0 1 2147483647", "5 1 0 1 9223372036854775807", "5 1 0 1 99999999999999999999999"}) {
        writeFile(folder.path("k.ski"), "SKI1\n" + std::string(record) + "\n");
        EXPECT_EQ(document.load(folder.path("k.ski")), LoadResult::DataFileMissing) << record;
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(LoadAndSave, SavingANewSkinWritesOnlyTheSkinFile)
{
    TempFolder folder;
    SkinDocument document;
    document.createNew("New skin");
    EXPECT_EQ(document.path(), "New skin");
    EXPECT_EQ(document.dataFileCount(), 1);
    ASSERT_EQ(document.save(folder.path("n.ski")), SaveResult::Saved);
    EXPECT_EQ(folder.names(), std::vector<std::string> {"n.ski"});
    EXPECT_EQ(readFile(folder.path("n.ski")), "SKI1\n");
    // Save As reloaded the document from where it was written.
    EXPECT_EQ(document.path(), folder.path("n.ski"));
    EXPECT_EQ(document.dataFileCount(), 0);
}

TEST(LoadAndSave, SaveToTheSamePathDoesNotReload)
{
    TempFolder folder;
    SkinDocument document;
    document.createNew("x");
    ASSERT_EQ(document.save(folder.path("n.ski")), SaveResult::Saved);
    (void)document.pictureData().append(0, bytesOf(0));
    ASSERT_EQ(document.dataFileCount(), 1);
    ASSERT_EQ(document.save(folder.path("n.ski")), SaveResult::Saved);
    EXPECT_EQ(document.dataFileCount(), 1); // a reload would have dropped the empty data file
}

TEST(LoadAndSave, SavedSkinPathKeepsASkinFileAndReplacesOnlyTheFileNamesExtension)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Vela.ski", "Vela.ski"},     {"Vela.SKI", "Vela.SKI"},          {"d/v.Ski", "d/v.Ski"},
        {"a.b/wall", "a.b/wall.ski"}, {"C:\\s.d\\k", "C:\\s.d\\k.ski"}, {"x/notes.txt", "x/notes.ski"},
        {"name.", "name.ski"},        {"a.ski.bak", "a.ski.ski"},       {"New skin", "New skin.ski"},
    };
    for (const auto& [path, saved] : cases) {
        EXPECT_EQ(SkinFileFormat::savedSkinPath(path), saved) << path;
        EXPECT_EQ(SkinFileFormat::saveBaseName(path) + saved.substr(saved.size() - 4), saved) << path;
    }
}

TEST(LoadAndSave, SaveAsWithoutSkiExtensionWritesTheSkinFileOfThatNameAndKeepsTheDocument)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.root() / "a.b");
    SkinDocument document = documentWith({"2 1 1", "5 2 0 4 0"}, 4);
    ASSERT_EQ(document.save(folder.path("a.b/wall")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("a.b/wall.ski")), "SKI1\n2 1 1\n5 2 0 4 0\n");
    EXPECT_EQ(readFile(folder.path("a.b/wall.dat")), std::string("\0\1\2\3", 4));
    EXPECT_TRUE(document.hasLineTable());
    EXPECT_EQ(document.path(), folder.path("a.b/wall.ski"));
    EXPECT_EQ(document.getNumber(1), 1);

    ASSERT_EQ(document.save(folder.path("notes.txt")), SaveResult::Saved);
    EXPECT_EQ(document.path(), folder.path("notes.ski"));
    EXPECT_EQ(readFile(folder.path("notes.ski")), readFile(folder.path("a.b/wall.ski")));
    EXPECT_FALSE(std::filesystem::exists(folder.path("notes.txt")));
}

TEST(LoadAndSave, UpperCaseExtensionIsSavedInPlace)
{
    TempFolder folder;
    writeFile(folder.path("Vela.SKI"), "SKI1\n5 1 0 2 0\n");
    writeFile(folder.path("Vela.dat"), "ab");
    SkinDocument document;
    ASSERT_EQ(document.load(folder.path("Vela.SKI")), LoadResult::Loaded);
    document.setNumber(8, 3);
    EXPECT_TRUE(document.setPicture(1, bytesOf(3)));
    ASSERT_EQ(document.save(document.path()), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("Vela.SKI")), "SKI1\n5 1 0 3 0\n2 8 3\n");
    EXPECT_EQ(readFileBytes(folder.path("Vela.dat")), bytesOf(3));
    EXPECT_EQ(folder.names(), (std::vector<std::string> {"Vela.SKI", "Vela.dat"}));
    EXPECT_EQ(document.path(), folder.path("Vela.SKI"));
}

TEST(LoadAndSave, FailedReloadAfterSaveAsKeepsTheDocument)
{
    TempFolder folder;
    // The empty picture in file 1 needs a data file that is not written (it is empty).
    SkinDocument document;
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n5 2 0 0 1\n");
    writeFile(folder.path("k.dat"), "ab");
    writeFile(folder.path("k1.dat"), "");
    ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
    ASSERT_EQ(document.save(folder.path("other.ski")), SaveResult::Saved);
    EXPECT_TRUE(document.hasLineTable());
    EXPECT_EQ(document.lineCount(), 3);
    EXPECT_EQ(document.dataFileCount(), 2);
    EXPECT_EQ(document.path(), folder.path("other.ski"));
}

TEST(LoadAndSave, EmptyDataFilesAreWrittenWhenARecordNeedsThem)
{
    TempFolder folder;
    // A new skin whose only picture is empty still needs its data file 0.
    SkinDocument fresh;
    fresh.createNew("New skin");
    EXPECT_TRUE(fresh.setPicture(630, {}));
    ASSERT_EQ(fresh.save(folder.path("n.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("n.dat")), "");
    SkinDocument again;
    ASSERT_EQ(again.load(folder.path("n.ski")), LoadResult::Loaded);

    // Data file 0 has become empty but file 1 is named: file 0 is written empty.
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
    writeFile(folder.path("k.dat"), "ab");
    writeFile(folder.path("k1.dat"), "z");
    SkinDocument document;
    ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
    document.removePicture(1);
    ASSERT_EQ(document.save(folder.path("k.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("k.dat")), "");
    EXPECT_EQ(readFile(folder.path("k.ski")), "SKI1\n5 2 0 1 1\n");

    // No record names data file 1 any more: its empty buffer is not written, the old file stays.
    document.removePicture(2);
    ASSERT_EQ(document.save(folder.path("k.ski")), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("k1.dat")), "z");
    EXPECT_EQ(readFile(folder.path("k.ski")), "SKI1\n");
}

TEST(LoadAndSave, OnlyDataFilesWhoseBytesChangedAreWrittenAgain)
{
    TempFolder folder;
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
    writeFile(folder.path("k.dat"), "ab");
    writeFile(folder.path("k1.dat"), "z");
    const auto identity = [&folder](const char* name) { return identityOf(folder.path(name)); };
    SkinDocument document;
    ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
    const auto firstData = identity("k.dat");
    EXPECT_TRUE(document.setPicture(2, bytesOf(2)));
    ASSERT_EQ(document.save(document.path()), SaveResult::Saved);
    EXPECT_EQ(identity("k.dat"), firstData);
    const auto secondData = identity("k1.dat");
    document.setNumber(8, 1);
    ASSERT_EQ(document.save(document.path()), SaveResult::Saved);
    EXPECT_EQ(identity("k1.dat"), secondData);

    // Another program replaced a data file since: once read, it is written again.
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(document.getPicture(1, bytes), 2);
    writeFile(folder.path("other"), "xy");
    std::filesystem::rename(folder.path("other"), folder.path("k1.dat"));
    ASSERT_EQ(document.save(document.path()), SaveResult::Saved);
    EXPECT_EQ(readFile(folder.path("k1.dat")), std::string("\0\1", 2));

    // Never read, its bytes are not the document's to restore: the save is
    // refused and the picture cannot be read, rather than read torn.
    SkinDocument unread;
    ASSERT_EQ(unread.load(folder.path("k.ski")), LoadResult::Loaded);
    unread.setNumber(8, 2);
    for (const char* replaced : {"xyz", "xy"}) { // another size; the same size, written in place
        SCOPED_TRACE(replaced);
        writeFile(folder.path("k.dat"), replaced);
        EXPECT_EQ(unread.save(unread.path()), SaveResult::DataFileNotWritten);
        EXPECT_EQ(readFile(folder.path("k.dat")), replaced);
        EXPECT_EQ(unread.getPicture(1, bytes), -1);
        EXPECT_EQ(unread.unreadableDataFile(), folder.path("k.dat"));
        EXPECT_TRUE(unread.setPicture(2, bytesOf(4))); // k1.dat, read whole for the change, was not replaced
    }
}

TEST(LoadAndSave, FirstLineIsJudgedBeforeTheWholeFileIsRead)
{
    TempFolder folder;
    // Larger than any file that is read whole, and taking no space on disk.
    const std::string path = folder.path("huge.ski");
    writeFile(path, "ABC\n");
    std::filesystem::resize_file(path, std::uintmax_t(3) << 30);
    SkinDocument document;
    EXPECT_EQ(document.load(path), LoadResult::NotASkin);
    writeFile(path, "SKI1\n");
    std::filesystem::resize_file(path, std::uintmax_t(3) << 30);
    EXPECT_EQ(document.load(path), LoadResult::CannotOpen);
    EXPECT_EQ(document.fileProblem().kind, StorageProblem::Kind::TooLarge);
}

TEST(LoadAndSave, DataFilesLargerThanALoadMayHoldAreRefusedBeforeAnyIsRead)
{
    TempFolder folder;
    // Sparse files: they take no space on disk, and would take it all in memory.
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 4 0\n5 2 0 4 3\n");
    for (const char* name : {"k.dat", "k1.dat", "k2.dat", "k3.dat"}) {
        writeFile(folder.path(name), "GIF8");
        std::filesystem::resize_file(folder.path(name), std::uintmax_t(SkinStorage::largestDataFiles / 3));
    }
    SkinDocument document;
    const auto start = std::chrono::steady_clock::now();
    // There, but not to be read: not "missing".
    EXPECT_EQ(document.load(folder.path("k.ski")), LoadResult::DataFileUnreadable);
    EXPECT_EQ(document.fileProblem().kind, StorageProblem::Kind::TooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_FALSE(document.hasLineTable());
}

TEST(LoadAndSave, LoadCreatesRemovesAndChangesNoFile)
{
    // Every entry of the folder, and the folder itself (a name made and
    // removed again changes its times), as lstat sees them.
    const auto look = [](const TempFolder& folder) {
        std::vector<std::tuple<std::string, ino_t, off_t, std::int64_t, std::int64_t>> entries;
        for (const std::string& name : {std::string(".")}) {
            struct stat info {};
            ::lstat(folder.root().c_str(), &info);
            entries.emplace_back(name, info.st_ino, 0, info.st_mtim.tv_nsec + info.st_mtim.tv_sec * 1000000000LL,
                                 info.st_ctim.tv_nsec + info.st_ctim.tv_sec * 1000000000LL);
        }
        for (const auto& entry : std::filesystem::directory_iterator(folder.root())) {
            struct stat info {};
            ::lstat(entry.path().c_str(), &info);
            entries.emplace_back(entry.path().filename().string(), info.st_ino, info.st_size,
                                 info.st_mtim.tv_nsec + info.st_mtim.tv_sec * 1000000000LL,
                                 info.st_ctim.tv_nsec + info.st_ctim.tv_sec * 1000000000LL);
        }
        std::sort(entries.begin(), entries.end());
        return entries;
    };
    const std::string ended = std::to_string(endedProcessId());
    for (const bool savedBefore : {false, true}) {
        SCOPED_TRACE(savedBefore ? "saved before: its lock file is there" : "never saved");
        TempFolder folder;
        writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n5 2 0 1 1\n");
        writeFile(folder.path("k.dat"), "ab");
        writeFile(folder.path("k1.dat"), "z");
        writeFile(folder.path(".k.dat.tmp-" + ended + "-0"), "left over");
        if (savedBefore) {
            SkinDocument document;
            ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
            document.setNumber(8, 1);
            ASSERT_EQ(document.save(document.path()), SaveResult::Saved);
            writeFile(folder.path(".k.dat.tmp-" + ended + "-0"), "left over");
        }
        const auto before = look(folder);
        // Time enough for any change to show in the times.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        SkinDocument document;
        ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
        EXPECT_EQ(look(folder), before);
    }
}

TEST(LoadAndSave, ReadOnlyFilesLoadAndRefuseToBeReplaced)
{
    TempFolder folder;
    writeFile(folder.path("k.ski"), "SKI1\n5 1 0 2 0\n");
    writeFile(folder.path("k.dat"), "ab");
    writeFile(folder.path("r.ski"), "SKI1\n5 1 0 2 0\n");
    writeFile(folder.path("r.dat"), "ab");
    std::filesystem::create_directory(folder.path("mount"));
    writeFile(folder.path("mount/m.ski"), "SKI1\n");
    for (const char* name : {"k.ski", "r.dat", "mount/m.ski"})
        ASSERT_EQ(::chmod(folder.path(name).c_str(), 0444), 0);
    for (const char* name : {"k.dat", "r.ski"})
        ASSERT_EQ(::chmod(folder.path(name).c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.path("mount").c_str(), 0555), 0); // as a read-only mount would be
    ASSERT_EQ(::chmod(folder.root().c_str(), 0777), 0);
    EXPECT_TRUE(runWithoutPrivileges([&folder] {
        SkinDocument document;
        ASSERT_EQ(document.load(folder.path("k.ski")), LoadResult::Loaded);
        document.setNumber(8, 1);
        EXPECT_EQ(document.save(document.path()), SaveResult::SkinFileNotWritten);
        ASSERT_EQ(document.load(folder.path("r.ski")), LoadResult::Loaded);
        EXPECT_TRUE(document.setPicture(1, bytesOf(1)));
        EXPECT_EQ(document.save(document.path()), SaveResult::DataFileNotWritten);
        ASSERT_EQ(document.load(folder.path("mount/m.ski")), LoadResult::Loaded);
        document.setNumber(8, 1);
        EXPECT_EQ(document.save(document.path()), SaveResult::SkinFileNotWritten);
    }));
    EXPECT_EQ(readFile(folder.path("k.ski")), "SKI1\n5 1 0 2 0\n");
    EXPECT_EQ(readFile(folder.path("r.ski")), "SKI1\n5 1 0 2 0\n");
    EXPECT_EQ(readFile(folder.path("r.dat")), "ab");
    EXPECT_EQ(readFile(folder.path("mount/m.ski")), "SKI1\n");
    EXPECT_EQ(folder.names(), (std::vector<std::string> {"k.dat", "k.ski", "mount", "r.dat", "r.ski"}));
}

TEST(LoadAndSave, PicturesSurviveARoundTrip)
{
    TempFolder folder;
    SkinDocument document;
    document.createNew("New skin");
    EXPECT_TRUE(document.setPicture(630, bytesOf(40, 1)));
    EXPECT_TRUE(document.setPicture(631, bytesOf(7, 100)));
    document.linkPicture(630, 652);
    ASSERT_EQ(document.save(folder.path("p.ski")), SaveResult::Saved);
    SkinDocument again;
    ASSERT_EQ(again.load(folder.path("p.ski")), LoadResult::Loaded);
    std::vector<std::uint8_t> bytes;
    EXPECT_EQ(again.getPicture(652, bytes), 40);
    EXPECT_EQ(bytes, bytesOf(40, 1));
    EXPECT_EQ(again.getPicture(631, bytes), 7);
    EXPECT_EQ(bytes, bytesOf(7, 100));
    EXPECT_EQ(again.pictureIds(), (std::vector<ElementId> {630, 631, 652}));
}
