#include "pictures/ColourReduction.h"

#include <QImage>

#include <libimagequant.h>

#include <dlfcn.h>

#include <memory>
#include <unordered_map>

namespace colourreduction {

namespace {

// A pixel as the GIF will show it: opaque in its own colour, or transparent (0).
constexpr QRgb transparentPixel = 0;

QRgb shownAs(QRgb pixel)
{
    return qAlpha(pixel) < opaqueFrom ? transparentPixel : (pixel | 0xFF000000u);
}

// The image's pixels as shown, row by row; 32-bit with straight (not premultiplied) alpha.
std::vector<QRgb> shownPixels(const QImage& image)
{
    const QImage straight = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<QRgb> pixels;
    pixels.reserve(std::size_t(straight.width()) * std::size_t(straight.height()));
    for (int y = 0; y < straight.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(straight.constScanLine(y));
        for (int x = 0; x < straight.width(); ++x)
            pixels.push_back(shownAs(row[x]));
    }
    return pixels;
}

// Every pixel kept: a table entry per distinct shown pixel, in the order met.
// Nothing when there are more than a colour table holds.
std::optional<IndexedPicture> exactColours(const std::vector<QRgb>& pixels, int width, int height)
{
    IndexedPicture picture{width, height, {}, -1, {}};
    picture.indices.reserve(pixels.size());
    std::unordered_map<QRgb, std::uint8_t> entries;
    for (const QRgb pixel : pixels) {
        auto found = entries.find(pixel);
        if (found == entries.end()) {
            if (int(entries.size()) == maximumColours)
                return std::nullopt;
            const auto index = std::uint8_t(entries.size());
            found = entries.emplace(pixel, index).first;
            picture.colours.push_back(pixel);
            if (pixel == transparentPixel)
                picture.transparentIndex = index;
        }
        picture.indices.push_back(found->second);
    }
    return picture;
}

// The quantizer's settings. Speed 8 of 1..10 keeps a full-screen picture
// within a few milliseconds at nearly the quality of the slowest; no
// dithering: the phone's pictures are small drawn art, whose flat areas
// dithering would fill with noise (and make the GIF larger).
constexpr int quantizerSpeed = 8;
constexpr float ditheringLevel = 0.0F;

// libimagequant spreads its loops over OpenMP threads. For pictures of a
// phone's screen their start and their spin-waits cost more than they save,
// the more so while other threads of the program, or other programs, keep
// the cores busy: the quantizer runs on the calling thread alone.
void quantizeOnThisThreadOnly()
{
    using SetThreads = void (*)(int);
    static const auto setThreads = reinterpret_cast<SetThreads>(::dlsym(RTLD_DEFAULT, "omp_set_num_threads"));
    if (setThreads)
        setThreads(1);
}

struct AttrDeleter {
    void operator()(liq_attr* attr) const { liq_attr_destroy(attr); }
};
struct ImageDeleter {
    void operator()(liq_image* image) const { liq_image_destroy(image); }
};
struct ResultDeleter {
    void operator()(liq_result* result) const { liq_result_destroy(result); }
};

// Quantized by libimagequant; its palette's transparent entries (there is at
// most one for pixels that are either opaque or fully transparent) become the
// one transparent index.
std::optional<IndexedPicture> quantizedColours(const std::vector<QRgb>& pixels, int width, int height)
{
    std::vector<std::uint8_t> rgba;
    rgba.reserve(pixels.size() * 4);
    for (const QRgb pixel : pixels)
        rgba.insert(rgba.end(), {std::uint8_t(qRed(pixel)), std::uint8_t(qGreen(pixel)), std::uint8_t(qBlue(pixel)),
                                 std::uint8_t(qAlpha(pixel))});

    const std::unique_ptr<liq_attr, AttrDeleter> attr(liq_attr_create());
    if (!attr || liq_set_max_colors(attr.get(), maximumColours) != LIQ_OK
        || liq_set_speed(attr.get(), quantizerSpeed) != LIQ_OK)
        return std::nullopt;
    quantizeOnThisThreadOnly();
    const std::unique_ptr<liq_image, ImageDeleter> input(
        liq_image_create_rgba(attr.get(), rgba.data(), width, height, 0));
    liq_result* made = nullptr;
    if (!input || liq_image_quantize(input.get(), attr.get(), &made) != LIQ_OK || !made)
        return std::nullopt;
    const std::unique_ptr<liq_result, ResultDeleter> result(made);

    liq_set_dithering_level(result.get(), ditheringLevel);
    IndexedPicture picture{width, height, {}, -1, std::vector<std::uint8_t>(pixels.size())};
    if (liq_write_remapped_image(result.get(), input.get(), picture.indices.data(), picture.indices.size()) != LIQ_OK)
        return std::nullopt;
    const liq_palette* palette = liq_get_palette(result.get());
    std::vector<std::uint8_t> sameAs(palette->count);
    for (unsigned int i = 0; i < palette->count; ++i) {
        const liq_color& entry = palette->entries[i];
        sameAs[i] = std::uint8_t(i);
        if (entry.a < opaqueFrom) {
            if (picture.transparentIndex < 0)
                picture.transparentIndex = int(i);
            sameAs[i] = std::uint8_t(picture.transparentIndex);
        }
        picture.colours.push_back(entry.a < opaqueFrom ? transparentPixel : qRgb(entry.r, entry.g, entry.b));
    }
    for (std::uint8_t& index : picture.indices)
        index = index < sameAs.size() ? sameAs[index] : 0;
    return picture;
}

} // namespace

std::optional<IndexedPicture> reduceColours(const QImage& image)
{
    if (image.isNull())
        return std::nullopt;
    const std::vector<QRgb> pixels = shownPixels(image);
    if (std::optional<IndexedPicture> exact = exactColours(pixels, image.width(), image.height()))
        return exact;
    return quantizedColours(pixels, image.width(), image.height());
}

} // namespace colourreduction
