#include "ScriptedDialogs.h"
#include "pictures/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A PNG of the image, stored at 96 dots per inch.
Bytes png(QImage image)
{
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return Bytes(data.begin(), data.end());
}

QImage solid(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Every pixel a different colour: red grows with x, green with y.
QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 10, y * 10, 50));
    return image;
}

bool near(QRgb actual, QRgb expected)
{
    return std::abs(qRed(actual) - qRed(expected)) <= 1 && std::abs(qGreen(actual) - qGreen(expected)) <= 1 &&
           std::abs(qBlue(actual) - qBlue(expected)) <= 1;
}

class PictureTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    DialogServiceScope scope{dialogs};
    Picture picture;
    QImage canvas = solid(30, 30, qRgb(0, 0, 0));
};

} // namespace

TEST_F(PictureTest, LoadsPicturesAtTheirOwnPixelSize)
{
    const Bytes bytes = png(solid(16, 16, qRgb(1, 2, 3)));
    ASSERT_TRUE(picture.loadFromBytes(bytes));
    EXPECT_EQ(picture.width(), 16);
    EXPECT_EQ(picture.height(), 16);
    EXPECT_EQ(picture.dataSize(), int(bytes.size()));

    picture.release();
    EXPECT_FALSE(picture.isLoaded());
    EXPECT_EQ(picture.width(), 0);
    EXPECT_EQ(picture.dataSize(), 0);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureTest, FailedLoadsKeepTheByteCountAndShowNothing)
{
    EXPECT_FALSE(picture.loadFromBytes(nullptr, 100));
    EXPECT_EQ(picture.dataSize(), 100);
    EXPECT_FALSE(picture.isLoaded());

    // Loading over a picture drops it, also when the new bytes do not decode.
    ASSERT_TRUE(picture.loadFromBytes(png(solid(4, 4, qRgb(9, 9, 9)))));
    const Bytes garbage{'n', 'o', 't', ' ', 'a', ' ', 'p', 'i', 'c'};
    EXPECT_FALSE(picture.loadFromBytes(garbage));
    EXPECT_EQ(picture.dataSize(), int(garbage.size()));
    EXPECT_EQ(picture.width(), 0);
    EXPECT_EQ(picture.height(), 0);
    EXPECT_FALSE(picture.draw(canvas, 0, 0, 9, 9));
    EXPECT_FALSE(picture.drawBlended(canvas, 0, 0, 10, 10, 0));
    EXPECT_EQ(canvas, solid(30, 30, qRgb(0, 0, 0)));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PictureTest, FilesMissingEmptyAndPresent)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.gif");
    EXPECT_FALSE(picture.loadFromFile(missing));
    EXPECT_EQ(picture.dataSize(), 0);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Error");
    EXPECT_EQ(dialogs.messages[0].icon, DialogService::Icon::Error);
    EXPECT_TRUE(dialogs.messages[0].text.contains("No such file", Qt::CaseInsensitive)) << qPrintable(dialogs.messages[0].text);

    const QString empty = dir.filePath("empty.gif");
    QFile(empty).open(QIODevice::WriteOnly);
    EXPECT_FALSE(picture.loadFromFile(empty));
    EXPECT_EQ(picture.dataSize(), 0);
    EXPECT_EQ(dialogs.messages.size(), 1u);

    const Bytes bytes = png(solid(5, 7, qRgb(1, 2, 3)));
    const QString present = dir.filePath("present.png");
    QFile file(present);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
    file.close();
    EXPECT_TRUE(picture.loadFromFile(present));
    EXPECT_EQ(picture.width(), 5);
    EXPECT_EQ(picture.height(), 7);
    EXPECT_EQ(picture.dataSize(), int(bytes.size()));
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(PictureTest, DrawCoversRightAndBottom)
{
    ASSERT_TRUE(picture.loadFromBytes(png(solid(2, 2, qRgb(255, 0, 0)))));
    ASSERT_TRUE(picture.draw(canvas, 3, 4, 12, 13)); // 10 x 10 pixels
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = x >= 3 && x <= 12 && y >= 4 && y <= 13;
            ASSERT_EQ(canvas.pixel(x, y), inside ? qRgb(255, 0, 0) : qRgb(0, 0, 0)) << x << "," << y;
        }

    // Stretching keeps every source pixel's colour (no filtering).
    ASSERT_TRUE(picture.loadFromBytes(png(gradient(2, 2))));
    ASSERT_TRUE(picture.draw(canvas, 0, 0, 3, 3));
    EXPECT_EQ(canvas.pixel(1, 1), gradient(2, 2).pixel(0, 0));
    EXPECT_EQ(canvas.pixel(2, 3), gradient(2, 2).pixel(1, 1));

    QImage null;
    EXPECT_FALSE(picture.draw(null, 0, 0, 9, 9));
}

TEST_F(PictureTest, DrawBlendedUsesTheLowByteOfAlpha)
{
    const QRgb under = qRgb(0, 0, 200);
    const QRgb over = qRgb(200, 100, 0);
    ASSERT_TRUE(picture.loadFromBytes(png(solid(4, 4, over))));
    struct Case {
        int alpha;
        QRgb expected;
    };
    const Case cases[] = {
        {0, over},
        {255, over},
        {128, qRgb(100, 50, 100)},
        {256, under},
        {256 + 128, qRgb(100, 50, 100)},
        {-1, over}, // low byte 255
    };
    for (const Case& c : cases) {
        QImage surface = solid(10, 10, under);
        ASSERT_TRUE(picture.drawBlended(surface, 0, 0, 10, 10, c.alpha));
        // The picture sits centred at (3, 3); the rest of the rectangle stays as it was.
        EXPECT_TRUE(near(surface.pixel(3, 3), c.expected)) << c.alpha << ": " << std::hex << surface.pixel(3, 3);
        EXPECT_TRUE(near(surface.pixel(6, 6), c.expected)) << c.alpha;
        EXPECT_EQ(surface.pixel(2, 2), under) << c.alpha;
        EXPECT_EQ(surface.pixel(7, 7), under) << c.alpha;
    }
}

TEST_F(PictureTest, DrawBlendedCutsALargerPictureEquallyOnBothSides)
{
    const QImage source = gradient(20, 20);
    ASSERT_TRUE(picture.loadFromBytes(png(source)));
    ASSERT_TRUE(picture.drawBlended(canvas, 2, 3, 12, 13, 0));
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const bool inside = x >= 2 && x < 12 && y >= 3 && y < 13;
            const QRgb expected = inside ? source.pixel(x - 2 + 5, y - 3 + 5) : qRgb(0, 0, 0);
            ASSERT_EQ(canvas.pixel(x, y), expected) << x << "," << y;
        }

    // Offsets truncate toward zero: 11 pixels into 10 start at 0, not at -1.
    ASSERT_TRUE(picture.loadFromBytes(png(gradient(11, 11))));
    QImage surface = solid(10, 10, 0);
    ASSERT_TRUE(picture.drawBlended(surface, 0, 0, 10, 10, 0));
    EXPECT_EQ(surface.pixel(0, 0), gradient(11, 11).pixel(0, 0));
    EXPECT_EQ(surface.pixel(9, 9), gradient(11, 11).pixel(9, 9));
}

TEST_F(PictureTest, DegenerateAndFarAwayRectanglesDrawNothing)
{
    ASSERT_TRUE(picture.loadFromBytes(png(solid(20, 20, qRgb(255, 255, 255)))));
    EXPECT_TRUE(picture.draw(canvas, 3, 3, 2, 2));
    EXPECT_TRUE(picture.drawBlended(canvas, 3, 3, 3, 9, 0));
    EXPECT_TRUE(picture.drawBlended(canvas, INT_MAX - 5, 0, INT_MAX, 4, 0));
    EXPECT_EQ(canvas, solid(30, 30, qRgb(0, 0, 0)));
    EXPECT_TRUE(picture.draw(canvas, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
}
