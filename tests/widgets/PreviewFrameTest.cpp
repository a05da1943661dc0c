// The frames' windows and the preview control, driven with QTest mouse
// events on real widgets; and the page's way of building the screen against
// velaskin-cli render.

#include "PreviewTestSupport.h"
#include "ModelAccess.h"
#include "ProgramRun.h"
#include "TempFolder.h"
#include "document/LanguageTable.h"
#include "preview/IdleScene.h"
#include "preview/IdleScreen.h"
#include "preview/ScreenCanvas.h"
#include "preview/ZoomedCanvas.h"
#include "widgets/PreviewFrame.h"
#include "widgets/ScreenPreview.h"

#include <QDir>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

using namespace preview_testing;
using namespace idlescreen;

namespace {

// A stand-in for the element page: the preview control at (7, 7) and the
// eight frames on it, bound to the scene's contents, which are placed in
// canvas pixels; the canvas lies 3 pixels inside the control.
class PreviewFrameTest : public ::testing::Test {
protected:
    PreviewFrameTest()
    {
        page.resize(300, 300);
        preview = new ScreenPreview(canvas, &page);
        preview->move(7, 7);
        for (std::size_t i = 0; i < frameCount; ++i)
            frames[i] = new PreviewFrame(scene.frame(Frame(i)), frameControlIds[i], preview);
        page.show();
    }

    PreviewFrame& frame(Frame which) { return *frames[frameIndex(which)]; }

    // The left key frame with a picture of that size at phone position (x, y).
    PreviewFrame& keyFrame(int width, int height, int x, int y, bool transparentCorner = false)
    {
        PreviewFrame& shown = frame(Frame::LeftKey);
        shown.content().setGeometryAndPicture(solidGif(width, height, qRgb(200, 0, 0), transparentCorner),
                                              {x, y, x + width, y + height}, area);
        shown.updateFromContent();
        return shown;
    }

    QWidget page;
    ScreenCanvas canvas;
    IdleScene scene;
    ScreenPreview* preview = nullptr;
    std::array<PreviewFrame*, frameCount> frames{};
    // Frames hold their places in canvas pixels.
    const PreviewArea area;
};

} // namespace

// At every factor the control shows the canvas enlarged by whole pixels,
// exactly as zoomedImage makes it (nearest neighbour), inside its black
// frame; the pixel grid (from 4x up) and the selection outline lie over the
// enlarged picture and never reach the canvas.
TEST_F(PreviewFrameTest, PreviewShowsTheCanvasEnlargedInsideABlackFrame)
{
    canvas.image().fill(qRgb(1, 200, 3));
    canvas.image().setPixel(175, 219, qRgb(9, 9, 9));
    canvas.image().setPixel(0, 0, qRgb(250, 0, 0));
    preview->canvasChanged();
    const QImage canvasBefore = canvas.image();
    for (const int zoom : {1, 3, 4, 8}) {
        SCOPED_TRACE(zoom);
        preview->setPixelGrid(false);
        preview->setSelectionOutline(std::nullopt);
        preview->setZoom(zoom);
        ASSERT_EQ(preview->size(), QSize(176 * zoom + 6, 220 * zoom + 6));
        QImage shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));
        EXPECT_EQ(shown.pixel(shown.width() - 1, shown.height() - 1), qRgb(0, 0, 0));
        const QImage inside = shown.copy(3, 3, 176 * zoom, 220 * zoom);
        EXPECT_EQ(inside, zoomedImage(canvas.image(), zoom));
        EXPECT_EQ(inside.pixel(zoom - 1, zoom - 1), qRgb(250, 0, 0));
        EXPECT_EQ(inside.pixel(zoom, zoom), qRgb(1, 200, 3));

        // The grid marks the first row and column of every canvas pixel, from 4x up only.
        preview->setPixelGrid(true);
        shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage gridded = shown.copy(3, 3, 176 * zoom, 220 * zoom);
        if (zoom < ScreenPreview::gridZoom) {
            EXPECT_EQ(gridded, inside);
        } else {
            EXPECT_NE(gridded.pixel(zoom, zoom + 1), inside.pixel(zoom, zoom + 1));
            EXPECT_NE(gridded.pixel(zoom + 1, zoom), inside.pixel(zoom + 1, zoom));
            EXPECT_EQ(gridded.pixel(zoom + 1, zoom + 1), inside.pixel(zoom + 1, zoom + 1));
        }
        // The outline lies just outside the element's pixels.
        preview->setPixelGrid(false);
        preview->setSelectionOutline(QRect(10, 20, 5, 4));
        shown = preview->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect element(3 + 10 * zoom, 3 + 20 * zoom, 5 * zoom, 4 * zoom);
        EXPECT_EQ(shown.copy(element), inside.copy(element.translated(-3, -3)));
        EXPECT_EQ(shown.pixel(element.left() - 1, element.top() - 1), qRgb(255, 255, 255));
        EXPECT_NE(shown.copy(element.adjusted(-1, -1, 1, 1)), inside.copy(element.adjusted(-4, -4, -2, -2)));
        EXPECT_EQ(canvas.image(), canvasBefore);
    }
}

// canvasCoordinate rounds down, also left of and above the canvas: each
// enlarged pixel belongs to the canvas pixel it shows.
TEST(ZoomedCanvas, CoordinatesRoundDownToTheCanvasPixelShown)
{
    struct Case {
        int zoomed, factor, canvas;
    };
    for (const Case& c : {Case{0, 1, 0}, {-1, 1, -1}, {7, 8, 0}, {8, 8, 1}, {-1, 8, -1}, {-8, 8, -1}, {-9, 8, -2},
                          {35, 3, 11}, {-3, 3, -1}, {-4, 3, -2}}) {
        EXPECT_EQ(canvasCoordinate(c.zoomed, c.factor), c.canvas) << c.zoomed << " at " << c.factor;
    }
}

// Dragging past the top-left corner pins the frame at phone (0, 0); past
// the bottom-right it stops flush with the limits. The frame reports every
// move and one drop, and writes nothing to the skin.
TEST_F(PreviewFrameTest, DragIsClampedToTheScreen)
{
    TestSkin skin;
    skin.rect(658, {50, 100, 70, 110});
    const auto linesBefore = editedSkin(skin.model).lines();
    PreviewFrame& shown = keyFrame(20, 10, 50, 100);
    EXPECT_EQ(shown.geometry(), QRect(53, 103, 20, 10));
    QSignalSpy moved(&shown, &PreviewFrame::moved);
    QSignalSpy dropped(&shown, &PreviewFrame::dropped);

    QTest::mousePress(&shown, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(&shown, QPoint(5 - 200, 5 - 300));
    EXPECT_EQ(shown.content().rect(), (SkinRect{0, 0, 20, 10}));
    EXPECT_EQ(shown.pos(), QPoint(3, 3));
    QTest::mouseMove(&shown, QPoint(5 + 500, 5 + 500));
    EXPECT_EQ(shown.content().rect(), (SkinRect{156, 210, 176, 220}));
    EXPECT_EQ(shown.geometry(), QRect(159, 213, 20, 10));
    QTest::mouseRelease(&shown, Qt::LeftButton, {}, QPoint(5 + 500, 5 + 500));

    EXPECT_EQ(moved.count(), 2);
    ASSERT_EQ(dropped.count(), 1); // also with the pointer outside the frame
    EXPECT_EQ(dropped.at(0).at(0).toInt(), 1242);
    EXPECT_EQ(editedSkin(skin.model).lines(), linesBefore);

    // Without a press: no drag and no drop.
    QTest::mouseMove(&shown, QPoint(-50, -50));
    QTest::mouseRelease(&shown, Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(shown.content().rect(), (SkinRect{156, 210, 176, 220}));
}

TEST_F(PreviewFrameTest, FrameWiderThanTheScreenEndsFlushRightWithANegativeLeft)
{
    PreviewFrame& shown = keyFrame(200, 10, 0, 50);
    QTest::mousePress(&shown, Qt::LeftButton, {}, QPoint(100, 5));
    QTest::mouseMove(&shown, QPoint(101, 5));
    QTest::mouseRelease(&shown, Qt::LeftButton, {}, QPoint(101, 5));
    EXPECT_EQ(shown.content().rect(), (SkinRect{176 - 200, 50, 176, 60}));
    EXPECT_EQ(shown.pos(), QPoint(3 - 24, 53));

    shown.moveTo(30, 300);
    EXPECT_EQ(shown.content().rect(), (SkinRect{-24, 210, 176, 220}));
}

// The hit shape is the picture's own pixels at the window's corner: the
// page's press on a transparent pixel does not reach the frame; a picture
// without pixels cannot be hit at all.
TEST_F(PreviewFrameTest, ShapeFollowsThePicturesPixels)
{
    PreviewFrame& shown = keyFrame(6, 4, 20, 30, true);
    EXPECT_EQ(shown.mask(), QRegion(0, 0, 6, 4) - QRegion(0, 0, 1, 1));
    // Through the window, so that Qt finds the widget under the pointer.
    QWindow* window = page.windowHandle();
    ASSERT_TRUE(window);
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(30, 40)); // the transparent corner
    EXPECT_FALSE(shown.content().dragging());
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(30, 40));
    QTest::mousePress(window, Qt::LeftButton, {}, QPoint(31, 41));
    EXPECT_TRUE(shown.content().dragging());
    QTest::mouseRelease(window, Qt::LeftButton, {}, QPoint(31, 41));
    EXPECT_FALSE(shown.content().dragging());

    GifBuilder::Frame clear = GifBuilder::frame(0, 0, 4, 4, 0, 0);
    clear.transparentIndex = 0;
    shown.content().loadPicture(GifBuilder(4, 4).add(clear).build());
    shown.updateFromContent();
    EXPECT_TRUE(shown.testAttribute(Qt::WA_TransparentForMouseEvents));
}

// A picture that does not decode leaves the window where and as it was and
// the frame drawing nothing.
TEST_F(PreviewFrameTest, UndecodablePictureKeepsPlaceAndShape)
{
    PreviewFrame& shown = keyFrame(6, 4, 20, 30, true);
    const QRect geometry = shown.geometry();
    const QRegion mask = shown.mask();
    const std::vector<std::uint8_t> garbage{'G', 'I', 'F', '8', '9', 'a', 1, 2};
    shown.content().setGeometryAndPicture(garbage, {100, 100, 140, 140}, area);
    shown.updateFromContent();
    EXPECT_EQ(shown.geometry(), geometry);
    EXPECT_EQ(shown.mask(), mask);
    EXPECT_TRUE(shown.content().hasPicture());

    QImage image = filled(qRgb(5, 5, 5));
    QPainter painter(&image);
    shown.content().drawOnCanvas(painter);
    painter.end();
    EXPECT_EQ(image, filled(qRgb(5, 5, 5)));
}

// Captions are rectangular and lie over the other frames; the caption wraps
// inside its white box.
TEST_F(PreviewFrameTest, CaptionFramesAreRectangularAndOnTop)
{
    keyFrame(40, 20, 10, 10);
    PreviewFrame& label = frame(Frame::JoyPad1);
    label.content().setCaption(QStringLiteral("Down key and more"), {20, 15, 60, 60}, area);
    label.updateFromContent();
    EXPECT_TRUE(label.mask().isEmpty());
    EXPECT_EQ(page.childAt(QPoint(10 + 25, 10 + 18)), &label);

    QImage image = filled(qRgb(5, 5, 5));
    QPainter painter(&image);
    label.content().drawOnCanvas(painter);
    painter.end();
    // Black border, white inside, black text on more than one line.
    EXPECT_EQ(image.pixel(20, 15), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(59, 59), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(21, 16), qRgb(255, 255, 255));
    const Pixels ink = within(pixelsNot(image, qRgb(255, 255, 255)), 22, 16, 58, 59);
    int lowest = 0;
    for (const auto& [x, y] : ink)
        lowest = std::max(lowest, y);
    EXPECT_GT(lowest, 16 + 12);
}

// The page builds its screen with the frames' windows over the preview
// control; velaskin-cli render builds its own. Same skin, same state: same
// pixels.
TEST_F(PreviewFrameTest, PageSideSceneAndRenderCommandGiveTheSameScreen)
{
    const std::filesystem::path skinFolder = std::filesystem::path(VELASKIN_DATA_DIR) / "Default" / "Vela";
    ASSERT_TRUE(std::filesystem::exists(skinFolder / "Vela.ski"))
        << "the shipped default skin " << skinFolder / "Vela.ski" << " is missing";
    testing_support::TempFolder out;
    // The wallpaper's bare name is looked up from the skin's folder.
    struct WorkingFolder {
        const QString previous = QDir::currentPath();
        ~WorkingFolder() { QDir::setCurrent(previous); }
    } restore;
    QDir::setCurrent(QString::fromStdString(skinFolder.string()));
    SkinModel model;
    ASSERT_EQ(model.openSkin("Vela.ski"), LoadResult::Loaded);
    LanguageTable english;
    ASSERT_TRUE(english.load(VELASKIN_DATA_DIR "/Lng/English.lng"));

    struct Case {
        const char* options;
        ViewOptions view;
    };
    ViewOptions analog;
    analog.analogClock = true;
    analog.leftKeyState = 1;
    analog.centreKeyState = 3;
    ViewOptions joyPad;
    joyPad.joyPadShown = true;
    joyPad.showWallpaper = false;
    joyPad.rightKeyState = 2;
    joyPad.focusRects = true;
    for (const Case& c : {Case{"", ViewOptions()}, Case{"--analog --left 1 --centre 3", analog},
                          Case{"--joypad --no-wallpaper --right 2 --focus-rects", joyPad}}) {
        SCOPED_TRACE(c.options);
        scene.view = c.view;
        EXPECT_TRUE(scene.load(model, joyPadCaptions(english), PreviewArea{}));
        for (PreviewFrame* each : frames)
            each->updateFromContent();
        drawIdleScreen(canvas, model, scene);

        const std::string png = out.path("screen.png");
        const testing_support::ProgramResult run =
            testing_support::runCli(skinFolder, "render Vela.ski '" + png + "' " + c.options);
        ASSERT_EQ(run.code, 0) << run.err;
        const QImage rendered(QString::fromStdString(png));
        ASSERT_FALSE(rendered.isNull());
        EXPECT_EQ(rendered.convertToFormat(QImage::Format_RGB32), canvas.image());
        // What the page shows: the canvas, the frames over it paint nothing.
        preview->canvasChanged();
        const QImage onPage = page.grab(QRect(10, 10, 176, 220)).toImage();
        EXPECT_EQ(onPage.convertToFormat(QImage::Format_RGB32), canvas.image());
    }
    // The frames lie over the elements they show.
    const SkinRect clock = model.getRect(clockFace.rect);
    EXPECT_EQ(frame(Frame::ClockFace).pos(), QPoint(3 + clock.left, 3 + clock.top));
}
