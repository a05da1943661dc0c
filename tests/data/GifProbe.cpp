#include "GifProbe.h"

#include <gif_lib.h>

#include <algorithm>
#include <fstream>
#include <iterator>

namespace {

struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t position = 0;
};

int readFromMemory(GifFileType* gif, GifByteType* out, int count)
{
    auto* reader = static_cast<Reader*>(gif->UserData);
    const std::size_t left = reader->bytes.size() - reader->position;
    const std::size_t n = std::min<std::size_t>(left, static_cast<std::size_t>(std::max(count, 0)));
    std::copy_n(reader->bytes.begin() + static_cast<std::ptrdiff_t>(reader->position), n, out);
    reader->position += n;
    return static_cast<int>(n);
}

} // namespace

GifProbe GifProbe::inspect(std::span<const std::uint8_t> bytes)
{
    GifProbe probe;
    probe.version.assign(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(std::min<std::size_t>(6, bytes.size())));
    Reader reader{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&reader, readFromMemory, &error);
    if (!gif) {
        probe.error = GifErrorString(error) ? GifErrorString(error) : "open failed";
        return probe;
    }
    if (DGifSlurp(gif) != GIF_OK) {
        probe.error = GifErrorString(gif->Error) ? GifErrorString(gif->Error) : "slurp failed";
    } else {
        probe.decoded = true;
        probe.width = gif->SWidth;
        probe.height = gif->SHeight;
        probe.colours = gif->SColorMap ? gif->SColorMap->ColorCount : 0;
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            Frame frame{image.ImageDesc.Left, image.ImageDesc.Top, image.ImageDesc.Width, image.ImageDesc.Height};
            GraphicsControlBlock control{};
            if (DGifSavedExtensionToGCB(gif, i, &control) == GIF_OK) {
                frame.delay = control.DelayTime;
                frame.disposal = control.DisposalMode;
                frame.transparent = control.TransparentColor;
            }
            probe.frames.push_back(frame);
        }
    }
    DGifCloseFile(gif, &error);
    return probe;
}
