// Runs velaskin-cli as a user's script would and checks its output, its exit
// codes and the files it leaves behind.

#include "cli/CommandTable.h"
#include "DefaultSkinText.h"
#include "GifBuilder.h"
#include "ProgramRun.h"
#include "TempFolder.h"
#include "document/SkinLock.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <future>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

using testing_support::readFile;
using testing_support::writeFile;

struct Result : testing_support::ProgramResult {
    // The tool's own error lines (Qt may add warnings of its own).
    std::vector<std::string> errorLines() const
    {
        std::vector<std::string> lines;
        std::istringstream text(err);
        for (std::string line; std::getline(text, line);)
            if (line.rfind("velaskin-cli: ", 0) == 0)
                lines.push_back(line);
        return lines;
    }
};

void writeBytes(const fs::path& path, const std::vector<std::uint8_t>& bytes)
{
    writeFile(path, std::string(bytes.begin(), bytes.end()));
}

// A one-colour still GIF of the size; colour is an index into red, green, blue, white.
std::string stillGif(int width, int height, std::uint8_t colour = 0)
{
    const std::vector<std::uint8_t> bytes = GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, colour)).build();
    return std::string(bytes.begin(), bytes.end());
}

// The file's inode: a save replaces the file, so a new inode tells that it was written.
ino_t inodeOf(const fs::path& path)
{
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

class Cli : public ::testing::Test {
protected:
    // Runs the tool in the test folder with the words of arguments.
    Result run(const std::string& arguments) const { return {testing_support::runCli(dir, arguments, options)}; }

    // A default skin the editor accepts: the palette, a few records, a list,
    // padding up to the minimum length, and two pictures in its data file.
    void writeDefaultSkin()
    {
        const auto paletteItem = [](int k) {
            return std::to_string(k) + ' ' + std::to_string(k + 1) + ' ' + std::to_string(k + 2) + " 0";
        };
        writeFile(dir / "def.ski",
                  testing_support::defaultSkinText({"1 6 10 20 29 39", "2 8 25", "3 594 true", "4 595 255 0 0 40",
                                                    "0 300 2", "1 0 0 9 9", "1 10 10 19 19", "5 7 0 6 0",
                                                    "5 630 6 4 0", "6 1015 /a/mobile/picture/wall.gif"},
                                                   minimumDefaultSkinLines, paletteItem));
        writeFile(dir / "def.dat", "GIF89aABCD");
    }

    // Runs the tool as an ordinary user would (root may write any file): the
    // test folder is opened to everyone.
    void runUnprivileged()
    {
        if (::geteuid() == 0)
            options.launcher = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"};
        fs::permissions(dir, fs::perms::all);
    }

    testing_support::TempFolder folder;
    const fs::path dir = folder.root();
    testing_support::ProgramOptions options; // the environment and launcher of every run
};

TEST_F(Cli, InfoDescribesLinesDataFilesPicturesAndWallpaper)
{
    writeFile(dir / "s.ski", "SKI1\n5 3 0 4 0\n5 4 0 2 1\n6 1015 /a/mobile/picture/sea.gif\n");
    writeFile(dir / "s.dat", "abcd");
    writeFile(dir / "s1.dat", "xy");
    const Result r = run("info s.ski");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "lines 4\ndatafiles 2\ndata 0 4\ndata 1 2\npictures 2\nwallpaper sea.gif\n");
}

TEST_F(Cli, LoadFailuresExitWithTwoAndNameFileAndReason)
{
    writeFile(dir / "bad.ski", "ABC\n");
    writeFile(dir / "nodat.ski", "SKI1\n5 3 0 4 0\n");

    Result r = run("info missing.ski");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("velaskin-cli: missing.ski: cannot open"), std::string::npos) << r.err;

    // A text file is no skin, even when its first line sorts after "SKI1".
    writeFile(dir / "hello.ski", "hello\n");
    for (const char* command : {"info bad.ski", "info hello.ski", "check hello.ski"}) {
        r = run(command);
        EXPECT_EQ(r.code, 2) << command;
        EXPECT_NE(r.err.find(".ski: not a skin"), std::string::npos) << r.err;
    }

    r = run("get nodat.ski number 8");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("nodat.ski: a picture data file"), std::string::npos) << r.err;
}

TEST_F(Cli, GetPrintsMissingResultsWithoutDefaultAndFallsBackWithIt)
{
    writeDefaultSkin();
    writeFile(dir / "s.ski", "SKI1\n1 6 1 2 3 4\n");

    EXPECT_EQ(run("get s.ski colour 595").out, "0 0 0 -1\n");
    EXPECT_EQ(run("get s.ski rect 99").out, "-1 -1 -1 -1\n");
    EXPECT_EQ(run("get s.ski number 8").out, "-1\n");
    EXPECT_EQ(run("get s.ski flag 594").out, "-1\n");
    EXPECT_EQ(run("get s.ski listcount 300").out, "-1\n");
    EXPECT_EQ(run("get s.ski rect 6").out, "1 2 4 5\n");

    EXPECT_EQ(run("get --default def.ski s.ski colour 595").out, "255 0 0 40\n");
    EXPECT_EQ(run("get --default def.ski s.ski rect 6").out, "1 2 4 5\n");
    EXPECT_EQ(run("get --default def.ski s.ski number 8").out, "25\n");
    EXPECT_EQ(run("get --default def.ski s.ski flag 594").out, "1\n");
    EXPECT_EQ(run("get --default def.ski s.ski listcount 300").out, "2\n");
    EXPECT_EQ(run("get --default def.ski s.ski listrect 300 2").out, "10 10 20 20\n");
    EXPECT_EQ(run("get --default def.ski s.ski palette 1").out, "1 2 3 0\n");
}

// Run as root or from a service there is no XDG_RUNTIME_DIR: a command that
// succeeds still writes nothing but its own output, whether it starts Qt or not.
TEST_F(Cli, SuccessfulCommandsLeaveStandardErrorEmptyWithoutARuntimeFolder)
{
    writeDefaultSkin();
    writeFile(dir / "a.gif", stillGif(4, 3));
    writeFile(dir / "wall.gif", stillGif(8, 8)); // the default skin's wallpaper
    fs::create_directories(dir / "in");
    writeFile(dir / "in" / "7.gif", stillGif(4, 3, 2));
    options.environment = {"XDG_RUNTIME_DIR"};
    for (const char* command :
         {"new --default def.ski s.ski", "info s.ski", "set s.ski number 8 3", "get --default def.ski s.ski rect 6",
          "picture set s.ski 7 a.gif", "picture link s.ski 7 9", "pictures s.ski", "picture get s.ski 9 -",
          "picture set s.ski 5 a.gif", "picture remove s.ski 5", "export s.ski out", "import s.ski in",
          "gif a.gif", "render --default def.ski s.ski screen.png", "check s.ski"}) {
        const Result r = run(command);
        EXPECT_EQ(r.code, 0) << command << ": " << r.out;
        EXPECT_EQ(r.err, "") << command;
    }
}

// The tool starts without Qt; the commands that decode or draw pictures run
// in its Qt part. Without that part the others still run, and those say why
// they cannot.
TEST_F(Cli, WithoutItsQtPartTheToolRunsSkinCommandsAndTellsWhyPictureCommandsCannotRun)
{
    writeFile(dir / "s.ski", "SKI1\n2 8 25\n");
    fs::create_directories(dir / "alone");
    fs::copy_file(testing_support::cliProgram(), dir / "alone" / "velaskin-cli");
    const auto runAlone = [&](const std::string& arguments) {
        std::vector<std::string> words = testing_support::commandWords(arguments);
        words.insert(words.begin(), (dir / "alone" / "velaskin-cli").string());
        return testing_support::runProgram(dir, words, options);
    };
    const testing_support::ProgramResult got = runAlone("get s.ski number 8");
    EXPECT_EQ(got.code, 0) << got.err;
    EXPECT_EQ(got.out, "25\n");
    for (const char* command : {"check s.ski", "render s.ski out.png", "gif a.gif", "import s.ski in"}) {
        const testing_support::ProgramResult r = runAlone(command);
        EXPECT_EQ(r.code, 127) << command;
        EXPECT_EQ(r.out, "") << command;
        EXPECT_EQ(r.err.rfind("velaskin-cli: cannot start velaskin-cli-qt, which runs this command: ", 0), 0u) << r.err;
    }
    EXPECT_FALSE(fs::exists(dir / "out.png"));
}

TEST_F(Cli, DefaultSkinShorterThanTheMinimumIsRefused)
{
    writeFile(dir / "short.ski", "SKI1\n2 8 1\n");
    writeFile(dir / "s.ski", "SKI1\n");
    const Result r = run("get --default short.ski s.ski number 8");
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("short.ski"), std::string::npos);
}

TEST_F(Cli, SetWritesTheRecordAndSavesInPlace)
{
    writeFile(dir / "s.ski", "SKI1\n1 6 0 0 0 0\n");
    EXPECT_EQ(run("set s.ski rect 6 10 20 30 40").code, 0);
    EXPECT_EQ(run("set s.ski colour 12 10 20 30 0").code, 0);
    EXPECT_EQ(run("set s.ski number 8 -5").code, 0);
    EXPECT_EQ(run("set s.ski flag 594 0").code, 0);
    EXPECT_EQ(run("set s.ski wallpaper 'C:\\pics\\sea.gif'").code, 0);
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n1 6 10 20 29 39\n4 12 10 20 30 0\n2 8 -5\n3 594 false\n"
                                       "6 1015 /a/mobile/picture/sea.gif\n");
    EXPECT_EQ(run("get s.ski wallpaper").out, "sea.gif\n");
}

TEST_F(Cli, RefusedSetterExitsFourAndSavesNothing)
{
    writeDefaultSkin();
    const std::string before = "SKI1\n0 41 97\n";
    writeFile(dir / "s.ski", before);
    Result r = run("set s.ski palette 1 1 2 3 0");
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(readFile(dir / "s.ski"), before);

    r = run("set --default def.ski s.ski listrect 777 1 0 0 5 5");
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(readFile(dir / "s.ski"), before);
}

TEST_F(Cli, ListRectWithDefaultCopiesTheWholeList)
{
    writeDefaultSkin();
    writeFile(dir / "s.ski", "SKI1\n");
    EXPECT_EQ(run("set --default def.ski s.ski listrect 300 2 5 5 15 15").code, 0);
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n0 300 2\n1 0 0 9 9\n1 5 5 14 14\n");
}

TEST_F(Cli, BadArgumentsAreUsageErrors)
{
    writeFile(dir / "s.ski", "SKI1\n");
    EXPECT_EQ(run("").code, 1);
    EXPECT_EQ(run("frobnicate s.ski").code, 1);
    EXPECT_EQ(run("get s.ski rect").code, 1);
    EXPECT_EQ(run("get s.ski rect x").code, 1);
    EXPECT_EQ(run("get s.ski rect 99999999999").code, 1);
    EXPECT_EQ(run("set s.ski rect 6 1 2 3").code, 1);
    EXPECT_EQ(run("set s.ski flag 6 2").code, 1);
    EXPECT_EQ(run("new s.ski out.ski").code, 1);
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n");
}

// The usage and every command's help come from one table: every command the
// table names is in the usage, answers "--help" with its own synopsis and
// runs (without its arguments it is a usage error, not an unknown command).
TEST_F(Cli, EveryCommandOfTheTableIsInTheUsageAndHasItsOwnHelp)
{
    const std::string usage = run("--help").out;
    for (const cli::CommandHelp& command : cli::commandTable()) {
        const std::string name(command.name);
        SCOPED_TRACE(name);
        EXPECT_NE(usage.find("\n  " + name + " "), std::string::npos);
        const auto help = run(name + " --help");
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.out.rfind("usage: velaskin-cli " + name + " ", 0), 0u) << help.out;
        const auto wrong = run(name);
        EXPECT_EQ(wrong.code, 1);
        EXPECT_NE(wrong.err.find("usage: velaskin-cli COMMAND"), std::string::npos) << wrong.err;
        EXPECT_EQ(wrong.err.find("unknown command"), std::string::npos) << wrong.err;
    }
}

TEST_F(Cli, NewTakesThePaletteOfTheDefaultSkinAndWritesOnlyTheSkinFile)
{
    writeDefaultSkin();
    const Result r = run("new --default def.ski out.ski");
    EXPECT_EQ(r.code, 0) << r.err;
    const Result info = run("info out.ski");
    EXPECT_NE(info.out.find("lines 100\n"), std::string::npos) << info.out;
    EXPECT_FALSE(fs::exists(dir / "out.dat"));
    // A folder that is not there is named as what is wrong, not the lock beside it.
    const Result nowhere = run("new --default def.ski nosuch/out.ski");
    EXPECT_EQ(nowhere.code, 3);
    EXPECT_EQ(nowhere.err, "velaskin-cli: nosuch/out.ski: cannot save the skin: the folder nosuch does not exist; "
                           "nothing saved\n");
}

TEST_F(Cli, PicturesAreListedStoredLinkedExportedAndRemoved)
{
    writeFile(dir / "s.ski", "SKI1\n5 1 0 4 0\n5 2 4 2 0\n");
    writeFile(dir / "s.dat", "abcdxy");
    writeFile(dir / "new.gif", "GIF89a");

    EXPECT_EQ(run("pictures s.ski").out, "1 0 4 0\n2 4 2 0\n");
    EXPECT_EQ(run("picture set s.ski 1 new.gif").code, 0);
    EXPECT_EQ(run("pictures s.ski").out, "1 0 6 0\n2 6 2 0\n");
    EXPECT_EQ(readFile(dir / "s.dat"), "GIF89axy");

    EXPECT_EQ(run("picture link s.ski 2 9").code, 0);
    EXPECT_EQ(run("picture link s.ski 77 9").code, 4);
    EXPECT_EQ(run("pictures s.ski").out, "1 0 6 0\n2 6 2 0\n9 6 2 0\n");

    EXPECT_EQ(run("picture get s.ski 9 nine.bin").code, 0);
    EXPECT_EQ(readFile(dir / "nine.bin"), "xy");
    EXPECT_EQ(run("picture get s.ski 5 five.bin").code, 4);
    EXPECT_FALSE(fs::exists(dir / "five.bin"));

    const Result exported = run("export s.ski out");
    EXPECT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(readFile(dir / "out" / "1.gif"), "GIF89a");
    EXPECT_EQ(readFile(dir / "out" / "9.gif"), "xy");

    EXPECT_EQ(run("picture remove s.ski 2").code, 0);
    EXPECT_EQ(run("pictures s.ski").out, "1 0 6 0\n");
    EXPECT_EQ(readFile(dir / "s.dat"), "GIF89a");
    EXPECT_EQ(run("picture remove s.ski 2").code, 4);
    EXPECT_EQ(run("picture set s.ski 3 missing.gif").code, 4);
}

TEST_F(Cli, ExportWithDefaultFallsBackLikeTheImagesPage)
{
    writeDefaultSkin();
    writeFile(dir / "s.ski", "SKI1\n5 630 0 2 0\n");
    writeFile(dir / "s.dat", "zz");
    const Result r = run("export --default def.ski s.ski out");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "exported 2\n");
    EXPECT_EQ(readFile(dir / "out" / "7.gif"), "GIF89a");
    EXPECT_EQ(readFile(dir / "out" / "630.gif"), "zz");
    EXPECT_EQ(run("export s.ski out2 630 31").code, 4);
    EXPECT_TRUE(fs::exists(dir / "out2" / "630.gif"));
}

TEST_F(Cli, FailedSaveExitsThreeAndLeavesEveryFileAsItWas)
{
    const std::string before = "SKI1\n2 8 1\n";
    writeFile(dir / "s.ski", before);
    writeFile(dir / "new.gif", "GIF89a");
    // A folder stands where the new data file must go.
    fs::create_directories(dir / "s.dat");
    const Result r = run("picture set s.ski 1 new.gif");
    EXPECT_EQ(r.code, 3);
    EXPECT_NE(r.err.find("s.ski"), std::string::npos) << r.err;
    EXPECT_EQ(readFile(dir / "s.ski"), before);
    for (const auto& entry : fs::directory_iterator(dir)) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name == "s.ski" || name == "s.dat" || name == "new.gif" || name == ".s.ski.lock")
            << "left behind: " << name;
    }
}

TEST_F(Cli, ShippedDefaultSkinAnswersForEveryIdleScreenElement)
{
    const fs::path shipped = fs::path(VELASKIN_DATA_DIR) / "Default" / "Vela" / "Vela.ski";
    ASSERT_TRUE(fs::exists(shipped)) << "the shipped default skin " << shipped << " is missing";
    writeFile(dir / "s.ski", "SKI1\n");
    const std::string def = "'" + shipped.string() + "'";
    EXPECT_NE(run("get --default " + def + " s.ski rect 570").out, "-1 -1 -1 -1\n");
    EXPECT_NE(run("get --default " + def + " s.ski palette 1").out, "0 0 0 -1\n");
    const Result exported = run("export --default " + def + " s.ski out 7 630 652");
    EXPECT_EQ(exported.code, 0) << exported.err;
    EXPECT_EQ(readFile(dir / "out" / "630.gif"), readFile(dir / "out" / "652.gif"));
}

// Every verdict at once: the candidates in name order, each judged against the
// default skin's own picture (7 is 4 x 3, 630 is 5 x 5, 631 does not decode).
TEST_F(Cli, ImportJudgesEachNumberedGifAgainstTheDefaultsOwnPicture)
{
    const std::string seven = stillGif(4, 3);
    const std::string sixThirty = stillGif(5, 5);
    const std::string sevenSize = std::to_string(seven.size());
    writeFile(dir / "def.ski", testing_support::defaultSkinText(
                                   {"5 7 0 " + sevenSize + " 0", "5 630 " + sevenSize + ' ' + std::to_string(sixThirty.size()) + " 0",
                                    "5 631 " + std::to_string(seven.size() + sixThirty.size()) + " 3 0"}));
    writeFile(dir / "def.dat", seven + sixThirty + "xyz");
    writeFile(dir / "s.ski", "SKI1\n2 8 1\n");

    const fs::path in = dir / "in";
    fs::create_directories(in / "5.gif"); // a folder is never a candidate
    const std::string ownSeven = stillGif(4, 3, 1);
    const std::string ownSixThirty = stillGif(5, 5, 2);
    writeFile(in / "0007.gif", ownSeven);
    writeFile(in / "0630.gif", "GIF89a broken");
    writeFile(in / "630.gif", ownSixThirty);
    writeFile(in / "631.gif", stillGif(5, 5));
    writeFile(in / "632.gif", stillGif(5, 5));
    writeFile(in / "7.gif", stillGif(6, 3));
    writeFile(in / ".gif", stillGif(4, 3));
    writeFile(in / "abc.gif", stillGif(4, 3));
    writeFile(in / "12a.gif", stillGif(4, 3));
    writeFile(in / "630.png", stillGif(5, 5));

    const Result r = run("import --default def.ski s.ski in");
    EXPECT_EQ(r.code, 4) << r.err;
    EXPECT_EQ(r.out, ".gif no-default\n"
                     "0007.gif ok\n"
                     "0630.gif undecodable\n"
                     "630.gif ok\n"
                     "631.gif no-default\n"
                     "632.gif no-default\n"
                     "7.gif wrong-size 6 3 (default 4 3)\n");
    // The refused files are left out; the stored ones are saved, in the order stored.
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n2 8 1\n5 7 0 " + std::to_string(ownSeven.size()) + " 0\n5 630 " +
                                           std::to_string(ownSeven.size()) + ' ' +
                                           std::to_string(ownSixThirty.size()) + " 0\n");
    EXPECT_EQ(readFile(dir / "s.dat"), ownSeven + ownSixThirty);

    // A folder stands where the new data file must go: exit 3, the skin file as it was.
    writeFile(dir / "t.ski", "SKI1\n");
    fs::create_directories(dir / "t.dat");
    EXPECT_EQ(run("import --default def.ski t.ski in").code, 3);
    EXPECT_EQ(readFile(dir / "t.ski"), "SKI1\n");
}

TEST_F(Cli, ImportWithoutDefaultMatchesTheSkinsOwnPicturesAndSavesOnlyWhenSomethingWasStored)
{
    const std::string before = stillGif(4, 3);
    writeFile(dir / "s.ski", "SKI1\n5 7 0 " + std::to_string(before.size()) + " 0\n");
    writeFile(dir / "s.dat", before);
    fs::create_directories(dir / "wrong");
    writeFile(dir / "wrong" / "7.gif", stillGif(3, 4));
    fs::create_directories(dir / "none");
    writeFile(dir / "none" / "x7.gif", before);
    const ino_t untouched = inodeOf(dir / "s.ski");

    Result r = run("import s.ski wrong");
    EXPECT_EQ(r.code, 4);
    EXPECT_EQ(r.out, "7.gif wrong-size 3 4 (default 4 3)\n");
    r = run("import s.ski none");
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(r.out.empty());
    EXPECT_EQ(r.errorLines().size(), 1u) << r.err;
    EXPECT_EQ(run("import s.ski missing").code, 4);
    EXPECT_EQ(inodeOf(dir / "s.ski"), untouched);
    EXPECT_EQ(readFile(dir / "s.dat"), before);

    fs::create_directories(dir / "right");
    const std::string after = stillGif(4, 3, 2);
    writeFile(dir / "right" / "7.gif", after);
    r = run("import s.ski right");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "7.gif ok\n");
    EXPECT_EQ(readFile(dir / "s.dat"), after);

    EXPECT_EQ(run("import s.ski").code, 1);
    EXPECT_EQ(run("import absent.ski right").code, 2);
}

// With --convert, "picture set" and "import" store pictures of other formats
// as GIF; without it they keep to the bytes as given and to GIF files.
TEST_F(Cli, ConvertStoresOtherFormatsAsGifAndWithoutItNothingChanges)
{
    const std::string seven = stillGif(4, 3);
    const std::string sixThirty = stillGif(5, 5);
    writeFile(dir / "def.ski", testing_support::defaultSkinText(
                                   {"5 7 0 " + std::to_string(seven.size()) + " 0",
                                    "5 630 " + std::to_string(seven.size()) + ' ' + std::to_string(sixThirty.size()) + " 0"}));
    writeFile(dir / "def.dat", seven + sixThirty);
    const auto pictureFile = [](int width, int height, const char* format) {
        QImage image(width, height, QImage::Format_ARGB32);
        image.fill(qRgba(10, 200, 30, 255));
        image.setPixel(0, 0, qRgba(0, 0, 0, 0));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, format);
        return bytes.toStdString();
    };
    const std::string png = pictureFile(5, 5, "PNG");
    writeFile(dir / "key.png", png);
    writeFile(dir / "notes.txt", "not a picture");
    writeFile(dir / "s.ski", "SKI1\n");
    const auto storedPicture = [this](int id) { return run("picture get s.ski " + std::to_string(id) + " -").out; };

    EXPECT_EQ(run("picture set s.ski 631 key.png").code, 0);
    EXPECT_EQ(storedPicture(631), png);
    const Result set = run("picture set --convert s.ski 630 key.png");
    EXPECT_EQ(set.code, 0) << set.err;
    const std::string gif = storedPicture(630);
    const QImage shown = QImage::fromData(QByteArray::fromStdString(gif)).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(gif.rfind("GIF89a", 0), 0u);
    EXPECT_EQ(shown.size(), QSize(5, 5));
    EXPECT_EQ(shown.pixel(0, 0), 0u);
    EXPECT_EQ(shown.pixel(4, 4), qRgb(10, 200, 30));
    EXPECT_EQ(run("picture set --convert s.ski 632 notes.txt").code, 4);
    EXPECT_EQ(storedPicture(632), "");

    fs::create_directories(dir / "in");
    writeFile(dir / "in" / "630.png", png);
    writeFile(dir / "in" / "7.bmp", pictureFile(4, 3, "BMP"));
    writeFile(dir / "in" / "0631.jpg", pictureFile(6, 6, "JPEG"));
    writeFile(dir / "in" / "9999.png", png);
    writeFile(dir / "t.ski", "SKI1\n");
    Result r = run("import --default def.ski t.ski in");
    EXPECT_EQ(r.code, 4);
    EXPECT_TRUE(r.out.empty()) << r.out;
    EXPECT_EQ(readFile(dir / "t.ski"), "SKI1\n");
    r = run("import --default def.ski --convert t.ski in");
    EXPECT_EQ(r.code, 4) << r.err;
    EXPECT_EQ(r.out, "0631.jpg no-default\n630.png ok\n7.bmp ok\n9999.png no-default\n");
    EXPECT_EQ(run("picture get t.ski 630 -").out, gif);
    EXPECT_EQ(run("picture get t.ski 7 -").out.rfind("GIF8", 0), 0u);
}

TEST_F(Cli, GifListsTheFramesThatWouldPlay)
{
    writeBytes(dir / "anim.gif", GifBuilder(20, 10)
                                     .looping()
                                     .add(GifBuilder::frame(0, 0, 20, 10, 0, 10, 1))
                                     .add(GifBuilder::frame(3, 4, 5, 6, 0, -1, 0))
                                     .add(GifBuilder::frame(15, 5, 10, 10, 0, 300, 2))
                                     .build());
    const Result r = run("gif anim.gif");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(r.out, "screen 20 10\n"
                     "frames 3\n"
                     "frame 0 0 0 20 10 10 1\n"
                     "frame 1 3 4 5 6 -1 0\n"
                     "frame 2 15 5 10 10 300 2\n");
}

TEST_F(Cli, GifOfStillPicturesAndFailures)
{
    writeBytes(dir / "still.gif", GifBuilder(7, 3).add(GifBuilder::frame(0, 0, 7, 3, 0, 5, 0)).build());
    const Result still = run("gif still.gif");
    EXPECT_EQ(still.code, 0);
    EXPECT_EQ(still.out, "screen 7 3\nstill\n");

    writeBytes(dir / "garbage.gif", {'G', 'I', 'F', '8', '9', 'a', 1, 2, 3});
    const Result broken = run("gif garbage.gif");
    EXPECT_EQ(broken.code, 4);
    EXPECT_TRUE(broken.out.empty());
    ASSERT_EQ(broken.errorLines().size(), 1u) << broken.err;
    EXPECT_EQ(broken.errorLines()[0].rfind("velaskin-cli: garbage.gif: ", 0), 0u);

    const Result absent = run("gif missing.gif");
    EXPECT_EQ(absent.code, 4);
    ASSERT_EQ(absent.errorLines().size(), 1u) << absent.err;
    EXPECT_EQ(absent.errorLines()[0].rfind("velaskin-cli: missing.gif: ", 0), 0u);

    EXPECT_EQ(run("gif").code, 1);
    EXPECT_EQ(run("gif garbage.gif garbage.gif").code, 1);
}

TEST_F(Cli, ChangingCommandsWaitForTheSkinsLockThenExitThree)
{
    writeFile(dir / "s.ski", "SKI1\n2 8 1\n");
    writeFile(dir / "new.gif", "GIF89a");
    options.environment = {"VELASKIN_LOCK_WAIT=200"};
    {
        const SkinLock held((dir / "s.ski").string());
        for (const char* command :
             {"set s.ski number 8 2", "picture set s.ski 1 new.gif", "new --default s.ski s.ski", "import s.ski ."}) {
            const Result r = run(command);
            EXPECT_EQ(r.code, 3) << command;
            ASSERT_EQ(r.errorLines().size(), 1u) << r.err;
            EXPECT_EQ(r.errorLines()[0], "velaskin-cli: s.ski: another program is changing this skin; nothing saved");
        }
        // Loads wait as long, then say why.
        const Result r = run("info s.ski");
        EXPECT_EQ(r.code, 2);
        ASSERT_EQ(r.errorLines().size(), 1u) << r.err;
        EXPECT_EQ(r.errorLines()[0], "velaskin-cli: s.ski: the skin is locked by another program");
    }
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n2 8 1\n");
    EXPECT_EQ(run("set s.ski number 8 2").code, 0);
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n2 8 2\n");
}

TEST_F(Cli, TwoProcessesSettingPicturesInALoopNeverMixTheirFiles)
{
    // Picture 2 lies after picture 1, which the two loops set to pictures of
    // different sizes: a skin file of one save with the data file of another
    // misplaces picture 2. Each loop reads it back after every save.
    const auto gif = [](int width) { return GifBuilder(width, 3).add(GifBuilder::frame(0, 0, width, 3, 1)).build(); };
    writeBytes(dir / "a.gif", gif(40));
    writeBytes(dir / "b.gif", gif(9));
    writeBytes(dir / "c.gif", gif(5));
    writeFile(dir / "s.ski", "SKI1\n");
    ASSERT_EQ(run("picture set s.ski 1 a.gif").code, 0);
    ASSERT_EQ(run("picture set s.ski 2 c.gif").code, 0);
    // Two loops at once, as two scripts would run them.
    const auto loop = [this](const char* picture) {
        for (int i = 0; i < 12; ++i) {
            if (run(std::string("picture set s.ski 1 ") + picture).code != 0)
                return 1;
            if (run("picture get s.ski 2 -").out != readFile(dir / "c.gif"))
                return 2;
        }
        return 0;
    };
    auto a = std::async(std::launch::async, loop, "a.gif");
    auto b = std::async(std::launch::async, loop, "b.gif");
    EXPECT_EQ(std::to_string(a.get()) + std::to_string(b.get()), "00");
    EXPECT_EQ(run("picture get s.ski 2 -").out, readFile(dir / "c.gif"));
    const std::string first = run("picture get s.ski 1 -").out;
    EXPECT_TRUE(first == readFile(dir / "a.gif") || first == readFile(dir / "b.gif"));
}

TEST_F(Cli, OutputsReplaceOnlyRegularFilesAndDashIsStandardOutput)
{
    writeFile(dir / "s.ski", "SKI1\n5 1 0 4 0\n");
    writeFile(dir / "s.dat", "GIF!");
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    fs::create_directories(dir / "out");
    ASSERT_EQ(::mkfifo((dir / "out" / "1.gif").c_str(), 0600), 0);
    writeFile(dir / "real.gif", "old");
    fs::create_symlink("real.gif", dir / "link.gif");

    EXPECT_EQ(run("picture get s.ski 1 pipe").code, 3);
    EXPECT_EQ(fs::status(dir / "pipe").type(), fs::file_type::fifo);
    EXPECT_EQ(run("export s.ski out").code, 3);
    EXPECT_EQ(fs::status(dir / "out" / "1.gif").type(), fs::file_type::fifo);
    EXPECT_EQ(run("picture get s.ski 1 /dev/null").code, 3);
    EXPECT_EQ(fs::status("/dev/null").type(), fs::file_type::character);

    EXPECT_EQ(run("picture get s.ski 1 link.gif").code, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "link.gif"));
    EXPECT_EQ(readFile(dir / "real.gif"), "GIF!");
    const Result out = run("picture get s.ski 1 -");
    EXPECT_EQ(out.code, 0);
    EXPECT_EQ(out.out, "GIF!");
}

TEST_F(Cli, ListItemsPastTheCountAndUnstorableRectanglesAreRefused)
{
    std::string before = "SKI1\n0 41 98\n";
    for (int i = 1; i <= 98; ++i)
        before += "4 " + std::to_string(i) + " 0 0 0\n";
    before += "6 1015 /a/mobile/picture/sea.gif\n0 300 2\n1 0 0 9 9\n1 10 10 19 19\n5 7 0 0 0\n";
    writeFile(dir / "s.ski", before);
    writeFile(dir / "s.dat", "");
    for (const char* command : {"set s.ski palette 99 1 2 3 0", "set s.ski palette 0 1 2 3 0",
                                "set s.ski listrect 300 3 0 0 5 5", "set s.ski rect 6 0 0 -2147483648 5",
                                "set s.ski listrect 300 1 0 0 5 -2147483648"}) {
        const Result r = run(command);
        EXPECT_EQ(r.code, 4) << command;
        EXPECT_EQ(r.errorLines().size(), 1u) << r.err;
    }
    EXPECT_EQ(readFile(dir / "s.ski"), before);
    EXPECT_EQ(run("get s.ski palette 99").out, "0 0 0 -1\n");
    EXPECT_EQ(run("set s.ski palette 98 1 2 3 0").code, 0);
    EXPECT_EQ(run("get s.ski palette 98").out, "1 2 3 0\n");
}

TEST_F(Cli, ReadOnlySkinsLoadAndRefuseToBeSaved)
{
    writeFile(dir / "s.ski", "SKI1\n5 1 0 2 0\n");
    writeFile(dir / "s.dat", "ab");
    writeFile(dir / "new.gif", "GIF89a");
    fs::create_directories(dir / "ro");
    writeFile(dir / "ro" / "r.ski", "SKI1\n2 8 1\n");
    fs::permissions(dir / "s.ski", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::permissions(dir / "ro", fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    runUnprivileged();
    EXPECT_EQ(run("info s.ski").out, "lines 2\ndatafiles 1\ndata 0 2\npictures 1\nwallpaper \n");
    EXPECT_EQ(run("get ro/r.ski number 8").out, "1\n");
    EXPECT_EQ(run("picture set s.ski 1 new.gif").code, 3);
    EXPECT_EQ(run("set ro/r.ski number 8 2").code, 3);
    EXPECT_EQ(readFile(dir / "s.ski"), "SKI1\n5 1 0 2 0\n");
    EXPECT_EQ(readFile(dir / "s.dat"), "ab");
    EXPECT_EQ(readFile(dir / "ro" / "r.ski"), "SKI1\n2 8 1\n");
}

TEST_F(Cli, SkinsAreSavedToTheExactFileLoadedAlsoThroughLinks)
{
    writeFile(dir / "Vela.SKI", "SKI1\n2 8 1\n");
    EXPECT_EQ(run("set Vela.SKI number 8 2").code, 0);
    EXPECT_EQ(readFile(dir / "Vela.SKI"), "SKI1\n2 8 2\n");
    EXPECT_FALSE(fs::exists(dir / "Vela.ski"));

    fs::create_directories(dir / "real");
    writeFile(dir / "real" / "s.ski", "SKI1\n5 1 0 2 0\n");
    writeFile(dir / "real" / "s.dat", "ab");
    writeFile(dir / "new.gif", "GIF89a");
    fs::create_symlink("real/s.ski", dir / "s.ski");
    fs::create_symlink("real/s.dat", dir / "s.dat");
    EXPECT_EQ(run("picture set s.ski 1 new.gif").code, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "s.ski"));
    EXPECT_TRUE(fs::is_symlink(dir / "s.dat"));
    EXPECT_EQ(readFile(dir / "real" / "s.ski"), "SKI1\n5 1 0 6 0\n");
    EXPECT_EQ(readFile(dir / "real" / "s.dat"), "GIF89a");
}

TEST_F(Cli, WhatLiesBesideTheSkinGetsAMessageNeverAHangOrAnUnlockedSave)
{
    struct Case {
        const char* what;
        std::function<void()> make;
        const char* command;
        int code;
        const char* message; // a part of the one error line
    };
    const auto sparse = [this](const char* name, std::uintmax_t size) {
        writeFile(dir / name, "GIF8");
        fs::resize_file(dir / name, size);
    };
    const Case cases[] = {
        {"a link at the lock file's name", [this] { fs::create_symlink("elsewhere", dir / ".s.ski.lock"); },
         "picture set s.ski 1 new.gif", 3, ".s.ski.lock"},
        {"a link at the lock file's name, loading", [this] { fs::create_symlink("elsewhere", dir / ".s.ski.lock"); },
         "info s.ski", 2, ".s.ski.lock"},
        {"a pipe at the lock file's name", [this] { ::mkfifo((dir / ".s.ski.lock").c_str(), 0666); }, "info s.ski", 2,
         ".s.ski.lock"},
        {"a folder at the journal's name", [this] { fs::create_directory(dir / ".s.ski.commit"); },
         "picture set s.ski 1 new.gif", 3, ".s.ski.commit is in the way"},
        {"a folder at the journal's name, loading", [this] { fs::create_directory(dir / ".s.ski.commit"); },
         "info s.ski", 0, nullptr},
        {"data files larger than a load may hold", [&] {
             writeFile(dir / "s.ski", "SKI1\n5 1 0 2 0\n5 2 0 4 3\n");
             for (const char* name : {"s.dat", "s1.dat", "s2.dat", "s3.dat"})
                 sparse(name, std::uintmax_t(1) << 30);
         },
         "info s.ski", 2, "the skin is too large to load"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto& entry : fs::directory_iterator(dir))
            fs::remove_all(entry.path());
        writeFile(dir / "s.ski", "SKI1\n5 1 0 2 0\n");
        writeFile(dir / "s.dat", "ab");
        writeFile(dir / "elsewhere", "precious");
        writeFile(dir / "new.gif", "GIF89a");
        c.make();
        const std::string skinBefore = readFile(dir / "s.ski");
        const Result r = run(c.command);
        EXPECT_EQ(r.code, c.code) << r.err;
        if (c.message) {
            ASSERT_EQ(r.errorLines().size(), 1u) << r.err;
            EXPECT_NE(r.errorLines()[0].find(c.message), std::string::npos) << r.errorLines()[0];
        }
        EXPECT_EQ(readFile(dir / "s.ski"), skinBefore);
        EXPECT_EQ(readFile(dir / "elsewhere"), "precious");
    }
}

TEST_F(Cli, RunningOutOfMemoryIsAnExitCodeNeverACrash)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers need more address space than the limit leaves";
#endif
    // A data file of 240 MiB: within what a load may hold, beyond what the
    // address space allows once a change reads it whole.
    writeFile(dir / "s.ski", "SKI1\n5 1 0 2 0\n5 2 0 4 3\n");
    for (const char* name : {"s.dat", "s1.dat", "s2.dat", "s3.dat"})
        writeFile(dir / name, "GIF8");
    fs::resize_file(dir / "s.dat", std::uintmax_t(240) << 20);
    writeFile(dir / "p.gif", "GIF89a");
    options.launcher = {"sh", "-c", "ulimit -v 200000 && exec \"$0\" \"$@\""};
    EXPECT_EQ(run("info s.ski").code, 0);
    const Result r = run("picture set s.ski 1 p.gif");
    EXPECT_EQ(r.code, 3) << r.err;
    ASSERT_EQ(r.errorLines().size(), 1u) << r.err;
    EXPECT_EQ(r.errorLines()[0], "velaskin-cli: s.ski: not enough memory; nothing saved");
}

TEST_F(Cli, PictureSetWithThePicturesOwnBytesWritesNothing)
{
    writeFile(dir / "s.ski", "SKI1\n5 1 0 6 0\n5 2 6 2 0\n");
    writeFile(dir / "s.dat", "GIF89aok");
    writeFile(dir / "same.gif", "GIF89a");
    const ino_t skin = inodeOf(dir / "s.ski");
    const ino_t data = inodeOf(dir / "s.dat");
    EXPECT_EQ(run("picture set s.ski 1 same.gif").code, 0);
    EXPECT_EQ(run("set s.ski number 8 1").code, 0);
    EXPECT_EQ(inodeOf(dir / "s.dat"), data);
    EXPECT_NE(inodeOf(dir / "s.ski"), skin);
    const ino_t changed = inodeOf(dir / "s.ski");
    EXPECT_EQ(run("set s.ski number 8 1").code, 0);
    EXPECT_EQ(inodeOf(dir / "s.ski"), changed);
    EXPECT_EQ(readFile(dir / "s.dat"), "GIF89aok");
}

TEST_F(Cli, NewSkinWithAnEmptyPictureLoadsAgain)
{
    writeDefaultSkin();
    writeFile(dir / "empty.gif", "");
    ASSERT_EQ(run("new --default def.ski n.ski").code, 0);
    EXPECT_EQ(run("picture set n.ski 630 empty.gif").code, 0);
    const Result r = run("info n.ski");
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_NE(r.out.find("data 0 0\npictures 1\n"), std::string::npos) << r.out;
}

} // namespace
