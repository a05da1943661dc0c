#include "pictures/GifEncoding.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>

namespace gifencoding {

namespace {

constexpr int largestSide = 65535;

bool isWritable(const IndexedPicture& picture)
{
    if (picture.width <= 0 || picture.height <= 0 || picture.width > largestSide || picture.height > largestSide)
        return false;
    if (picture.colours.empty() || picture.colours.size() > std::size_t(colourreduction::maximumColours))
        return false;
    if (picture.transparentIndex >= int(picture.colours.size()))
        return false;
    if (picture.indices.size() != std::size_t(picture.width) * std::size_t(picture.height))
        return false;
    const std::uint8_t highest = *std::max_element(picture.indices.begin(), picture.indices.end());
    return highest < picture.colours.size();
}

bool writeImage(GifFileType* gif, const IndexedPicture& picture)
{
    const ColourMap map = colourMap(picture.colours);
    if (!map || EGifPutScreenDesc(gif, picture.width, picture.height, map->BitsPerPixel, 0, map.get()) != GIF_OK)
        return false;
    if (picture.transparentIndex >= 0) {
        const GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, picture.transparentIndex};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) != GIF_OK)
            return false;
    }
    if (EGifPutImageDesc(gif, 0, 0, picture.width, picture.height, false, nullptr) != GIF_OK)
        return false;
    std::vector<GifPixelType> row(std::size_t(picture.width));
    for (int y = 0; y < picture.height; ++y) {
        const auto first = picture.indices.begin() + std::ptrdiff_t(y) * picture.width;
        std::copy(first, first + picture.width, row.begin());
        if (EGifPutLine(gif, row.data(), picture.width) != GIF_OK)
            return false;
    }
    return true;
}

} // namespace

int appendToBytes(GifFileType* gif, const unsigned char* bytes, int count)
{
    auto* out = static_cast<std::vector<std::uint8_t>*>(gif->UserData);
    out->insert(out->end(), bytes, bytes + count);
    return count;
}

void ColourMapDeleter::operator()(ColorMapObject* map) const
{
    GifFreeMapObject(map);
}

ColourMap colourMap(const std::vector<QRgb>& colours)
{
    int size = 2;
    while (size < int(colours.size()))
        size *= 2;
    std::vector<GifColorType> entries(std::size_t(size), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i)
        entries[i] = {GifByteType(qRed(colours[i])), GifByteType(qGreen(colours[i])), GifByteType(qBlue(colours[i]))};
    return ColourMap(GifMakeMapObject(size, entries.data()));
}

std::vector<std::uint8_t> encodeGif(const IndexedPicture& picture)
{
    if (!isWritable(picture))
        return {};
    std::vector<std::uint8_t> out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendToBytes, &error);
    if (!gif)
        return {};
    EGifSetGifVersion(gif, picture.transparentIndex >= 0);
    const bool written = writeImage(gif, picture);
    // Closing writes the trailer and frees the writer in every case.
    const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
    return written && closed ? out : std::vector<std::uint8_t>();
}

} // namespace gifencoding
