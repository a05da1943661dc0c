// Where a frame's element lands when one of its edges is typed, on a model
// without any widget.

#include "PreviewTestSupport.h"
#include "ModelAccess.h"
#include "idlescreen/ElementEdits.h"
#include "idlescreen/ElementTable.h"
#include "pages/FramePlacement.h"
#include "preview/FrameContent.h"

#include <gtest/gtest.h>

using namespace preview_testing;
using namespace idlescreen;

namespace {

// A typed position of a framed element, as the element page lands it: the
// frame moves, the element's records take its rectangle.
SkinRect placeFrameElement(SkinModel& model, const ElementEntry& entry, FrameContent& frame, const SkinRect& previous,
                           const SkinRect& typed)
{
    const SkinRect placed = placeFrame(frame, previous, typed);
    (void)writePlacedElementRect(model, entry, placed);
    return placed;
}

} // namespace

TEST(FramePlacement, FrameElementsMoveInsteadOfResizing)
{
    const SkinRect centre{60, 150, 100, 170};
    TestSkin skin;
    FrameContent frame;
    const PreviewArea area{10, 10, 186, 230};
    frame.setGeometryAndPicture(solidGif(40, 20, qRgb(1, 2, 200)), centre, area);
    const ElementEntry& centreKey = *elementEntry(ElementKind::CentreKey0);
    EXPECT_EQ(placeFrameElement(skin.model, centreKey, frame, centre, {10, 150, 100, 170}),
              (SkinRect{10, 150, 50, 170}));
    EXPECT_EQ(skin.model.getRect(681), (SkinRect{10, 150, 50, 170}));
    // Past the right edge: the frame stops flush with it.
    EXPECT_EQ(placeFrameElement(skin.model, centreKey, frame, {10, 150, 50, 170}, {170, 150, 50, 170}),
              (SkinRect{136, 150, 176, 170}));
    EXPECT_EQ(skin.model.getRect(681), (SkinRect{136, 150, 176, 170}));

    // The left key's state 0 takes state 2 along.
    const ElementEntry& leftKey = *elementEntry(ElementKind::LeftKey0);
    placeFrameElement(skin.model, leftKey, frame, {136, 150, 176, 170}, {136, 3, 176, 170});
    EXPECT_EQ(skin.model.getRect(658), (SkinRect{136, 3, 176, 23}));
    EXPECT_EQ(skin.model.getRect(651), (SkinRect{136, 3, 176, 23}));

    // A JoyPad label moves as it is dropped: its partner follows, centred.
    skin.rect(564, {0, 0, 20, 10}).rect(568, {0, 0, 31, 14});
    FrameContent label;
    label.setCaption(QStringLiteral("Left key"), {0, 0, 20, 10}, area);
    placeFrameElement(skin.model, *elementEntry(ElementKind::JoyPad3Off), label, {0, 0, 20, 10}, {40, 0, 20, 10});
    placeFrameElement(skin.model, *elementEntry(ElementKind::JoyPad3Off), label, {40, 0, 60, 10}, {40, 50, 60, 10});
    EXPECT_EQ(skin.model.getRect(564), (SkinRect{40, 50, 60, 60}));
    EXPECT_EQ(skin.model.getRect(568), (SkinRect{35, 48, 66, 62}));
}

