#include "GifWriter.h"

#include <gif_lib.h>

#include <fstream>
#include <memory>
#include <stdexcept>

namespace {

int appendToBuffer(GifFileType* gif, const GifByteType* bytes, int count)
{
    auto* buffer = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    buffer->insert(buffer->end(), bytes, bytes + count);
    return count;
}

void check(int result, const char* what)
{
    if (result == GIF_ERROR)
        throw std::runtime_error(std::string("GIF encoding failed: ") + what);
}

struct GifCloser {
    void operator()(GifFileType* gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct MapFreer {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// The colour table padded with black to the next power of two (at least 2 entries).
std::unique_ptr<ColorMapObject, MapFreer> makeColourMap(const Palette& palette)
{
    int size = 2;
    while (size < palette.size())
        size *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
    for (int i = 0; i < palette.size(); ++i) {
        const Rgb c = palette.colours()[static_cast<std::size_t>(i)];
        colours[static_cast<std::size_t>(i)] = GifColorType{c.r, c.g, c.b};
    }
    std::unique_ptr<ColorMapObject, MapFreer> map(GifMakeMapObject(size, colours.data()));
    if (!map)
        throw std::runtime_error("GIF encoding failed: colour table");
    return map;
}

void putLoopExtension(GifFileType* gif)
{
    static const GifByteType name[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loopForever[] = {1, 0, 0};
    check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "loop extension");
    check(EGifPutExtensionBlock(gif, sizeof name, name), "loop extension");
    check(EGifPutExtensionBlock(gif, sizeof loopForever, loopForever), "loop extension");
    check(EGifPutExtensionTrailer(gif), "loop extension");
}

} // namespace

GifWriter::GifWriter(int width, int height, Palette palette)
    : width(width), height(height), palette(std::move(palette))
{
    if (this->palette.size() < 1)
        throw std::invalid_argument("a GIF needs at least one colour");
}

void GifWriter::addFrame(const Raster& image, int delay, Disposal disposal, int left, int top)
{
    if (left < 0 || top < 0 || left + image.width() > width || top + image.height() > height)
        throw std::invalid_argument("GIF frame outside the logical screen");
    frames.push_back(Frame{image, delay, disposal, left, top, transparent});
}

std::vector<std::uint8_t> GifWriter::encode() const
{
    if (frames.empty())
        throw std::logic_error("GIF without frames");
    std::vector<std::uint8_t> bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToBuffer, &error));
    if (!gif)
        throw std::runtime_error("GIF encoding failed: open");
    EGifSetGifVersion(gif.get(), true);
    const auto map = makeColourMap(palette);
    check(EGifPutScreenDesc(gif.get(), width, height, map->BitsPerPixel, 0, map.get()), "screen descriptor");
    const bool animated = frames.size() > 1;
    if (animated && looping)
        putLoopExtension(gif.get());
    for (const Frame& frame : frames) {
        if (animated || frame.transparent >= 0 || frame.disposal != Unspecified) {
            GraphicsControlBlock control{};
            control.DisposalMode = frame.disposal;
            control.UserInputFlag = false;
            control.DelayTime = frame.delay;
            control.TransparentColor = frame.transparent >= 0 ? frame.transparent : NO_TRANSPARENT_COLOR;
            GifByteType block[4];
            const auto length = EGifGCBToExtension(&control, block);
            check(EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length), block),
                  "graphic control");
        }
        const Raster& image = frame.image;
        check(EGifPutImageDesc(gif.get(), frame.left, frame.top, image.width(), image.height(), false, nullptr),
              "image descriptor");
        std::vector<GifPixelType> line(static_cast<std::size_t>(image.width()));
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                line[static_cast<std::size_t>(x)] = static_cast<GifPixelType>(image.at(x, y));
            check(EGifPutLine(gif.get(), line.data(), image.width()), "pixels");
        }
    }
    GifFileType* raw = gif.release();
    if (EGifCloseFile(raw, &error) == GIF_ERROR)
        throw std::runtime_error("GIF encoding failed: close");
    return bytes;
}

std::vector<std::uint8_t> GifWriter::still(const Raster& image, const Palette& palette, int transparentIndex)
{
    GifWriter writer(image.width(), image.height(), palette);
    writer.setTransparentIndex(transparentIndex);
    writer.addFrame(image);
    return writer.encode();
}

void GifWriter::writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
