// Walks arbitrary bytes as a GIF and cuts out every frame, checking that the
// walk agrees with itself and that every one-frame GIF is well formed.
#include "gif/GifWalker.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    GifWalker walker(bytes);
    (void)walker.isGif();
    const int count = walker.countFrames();

    int extracted = 0;
    GifFrame frame;
    std::vector<std::uint8_t> gif;
    std::size_t previous = walker.parseOffset();
    // Half of the inputs cut their frames out on screens of the frames' own size.
    const bool frameSized = size % 2 == 1;
    while (walker.extractFrame(frame, gif, frameSized)) {
        ++extracted;
        // The walk moves forward and stays inside the data.
        if (walker.parseOffset() <= previous || walker.parseOffset() > size)
            std::abort();
        previous = walker.parseOffset();
        if (frame.disposal < 0 || frame.disposal > 7 || frame.delay < -1 || frame.delay > 0xFFFF)
            std::abort();
        // A one-frame GIF holds at most the data plus a trailer, and walks as one frame.
        if (gif.size() > size + 1 || gif.back() != 0x3B)
            std::abort();
        GifWalker single(gif);
        if (single.countFrames() != 1)
            std::abort();
        if (frameSized && walker.isFrameSized(frame)) {
            GifFrame inside;
            std::vector<std::uint8_t> again;
            if (single.screenWidth() != frame.width || single.screenHeight() != frame.height
                || !single.extractFrame(inside, again) || inside.left != 0 || inside.top != 0
                || inside.width != frame.width || inside.height != frame.height)
                std::abort();
        }
    }
    if (extracted != count)
        std::abort();
    return 0;
}
