// The small raster, GIF and skin-writing module the generators are built on.

#include "GifProbe.h"
#include "TempFolder.h"

#include "GifWriter.h"
#include "Palette.h"
#include "PngWriter.h"
#include "Raster.h"
#include "SkinWriter.h"

#include <QImage>

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>


namespace fs = std::filesystem;

namespace {

Palette threeColours()
{
    Palette palette;
    palette.add({255, 0, 255});
    palette.add({0, 0, 0});
    palette.add({255, 255, 255});
    return palette;
}

} // namespace

TEST(GifWriter, AnimationKeepsFramePlacesDelaysAndDisposals)
{
    GifWriter gif(20, 10, threeColours());
    gif.setTransparentIndex(0);
    gif.addFrame(Raster(20, 10, 1), 50, GifWriter::Keep);
    gif.addFrame(Raster(4, 3, 2), 20, GifWriter::RestorePrevious, 5, 6);
    gif.addFrame(Raster(20, 10, 2), 90, GifWriter::RestoreBackground);
    const GifProbe probe = GifProbe::inspect(gif.encode());
    ASSERT_TRUE(probe.decoded) << probe.error;
    EXPECT_EQ(probe.version, "GIF89a");
    EXPECT_EQ(probe.width, 20);
    EXPECT_EQ(probe.height, 10);
    EXPECT_EQ(probe.colours, 4) << "the colour table is padded to a power of two";
    ASSERT_EQ(probe.frames.size(), 3u);
    EXPECT_EQ(probe.frames[1].left, 5);
    EXPECT_EQ(probe.frames[1].top, 6);
    EXPECT_EQ(probe.frames[1].width, 4);
    EXPECT_EQ(probe.frames[1].height, 3);
    const int delays[] = {50, 20, 90};
    const int disposals[] = {1, 3, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(probe.frames[static_cast<std::size_t>(i)].delay, delays[i]);
        EXPECT_EQ(probe.frames[static_cast<std::size_t>(i)].disposal, disposals[i]);
        EXPECT_EQ(probe.frames[static_cast<std::size_t>(i)].transparent, 0);
    }
}

TEST(GifWriter, OpaqueStillHasNoControlBlockAndStillSaysGif89a)
{
    const GifProbe probe = GifProbe::inspect(GifWriter::still(Raster(3, 2, 2), threeColours()));
    ASSERT_TRUE(probe.decoded) << probe.error;
    EXPECT_EQ(probe.version, "GIF89a");
    ASSERT_EQ(probe.frames.size(), 1u);
    EXPECT_EQ(probe.frames[0].delay, -1);
}

TEST(GifWriter, RefusesFramesOutsideTheScreenAndEmptyPictures)
{
    GifWriter gif(8, 8, threeColours());
    EXPECT_THROW(gif.addFrame(Raster(4, 4), 0, GifWriter::Keep, 5, 0), std::invalid_argument);
    EXPECT_THROW(gif.encode(), std::logic_error);
}

TEST(PngWriter, DecodesToThePaletteColoursWithTheKeyTransparentAtAnySize)
{
    // 300 x 300 indices need more than one stored block of 65535 bytes.
    for (const int size : {5, 300}) {
        SCOPED_TRACE(size);
        Raster image(size, size - 2, 1);
        image.fillRect(1, 1, 2, 1, Paint::solid(2));
        image.set(size - 1, 0, 0);
        const std::vector<std::uint8_t> png = PngWriter::still(image, threeColours(), 0);
        const QImage decoded = QImage::fromData(png.data(), int(png.size()), "PNG").convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(decoded.size(), QSize(size, size - 2));
        EXPECT_EQ(decoded.pixel(0, 0), qRgba(0, 0, 0, 255));
        EXPECT_EQ(decoded.pixel(1, 1), qRgba(255, 255, 255, 255));
        EXPECT_EQ(decoded.pixel(2, 1), qRgba(255, 255, 255, 255));
        EXPECT_EQ(qAlpha(decoded.pixel(size - 1, 0)), 0);
        EXPECT_EQ(decoded.pixel(size - 1, size - 3), qRgba(0, 0, 0, 255));
    }
    EXPECT_THROW(PngWriter::still(Raster(2, 2, 0), threeColours(), 3), std::runtime_error);
}

TEST(Palette, RampsAreContiguousWithExactEndsAndTheTableIsLimited)
{
    Palette palette;
    EXPECT_EQ(palette.add({1, 2, 3}), 0);
    EXPECT_EQ(palette.add({1, 2, 3}), 0) << "equal colours share an entry";
    const int first = palette.ramp({0, 0, 0}, {200, 100, 50}, 5);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(palette.colours()[1], (Rgb{0, 0, 0}));
    EXPECT_EQ(palette.colours()[5], (Rgb{200, 100, 50}));
    EXPECT_EQ(palette.colours()[3], (Rgb{100, 50, 25}));
    palette.ramp({0, 0, 0}, {255, 255, 255}, 250);
    EXPECT_EQ(palette.size(), 256);
    EXPECT_EQ(palette.add({255, 255, 255}), 255) << "an existing colour still fits";
    EXPECT_THROW(palette.add({1, 200, 3}), std::length_error);
}

TEST(Raster, ShapesStayInTheirBoxesAndAreSymmetric)
{
    Raster image(20, 20, 0);
    image.fillEllipse(3, 4, 12, 10, Paint::solid(1));
    int inside = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool set = image.at(x, y) == 1;
            inside += set;
            if (set) {
                EXPECT_TRUE(x >= 3 && x < 15 && y >= 4 && y < 14) << x << "," << y;
                EXPECT_EQ(image.at(3 + 14 - x, y), 1) << "mirrored left-right at " << x << "," << y;
                EXPECT_EQ(image.at(x, 4 + 13 - y), 1) << "mirrored top-bottom at " << x << "," << y;
            }
        }
    EXPECT_GT(inside, 80);
    EXPECT_LT(inside, 120);

    Raster key(10, 10, 0);
    key.fillRoundRect(0, 0, 10, 10, 4, Paint::solid(1));
    EXPECT_EQ(key.at(0, 0), 0) << "rounded corner";
    EXPECT_EQ(key.at(5, 0), 1);
    EXPECT_EQ(key.at(9, 5), 1);

    // Shapes partly or wholly off the picture are clipped, not written out of bounds.
    Raster small(4, 4, 0);
    small.fillPolygon({{-10, -10}, {30, 2}, {2, 30}}, Paint::solid(2));
    small.drawLine(-5, -5, 20, 20, 1, 3);
    small.fillEllipse(-100, -100, 50, 50, Paint::solid(1));
    EXPECT_EQ(small.at(4, 4), -1);
    EXPECT_EQ(small.at(0, 0), 1);
}

TEST(Raster, TriangleCoversHalfItsBox)
{
    Raster image(16, 16, 0);
    image.fillPolygon({{0, 0}, {16, 0}, {0, 16}}, Paint::solid(1));
    int covered = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            covered += image.at(x, y) == 1;
    EXPECT_EQ(covered, 120); // pixels whose centres lie inside: 15 + 14 + ... + 0
}

TEST(Paint, DitheredRampsUseOnlyTheirOwnEntries)
{
    const Paint ramp = Paint::vertical(10, 4, 0, 99);
    for (int y = -5; y < 110; ++y)
        for (int x = 0; x < 4; ++x) {
            const int index = ramp.indexAt(x, y);
            EXPECT_TRUE(index >= 10 && index <= 13) << x << "," << y;
        }
    EXPECT_EQ(ramp.indexAt(0, 0), 10);
    EXPECT_EQ(ramp.indexAt(0, 99), 13);
    EXPECT_EQ(integerSqrt(99), 9);
    EXPECT_EQ(integerSqrt(100), 10);
}

class SkinWriterTest : public testing::Test {
protected:
    testing_support::TempFolder temp;
    const fs::path folder = temp.root();
};

TEST_F(SkinWriterTest, WritesRecordsInclusiveAndPicturesEndToEnd)
{
    SkinWriter skin;
    skin.rect(6, {10, 20, 20, 20});
    skin.colour(12, {10, 20, 30}, 0);
    skin.number(8, -5);
    skin.flag(594, false);
    skin.picture(1, {'G', 'I', 'F', '1'});
    skin.picture(2, {'G', 'I', 'F', '2', '2'}, 1);
    skin.picture(3, {'G', 'I', 'F'});
    skin.sharePicture(1, 4);
    skin.rectList(300, {{0, 0, 10, 10}, {10, 10, 10, 10}});
    skin.wallpaper("sea.gif", {'W'});
    skin.write(folder.string(), "k");
    EXPECT_EQ(testing_support::readFile(folder / "k.ski"), "SKI1\n"
                                          "1 6 10 20 29 39\n"
                                          "4 12 10 20 30 0\n"
                                          "2 8 -5\n"
                                          "3 594 false\n"
                                          "5 1 0 4 0\n"
                                          "5 2 0 5 1\n"
                                          "5 3 4 3 0\n"
                                          "5 4 0 4 0\n"
                                          "0 300 2\n"
                                          "1 0 0 9 9\n"
                                          "1 10 10 19 19\n"
                                          "6 1015 /a/mobile/picture/sea.gif\n");
    EXPECT_EQ(testing_support::readFile(folder / "k.dat"), "GIF1GIF");
    EXPECT_EQ(testing_support::readFile(folder / "k1.dat"), "GIF22");
    EXPECT_EQ(testing_support::readFile(folder / "sea.gif"), "W");
    EXPECT_EQ(skin.pictureCount(), 4);
}

TEST_F(SkinWriterTest, RefusesWhatWouldConfuseARecordLookup)
{
    SkinWriter duplicate;
    duplicate.number(8, 1);
    duplicate.rect(8, {0, 0, 1, 1}); // another type: its own id space
    EXPECT_THROW(duplicate.number(8, 2), std::logic_error);

    // The item "1 6 0 9 9" would answer the key "1 6 " of rectangle 6.
    SkinWriter shadowed;
    shadowed.rectList(300, {{6, 0, 4, 10}});
    shadowed.rect(6, {0, 0, 4, 4});
    EXPECT_THROW(shadowed.write(folder.string(), "s"), std::logic_error);
    EXPECT_FALSE(fs::exists(folder / "s.ski"));

    // A palette item whose red value is the id of a colour record.
    SkinWriter palette;
    palette.colour(12, {1, 2, 3});
    std::vector<Rgb> colours(98, Rgb{200, 200, 200});
    colours[5] = {12, 0, 0};
    palette.palette(colours);
    EXPECT_THROW(palette.write(folder.string(), "p"), std::logic_error);

    SkinWriter shortPalette;
    EXPECT_THROW(shortPalette.palette(std::vector<Rgb>(97)), std::invalid_argument);
    EXPECT_THROW(shortPalette.sharePicture(630, 652), std::logic_error);
    EXPECT_THROW(shortPalette.rect(1, {0, 0, 0, 5}), std::invalid_argument);
}
