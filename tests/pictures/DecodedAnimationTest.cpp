#include "GifBuilder.h"
#include "pictures/DecodedAnimation.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes jpeg(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG");
    return Bytes(data.begin(), data.end());
}

} // namespace

TEST(DecodedAnimation, SingleFrameGifsAndOtherFormatsAreStill)
{
    DecodedAnimation animation;
    ASSERT_TRUE(animation.decode(GifBuilder(6, 5).add(GifBuilder::frame(0, 0, 6, 5, 1, 10)).build()));
    EXPECT_TRUE(animation.isGif());
    EXPECT_FALSE(animation.isAnimated());
    EXPECT_TRUE(animation.frames().empty());
    EXPECT_EQ(animation.width(), 6);
    EXPECT_EQ(animation.height(), 5);
    EXPECT_EQ(animation.stillPicture().pixel(2, 2), GifBuilder::green);

    ASSERT_TRUE(animation.decode(jpeg(17, 9)));
    EXPECT_FALSE(animation.isGif());
    EXPECT_EQ(animation.width(), 17);
    EXPECT_EQ(animation.height(), 9);
    EXPECT_FALSE(animation.stillPicture().isNull());

    EXPECT_FALSE(animation.decode(Bytes{1, 2, 3}));
    EXPECT_TRUE(animation.stillPicture().isNull());
    EXPECT_FALSE(animation.decode(Bytes{}));
}

TEST(DecodedAnimation, OtherGifVersionsGoToTheWholePictureDecoder)
{
    Bytes bytes = GifBuilder(6, 5).add(GifBuilder::frame(0, 0, 6, 5, 1, 10)).add(GifBuilder::frame(1, 1, 2, 2, 2, 10)).build();
    std::copy_n("90a", 3, bytes.begin() + 3);
    DecodedAnimation animation;
    const bool decoded = animation.decode(bytes);
    // The result is the whole-picture decoder's, not the walker's two frames.
    EXPECT_EQ(decoded, !QImage::fromData(QByteArrayView(bytes.data(), qsizetype(bytes.size()))).isNull());
    EXPECT_FALSE(animation.isGif());
    EXPECT_TRUE(animation.frames().empty());
}

TEST(DecodedAnimation, FramesAreCutToTheirRectangleOnTheScreen)
{
    const Bytes bytes = GifBuilder(10, 8)
                            .add(GifBuilder::frame(0, 0, 10, 8, 0, 5, 1))    // the whole screen, red
                            .add(GifBuilder::frame(2, 3, 4, 2, 1, 0, 2))     // green inside
                            .add(GifBuilder::frame(7, 6, 10, 10, 2, 65535))  // blue, larger than what is left
                            .add(GifBuilder::frame(20, 20, 3, 3, 1, 7, 3))   // outside the screen
                            .build();
    DecodedAnimation animation;
    ASSERT_TRUE(animation.decode(bytes));
    EXPECT_TRUE(animation.isGif());
    ASSERT_EQ(animation.frames().size(), 4u);
    EXPECT_TRUE(animation.stillPicture().isNull());

    const auto& f = animation.frames();
    EXPECT_EQ(f[0].info, (GifFrame{0, 0, 10, 8, 5, 1}));
    EXPECT_EQ(f[0].pixels.size(), QSize(10, 8));
    EXPECT_EQ(f[1].origin, QPoint(2, 3));
    EXPECT_EQ(f[1].pixels.size(), QSize(4, 2));
    EXPECT_EQ(f[1].pixels.pixel(3, 1), GifBuilder::green);
    EXPECT_EQ(f[2].info, (GifFrame{7, 6, 10, 10, 65535, 0}));
    EXPECT_EQ(f[2].origin, QPoint(7, 6));
    EXPECT_EQ(f[2].pixels.size(), QSize(3, 2));
    EXPECT_EQ(f[2].pixels.pixel(2, 1), GifBuilder::blue);
    // Nothing of the last frame shows, but it keeps its place in the timeline.
    EXPECT_TRUE(f[3].pixels.isNull());
    EXPECT_EQ(f[3].info.delay, 7);
}

TEST(DecodedAnimation, TruncatedGifsPlayTheFramesBeforeTheBreak)
{
    const Bytes bytes = GifBuilder(4, 4)
                            .add(GifBuilder::frame(0, 0, 4, 4, 0, 10))
                            .add(GifBuilder::frame(0, 0, 4, 4, 1, 10))
                            .add(GifBuilder::frame(0, 0, 4, 4, 2, 10))
                            .build();
    DecodedAnimation animation;
    // Cut in the middle of the last frame's pixel data.
    ASSERT_TRUE(animation.decode(std::span(bytes).first(bytes.size() - 4)));
    ASSERT_EQ(animation.frames().size(), 2u);
    EXPECT_EQ(animation.frames()[1].pixels.pixel(0, 0), GifBuilder::green);

    // Cut inside the second frame: one frame is found, and it is shown still.
    GifWalker walker(bytes);
    GifFrame first;
    std::vector<std::uint8_t> gif;
    ASSERT_TRUE(walker.extractFrame(first, gif));
    ASSERT_TRUE(animation.decode(std::span(bytes).first(walker.parseOffset() + 5)));
    EXPECT_FALSE(animation.stillPicture().isNull());
}

TEST(DecodedAnimation, FramesThatDoNotDecodeAreLeftOut)
{
    Bytes bytes = GifBuilder(4, 4).add(GifBuilder::frame(0, 0, 4, 4, 0, 10)).add(GifBuilder::frame(0, 0, 4, 4, 1, 10)).build();
    bytes.pop_back(); // the trailer
    // A plain-text frame: no image for the decoder.
    const Bytes plainText{0x21, 0xF9, 0x04, 0x00, 0x05, 0x00, 0x00, 0x00, 0x21, 0x01, 0x0C, 0, 0, 0, 0, 4, 0, 4, 0, 1, 1, 0, 1, 0x01, 'x', 0x00};
    bytes.insert(bytes.end(), plainText.begin(), plainText.end());
    bytes.push_back(0x3B);
    ASSERT_EQ(GifWalker(bytes).countFrames(), 3);
    DecodedAnimation animation;
    ASSERT_TRUE(animation.decode(bytes));
    EXPECT_EQ(animation.frames().size(), 2u);
}
