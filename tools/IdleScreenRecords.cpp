#include "IdleScreenRecords.h"

#include "TextLooks.h"

#include "idlescreen/ElementTable.h"
#include "idlescreen/IdleScreenIds.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

using namespace idlescreen;

namespace {

using KeyState = IdleScreenArt::KeyState;

constexpr Look dateText{{255, 226, 170}, {20, 14, 50}, 0, black, 200, 1};
constexpr Look operatorText{Theme::white, Theme::night, 0, black, 150, 2};
constexpr Look softKeyText{Theme::white, {10, 16, 48}, 0, black, 180, 1};

// Where each key (Left, Right, Centre) lies on the screen, in every state.
constexpr Box keyBoxes[keyCount] = {{2, 195, 60, 24}, {114, 195, 60, 24}, {66, 195, 44, 24}};
constexpr int restingOpacity = 210; // keys at rest let a little wallpaper through
// Opacity of a key by state: normal, pressed, selected, disabled.
constexpr int keyOpacities[] = {restingOpacity, 0, 0, 140};

// The parts of a text's look, written in the order the caller gives: the
// shipped skin's lines keep the order they have always had.
enum class LookPart { Level, Flag, Underline, Colours };

void writeLook(SkinWriter& skin, const TextLookIds& ids, const Look& look, std::initializer_list<LookPart> order)
{
    for (const LookPart part : order) {
        switch (part) {
        case LookPart::Level:
            skin.number(ids.outlineLevel, look.outline);
            break;
        case LookPart::Flag:
            skin.flag(ids.outlineFlag, look.outline > 0);
            break;
        case LookPart::Underline:
            skin.flag(ids.underline, look.underline);
            break;
        case LookPart::Colours:
            skin.colour(ids.textColour, look.text, 0);
            skin.colour(ids.innerColour, look.inner, look.innerTransparency);
            skin.colour(ids.outerColour, look.outer, look.outerTransparency);
            break;
        }
    }
}

void clockAndLabels(SkinWriter& skin, const IdleScreenArt& art)
{
    skin.rect(clockFace.rect, {56, 72, 64, 64});
    skin.picture(clockFace.picture, art.clockFace());
    skin.number(hourHand.length, 16);
    skin.colour(hourHand.colour, Theme::amber, 0);
    skin.number(minuteHand.length, 24);
    skin.colour(minuteHand.colour, Theme::white, 0);

    // JoyPad labels: a row above the keys, two lines high so that a caption
    // wraps without being cut; or a cross under the clock face, each box wide
    // enough for the longest caption of the shipped languages on one line
    // ("Rechte Taste"): up and down across the middle, left and right half
    // of the screen each.
    constexpr Box cross[joyPadLabels.size()] = {{44, 140, 88, 16}, {44, 176, 88, 16}, {0, 158, 86, 16},
                                                {90, 158, 86, 16}};
    for (std::size_t i = 0; i < joyPadLabels.size(); ++i)
        skin.rect(joyPadLabels[i].rectOff, {2 + 44 * int(i), 167, 42, 26});
    for (std::size_t i = 0; i < joyPadLabels.size(); ++i)
        skin.rect(joyPadLabels[i].rectOn, cross[i]);
}

void texts(SkinWriter& skin)
{
    // Operator name under the status strip, date below it, the clock to the right of the date.
    skin.rect(operatorRow.rect, {4, 17, 168, 24});
    skin.rect(dateRow.rect, {4, 41, 96, 24});
    skin.rect(digitalClockRow.rect, {100, 41, 72, 26});
    using enum LookPart;
    writeLook(skin, dateLook, dateText, {Level, Flag, Underline, Colours});
    writeLook(skin, digitalClockLook, bigLook, {Flag, Level, Underline, Colours});
    writeLook(skin, operatorLook, operatorText, {Flag, Level, Underline, Colours});
}

// Key pictures: normal, pressed, selected and disabled states; state 2 of
// the soft keys shows state 0's picture.
void keyPictures(SkinWriter& skin, const IdleScreenArt& art)
{
    const auto picture = [&](Key key, int state) {
        constexpr KeyState shown[] = {KeyState::Normal, KeyState::Pressed, KeyState::Selected, KeyState::Disabled};
        const KeyState look = shown[std::size_t(state)];
        skin.picture(keyStateIds(key, state).picture,
                     key == Key::Centre ? art.centreKey(look) : art.softKey(key == Key::Left, look));
    };
    for (const Key key : {Key::Left, Key::Centre, Key::Right})
        for (const int state : {0, 1})
            picture(key, state);
    for (const Key key : {Key::Left, Key::Right})
        skin.sharePicture(keyStateIds(key, 0).picture, keyStateIds(key, mirroredKeyState).picture);
    for (const int state : {3, 2})
        picture(Key::Centre, state);

    // Soft-key label styles: state 0 (normal) and state 1 (pressed).
    using enum LookPart;
    writeLook(skin, softKeyLooks[0], softKeyText, {Flag, Underline, Colours, Level});
    writeLook(skin, softKeyLooks[1], pressedLook, {Flag, Underline, Colours, Level});
}

// Key places and opacities in every state, and the soft-key labels' places
// centred on the keys (one pixel lower while pressed); written in id order.
void keyPlaces(SkinWriter& skin)
{
    struct Place {
        ElementId id;
        bool isRect;
        Box box;
        int number;
    };
    std::vector<Place> places;
    for (const Key key : {Key::Left, Key::Right, Key::Centre}) {
        const Box box = keyBoxes[std::size_t(key)];
        for (int state = 0; state < keyIds(key).stateCount; ++state) {
            const KeyStateIds& ids = keyStateIds(key, state);
            const int opacity = keyOpacities[std::size_t(keyStateIsMirrored(key, state) ? 0 : state)];
            places.push_back({ids.opacity, false, {}, opacity});
            places.push_back({ids.rect, true, box, 0});
        }
    }
    for (const Key key : {Key::Left, Key::Right}) {
        const Box box = keyBoxes[std::size_t(key)];
        for (const int state : {0, 1}) {
            const TextRowIds& label = *softKeyRow(key, state);
            places.push_back({label.rect, true, {box.left, box.top + state, box.width - 2, box.height}, 0});
            places.push_back({label.alignmentNumber, false, {}, alignCentre});
        }
    }
    std::stable_sort(places.begin(), places.end(), [](const Place& a, const Place& b) { return a.id < b.id; });
    for (const Place& place : places) {
        if (place.isRect)
            skin.rect(place.id, place.box);
        else
            skin.number(place.id, place.number);
    }
}

// Status icon slots along the status strip and a few options.
void statusStrip(SkinWriter& skin)
{
    skin.rectList(682, {{1, 1, 22, 12}, {25, 1, 16, 12}, {43, 1, 16, 12}, {61, 1, 16, 12},
                        {99, 1, 16, 12}, {117, 1, 16, 12}, {135, 1, 16, 12}, {154, 1, 20, 12}});
    skin.number(682, 24);  // clock: 24-hour format
    skin.number(683, 2);   // date format: day-month-year
    skin.number(684, 8);   // status icon slots
    skin.flag(682, true);  // show the operator name
    skin.flag(683, true);  // show the date
    skin.flag(684, false); // analog clock instead of the digital one
    skin.colour(682, {30, 36, 52}, 0);   // status strip
    skin.colour(683, Theme::white, 0);   // status icons
}

} // namespace

void writeIdleScreen(SkinWriter& skin, const IdleScreenArt& art)
{
    clockAndLabels(skin, art);
    texts(skin);
    keyPictures(skin, art);
    keyPlaces(skin);
    statusStrip(skin);
}
