#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Where and how long one frame of an animated GIF is shown.
struct GifFrame {
    int left = 0;    // from the image descriptor; 0 for a plain-text frame
    int top = 0;
    int width = 0;
    int height = 0;
    int delay = -1;  // hundredths of a second; -1 without a graphic control extension
    int disposal = 0; // 0..7, bits 2-4 of the graphic control extension's packed byte
    friend bool operator==(const GifFrame&, const GifFrame&) = default;
};

// Walks the block structure of a GIF87a/GIF89a picture held in memory (it
// does not own the bytes) and cuts every frame out as a one-frame GIF that a
// whole-picture decoder can read. Every read is bounds-checked: on any input
// the walker stays inside the bytes, allocates only what the bytes contain and
// ends, at the latest, at their end.
class GifWalker {
public:
    explicit GifWalker(std::span<const std::uint8_t> bytes);

    // The bytes begin with "GIF87a" or "GIF89a".
    static bool isGif(std::span<const std::uint8_t> bytes);
    bool isGif() const { return isGif(data); }

    // The logical screen; 0 when the bytes are too short to hold its descriptor.
    int screenWidth() const { return logicalWidth; }
    int screenHeight() const { return logicalHeight; }
    // Bytes of the global colour table (0 without one).
    std::size_t colourTableSize() const { return globalTableSize; }
    // Where the first block after header, screen descriptor and colour table starts.
    std::size_t firstBlockOffset() const { return headerSize + globalTableSize; }

    // Frames (images and plain-text extensions) found before the trailer, an
    // unknown block or a block that runs past the end of the bytes.
    int countFrames() const;

    // Cuts the frame at parseOffset() out as a one-frame GIF (header, screen
    // descriptor, global colour table, the frame's blocks, trailer) and moves
    // past it. False, with frame and oneFrameGif untouched, where counting
    // stops too. With frameSized, an image frame that lies inside the logical
    // screen gets a screen of its own size with the image at (0, 0) (see
    // isFrameSized), so that a decoder produces just the frame's pixels instead
    // of filling and drawing a whole screen for a small frame.
    bool extractFrame(GifFrame& frame, std::vector<std::uint8_t>& oneFrameGif, bool frameSized = false);
    // Whether extractFrame with frameSized gives frame a screen of its own size.
    bool isFrameSized(const GifFrame& frame) const;
    std::size_t parseOffset() const { return offset; }
    void rewind() { offset = firstBlockOffset(); }

private:
    enum class BlockKind { Application, Comment, GraphicControl, PlainText, Image, Trailer, Unknown };

    // One frame found in the bytes: its blocks lie in [start, end).
    struct FrameSpan {
        std::size_t start = 0;
        std::size_t end = 0;
        std::size_t image = 0; // where the image descriptor starts; 0 for a plain-text frame
        GifFrame frame;
    };

    static constexpr std::size_t headerSize = 13; // "GIFxxx" + logical screen descriptor

    BlockKind kindAt(std::size_t at) const;
    // Length of the block at `at`, or nothing when it is unknown or runs past the data.
    std::optional<std::size_t> blockLength(std::size_t at) const;
    std::optional<std::size_t> subBlockChainLength(std::size_t at) const;
    // Skips application and comment extensions; nothing when one of them is broken.
    std::optional<std::size_t> skipExtensions(std::size_t at) const;
    std::optional<FrameSpan> findFrame(std::size_t at) const;
    unsigned byteAt(std::size_t at) const { return data[at]; }
    int wordAt(std::size_t at) const { return int(data[at]) | int(data[at + 1]) << 8; }

    std::span<const std::uint8_t> data;
    int logicalWidth = 0;
    int logicalHeight = 0;
    std::size_t globalTableSize = 0;
    std::size_t offset = 0;
};
