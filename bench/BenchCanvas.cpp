// Run from the data folder: the shipped default skin is "Default/Vela/Vela.ski".
// The element page's preview at 8x (1408 x 1760 canvas pixels shown): one
// repaint of the whole enlarged screen, and one step of a drag (the pointer
// moves, the element follows, the screen is composed, enlarged and painted
// again), for a frame (the left key, written on the drop) and for a text
// (the operator name, written at every step into the drag's one command).
#include "document/LanguageTable.h"
#include "pages/ElementPage.h"
#include "session/SkinSession.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"
#include "widgets/TextBox.h"

#include <QApplication>
#include <QImage>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

namespace {

namespace fs = std::filesystem;
using namespace idlescreen;

const std::string skinPath = (fs::path("Default") / "Vela" / "Vela.ski").string();
constexpr int zoom = 8;

// The shipped skin opened in a session, its element page shown at 8x.
struct ZoomedPage {
    LanguageTable texts;
    SkinSession session {texts};
    std::unique_ptr<ElementPage> page;
    QImage painted;
    bool ready = false;

    ZoomedPage()
    {
        ready = texts.load("Lng/English.lng") && session.loadDefaultSkin(skinPath) == LoadResult::Loaded
            && session.open(skinPath) == LoadResult::Loaded;
        if (!ready)
            return;
        page = std::make_unique<ElementPage>(session, texts);
        page->resize(1600, 1000);
        page->show();
        page->setZoom(zoom);
        QApplication::processEvents();
        painted = QImage(page->preview().size(), QImage::Format_RGB32);
    }

    // The whole preview painted as the screen shows it.
    void repaint()
    {
        page->preview().render(&painted);
        benchmark::DoNotOptimize(painted.constBits());
    }
};

void send(QWidget& target, QEvent::Type type, QPoint at)
{
    QMouseEvent event(type, at, target.mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &event);
}

// The pointer on the widget at a point of the preview.
QPoint on(const QWidget& widget, QPoint previewPoint)
{
    return previewPoint - widget.pos();
}

void zoomedRepaint(benchmark::State& state)
{
    ZoomedPage shown;
    if (!shown.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    shown.page->setPixelGrid(state.range(0) != 0);
    for (auto _ : state)
        shown.repaint();
    state.counters["width"] = shown.painted.width();
    state.counters["height"] = shown.painted.height();
}
BENCHMARK(zoomedRepaint)->ArgName("grid")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One step: the pointer moves a canvas pixel to and fro, the widget follows;
// then the preview paints what changed (wholeRepaint: all of it, as if
// every step changed the whole screen).
template <typename Widget>
void dragSteps(benchmark::State& state, ZoomedPage& shown, Widget& dragged, QPoint grabbed)
{
    const bool wholeRepaint = state.range(0) != 0;
    const QPoint start = dragged.pos() + grabbed;
    send(dragged, QEvent::MouseButtonPress, on(dragged, start));
    int step = 0;
    for (auto _ : state) {
        ++step;
        const QPoint pointer = start + QPoint(step % 2 == 1 ? zoom : 0, 0);
        send(dragged, QEvent::MouseMove, on(dragged, pointer));
        if (wholeRepaint)
            shown.repaint();
        else
            QApplication::processEvents();
    }
    send(dragged, QEvent::MouseButtonRelease, on(dragged, start));
    state.counters["undoSteps"] = shown.session.undoStack().count();
}

void frameDragStep(benchmark::State& state)
{
    ZoomedPage shown;
    if (!shown.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    PreviewFrame& frame = shown.page->frame(Frame::LeftKey);
    dragSteps(state, shown, frame, frame.mask().boundingRect().center());
}
BENCHMARK(frameDragStep)->ArgName("wholeRepaint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void textDragStep(benchmark::State& state)
{
    ZoomedPage shown;
    if (!shown.ready) {
        state.SkipWithError("run from the data folder");
        return;
    }
    // The operator name ends near the screen's right edge: it moves left and back.
    TextBox& box = shown.page->textBox(TextSlot::OperatorName);
    dragSteps(state, shown, box, QPoint(box.width() / 2, box.height() / 2) + QPoint(zoom * 4, 0));
}
BENCHMARK(textDragStep)->ArgName("wholeRepaint")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
