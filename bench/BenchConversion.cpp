// Pictures brought into a skin in another format: a full-screen PNG of 5,000
// colours converted to the GIF the skin stores (decoding, quantizing and
// writing), and its quantization alone.
#include "PictureSamples.h"
#include "pictures/ColourReduction.h"
#include "pictures/PictureConversion.h"

#include <benchmark/benchmark.h>

namespace {

void convertFullScreenPng(benchmark::State& state)
{
    const std::vector<std::uint8_t> png = picturesamples::fileBytes(picturesamples::fiveThousandColours(), "PNG");
    for (auto _ : state) {
        const pictureconversion::SkinPicture stored =
            pictureconversion::pictureForSkin(png, pictureconversion::Conversion::toGif);
        if (!stored.usable)
            state.SkipWithError("the picture did not convert");
        benchmark::DoNotOptimize(stored.bytes.data());
    }
}
BENCHMARK(convertFullScreenPng)->Unit(benchmark::kMillisecond);

void quantizeFullScreen(benchmark::State& state)
{
    const QImage image = picturesamples::fiveThousandColours();
    for (auto _ : state) {
        const auto reduced = colourreduction::reduceColours(image);
        benchmark::DoNotOptimize(reduced->indices.data());
    }
}
BENCHMARK(quantizeFullScreen)->Unit(benchmark::kMillisecond);

} // namespace
