// velaskin-cli check: one crafted skin per kind of finding, run as a script
// would, with the lines and codes it prints and its exit codes.

#include "DefaultSkinText.h"
#include "GifBuilder.h"
#include "ProgramRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using testing_support::readFile;
using testing_support::writeFile;

std::string gif(int width, int height)
{
    const std::vector<std::uint8_t> bytes =
        GifBuilder(width, height).add(GifBuilder::frame(0, 0, width, height, 1)).build();
    return {bytes.begin(), bytes.end()};
}

const std::string square = gif(4, 4);
const std::string wide = gif(5, 3);
const std::string squareSize = std::to_string(square.size());
const std::string wideSize = std::to_string(wide.size());

struct CheckRun : testing_support::ProgramResult {
    // "LINE: CODE" of every line printed.
    std::vector<std::string> lineCodes() const
    {
        std::vector<std::string> codes;
        std::istringstream text(out);
        for (std::string line; std::getline(text, line);)
            codes.push_back(line.substr(0, line.find(':', line.find(':') + 1)));
        return codes;
    }
};

class CheckCli : public ::testing::Test {
protected:
    CheckRun check(const std::string& arguments) const { return {testing_support::runCli(dir, "check " + arguments)}; }

    // A default skin the tool accepts, with picture 630, a square GIF.
    void writeDefaultSkin()
    {
        writeFile(dir / "def.ski", testing_support::defaultSkinText({"5 630 0 " + squareSize + " 0"}));
        writeFile(dir / "def.dat", square);
    }

    testing_support::TempFolder folder;
    const fs::path dir = folder.root();
};

struct Case {
    const char* name;
    std::string skin;
    std::map<std::string, std::string> dataFiles;
    std::vector<std::string> expected; // "LINE: CODE" in the order printed
};

} // namespace

TEST_F(CheckCli, EachKindOfFindingIsReportedOnItsLineInLineOrder)
{
    const std::string longTail(300, ' ');
    const std::vector<Case> cases = {
        {"malformed",
         "SKI1\n2 5 8\n1 6 1 2 3\n2 05 3\n3 7 maybe\n2 9 x\n0 300 -1\n4 1 1 2 3\n0 301 1\n1 a b\n6 1015 \n",
         {},
         {"3: malformed", "4: malformed", "5: malformed", "6: malformed", "7: malformed", "8: malformed",
          "10: malformed", "11: malformed"}},
        {"unknown-type",
         "SKI1\n7 1 2\n\n; note\n27 5 8\n2 5 8" + longTail + "\n2 6 1\n",
         {},
         {"2: unknown-type", "3: unknown-type", "4: unknown-type", "5: unknown-type", "6: unknown-type"}},
        {"duplicate: a list item answers the key first, and a second record",
         "SKI1\n0 300 1\n1 10 20 30 40\n1 10 0 0 5 5\n2 4 1\n2 4 2\n",
         {},
         {"4: duplicate", "6: duplicate"}},
        {"list-short", "SKI1\n2 1 1\n0 300 3\n1 0 0 9 9\n", {}, {"3: list-short"}},
        {"picture-range",
         "SKI1\n5 3 0 " + squareSize + " 0\n5 1 2 " + squareSize + " 0\n5 2 0 4 -1\n",
         {{"s.dat", square}},
         {"3: picture-range", "4: picture-range"}},
        {"picture-undecodable, but an empty picture is none",
         "SKI1\n5 3 0 " + squareSize + " 0\n5 4 " + squareSize + " 4 0\n5 5 " + squareSize + " 0 0\n",
         {{"s.dat", square + "junk"}},
         {"3: picture-undecodable"}},
        {"rect-outside, only for the idle screen's rectangles",
         "SKI1\n1 570 0 0 175 219\n1 571 10 10 9 20\n1 574 -1 0 10 10\n1 658 100 200 180 210\n1 9999 -5 -5 -9 -9\n",
         {},
         {"3: rect-outside", "4: rect-outside", "5: rect-outside"}},
        {"colour-range, palette items included",
         "SKI1\n4 595 256 0 0 0\n4 596 0 0 0 -1\n4 597 0 0 0 255\n0 41 2\n4 1 2 3 0\n4 1 2 3 300\n",
         {},
         {"2: colour-range", "3: colour-range", "7: colour-range"}},
        {"wallpaper-missing", "SKI1\n2 1 1\n6 1015 /a/mobile/picture/gone.gif\n", {}, {"3: wallpaper-missing"}},
        {"unused-data, once per data file",
         "SKI1\n5 3 0 " + squareSize + " 0\n5 4 0 0 1\n",
         {{"s.dat", square + "1234567"}, {"s1.dat", "abc"}},
         {"0: unused-data", "0: unused-data"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const auto& name : folder.names())
            fs::remove(dir / name);
        writeFile(dir / "s.ski", c.skin);
        for (const auto& [name, bytes] : c.dataFiles)
            writeFile(dir / name, bytes);
        const CheckRun run = check("s.ski");
        EXPECT_EQ(run.code, 4) << run.err;
        EXPECT_EQ(run.lineCodes(), c.expected) << run.out;
    }
}

// Every code that applies to a line is printed: a picture the default skin
// lacks is unknown also when its bytes do not decode or lie outside the data.
TEST_F(CheckCli, WithTheDefaultSkinPicturesAreComparedWithItsPictures)
{
    writeDefaultSkin();
    writeFile(dir / "s.ski", "SKI1\n5 630 0 " + wideSize + " 0\n5 777 0 " + wideSize + " 0\n5 631 0 0 0\n5 778 " +
                                 wideSize + " 4 0\n5 779 0 999 0\n5 630 " + wideSize + " 4 0\n");
    writeFile(dir / "s.dat", wide + "junk");

    const CheckRun run = check("--default def.ski s.ski");
    EXPECT_EQ(run.code, 4) << run.err;
    EXPECT_EQ(run.out, "2: picture-size: Picture 630 is 5 x 3 pixels; the default skin's picture is 4 x 4.\n"
                       "3: picture-unknown: The default skin has no picture 777.\n"
                       "5: picture-undecodable: Picture 778 does not decode as a picture.\n"
                       "5: picture-unknown: The default skin has no picture 778.\n"
                       "6: picture-range: Picture 779 lies outside its data: 999 bytes from offset 0 of data file 0, "
                       "which holds " + std::to_string(wide.size() + 4) + " bytes.\n"
                       "6: picture-unknown: The default skin has no picture 779.\n"
                       "7: duplicate: Record \"5 630\" is already set on line 2; this line is never read.\n"
                       "7: picture-undecodable: Picture 630 does not decode as a picture.\n");
    // Without it neither size nor knowledge can be told.
    EXPECT_EQ(check("s.ski").lineCodes(), std::vector<std::string>({"5: picture-undecodable", "6: picture-range",
                                                                    "7: duplicate", "7: picture-undecodable"}));
}

// Data files that no record names stay beside the skin (a save leaves them as
// they are): their bytes belong to no picture. Files of other skins beside it
// ("s1.ski" owns "s1.dat" and "s12.dat") and empty files are none.
TEST_F(CheckCli, DataFilesLeftBesideTheSkinAreUnusedData)
{
    writeFile(dir / "p.gif", square);
    writeFile(dir / "s.ski", "SKI1\n");
    ASSERT_EQ(testing_support::runCli(dir, "picture set s.ski 630 p.gif").code, 0);
    ASSERT_EQ(testing_support::runCli(dir, "picture remove s.ski 630").code, 0);
    ASSERT_EQ(readFile(dir / "s.dat"), square);
    CheckRun run = check("s.ski");
    EXPECT_EQ(run.code, 4) << run.err;
    EXPECT_EQ(run.out, "0: unused-data: " + squareSize + " bytes of data file 0 (s.dat) belong to no picture.\n");

    writeFile(dir / "s.ski", "SKI1\n5 3 0 " + squareSize + " 0\n");
    writeFile(dir / "s.dat", square + "12");
    for (const char* name : {"s1.dat", "s12.dat", "s3.dat", "s05.dat", "S4.dat", "s4.dat.bak"})
        writeFile(dir / name, "abc");
    writeFile(dir / "s1.SKI", "SKI1\n");
    writeFile(dir / "s7.dat", "");
    fs::create_directories(dir / "s8.dat");
    run = check("s.ski");
    EXPECT_EQ(run.code, 4) << run.err;
    EXPECT_EQ(run.out, "0: unused-data: 2 bytes of data file 0 (s.dat) belong to no picture.\n"
                       "0: unused-data: 3 bytes of data file 3 (s3.dat) belong to no picture.\n");
}

TEST_F(CheckCli, TextsNameTheRecordAndWhereItWasSetFirst)
{
    writeFile(dir / "s.ski", "SKI1\n0 300 1\n1 10 20 30 40\n1 10 0 0 5 5\n0 301 4\n1 0 0 1 1\n");
    const CheckRun run = check("s.ski");
    EXPECT_EQ(run.out, "4: duplicate: Record \"1 10\" is already set on line 3; this line is never read.\n"
                       "5: list-short: List \"0 301\" counts 4 items, but the skin ends 1 line(s) after it.\n");
}

TEST_F(CheckCli, ShippedDefaultSkinIsCleanAgainstItselfAndExitCodesTellTheOutcome)
{
    const fs::path shipped = fs::path(VELASKIN_DATA_DIR) / "Default" / "Vela";
    for (const auto& entry : fs::directory_iterator(shipped))
        fs::copy_file(entry.path(), dir / entry.path().filename());
    CheckRun run = check("--default Vela.ski Vela.ski");
    EXPECT_EQ(run.code, 0) << run.out << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(check("Vela.ski").code, 0);

    run = check("missing.ski");
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("velaskin-cli: missing.ski: cannot open"), std::string::npos) << run.err;
    writeFile(dir / "bad.ski", "ABC\n");
    EXPECT_EQ(check("--default bad.ski Vela.ski").code, 2);
    EXPECT_EQ(check("").code, 1);
    EXPECT_EQ(check("Vela.ski extra").code, 1);
}
