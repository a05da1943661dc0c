// The idle screen composed from skin records and a scene: the order of the
// layers and what each view option and key state shows.

#include "PreviewTestSupport.h"
#include "preview/IdleScene.h"
#include "preview/IdleScreen.h"
#include "preview/KeyColourRegion.h"
#include "preview/ScreenCanvas.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

using namespace preview_testing;
using namespace idlescreen;

namespace {

constexpr QRgb backgroundRgb = qRgb(20, 40, 60);
constexpr QRgb textRgb = qRgb(250, 250, 10);

class IdleScreenTest : public ::testing::Test {
protected:
    IdleScreenTest() { skin.background(backgroundRgb); }

    // A text row that shows: its box and an opaque text colour; no rings.
    void showText(const TextRowIds& row, SkinRect box, QRgb colour = textRgb)
    {
        skin.rect(row.rect, box).colour(row.look.textColour, colour).flag(row.look.underline, false);
        skin.number(row.look.outlineLevel, 0);
    }

    QImage compose()
    {
        scene.load(skin.model, {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")},
                   PreviewArea{});
        ScreenCanvas canvas;
        drawIdleScreen(canvas, skin.model, scene);
        return canvas.image();
    }

    // Pixels below the status strip that are not the background.
    Pixels drawnBelowStrip(const QImage& image)
    {
        return within(pixelsNot(image, backgroundRgb), 0, 16, screenWidth, screenHeight);
    }

    TestSkin skin;
    IdleScene scene;
};

} // namespace

TEST_F(IdleScreenTest, BackgroundIsPaletteItemOneAndMissingRecordsDrawNothing)
{
    const QImage image = compose();
    EXPECT_TRUE(drawnBelowStrip(image).isEmpty());
    EXPECT_FALSE(pixelsNot(image, backgroundRgb).isEmpty()); // the status strip
    // Composing again over the finished canvas gives the same screen.
    ScreenCanvas canvas;
    drawIdleScreen(canvas, skin.model, scene);
    drawIdleScreen(canvas, skin.model, scene);
    EXPECT_EQ(canvas.image(), image);
}

TEST_F(IdleScreenTest, StatusStripCoversRowsZeroToFifteenOverTheTextsPlacedThere)
{
    const QImage plain = compose();
    showText(operatorRow, {0, 0, 176, 30});
    showText(dateRow, {0, 0, 176, 20});
    const QImage covered = compose();
    EXPECT_EQ(covered.copy(0, 0, 176, 16), plain.copy(0, 0, 176, 16));
    EXPECT_FALSE(pixelsOf(covered.copy(0, 16, 176, 14), textRgb).isEmpty());
}

TEST_F(IdleScreenTest, WallpaperOnlyWhenShownAndLoaded)
{
    constexpr QRgb wallRgb = qRgb(90, 10, 90);
    showText(operatorRow, {4, 20, 150, 44});
    EXPECT_TRUE(pixelsOf(compose(), wallRgb).isEmpty()); // shown, but the skin has no wallpaper

    ASSERT_TRUE(scene.wallpaper.loadFromBytes(solidGif(176, 220, wallRgb)));
    ScreenCanvas canvas;
    drawIdleScreen(canvas, skin.model, scene);
    const QImage shown = canvas.image();
    // Everything below the strip is wallpaper except the text over it.
    EXPECT_EQ(drawnBelowStrip(shown), within(pixelsOf(shown, wallRgb) + pixelsOf(shown, textRgb), 0, 16, 176, 220));
    EXPECT_FALSE(pixelsOf(shown, textRgb).isEmpty());

    scene.view.showWallpaper = false;
    drawIdleScreen(canvas, skin.model, scene);
    EXPECT_TRUE(pixelsOf(canvas.image(), wallRgb).isEmpty());
}

// The hands start at the face frame's left and top plus half the picture's
// size; a length of 0 draws nothing, a negative one points the other way.
// The colours' transparencies do not matter: hands are not blended.
TEST_F(IdleScreenTest, AnalogClockHandsFromTheFaceCentre)
{
    constexpr QRgb faceRgb = qRgb(200, 200, 200);
    constexpr QRgb minuteRgb = qRgb(255, 0, 0);
    constexpr QRgb hourRgb = qRgb(0, 0, 255);
    skin.picture(clockFace.picture, solidGif(21, 11, faceRgb)).rect(clockFace.rect, {50, 60, 80, 80});
    skin.colour(minuteHand.colour, minuteRgb, 200).colour(hourHand.colour, hourRgb, 255);
    showText(digitalClockRow, {100, 100, 170, 124});
    const int cx = 50 + 21 / 2;
    const int cy = 60 + 11 / 2;

    for (const auto& [minute, hour] : std::vector<std::pair<int, int>>{{6, 5}, {0, 0}, {-4, -3}, {30, 0}}) {
        SCOPED_TRACE(testing::Message() << "minute " << minute << " hour " << hour);
        skin.defaultNumber(minuteHand.length, minute).defaultNumber(hourHand.length, hour);
        Pixels minutePixels;
        for (int i = 0; i < std::abs(minute); ++i)
            minutePixels.insert({cx, minute > 0 ? cy - i : cy + i});
        Pixels hourPixels;
        for (int i = 0; i < std::abs(hour); ++i)
            hourPixels.insert({hour > 0 ? cx + i : cx - i, cy});

        scene.view.analogClock = true;
        const QImage analog = compose();
        EXPECT_EQ(pixelsOf(analog, hourRgb), hourPixels);
        EXPECT_EQ(pixelsOf(analog, minuteRgb), minutePixels - hourPixels);
        // The face lies centred in its rectangle, under the hands.
        Pixels face;
        for (int x = 54; x < 54 + 21; ++x)
            for (int y = 64; y < 64 + 11; ++y)
                face.insert({x, y});
        EXPECT_EQ(pixelsOf(analog, faceRgb), face - minutePixels - hourPixels);
        EXPECT_TRUE(pixelsOf(analog, textRgb).isEmpty()); // no "15:00"

        scene.view.analogClock = false;
        const QImage digital = compose();
        EXPECT_TRUE(pixelsOf(digital, faceRgb).isEmpty());
        EXPECT_TRUE(pixelsOf(digital, minuteRgb).isEmpty());
        EXPECT_FALSE(pixelsOf(digital, textRgb).isEmpty());
    }
}

// Each state of each key shows its own picture at its own rectangle; the
// soft-key labels follow the left and right states, and state 2 has none.
TEST_F(IdleScreenTest, KeyStatesShowTheirPicturesAndLabels)
{
    // Every state's picture in a colour of its own, a little apart.
    std::map<std::pair<int, int>, QRgb> colourOf;
    for (const Key key : {Key::Left, Key::Right, Key::Centre}) {
        for (int state = 0; state < keyIds(key).stateCount; ++state) {
            const QRgb colour = qRgb(100, 10 + 20 * int(colourOf.size()), 200);
            colourOf[{int(key), state}] = colour;
            const int left = 10 + 40 * int(key) + 2 * state;
            const KeyStateIds& ids = keyStateIds(key, state);
            skin.picture(ids.picture, solidGif(8, 8, colour)).rect(ids.rect, {left, 180 + 2 * state, left + 8, 188 + 2 * state});
        }
    }
    for (const Key key : {Key::Left, Key::Right})
        for (int state = 0; state < 2; ++state) {
            const int left = key == Key::Left ? 0 : 90;
            skin.rect(softKeyRow(key, state)->rect, {left, 30 + 30 * state, left + 80, 54 + 30 * state});
        }
    for (const TextLookIds& look : softKeyLooks)
        skin.colour(look.textColour, textRgb).number(look.outlineLevel, 0).flag(look.underline, false);

    for (const Key key : {Key::Left, Key::Right, Key::Centre}) {
        for (int state = 0; state < keyIds(key).stateCount; ++state) {
            SCOPED_TRACE(testing::Message() << "key " << int(key) << " state " << state);
            scene.view = ViewOptions();
            scene.view.setKeyState(key, state);
            const QImage image = compose();
            for (const auto& [which, colour] : colourOf) {
                const bool shown = scene.view.keyState(Key(which.first)) == which.second;
                EXPECT_EQ(pixelsOf(image, colour).size(), shown ? 64u : 0u);
            }
            // SOFT1 and SOFT2 in the box of their key's state; none in state 2.
            for (const Key labelled : {Key::Left, Key::Right}) {
                for (int s = 0; s < 2; ++s) {
                    const SkinRect r = skin.model.getRect(softKeyRow(labelled, s)->rect);
                    const bool drawn = !within(pixelsOf(image, textRgb), r.left, r.top, r.right + 2, r.bottom).isEmpty();
                    EXPECT_EQ(drawn, s == scene.view.keyState(labelled)) << "label " << int(labelled) << " state " << s;
                }
            }
        }
    }
}

// Key pictures are laid over the screen with their opacity number (0 and a
// missing number: opaque); their transparent pixels are not drawn.
TEST_F(IdleScreenTest, KeyPictureOpacityAndTransparentPixels)
{
    constexpr QRgb keyRgb = qRgb(250, 250, 250);
    const KeyStateIds& ids = keyStateIds(Key::Left, 0);
    skin.picture(ids.picture, solidGif(10, 6, keyRgb, true)).rect(ids.rect, {20, 190, 30, 196});
    for (const auto& [opacity, expected] : std::vector<std::pair<int, QRgb>>{
             {0, keyRgb}, {-1, keyRgb}, {255, keyRgb}, {256, backgroundRgb},
             {128, qRgb((250 * 128 + 20 * 127) / 255, (250 * 128 + 40 * 127) / 255, (250 * 128 + 60 * 127) / 255)}}) {
        SCOPED_TRACE(opacity);
        skin.number(ids.opacity, opacity);
        const QImage image = compose();
        EXPECT_EQ(image.pixel(20, 190), backgroundRgb); // the transparent corner
        EXPECT_TRUE(near(image.pixel(25, 193), expected, 2));
        EXPECT_EQ(scene.frame(Frame::LeftKey).opacity, opacity);
    }
}

TEST_F(IdleScreenTest, JoyPadLabelsAreDrawnLastAtTheRectanglesOfTheOption)
{
    const KeyStateIds& left = keyStateIds(Key::Left, 0);
    skin.picture(left.picture, solidGif(40, 20, qRgb(255, 0, 0)));
    skin.rect(left.rect, {10, 150, 50, 170});
    skin.rect(joyPadLabels[0].rectOff, {20, 160, 60, 180}).rect(joyPadLabels[0].rectOn, {100, 100, 140, 120});

    QImage image = compose();
    EXPECT_EQ(image.pixel(20, 160), qRgb(0, 0, 0));       // the box's border over the key
    EXPECT_EQ(image.pixel(21, 161), qRgb(255, 255, 255)); // its white inside
    EXPECT_EQ(image.pixel(100, 100), backgroundRgb);

    scene.view.joyPadShown = true;
    image = compose();
    EXPECT_EQ(image.pixel(20, 160), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 100), qRgb(0, 0, 0));
    EXPECT_EQ(scene.frame(Frame::JoyPad1).caption(), "A");
}

TEST_F(IdleScreenTest, FocusRectanglesFollowTheViewOption)
{
    skin.rect(operatorRow.rect, {10, 30, 90, 50}).colour(operatorRow.look.textColour, textRgb, 255);
    skin.flag(operatorRow.look.underline, false);
    const QImage off = compose();
    scene.view.focusRects = true;
    const QImage on = compose();
    Pixels dotted;
    for (int x = 10; x < 90; ++x)
        for (int y = 30; y < 50; ++y)
            if ((x == 10 || x == 89 || y == 30 || y == 49) && (x - 10 + y - 30) % 2 == 0)
                dotted.insert({x, y});
    EXPECT_EQ(drawnBelowStrip(off), Pixels());
    EXPECT_EQ(drawnBelowStrip(on), dotted);
}

TEST(IdleScreenIds, EveryRectangleOnceAndStatesInRange)
{
    const auto rects = allRects();
    EXPECT_EQ(std::set<ElementId>(rects.begin(), rects.end()).size(), rects.size());
    EXPECT_EQ(keyStateIds(Key::Left, 2).picture, 652);
    EXPECT_EQ(keyStateIds(Key::Centre, 7).picture, keyStateIds(Key::Centre, 0).picture);
    EXPECT_EQ(softKeyRow(Key::Right, 2), nullptr);
    EXPECT_EQ(softKeyRow(Key::Centre, 0), nullptr);
    EXPECT_EQ(controlId(keys[2].frame), 1244);
}

// Runs of non-key pixels, row by row, relative to the area's corner; a run
// that reaches the last column ends there; an all-key area is empty.
TEST(KeyColourRegion, RunsOfNonKeyPixels)
{
    const QRgb key = qRgb(1, 2, 3);
    QImage image = filled(key, 8, 4);
    EXPECT_TRUE(regionFromKeyColour(image, 0, 0, 8, 4, regionKeyColour).isEmpty());

    for (const auto& [x, y] : {std::pair{1, 0}, {2, 0}, {5, 0}, {7, 1}, {6, 1}, {0, 3}})
        image.setPixel(x, y, qRgb(9, 9, 9));
    image.setPixel(3, 2, qRgba(1, 2, 3, 0)); // alpha does not count
    const QRegion region = regionFromKeyColour(image, 0, 0, 8, 4, regionKeyColour);
    EXPECT_EQ(region, QRegion(1, 0, 2, 1) + QRegion(5, 0, 1, 1) + QRegion(6, 1, 2, 1) + QRegion(0, 3, 1, 1));

    // Part of the image, relative to its corner; the part outside counts as key.
    EXPECT_EQ(regionFromKeyColour(image, 5, 1, 12, 3, regionKeyColour), QRegion(1, 0, 2, 1));
}
