// velaskin-cli render: the idle screen as a PNG file, its options and exit
// codes, run as a script would, without a display.

#include "ProgramRun.h"
#include "TempFolder.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

using testing_support::readFile;
using testing_support::writeFile;

const fs::path shippedFolder = fs::path(VELASKIN_DATA_DIR) / "Default" / "Vela";

class RenderCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(shippedFolder / "Vela.ski"))
            << "the shipped default skin " << shippedFolder / "Vela.ski" << " is missing";
        // The skin with its data files and its wallpaper, in the working folder.
        for (const auto& entry : fs::directory_iterator(shippedFolder))
            fs::copy_file(entry.path(), dir / entry.path().filename());
    }

    // The tool's exit code, run in the test folder with no display at all.
    int render(const std::string& arguments)
    {
        last = testing_support::runCli(dir, "render " + arguments, noDisplay);
        return last.code;
    }

    // What the last run wrote on standard output and standard error.
    const std::string& output() const { return last.out; }
    const std::string& errors() const { return last.err; }

    QImage image(const std::string& name) const
    {
        return QImage(QString::fromStdString((dir / name).string())).convertToFormat(QImage::Format_RGB32);
    }

    testing_support::TempFolder folder;
    const fs::path dir = folder.root();
    const testing_support::ProgramOptions noDisplay{{"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}, {}};
    testing_support::ProgramResult last;
};

} // namespace

TEST_F(RenderCli, WritesTheScreenWithoutADisplayAndEveryOptionShows)
{
    ASSERT_EQ(render("Vela.ski plain.png"), 0) << errors();
    const QImage plain = image("plain.png");
    ASSERT_EQ(plain.size(), QSize(176, 220));
    EXPECT_TRUE(output().empty());

    // The built-in captions are those of the shipped English language file.
    ASSERT_EQ(render("Vela.ski english.png --joypad --lng '" VELASKIN_DATA_DIR "/Lng/English.lng'"), 0) << errors();
    ASSERT_EQ(render("--joypad Vela.ski builtin.png"), 0) << errors();
    EXPECT_EQ(image("english.png"), image("builtin.png"));
    ASSERT_EQ(render("Vela.ski german.png --joypad --lng '" VELASKIN_DATA_DIR "/Lng/Deutsch.lng'"), 0) << errors();
    EXPECT_NE(image("german.png"), image("builtin.png"));

    int n = 0;
    for (const char* option : {"--analog", "--no-wallpaper", "--joypad", "--left 1", "--left 2", "--right 1",
                               "--right 2", "--centre 1", "--centre 2", "--centre 3", "--focus-rects"}) {
        const std::string out = "option" + std::to_string(n++) + ".png";
        ASSERT_EQ(render("Vela.ski " + out + " " + option), 0) << option << errors();
        EXPECT_NE(image(out), plain) << option;
    }
}

TEST_F(RenderCli, ScaleEnlargesByWholePixels)
{
    ASSERT_EQ(render("Vela.ski one.png --analog"), 0) << errors();
    ASSERT_EQ(render("Vela.ski three.png --analog --scale 3"), 0) << errors();
    const QImage one = image("one.png");
    const QImage three = image("three.png");
    ASSERT_EQ(three.size(), QSize(3 * 176, 3 * 220));
    for (int y = 0; y < three.height(); ++y)
        for (int x = 0; x < three.width(); ++x)
            ASSERT_EQ(three.pixel(x, y), one.pixel(x / 3, y / 3)) << x << "," << y;
}

// An edited skin that holds nothing but the palette shows its default skin.
TEST_F(RenderCli, EditedSkinOverItsDefaultSkin)
{
    ASSERT_EQ(render("Vela.ski own.png"), 0) << errors();
    ASSERT_EQ(testing_support::runCli(dir, "new --default Vela.ski edited.ski").code, 0);
    ASSERT_EQ(render("--default Vela.ski edited.ski edited.png"), 0) << errors();
    EXPECT_EQ(image("edited.png"), image("own.png"));

    // The default skin must be one the editor accepts.
    writeFile(dir / "short.ski", "SKI1\n2 8 1\n");
    EXPECT_EQ(render("--default short.ski edited.ski refused.png"), 2);
    EXPECT_FALSE(fs::exists(dir / "refused.png"));
}

TEST_F(RenderCli, UsageLoadAndWriteFailures)
{
    for (const char* arguments :
         {"", "Vela.ski", "Vela.ski a.png b.png", "Vela.ski a.png --bogus", "Vela.ski a.png --left 3",
          "Vela.ski a.png --right -1", "Vela.ski a.png --centre 4", "Vela.ski a.png --left", "Vela.ski a.png --scale 0",
          "Vela.ski a.png --scale 17", "Vela.ski a.png --scale x", "Vela.ski a.png --lng"}) {
        EXPECT_EQ(render(arguments), 1) << arguments;
        EXPECT_FALSE(fs::exists(dir / "a.png")) << arguments;
    }
    EXPECT_EQ(render("missing.ski a.png"), 2);
    EXPECT_EQ(render("Vela.ski a.png --lng missing.lng"), 2);
    EXPECT_NE(errors().find("missing.lng"), std::string::npos) << errors();
    EXPECT_FALSE(fs::exists(dir / "a.png"));

    EXPECT_EQ(render("Vela.ski no/such/folder/a.png"), 3);
    EXPECT_NE(errors().find("no/such/folder/a.png"), std::string::npos) << errors();
}

// "-" writes the picture to standard output; a device is never replaced by a file.
TEST_F(RenderCli, DashIsStandardOutputAndDevicesStayDevices)
{
    ASSERT_EQ(render("Vela.ski file.png"), 0) << errors();
    ASSERT_EQ(render("Vela.ski -"), 0) << errors();
    EXPECT_EQ(output(), readFile(dir / "file.png"));

    fs::create_directory(dir / "dev");
    const std::string fifo = (dir / "dev" / "pipe").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(render("Vela.ski '" + fifo + "'"), 3);
    EXPECT_TRUE(fs::is_fifo(fifo));
}
