// The shipped data is generated: running the generators again must give the
// committed files byte for byte (same bytes on every run and machine).

#include "GifProbe.h"
#include "ProgramRun.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>


namespace fs = std::filesystem;

namespace {

using testing_support::readFileBytes;
using testing_support::TempFolder;

// The generator's exit code; it writes into folder.
int run(const std::string& program, const fs::path& folder)
{
    return testing_support::runProgram({}, {program, folder.string()}).code;
}

std::set<std::string> fileNames(const fs::path& folder)
{
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file())
            names.insert(entry.path().filename().string());
    return names;
}

void expectSameBytes(const fs::path& generated, const fs::path& committed)
{
    ASSERT_TRUE(fs::exists(committed)) << committed << " is not committed";
    EXPECT_TRUE(readFileBytes(generated.string()) == readFileBytes(committed.string()))
        << committed << " differs from what the generator writes now; run it again and commit its output";
}

} // namespace

TEST(Generators, DefaultSkinIsReproducedByteForByte)
{
    TempFolder out;
    ASSERT_EQ(run(MAKE_DEFAULT_SKIN, out.root()), 0);
    const fs::path shipped = fs::path(VELASKIN_DATA_DIR) / "Default" / "Vela";
    const auto names = fileNames(out.root());
    EXPECT_EQ(names, (std::set<std::string>{"Vela.ski", "Vela.dat", "Vela1.dat", "VelaWall.gif"}));
    EXPECT_EQ(fileNames(shipped), names) << "the shipped folder holds other files than the generator writes";
    for (const auto& name : names)
        expectSameBytes(out.root() / name, shipped / name);
}

TEST(Generators, ProgramArtworkIsReproducedByteForByte)
{
    TempFolder out;
    ASSERT_EQ(run(MAKE_RESOURCES, out.root()), 0);
    const auto names = fileNames(out.root());
    EXPECT_EQ(names, (std::set<std::string>{"velaskin-32.gif", "velaskin-16.gif", "velaskin-16.png", "velaskin-32.png",
                                            "velaskin-64.png", "toolbar-new.gif", "toolbar-open.gif", "toolbar-save.gif",
                                            "toolbar-about.gif", "toolbar-undo.gif", "toolbar-redo.gif", "statusbar.gif"}));
    for (const auto& name : names)
        expectSameBytes(out.root() / name, fs::path(VELASKIN_RESOURCES_DIR) / name);
}

TEST(Generators, RefuseAMissingOutputFolderArgument)
{
    EXPECT_NE(testing_support::runProgram({}, {MAKE_DEFAULT_SKIN}).code, 0);
    EXPECT_NE(testing_support::runProgram({}, {MAKE_RESOURCES}).code, 0);
}

TEST(ProgramArtwork, PicturesHaveTheSizesTheWindowExpects)
{
    struct Expected {
        const char* name;
        int width;
        int height;
        bool transparent;
    };
    const Expected pictures[] = {{"velaskin-32.gif", 32, 32, true},   {"velaskin-16.gif", 16, 16, true},
                                 {"toolbar-new.gif", 18, 21, true},   {"toolbar-open.gif", 18, 21, true},
                                 {"toolbar-save.gif", 18, 21, true},  {"toolbar-about.gif", 18, 21, true},
                                 {"statusbar.gif", 176, 15, false}};
    for (const auto& expected : pictures) {
        SCOPED_TRACE(expected.name);
        const auto bytes = readFileBytes((fs::path(VELASKIN_RESOURCES_DIR) / expected.name).string());
        const GifProbe gif = GifProbe::inspect(bytes);
        ASSERT_TRUE(gif.decoded) << gif.error;
        EXPECT_EQ(gif.version, "GIF89a");
        EXPECT_EQ(gif.width, expected.width);
        EXPECT_EQ(gif.height, expected.height);
        ASSERT_EQ(gif.frames.size(), 1u);
        EXPECT_EQ(gif.frames[0].transparent >= 0, expected.transparent);
        if (expected.height == 21) {
            EXPECT_LE(gif.colours, 16) << "toolbar images use 16 colours";
        }
    }
}
