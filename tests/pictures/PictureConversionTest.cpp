// Pictures on their way into a skin, over a table of generated files: what
// the skin stores is a GIF that shows the file's pixels (exactly, where the
// file has at most 256 colours), transparent where the file's alpha is below
// 128; a GIF is stored byte for byte.

#include "GifBuilder.h"
#include "PictureSamples.h"
#include "pictures/PictureConversion.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;
using pictureconversion::Conversion;
using pictureconversion::pictureForSkin;
using picturesamples::fileBytes;

QImage decoded(const Bytes& bytes)
{
    return QImage::fromData(QByteArrayView(bytes.data(), qsizetype(bytes.size()))).convertToFormat(QImage::Format_ARGB32);
}

// How far the stored picture's opaque pixels lie from the file's, per channel
// (red, green, blue): the mean and the largest absolute difference.
struct ColourError {
    std::array<double, 3> mean{};
    std::array<int, 3> largest{};
};

struct Comparison {
    int transparencyMismatches = 0; // transparent where the file is opaque, or the other way round
    ColourError error;
};

Comparison compare(const QImage& file, const QImage& stored)
{
    Comparison result;
    std::array<long long, 3> sums{};
    long long opaque = 0;
    for (int y = 0; y < file.height(); ++y)
        for (int x = 0; x < file.width(); ++x) {
            const QRgb want = file.pixel(x, y);
            const QRgb got = stored.pixel(x, y);
            const bool transparent = qAlpha(want) < 128;
            if (transparent != (qAlpha(got) == 0) || (!transparent && qAlpha(got) != 255)) {
                ++result.transparencyMismatches;
                continue;
            }
            if (transparent)
                continue;
            ++opaque;
            const std::array<int, 3> differences = {std::abs(qRed(want) - qRed(got)), std::abs(qGreen(want) - qGreen(got)),
                                                    std::abs(qBlue(want) - qBlue(got))};
            for (std::size_t c = 0; c < 3; ++c) {
                sums[c] += differences[c];
                result.error.largest[c] = std::max(result.error.largest[c], differences[c]);
            }
        }
    for (std::size_t c = 0; c < 3; ++c)
        result.error.mean[c] = opaque ? double(sums[c]) / double(opaque) : 0.0;
    return result;
}

std::size_t colourCount(const QImage& image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    return colours.size();
}

Bytes animatedGif()
{
    return GifBuilder(8, 8)
        .looping()
        .add(GifBuilder::frame(0, 0, 8, 8, 0, 30))
        .add(GifBuilder::frame(2, 2, 4, 4, 1, 50, 2))
        .build();
}

struct Case {
    std::string name;
    Bytes file;
    bool storedAsGiven; // a GIF: its bytes unchanged
    double meanLimit;   // per channel, over the opaque pixels; 0: every pixel exact
    int largestLimit;
};

const std::vector<Case>& cases()
{
    static const std::vector<Case> table = {
        {"png with alpha", fileBytes(picturesamples::softDisc(), "PNG"), false, 0, 0},
        {"png of 255 colours", fileBytes(picturesamples::distinctColours(255), "PNG"), false, 0, 0},
        {"png of 256 colours", fileBytes(picturesamples::distinctColours(256), "PNG"), false, 0, 0},
        {"png of 5000 colours", fileBytes(picturesamples::fiveThousandColours(), "PNG"), false, 5, 16},
        {"bmp", fileBytes(picturesamples::distinctColours(100), "BMP"), false, 0, 0},
        // Compared with the JPEG as it decodes, which has thousands of colours.
        {"jpeg", fileBytes(picturesamples::fiveThousandColours(), "JPEG", 90), false, 5, 16},
        {"animated gif", animatedGif(), true, 0, 0},
        {"still gif", GifBuilder(5, 4).add(GifBuilder::frame(0, 0, 5, 4, 2)).build(), true, 0, 0},
    };
    return table;
}

} // namespace

TEST(PictureConversion, StoresAGifThatShowsTheFilesPixels)
{
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        const pictureconversion::SkinPicture stored = pictureForSkin(c.file, Conversion::toGif);
        const QImage file = decoded(c.file);
        ASSERT_TRUE(stored.usable);
        EXPECT_EQ(stored.size, file.size());
        EXPECT_TRUE(pictureconversion::isGif(stored.bytes));
        EXPECT_EQ(stored.converted, !c.storedAsGiven);
        if (c.storedAsGiven) {
            EXPECT_EQ(stored.bytes, c.file);
            continue;
        }
        const QImage gif = decoded(stored.bytes);
        ASSERT_EQ(gif.size(), file.size());
        const Comparison comparison = compare(file, gif);
        EXPECT_EQ(comparison.transparencyMismatches, 0);
        for (std::size_t channel = 0; channel < 3; ++channel) {
            EXPECT_LE(comparison.error.mean[channel], c.meanLimit) << "channel " << channel;
            EXPECT_LE(comparison.error.largest[channel], c.largestLimit) << "channel " << channel;
        }
        if (c.meanLimit > 0) {
            EXPECT_GT(colourCount(file), 256u); // the quantizer was needed
        }
    }
}

TEST(PictureConversion, WithoutConversionTheBytesAreStoredAsGivenWhenTheyDecode)
{
    const Bytes png = fileBytes(picturesamples::softDisc(), "PNG");
    const pictureconversion::SkinPicture asGiven = pictureForSkin(png, Conversion::none);
    EXPECT_TRUE(asGiven.usable);
    EXPECT_FALSE(asGiven.converted);
    EXPECT_EQ(asGiven.bytes, png);
    EXPECT_EQ(asGiven.size, QSize(40, 30));

    for (const Conversion conversion : {Conversion::none, Conversion::toGif}) {
        for (const Bytes& garbage : {Bytes{}, Bytes{'x', 'y', 'z'}, Bytes{'G', 'I', 'F', '8', '9', 'a'}})
            EXPECT_FALSE(pictureForSkin(garbage, conversion).usable);
    }
}
