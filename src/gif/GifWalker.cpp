#include "gif/GifWalker.h"

#include <algorithm>

namespace {

constexpr std::uint8_t extensionIntroducer = 0x21;
constexpr std::uint8_t imageSeparator = 0x2C;
constexpr std::uint8_t trailerByte = 0x3B;

// Bytes of a colour table whose size field (bits 0-2 of a packed byte) is n.
constexpr std::size_t colourTableBytes(unsigned packed)
{
    return 3u * (2u << (packed & 7u));
}

} // namespace

GifWalker::GifWalker(std::span<const std::uint8_t> bytes) : data(bytes)
{
    if (data.size() >= headerSize) {
        logicalWidth = wordAt(6);
        logicalHeight = wordAt(8);
        const unsigned packed = byteAt(10);
        if (packed & 0x80u)
            globalTableSize = colourTableBytes(packed);
    }
    offset = firstBlockOffset();
}

bool GifWalker::isGif(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() < 6 || !std::equal(bytes.begin(), bytes.begin() + 3, "GIF"))
        return false;
    const auto version = bytes.subspan(3, 3);
    return std::equal(version.begin(), version.end(), "87a") || std::equal(version.begin(), version.end(), "89a");
}

GifWalker::BlockKind GifWalker::kindAt(std::size_t at) const
{
    if (at >= data.size())
        return BlockKind::Unknown;
    switch (byteAt(at)) {
    case imageSeparator:
        return BlockKind::Image;
    case trailerByte:
        return BlockKind::Trailer;
    case extensionIntroducer:
        if (at + 1 >= data.size())
            return BlockKind::Unknown;
        switch (byteAt(at + 1)) {
        case 0xFF: return BlockKind::Application;
        case 0xFE: return BlockKind::Comment;
        case 0xF9: return BlockKind::GraphicControl;
        case 0x01: return BlockKind::PlainText;
        default: return BlockKind::Unknown;
        }
    default:
        return BlockKind::Unknown;
    }
}

std::optional<std::size_t> GifWalker::subBlockChainLength(std::size_t at) const
{
    // Every sub-block moves on by at least its size byte, so the walk ends at
    // the terminator or at the end of the data.
    std::size_t pos = at;
    while (pos < data.size()) {
        const std::size_t size = byteAt(pos);
        pos += size + 1;
        if (size == 0)
            return pos - at;
    }
    return std::nullopt;
}

std::optional<std::size_t> GifWalker::blockLength(std::size_t at) const
{
    // Fixed part of the block, followed by a sub-block chain where it has one.
    auto withChain = [this, at](std::size_t fixed) -> std::optional<std::size_t> {
        const auto chain = subBlockChainLength(at + fixed);
        if (!chain)
            return std::nullopt;
        return fixed + *chain;
    };

    std::optional<std::size_t> length;
    switch (kindAt(at)) {
    case BlockKind::Application: length = withChain(14); break;
    case BlockKind::Comment: length = withChain(2); break;
    case BlockKind::GraphicControl: length = 8; break;
    case BlockKind::PlainText: length = withChain(15); break;
    case BlockKind::Image:
        if (at + 9 < data.size()) {
            const unsigned packed = byteAt(at + 9);
            const std::size_t localTable = (packed & 0x80u) ? colourTableBytes(packed) : 0;
            length = withChain(11 + localTable);
        }
        break;
    case BlockKind::Trailer: length = 1; break;
    case BlockKind::Unknown: break;
    }
    if (!length || *length == 0 || *length > data.size() - at)
        return std::nullopt;
    return length;
}

std::optional<std::size_t> GifWalker::skipExtensions(std::size_t at) const
{
    for (BlockKind kind = kindAt(at); kind == BlockKind::Application || kind == BlockKind::Comment; kind = kindAt(at)) {
        const auto length = blockLength(at);
        if (!length)
            return std::nullopt;
        at += *length;
    }
    return at;
}

std::optional<GifWalker::FrameSpan> GifWalker::findFrame(std::size_t at) const
{
    const auto start = skipExtensions(at);
    if (!start)
        return std::nullopt;

    FrameSpan span;
    span.start = *start;
    std::size_t pos = *start;
    if (kindAt(pos) == BlockKind::GraphicControl) {
        if (!blockLength(pos))
            return std::nullopt;
        span.frame.delay = wordAt(pos + 4);
        span.frame.disposal = int(byteAt(pos + 3) >> 2) & 7;
        const auto next = skipExtensions(pos + 8);
        if (!next)
            return std::nullopt;
        pos = *next;
    }

    const BlockKind kind = kindAt(pos);
    if (kind != BlockKind::Image && kind != BlockKind::PlainText)
        return std::nullopt;
    const auto length = blockLength(pos);
    if (!length)
        return std::nullopt;
    if (kind == BlockKind::Image) {
        span.frame.left = wordAt(pos + 1);
        span.frame.top = wordAt(pos + 3);
        span.frame.width = wordAt(pos + 5);
        span.frame.height = wordAt(pos + 7);
        span.image = pos;
    }
    span.end = pos + *length;
    return span;
}

int GifWalker::countFrames() const
{
    int count = 0;
    for (auto span = findFrame(firstBlockOffset()); span; span = findFrame(span->end))
        ++count;
    return count;
}

namespace {

void putWord(std::vector<std::uint8_t>& bytes, std::size_t at, int value)
{
    bytes[at] = std::uint8_t(value & 0xFF);
    bytes[at + 1] = std::uint8_t((value >> 8) & 0xFF);
}

// Gives a one-frame GIF a logical screen of the frame's size and places the
// image descriptor (at imageAt) at its top-left corner.
void moveToOwnScreen(std::vector<std::uint8_t>& gif, std::size_t imageAt, const GifFrame& frame)
{
    putWord(gif, 6, frame.width);
    putWord(gif, 8, frame.height);
    putWord(gif, imageAt + 1, 0);
    putWord(gif, imageAt + 3, 0);
}

} // namespace

bool GifWalker::isFrameSized(const GifFrame& frame) const
{
    return frame.width > 0 && frame.height > 0 && frame.left + frame.width <= logicalWidth
        && frame.top + frame.height <= logicalHeight;
}

bool GifWalker::extractFrame(GifFrame& frame, std::vector<std::uint8_t>& oneFrameGif, bool frameSized)
{
    const auto span = findFrame(offset);
    if (!span)
        return false;

    // A frame was found, so header, screen descriptor and colour table lie
    // inside the data, before the frame.
    const auto head = data.first(firstBlockOffset());
    const auto body = data.subspan(span->start, span->end - span->start);
    oneFrameGif.clear();
    oneFrameGif.reserve(head.size() + body.size() + 1);
    oneFrameGif.insert(oneFrameGif.end(), head.begin(), head.end());
    oneFrameGif.insert(oneFrameGif.end(), body.begin(), body.end());
    oneFrameGif.push_back(trailerByte);
    if (frameSized && span->image != 0 && isFrameSized(span->frame))
        moveToOwnScreen(oneFrameGif, span->image - span->start + head.size(), span->frame);

    frame = span->frame;
    offset = span->end;
    return true;
}
