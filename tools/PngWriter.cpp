#include "PngWriter.h"

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string_view>

namespace {

std::uint32_t crc32(const std::uint8_t* bytes, std::size_t count, std::uint32_t crc = 0)
{
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> entries{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            entries[n] = c;
        }
        return entries;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < count; ++i)
        crc = table[(crc ^ bytes[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

std::uint32_t adler32(const std::vector<std::uint8_t>& bytes)
{
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (std::uint8_t byte : bytes) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return b << 16 | a;
}

void putBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(std::uint8_t(value >> shift));
}

void putChunk(std::vector<std::uint8_t>& out, std::string_view type, const std::vector<std::uint8_t>& data)
{
    putBigEndian(out, std::uint32_t(data.size()));
    const std::size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBigEndian(out, crc32(out.data() + start, out.size() - start));
}

// A zlib stream of stored (uncompressed) deflate blocks.
std::vector<std::uint8_t> storedZlib(const std::vector<std::uint8_t>& raw)
{
    constexpr std::size_t largestBlock = 65535;
    std::vector<std::uint8_t> out = {0x78, 0x01};
    std::size_t at = 0;
    do {
        const std::size_t length = std::min(largestBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(std::uint8_t(length));
        out.push_back(std::uint8_t(length >> 8));
        out.push_back(std::uint8_t(~length));
        out.push_back(std::uint8_t(~length >> 8));
        out.insert(out.end(), raw.begin() + std::ptrdiff_t(at), raw.begin() + std::ptrdiff_t(at + length));
        at += length;
    } while (at < raw.size());
    putBigEndian(out, adler32(raw));
    return out;
}

} // namespace

std::vector<std::uint8_t> PngWriter::still(const Raster& image, const Palette& palette, int transparentIndex)
{
    if (image.width() <= 0 || image.height() <= 0 || palette.size() == 0)
        throw std::runtime_error("PNG encoding needs a picture and colours");
    if (transparentIndex >= palette.size())
        throw std::runtime_error("PNG encoding: the transparent index lies outside the palette");

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    putBigEndian(header, std::uint32_t(image.width()));
    putBigEndian(header, std::uint32_t(image.height()));
    header.insert(header.end(), {8, 3, 0, 0, 0}); // 8 bits, indexed colour, deflate, no filter, no interlace
    putChunk(out, "IHDR", header);

    std::vector<std::uint8_t> colours;
    for (const Rgb& colour : palette.colours())
        colours.insert(colours.end(), {colour.r, colour.g, colour.b});
    putChunk(out, "PLTE", colours);
    if (transparentIndex >= 0) {
        std::vector<std::uint8_t> alpha(std::size_t(transparentIndex) + 1, 255);
        alpha.back() = 0;
        putChunk(out, "tRNS", alpha);
    }

    // Every row starts with its filter type, 0: the indices as they are.
    std::vector<std::uint8_t> raw;
    raw.reserve(std::size_t(image.height()) * std::size_t(image.width() + 1));
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(0);
        for (int x = 0; x < image.width(); ++x)
            raw.push_back(std::uint8_t(image.at(x, y)));
    }
    putChunk(out, "IDAT", storedZlib(raw));
    putChunk(out, "IEND", {});
    return out;
}
