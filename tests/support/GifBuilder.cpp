#include "GifBuilder.h"

#include "pictures/GifEncoding.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>

namespace {

using gifencoding::ColourMap;

// No colours: no table at all.
ColourMap makeColourMap(const std::vector<QRgb>& colours)
{
    return colours.empty() ? nullptr : gifencoding::colourMap(colours);
}

void check(int result, const char* what)
{
    if (result != GIF_OK)
        throw std::runtime_error(std::string("giflib: ") + what);
}

} // namespace

GifBuilder::GifBuilder(int screenWidth, int screenHeight) : screenWidth(screenWidth), screenHeight(screenHeight)
{
}

GifBuilder& GifBuilder::colours(std::vector<QRgb> global)
{
    globalColours = std::move(global);
    return *this;
}

GifBuilder& GifBuilder::withoutGlobalColours()
{
    globalColours.clear();
    return *this;
}

GifBuilder& GifBuilder::looping()
{
    loop = true;
    return *this;
}

GifBuilder& GifBuilder::comment(std::string text)
{
    leadingComment = std::move(text);
    return *this;
}

GifBuilder& GifBuilder::add(Frame frame)
{
    frames.push_back(std::move(frame));
    return *this;
}

GifBuilder& GifBuilder::version87()
{
    gif89 = false;
    return *this;
}

std::vector<std::uint8_t> GifBuilder::build() const
{
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, gifencoding::appendToBytes, &error);
    if (!gif)
        throw std::runtime_error("giflib: EGifOpen");
    auto closer = [](GifFileType* g) { int e = 0; EGifCloseFile(g, &e); };
    std::unique_ptr<GifFileType, decltype(closer)> guard(gif, closer);

    EGifSetGifVersion(gif, gif89);
    const ColourMap global = makeColourMap(globalColours);
    check(EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, global ? 3 : 0, global.get()), "screen");
    if (loop) {
        static const GifByteType netscape[] = "NETSCAPE2.0";
        static const GifByteType loopForever[] = {1, 0, 0};
        check(EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE), "application");
        check(EGifPutExtensionBlock(gif, 11, netscape), "application");
        check(EGifPutExtensionBlock(gif, 3, loopForever), "application");
        check(EGifPutExtensionTrailer(gif), "application");
    }
    if (!leadingComment.empty())
        check(EGifPutComment(gif, leadingComment.c_str()), "comment");

    for (const Frame& frame : frames) {
        if (frame.delay >= 0) {
            GraphicsControlBlock control{frame.disposal, false, frame.delay, frame.transparentIndex};
            GifByteType extension[4];
            EGifGCBToExtension(&control, extension);
            check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension), "control");
        }
        if (!frame.commentBefore.empty())
            check(EGifPutComment(gif, frame.commentBefore.c_str()), "comment");
        const ColourMap local = makeColourMap(frame.localColours);
        check(EGifPutImageDesc(gif, frame.left, frame.top, frame.width, frame.height, false, local.get()), "image");
        std::vector<GifPixelType> row(std::size_t(frame.width));
        for (int y = 0; y < frame.height; ++y) {
            for (int x = 0; x < frame.width; ++x) {
                const std::size_t i = std::size_t(y) * std::size_t(frame.width) + std::size_t(x);
                row[std::size_t(x)] = i < frame.pixels.size() ? frame.pixels[i] : frame.fill;
            }
            check(EGifPutLine(gif, row.data(), frame.width), "pixels");
        }
    }
    guard.reset();
    return out;
}
