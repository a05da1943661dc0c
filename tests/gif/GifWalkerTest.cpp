#include "GifBuilder.h"
#include "gif/GifWalker.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Walk {
    std::vector<GifFrame> frames;
    std::vector<Bytes> gifs;
    std::vector<std::size_t> ends; // parse offset after each frame
};

Walk walkAll(const Bytes& bytes)
{
    Walk walk;
    GifWalker walker(bytes);
    GifFrame frame;
    Bytes gif;
    while (walker.extractFrame(frame, gif)) {
        walk.frames.push_back(frame);
        walk.gifs.push_back(gif);
        walk.ends.push_back(walker.parseOffset());
    }
    return walk;
}

// Three frames behind a loop extension and a comment: one with a control
// extension, one without, one with a comment between its control extension
// and its image and a local colour table.
Bytes threeFrames()
{
    GifBuilder::Frame last = GifBuilder::frame(0, 0, 2, 2, 0, 0x1234, 3);
    last.commentBefore = "between";
    last.localColours = {GifBuilder::blue, GifBuilder::red};
    return GifBuilder(8, 6)
        .looping()
        .comment("made by the tests")
        .add(GifBuilder::frame(1, 2, 3, 4, 0, 10, 2))
        .add(GifBuilder::frame(0, 0, 8, 6, 0))
        .add(last)
        .build();
}

Bytes withVersion(Bytes bytes, const char* version)
{
    std::copy(version, version + 3, bytes.begin() + 3);
    return bytes;
}

} // namespace

TEST(GifWalker, ReadsScreenAndFramesOfAKnownFile)
{
    const Bytes bytes = threeFrames();
    GifWalker walker(bytes);
    EXPECT_TRUE(walker.isGif());
    EXPECT_EQ(walker.screenWidth(), 8);
    EXPECT_EQ(walker.screenHeight(), 6);
    EXPECT_EQ(walker.colourTableSize(), 12u); // four colours: 3 x 2^(1+1)
    EXPECT_EQ(walker.countFrames(), 3);

    const Walk walk = walkAll(bytes);
    const std::vector<GifFrame> expected{
        {1, 2, 3, 4, 10, 2},
        {0, 0, 8, 6, -1, 0},
        {0, 0, 2, 2, 0x1234, 3},
    };
    EXPECT_EQ(walk.frames, expected);
    EXPECT_EQ(walk.ends.back(), bytes.size() - 1); // only the trailer is left

    // Each one-frame GIF: header, screen and colour table, the frame's own
    // blocks as they stand in the file, a trailer.
    const std::size_t head = walker.firstBlockOffset();
    std::size_t frameStart = head;
    for (std::size_t i = 0; i < walk.gifs.size(); ++i) {
        const Bytes& gif = walk.gifs[i];
        ASSERT_GE(gif.size(), head + 2);
        EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + long(head), gif.begin())) << i;
        EXPECT_EQ(gif.back(), 0x3B) << i;
        GifWalker single(gif);
        EXPECT_EQ(single.countFrames(), 1) << i;
        GifFrame again;
        Bytes unused;
        ASSERT_TRUE(single.extractFrame(again, unused));
        EXPECT_EQ(again, expected[i]);
        // The frame's blocks end where the walk stood after it.
        const std::size_t length = gif.size() - head - 1;
        EXPECT_TRUE(std::equal(gif.begin() + long(head), gif.end() - 1, bytes.begin() + long(walk.ends[i] - length)));
        EXPECT_GE(walk.ends[i] - length, frameStart);
        frameStart = walk.ends[i];
    }
    // The leading extensions are not part of the first frame.
    EXPECT_EQ(walk.gifs[0][head], 0x21);
    EXPECT_EQ(walk.gifs[0][head + 1], 0xF9);
}

// Every cut, from inside the header or the colour table to inside the trailer.
TEST(GifWalker, TruncatedDataKeepsTheFramesBeforeTheBreak)
{
    const Bytes bytes = threeFrames();
    const Walk full = walkAll(bytes);
    ASSERT_EQ(full.frames.size(), 3u);
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        const Bytes part(bytes.begin(), bytes.begin() + long(cut));
        std::size_t whole = 0;
        while (whole < full.ends.size() && full.ends[whole] <= cut)
            ++whole;
        GifWalker walker(part);
        EXPECT_EQ(walker.countFrames(), int(whole)) << "cut at " << cut;
        const Walk walk = walkAll(part);
        ASSERT_EQ(walk.frames.size(), whole) << "cut at " << cut;
        for (std::size_t i = 0; i < whole; ++i)
            EXPECT_EQ(walk.gifs[i], full.gifs[i]) << "cut at " << cut;
    }
}

TEST(GifWalker, UnknownBlocksEndTheWalk)
{
    const Bytes bytes = threeFrames();
    const Walk full = walkAll(bytes);
    // A stray byte, and an extension with a label of no known kind, after the first frame.
    for (const Bytes& stray : {Bytes{0x99}, Bytes{0x21, 0x55, 0x00}, Bytes{0x00}}) {
        Bytes broken = bytes;
        broken.insert(broken.begin() + long(full.ends[0]), stray.begin(), stray.end());
        GifWalker walker(broken);
        EXPECT_EQ(walker.countFrames(), 1);
        EXPECT_EQ(walkAll(broken).frames.size(), 1u);
    }
    // An introducer as the very last byte.
    Bytes dangling(bytes.begin(), bytes.begin() + long(full.ends[1]));
    dangling.push_back(0x21);
    EXPECT_EQ(GifWalker(dangling).countFrames(), 2);
}

TEST(GifWalker, SubBlockChainsThatNeverEndAreRefused)
{
    Bytes head = GifBuilder(4, 4).build();
    head.resize(13 + 12); // header, screen, colour table
    // Image descriptor, code size, then sub-blocks without the terminator.
    const Bytes descriptor{0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0x00, 0x02};
    Bytes unterminated = head;
    unterminated.insert(unterminated.end(), descriptor.begin(), descriptor.end());
    for (int i = 0; i < 50; ++i)
        unterminated.insert(unterminated.end(), {0x02, 0x4C, 0x01});
    EXPECT_EQ(GifWalker(unterminated).countFrames(), 0);

    // A sub-block that claims more bytes than are left.
    Bytes overlong = head;
    overlong.insert(overlong.end(), descriptor.begin(), descriptor.end());
    overlong.insert(overlong.end(), {0xFF, 0x01, 0x02, 0x00, 0x3B});
    EXPECT_EQ(GifWalker(overlong).countFrames(), 0);

    // The same frame, terminated, is counted.
    Bytes sound = head;
    sound.insert(sound.end(), descriptor.begin(), descriptor.end());
    sound.insert(sound.end(), {0x02, 0x4C, 0x01, 0x00, 0x3B});
    EXPECT_EQ(GifWalker(sound).countFrames(), 1);

    // A local colour table that runs past the end.
    Bytes table = head;
    table.insert(table.end(), {0x2C, 0, 0, 0, 0, 4, 0, 4, 0, 0x87, 0x02, 0x00});
    EXPECT_EQ(GifWalker(table).countFrames(), 0);
}

TEST(GifWalker, OnlyGif87aAndGif89aAreWalked)
{
    const Bytes bytes = threeFrames();
    EXPECT_TRUE(GifWalker::isGif(withVersion(bytes, "87a")));
    EXPECT_FALSE(GifWalker::isGif(withVersion(bytes, "90a")));
    EXPECT_FALSE(GifWalker::isGif(withVersion(bytes, "89b")));
    EXPECT_FALSE(GifWalker::isGif(Bytes{'G', 'I', 'F', '8', '9'}));
    EXPECT_FALSE(GifWalker::isGif(Bytes{}));
}

TEST(GifWalker, PlainTextFramesAndMisplacedBlocks)
{
    Bytes bytes = GifBuilder(4, 4).withoutGlobalColours().build();
    bytes.resize(13);
    // A control extension, then a plain-text extension (a frame without a rectangle).
    const Bytes control{0x21, 0xF9, 0x04, 0x08, 0x05, 0x00, 0x00, 0x00};
    Bytes plainText{0x21, 0x01, 0x0C};
    plainText.insert(plainText.end(), 12, 0x01);
    plainText.insert(plainText.end(), {0x02, 'h', 'i', 0x00});
    bytes.insert(bytes.end(), control.begin(), control.end());
    bytes.insert(bytes.end(), plainText.begin(), plainText.end());
    // Two control extensions in a row: the second frame breaks off.
    bytes.insert(bytes.end(), control.begin(), control.end());
    bytes.insert(bytes.end(), control.begin(), control.end());
    bytes.insert(bytes.end(), plainText.begin(), plainText.end());
    bytes.push_back(0x3B);

    const Walk walk = walkAll(bytes);
    ASSERT_EQ(walk.frames.size(), 1u);
    EXPECT_EQ(walk.frames[0], (GifFrame{0, 0, 0, 0, 5, 2}));
    EXPECT_EQ(walk.gifs[0].size(), 13 + control.size() + plainText.size() + 1);
    EXPECT_EQ(GifWalker(bytes).countFrames(), 1);
}
