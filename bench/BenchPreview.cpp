// Run from the data folder: the shipped default skin is "Default/Vela/Vela.ski".
// The preview recomposes the whole idle screen on every edit and on every
// step of a frame's drag, so one composition must stay far below a frame time;
// the tree's marks are looked up again after every edit.
#include "document/SkinModel.h"
#include "idlescreen/ElementEdits.h"
#include "preview/IdleScene.h"
#include "preview/IdleScreen.h"
#include "preview/OutlinedText.h"
#include "preview/ScreenCanvas.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;
using namespace idlescreen;

const fs::path skinFolder = fs::path("Default") / "Vela";

// The shipped skin with every frame loaded, as the element page holds it.
struct LoadedSkin {
    SkinModel model;
    IdleScene scene;
    bool ready = false;

    LoadedSkin()
    {
        // Its wallpaper's bare name is looked up from the skin's folder.
        std::error_code error;
        const fs::path previous = fs::current_path();
        fs::current_path(skinFolder, error);
        if (error)
            return;
        ready = model.openSkin("Vela.ski") == LoadResult::Loaded &&
                scene.load(model, {QStringLiteral("Up key"), QStringLiteral("Down key"), QStringLiteral("Left key"),
                                   QStringLiteral("Right key")},
                           PreviewArea{});
        fs::current_path(previous, error);
    }
};

LoadedSkin& shippedSkin()
{
    static LoadedSkin skin;
    return skin;
}

void composeIdleScreen(benchmark::State& state, bool analog)
{
    LoadedSkin& skin = shippedSkin();
    if (!skin.ready) {
        state.SkipWithError("run from the data folder: Default/Vela/Vela.ski and its wallpaper are needed");
        return;
    }
    skin.scene.view.analogClock = analog;
    ScreenCanvas canvas;
    for (auto _ : state) {
        drawIdleScreen(canvas, skin.model, skin.scene);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK_CAPTURE(composeIdleScreen, digital, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(composeIdleScreen, analog, true)->Unit(benchmark::kMicrosecond);

// What any repaint costs at least: fill the canvas, then copy it out.
void plainFillAndCopy(benchmark::State& state)
{
    ScreenCanvas canvas;
    QImage shown(screenWidth, screenHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        {
            QPainter painter(&canvas.image());
            painter.fillRect(0, 0, screenWidth, screenHeight, QColor(20, 40, 60));
        }
        {
            QPainter painter(&shown);
            painter.drawImage(0, 0, canvas.image());
        }
        benchmark::DoNotOptimize(shown.constBits());
    }
}
BENCHMARK(plainFillAndCopy)->Unit(benchmark::kMicrosecond);

// One text with both rings, as the operator name is drawn.
void outlinedTextLevelTwo(benchmark::State& state)
{
    TextStyle style;
    style.left = 4;
    style.top = 17;
    style.right = 172;
    style.bottom = 41;
    style.outlineLevel = 2;
    style.underline = 1;
    style.text = QStringLiteral("OPERATOR");
    style.textColour = 0xFFFFFF;
    style.innerColour = 0x402010;
    style.outerColour = 0x000000;
    style.outerTransparency = 150;
    ScreenCanvas canvas;
    QPainter painter(&canvas.image());
    for (auto _ : state) {
        drawOutlinedText(painter, style, false);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
}
BENCHMARK(outlinedTextLevelTwo)->Unit(benchmark::kMicrosecond);

// The element tree's marks follow every edit: each element asks whether the
// edited skin holds one of its records. A whole skin as the edited one (the
// shipped skin, opened) holds nearly all of them; a new skin holds none, so
// every record is looked for in vain.
void markEveryElement(benchmark::State& state, bool newSkin)
{
    LoadedSkin& skin = shippedSkin();
    if (!skin.ready) {
        state.SkipWithError("run from the data folder: Default/Vela/Vela.ski and its wallpaper are needed");
        return;
    }
    SkinModel model;
    if (model.loadDefaultSkin((skinFolder / "Vela.ski").string()) != LoadResult::Loaded) {
        state.SkipWithError("cannot load the default skin");
        return;
    }
    if (newSkin)
        model.newSkin("New skin");
    else if (model.openSkin((skinFolder / "Vela.ski").string()) != LoadResult::Loaded)
        state.SkipWithError("cannot open the skin");
    for (auto _ : state) {
        int marked = 0;
        for (const ElementEntry& entry : elementTable)
            marked += elementDiffersFromDefault(model, entry) ? 1 : 0;
        benchmark::DoNotOptimize(marked);
    }
}
BENCHMARK_CAPTURE(markEveryElement, wholeSkin, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(markEveryElement, newSkin, true)->Unit(benchmark::kMicrosecond);

} // namespace
