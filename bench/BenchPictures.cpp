#include "GifBuilder.h"
#include "gif/GifWalker.h"
#include "pictures/DecodedAnimation.h"

#include <QBuffer>
#include <QMovie>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// About what the images page shows: twenty frames on the phone's 176 x 220
// screen, alternating whole-screen frames and smaller ones, with noise so
// that the pixel data is not trivially compressible.
const std::vector<std::uint8_t>& animation()
{
    static const std::vector<std::uint8_t> bytes = [] {
        std::vector<QRgb> colours;
        for (int i = 0; i < 256; ++i)
            colours.push_back(qRgb(i, (i * 7) & 0xFF, (i * 13) & 0xFF));
        GifBuilder builder(176, 220);
        builder.colours(colours).looping();
        std::uint32_t seed = 12345;
        for (int i = 0; i < 20; ++i) {
            GifBuilder::Frame frame;
            const bool whole = i % 2 == 0;
            frame.left = whole ? 0 : 8 * i;
            frame.top = whole ? 0 : 5 * i;
            frame.width = whole ? 176 : 48;
            frame.height = whole ? 220 : 64;
            frame.delay = 10;
            frame.disposal = i % 4 == 1 ? 2 : 1;
            frame.pixels.resize(std::size_t(frame.width * frame.height));
            for (std::size_t p = 0; p < frame.pixels.size(); ++p) {
                seed = seed * 1103515245u + 12345u;
                // Runs of one colour with some noise, like a drawn picture.
                frame.pixels[p] = std::uint8_t((p / 24 + std::size_t(i) * 9 + ((seed >> 16) % 4)) & 0xFF);
            }
            builder.add(frame);
        }
        return builder.build();
    }();
    return bytes;
}

void walkerAndFrameDecoding(benchmark::State& state)
{
    const auto& bytes = animation();
    for (auto _ : state) {
        DecodedAnimation decoded;
        if (!decoded.decode(bytes) || decoded.frames().size() != 20)
            state.SkipWithError("the animation did not decode");
        benchmark::DoNotOptimize(decoded.frames().data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK(walkerAndFrameDecoding)->Unit(benchmark::kMillisecond);

// QMovie decoding every frame of the same bytes; with cacheAll it also keeps
// them all, as the control does, instead of reusing one image.
void movieDecodingAllFrames(benchmark::State& state, bool cacheAll)
{
    const auto& bytes = animation();
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
    for (auto _ : state) {
        QBuffer buffer;
        buffer.setData(data);
        buffer.open(QIODevice::ReadOnly);
        QMovie movie(&buffer, "gif");
        if (cacheAll)
            movie.setCacheMode(QMovie::CacheAll);
        int frames = 0;
        for (int i = 0; i < 20 && movie.jumpToNextFrame(); ++i) {
            benchmark::DoNotOptimize(movie.currentImage().constBits());
            ++frames;
        }
        if (frames != 20)
            state.SkipWithError("QMovie did not decode every frame");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}
BENCHMARK_CAPTURE(movieDecodingAllFrames, reusingOneImage, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(movieDecodingAllFrames, keepingEveryFrame, true)->Unit(benchmark::kMillisecond);

// The block walk alone, without any pixel decoding.
void walkerOnly(benchmark::State& state)
{
    const auto& bytes = animation();
    for (auto _ : state) {
        GifWalker walker(bytes);
        GifFrame frame;
        std::vector<std::uint8_t> gif;
        int frames = 0;
        while (walker.extractFrame(frame, gif))
            ++frames;
        benchmark::DoNotOptimize(frames);
    }
}
BENCHMARK(walkerOnly)->Unit(benchmark::kMicrosecond);

} // namespace
