// Run from the data folder: the shipped default skin is "Default/Vela/Vela.ski".
// Every edit is a command: running one, or undoing it, and composing the idle
// screen again is what the user waits for after each change; a drag writes a
// command per step, merged into one; and the undo history holds picture
// bytes once, however often they were stored.
#include "GifBuilder.h"
#include "document/LanguageTable.h"
#include "idlescreen/ElementTable.h"
#include "preview/IdleScene.h"
#include "preview/IdleScreen.h"
#include "preview/ScreenCanvas.h"
#include "session/ColourCommand.h"
#include "session/RectCommand.h"
#include "session/ReplacePictureCommand.h"
#include "session/SkinSession.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using namespace idlescreen;

const std::string skinPath = (fs::path("Default") / "Vela" / "Vela.ski").string();

// The shipped skin opened in a session, its idle screen loaded as the element page holds it.
struct EditedSkin {
    LanguageTable texts;
    SkinSession session {texts};
    IdleScene scene;
    ScreenCanvas canvas;
    bool ready = false;

    EditedSkin()
    {
        ready = texts.load("Lng/English.lng") && session.loadDefaultSkin(skinPath) == LoadResult::Loaded
            && session.open(skinPath) == LoadResult::Loaded;
        scene.loadFrames(session.model(), {}, PreviewArea{});
    }
    void recompose() { drawIdleScreen(canvas, session.model(), scene); }
};

// One colour chosen (a new command each time), and the screen composed again.
void colourCommandAndRecompose(benchmark::State& state)
{
    EditedSkin skin;
    if (!skin.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    std::uint32_t colour = 0;
    for (auto _ : state) {
        skin.session.push(std::make_unique<ColourCommand>(skin.session, ElementKind::OperatorName, 0, ++colour & 0xFFFFFF, 0));
        skin.recompose();
    }
    state.counters["commands"] = skin.session.undoStack().count();
}
BENCHMARK(colourCommandAndRecompose)->Unit(benchmark::kMicrosecond);

// The last colour undone and done again, each with the screen composed again.
void undoRedoAndRecompose(benchmark::State& state)
{
    EditedSkin skin;
    if (!skin.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    skin.session.push(std::make_unique<ColourCommand>(skin.session, ElementKind::OperatorName, 0, 0x00FF00, 0));
    for (auto _ : state) {
        skin.session.undoStack().undo();
        skin.recompose();
        skin.session.undoStack().redo();
        skin.recompose();
    }
    state.SetItemsProcessed(state.iterations() * 2); // items: one undo or redo with its recomposition
}
BENCHMARK(undoRedoAndRecompose)->Unit(benchmark::kMicrosecond);

// A drag of the left key over 1,000 steps, each step a command merged into
// the drag's one; the counter tells how many commands the stack keeps.
void dragOfAThousandSteps(benchmark::State& state)
{
    EditedSkin skin;
    if (!skin.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    for (auto _ : state) {
        for (int step = 0; step < 1000; ++step) {
            const std::int32_t left = step % 100;
            skin.session.push(std::make_unique<RectCommand>(skin.session, ElementKind::LeftKey0,
                                                            RectCommand::Rule::Placed,
                                                            SkinRect {left, 150, left + 40, 170}));
        }
        skin.session.closeMerging();
    }
    state.counters["commandsPerDrag"] = double(skin.session.undoStack().count()) / double(state.iterations());
}
BENCHMARK(dragOfAThousandSteps)->Unit(benchmark::kMillisecond);

// 1,000 Replace commands of a 2 KB picture (two pictures alternating, as a
// user trying them does): the bytes the history holds beyond the skin.
void thousandReplacesOfATwoKilobytePicture(benchmark::State& state)
{
    std::vector<std::vector<std::uint8_t>> pictures;
    std::uint32_t noise = 12345;
    for (int picture = 0; picture < 2; ++picture) {
        // Noise does not compress: about 2 KB of GIF.
        GifBuilder::Frame frame = GifBuilder::frame(0, 0, 80, 60, 0);
        for (int i = 0; i < 80 * 60; ++i) {
            noise = noise * 1103515245u + 12345u;
            frame.pixels.push_back(std::uint8_t(noise >> 30));
        }
        pictures.push_back(GifBuilder(80, 60).add(frame).build());
    }
    for (auto _ : state) {
        EditedSkin skin;
        if (!skin.ready) {
            state.SkipWithError("run from the data folder");
            return;
        }
        for (int i = 0; i < 1000; ++i)
            skin.session.push(std::make_unique<ReplacePictureCommand>(skin.session, 630, pictures[std::size_t(i % 2)]));
        std::size_t held = 0;
        for (int i = 0; i < skin.session.undoStack().count(); ++i)
            if (auto* command = dynamic_cast<const SkinEditCommand*>(skin.session.undoStack().command(i)))
                held += command->documentChange().heldBytes();
        state.counters["commands"] = skin.session.undoStack().count();
        state.counters["pictureBytes"] = double(pictures[0].size());
        state.counters["sharedBuffers"] = double(skin.session.bytePool().liveBuffers());
        state.counters["unsharedBytesHeld"] = double(held);
    }
}
BENCHMARK(thousandReplacesOfATwoKilobytePicture)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
