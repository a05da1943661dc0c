// Writes the shipped default skin "Vela": Vela.ski, its picture data files
// Vela.dat and Vela1.dat, and the wallpaper VelaWall.gif beside them.
//
// Run by hand from the source folder after changing the theme, then commit
// the files it writes:
//     build/tools/make_default_skin data/Default/Vela
//
// The output depends only on this code: same bytes on every run and machine.

#include "PhoneArt.h"
#include "SkinWriter.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Art = PhoneArt;
using State = PhoneArt::KeyState;

// Text alignment numbers as the phone reads them.
constexpr int alignCentre = 0;
constexpr int alignRight = 16;
constexpr int alignLeft = 32;

// How one kind of text looks: its colour and the two outline rings with
// their transparencies (0 opaque .. 255 invisible), and the outline level.
struct Look {
    Rgb text;
    Rgb inner;
    int innerTransparency;
    Rgb outer;
    int outerTransparency;
    int outline;
    bool underline = false;
};

constexpr Rgb black{0, 0, 0};
constexpr Rgb ink{14, 20, 44};

constexpr Look titleLook{Art::white, Art::night, 0, black, 170, 1};
constexpr Look bodyLook{Art::white, Art::night, 0, black, 200, 1};
constexpr Look selectedLook{ink, Art::cyan, 90, black, 255, 0};
constexpr Look dimLook{{176, 184, 214}, Art::night, 0, black, 255, 0};
constexpr Look accentLook{Art::amber, {60, 24, 0}, 0, black, 200, 1};
constexpr Look bigLook{Art::white, {24, 18, 64}, 0, Art::sunset, 110, 2};
constexpr Look pressedLook{{255, 236, 190}, {90, 40, 8}, 0, Art::amber, 120, 2};
constexpr Look linkLook{Art::cyan, Art::night, 0, black, 255, 1, true};

// Hands out element ids block by block. Every element takes its ids from one
// counter, so an id means one thing in every record type.
class Ids {
public:
    explicit Ids(int first) : next(first) {}
    int take(int count)
    {
        const int id = next;
        next += count;
        return id;
    }

private:
    int next;
};

// A text element: its box, three colours, outline level, alignment, size, outline and underline flags.
void text(SkinWriter& skin, Ids& ids, Box box, const Look& look, int alignment, int size = 1)
{
    const int id = ids.take(3);
    skin.rect(id, box);
    skin.colour(id, look.text, 0);
    skin.colour(id + 1, look.inner, look.innerTransparency);
    skin.colour(id + 2, look.outer, look.outerTransparency);
    skin.number(id, look.outline);
    skin.number(id + 1, alignment);
    skin.number(id + 2, size);
    skin.flag(id, look.outline > 0);
    skin.flag(id + 1, look.underline);
}

// A filled panel: box, fill colour and transparency, border colour, corner radius and border width.
void panel(SkinWriter& skin, Ids& ids, Box box, Rgb fill, int fillTransparency, Rgb border, int radius)
{
    const int id = ids.take(2);
    skin.rect(id, box);
    skin.colour(id, fill, fillTransparency);
    skin.colour(id + 1, border, 0);
    skin.number(id, radius);
    skin.number(id + 1, 1);
    skin.flag(id, true);
}

// A picture with the place where the phone shows it.
void placed(SkinWriter& skin, Ids& ids, Box box, const std::vector<std::uint8_t>& bytes, int file = 0)
{
    const int id = ids.take(1);
    skin.picture(id, bytes, file);
    skin.rect(id, box);
}

void picture(SkinWriter& skin, Ids& ids, const std::vector<std::uint8_t>& bytes, int file = 0)
{
    skin.picture(ids.take(1), bytes, file);
}

void list(SkinWriter& skin, Ids& ids, const std::vector<Box>& items) { skin.rectList(ids.take(1), items); }

void setting(SkinWriter& skin, Ids& ids, int number, bool flag)
{
    const int id = ids.take(1);
    skin.number(id, number);
    skin.flag(id, flag);
}

std::vector<Box> grid(int left, int top, int width, int height, int columns, int rows, int stepX, int stepY)
{
    std::vector<Box> boxes;
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            boxes.push_back({left + column * stepX, top + row * stepY, width, height});
    return boxes;
}

// --- the palette -----------------------------------------------------------------

std::vector<Rgb> systemPalette()
{
    std::vector<Rgb> colours = {Art::night, Art::white,  black,         Art::glassTop, Art::glassBottom, Art::glassEdge,
                                Art::amber, Art::amberDeep, Art::cyan,  Art::cyanDeep, Art::sunset};
    const auto ramp = [&](Rgb from, Rgb to, int count) {
        for (int i = 0; i < count; ++i)
            colours.push_back(mixRgb(from, to, i, count - 1));
    };
    ramp({240, 242, 248}, {40, 42, 50}, 8);     // greys
    ramp(Art::glassTop, Art::glassBottom, 8);    // key glass
    ramp(Art::amber, Art::amberDeep, 8);         // pressed
    ramp(Art::cyan, Art::cyanDeep, 8);           // selected
    ramp({14, 14, 50}, {74, 42, 114}, 8);        // evening sky
    ramp({80, 44, 116}, Art::sunset, 8);         // sunset
    ramp({176, 90, 104}, {16, 16, 44}, 8);       // sea
    const Rgb signals[] = {{222, 52, 52}, {72, 196, 96}, {52, 112, 222}, {255, 214, 60}, {250, 140, 40},
                           {150, 90, 210}, {240, 120, 170}, {150, 100, 50}, {100, 220, 220}, {200, 230, 120}};
    colours.insert(colours.end(), std::begin(signals), std::end(signals));
    ramp({255, 236, 190}, {255, 170, 120}, 6);   // warm text
    ramp({200, 216, 255}, {100, 120, 180}, 6);   // cool text
    ramp({60, 60, 80}, {30, 30, 40}, 98 - static_cast<int>(colours.size()) - 0); // shadows fill the rest
    return colours;
}

// --- the idle screen ---------------------------------------------------------------

void idleScreen(SkinWriter& skin, const Art& art)
{
    // Analog clock: face picture 7 at rectangle 6, hour hand 8/9, minute hand 11/12.
    skin.rect(6, {56, 72, 64, 64});
    skin.picture(7, art.clockFace());
    skin.number(8, 16);
    skin.colour(9, Art::amber, 0);
    skin.number(11, 24);
    skin.colour(12, Art::white, 0);

    // JoyPad labels: a row above the keys (562-565), two lines high so that a
    // caption wraps without being cut; or a cross under the clock face
    // (566-569), wide enough for a caption on one line.
    for (int i = 0; i < 4; ++i)
        skin.rect(562 + i, {2 + 44 * i, 167, 42, 26});
    skin.rect(566, {59, 140, 58, 16});
    skin.rect(567, {59, 176, 58, 16});
    skin.rect(568, {0, 158, 58, 16});
    skin.rect(569, {118, 158, 58, 16});

    // Operator name under the status strip, date below it, the clock to the right of the date.
    skin.rect(570, {4, 17, 168, 24});
    skin.rect(571, {4, 41, 96, 24});
    skin.rect(574, {100, 41, 72, 26});
    skin.number(576, 1);
    skin.flag(575, true);
    skin.flag(578, false);
    skin.colour(579, {255, 226, 170}, 0);
    skin.colour(580, {20, 14, 50}, 0);
    skin.colour(581, black, 200);
    skin.flag(583, true);
    skin.number(584, 2);
    skin.flag(586, false);
    skin.colour(587, Art::white, 0);
    skin.colour(588, {24, 18, 64}, 0);
    skin.colour(589, Art::sunset, 110);
    skin.flag(591, true);
    skin.number(592, 2);
    skin.flag(594, false);
    skin.colour(595, Art::white, 0);
    skin.colour(596, Art::night, 0);
    skin.colour(597, black, 150);

    // Key pictures: normal, pressed, selected and disabled states.
    skin.picture(630, art.softKey(true, State::Normal));
    skin.picture(631, art.softKey(true, State::Pressed));
    skin.picture(632, art.centreKey(State::Normal));
    skin.picture(633, art.centreKey(State::Pressed));
    skin.picture(634, art.softKey(false, State::Normal));
    skin.picture(635, art.softKey(false, State::Pressed));
    skin.sharePicture(630, 652);
    skin.sharePicture(634, 664);
    skin.picture(674, art.centreKey(State::Disabled));
    skin.picture(675, art.centreKey(State::Selected));

    // Soft-key label styles: state 0 (normal) and state 1 (pressed).
    skin.flag(636, true);
    skin.flag(638, false);
    skin.colour(639, Art::white, 0);
    skin.colour(640, {10, 16, 48}, 0);
    skin.colour(641, black, 180);
    skin.number(642, 1);
    skin.flag(643, true);
    skin.flag(645, false);
    skin.colour(646, pressedLook.text, 0);
    skin.colour(647, pressedLook.inner, 0);
    skin.colour(648, pressedLook.outer, pressedLook.outerTransparency);
    skin.number(649, 2);

    // Key places (state 2 mirrors state 0), label places centred on the keys, opacities.
    const Box leftKey{2, 195, 60, 24};
    const Box rightKey{114, 195, 60, 24};
    const Box centreKey{66, 195, 44, 24};
    constexpr int glass = 210; // keys at rest let a little wallpaper through
    skin.number(650, glass);
    skin.rect(651, leftKey);
    skin.number(653, 0);
    skin.rect(654, leftKey);
    skin.rect(655, {2, 196, 58, 24});
    skin.number(656, alignCentre);
    skin.number(657, glass);
    skin.rect(658, leftKey);
    skin.rect(659, {2, 195, 58, 24});
    skin.rect(660, {114, 196, 58, 24});
    skin.number(661, alignCentre);
    skin.number(662, glass);
    skin.rect(663, rightKey);
    skin.number(665, 0);
    skin.rect(666, rightKey);
    skin.rect(667, {114, 195, 58, 24});
    skin.number(668, alignCentre);
    skin.number(669, glass);
    skin.rect(670, rightKey);
    skin.number(671, alignCentre);
    skin.number(672, 140);
    skin.rect(673, centreKey);
    skin.rect(676, centreKey);
    skin.number(677, 0);
    skin.rect(678, centreKey);
    skin.number(679, 0);
    skin.number(680, glass);
    skin.rect(681, centreKey);

    // More of the idle screen: status icon slots along the status strip and a few options.
    skin.rectList(682, {{1, 1, 22, 12}, {25, 1, 16, 12}, {43, 1, 16, 12}, {61, 1, 16, 12},
                        {99, 1, 16, 12}, {117, 1, 16, 12}, {135, 1, 16, 12}, {154, 1, 20, 12}});
    skin.number(682, 24);  // clock: 24-hour format
    skin.number(683, 2);   // date format: day-month-year
    skin.number(684, 8);   // status icon slots
    skin.flag(682, true);  // show the operator name
    skin.flag(683, true);  // show the date
    skin.flag(684, false); // analog clock instead of the digital one
    skin.colour(682, {30, 36, 52}, 0);  // status strip
    skin.colour(683, Art::white, 0);    // status icons
}

// --- the rest of the phone ----------------------------------------------------------

void statusIcons(SkinWriter& skin, const Art& art)
{
    Ids ids(720);
    for (int level = 0; level <= 5; ++level)
        picture(skin, ids, art.signal(level));
    for (int level = 0; level <= 4; ++level)
        picture(skin, ids, art.battery(level));
    picture(skin, ids, art.batteryCharging());
    picture(skin, ids, art.envelopeBlink());
    using S = Art::StatusIcon;
    for (S icon : {S::MissedCall, S::Alarm, S::Silent, S::Vibrate, S::KeyLock, S::Headset, S::Roaming, S::Data})
        picture(skin, ids, art.statusIcon(icon));
}

void screenFrame(SkinWriter& skin, const Art& art)
{
    Ids ids(750);
    panel(skin, ids, {0, 15, 176, 22}, Art::glassBottom, 0, Art::glassEdge, 0);
    placed(skin, ids, {0, 15, 176, 22}, art.titleBar());
    text(skin, ids, {20, 14, 136, 24}, titleLook, alignCentre);
    panel(skin, ids, {0, 37, 176, 161}, Art::night, 90, Art::night, 0); // dims the wallpaper behind menus
    panel(skin, ids, {0, 198, 176, 22}, Art::glassBottom, 0, Art::glassEdge, 0);
    placed(skin, ids, {0, 198, 176, 22}, art.softKeyBar());
    text(skin, ids, {2, 197, 70, 23}, bodyLook, alignLeft);
    text(skin, ids, {104, 197, 70, 23}, bodyLook, alignRight);
    text(skin, ids, {62, 197, 52, 23}, accentLook, alignCentre);
    text(skin, ids, {2, 198, 70, 22}, pressedLook, alignLeft);
    text(skin, ids, {104, 198, 70, 22}, pressedLook, alignRight);
    setting(skin, ids, 140, true); // wallpaper behind menus, dimmed
    setting(skin, ids, 3, true);   // menu transition effect
}

void mainMenu(SkinWriter& skin, const Art& art)
{
    Ids ids(790);
    list(skin, ids, grid(8, 42, 48, 48, 3, 3, 56, 50));
    panel(skin, ids, {8, 42, 48, 48}, Art::cyanDeep, 160, Art::amber, 8);
    text(skin, ids, {126, 14, 48, 24}, dimLook, alignRight, 0);
    text(skin, ids, {4, 14, 120, 24}, titleLook, alignLeft);
    setting(skin, ids, 3, true);  // columns; wrap around
    setting(skin, ids, 3, false); // rows; animate the selected icon
    using Sym = Art::Symbol;
    const Sym symbols[] = {Sym::Messages, Sym::Contacts, Sym::CallLog, Sym::Settings, Sym::Camera,
                           Sym::Music,    Sym::Games,    Sym::Organiser, Sym::Browser};
    for (const bool selected : {false, true})
        for (const Sym symbol : symbols)
            picture(skin, ids, art.menuIcon(symbol, selected), 1); // the menu icons live in data file 1
}

void listScreens(SkinWriter& skin, const Art& art)
{
    Ids ids(830);
    list(skin, ids, grid(4, 39, 162, 22, 1, 7, 0, 22));
    placed(skin, ids, {2, 39, 168, 22}, art.listPart(Art::ListPart::Highlight));
    text(skin, ids, {24, 38, 140, 24}, bodyLook, alignLeft);
    text(skin, ids, {24, 38, 140, 24}, selectedLook, alignLeft);
    text(skin, ids, {2, 38, 22, 24}, dimLook, alignRight, 0);
    text(skin, ids, {24, 38, 140, 24}, dimLook, alignLeft);
    panel(skin, ids, {170, 39, 5, 154}, Art::glassBottom, 60, Art::glassEdge, 2);
    panel(skin, ids, {170, 39, 5, 40}, Art::cyan, 0, Art::cyanEdge, 2);
    using L = Art::ListPart;
    placed(skin, ids, {10, 46, 8, 8}, art.listPart(L::Bullet));
    placed(skin, ids, {154, 44, 12, 12}, art.listPart(L::CheckOff));
    placed(skin, ids, {154, 44, 12, 12}, art.listPart(L::CheckOn));
    placed(skin, ids, {154, 44, 12, 12}, art.listPart(L::RadioOff));
    placed(skin, ids, {154, 44, 12, 12}, art.listPart(L::RadioOn));
    placed(skin, ids, {83, 38, 10, 6}, art.listPart(L::ArrowUp));
    placed(skin, ids, {83, 192, 10, 6}, art.listPart(L::ArrowDown));
    setting(skin, ids, 7, true);  // rows per page; numbered rows
    setting(skin, ids, 1, true);  // scroll step; wrap around
    setting(skin, ids, 25, true); // marquee delay; scroll long texts
}

void dialogs(SkinWriter& skin, const Art& art)
{
    Ids ids(880);
    panel(skin, ids, {8, 52, 160, 120}, Art::glassBottom, 30, Art::glassEdge, 6);
    text(skin, ids, {12, 53, 152, 24}, titleLook, alignCentre);
    text(skin, ids, {48, 82, 114, 44}, bodyLook, alignLeft, 0);
    panel(skin, ids, {16, 132, 144, 10}, Art::night, 0, Art::glassEdge, 3);
    panel(skin, ids, {17, 133, 72, 8}, Art::amber, 0, Art::amber, 2);
    text(skin, ids, {12, 144, 152, 24}, dimLook, alignCentre, 0);
    panel(skin, ids, {0, 15, 176, 183}, black, 120, black, 0); // shade over the screen behind a dialog
    skin.rect(ids.take(1), {12, 84, 32, 32});                  // where the dialog's icon goes
    using D = Art::DialogIcon;
    for (D icon : {D::Info, D::Warning, D::Error, D::Question, D::Done})
        picture(skin, ids, art.dialogIcon(icon));
    placed(skin, ids, {76, 88, 24, 32}, art.hourglass());
    setting(skin, ids, 30, true); // tenths of a second before a note closes; beep
}

void callScreen(SkinWriter& skin, const Art& art)
{
    Ids ids(940);
    placed(skin, ids, {64, 42, 48, 56}, art.callerPicture());
    text(skin, ids, {4, 100, 168, 26}, bigLook, alignCentre, 2);
    text(skin, ids, {4, 126, 168, 24}, bodyLook, alignCentre);
    text(skin, ids, {4, 148, 168, 24}, accentLook, alignCentre);
    text(skin, ids, {4, 170, 168, 24}, dimLook, alignCentre);
    skin.rect(ids.take(1), {8, 42, 32, 32}); // call state icon
    using C = Art::CallIcon;
    for (C icon : {C::Incoming, C::Outgoing, C::Held, C::Ended})
        picture(skin, ids, art.callIcon(icon));
    list(skin, ids, {{40, 178, 8, 16}, {52, 178, 8, 16}, {64, 178, 8, 16}, {76, 178, 8, 16},
                     {88, 178, 8, 16}, {100, 178, 8, 16}, {112, 178, 8, 16}, {124, 178, 8, 16}});
    setting(skin, ids, 4, true); // in-call volume; show the caller's picture
}

void messages(SkinWriter& skin, const Art& art)
{
    Ids ids(980);
    skin.rect(ids.take(1), {6, 43, 16, 14}); // message state icon in a list row
    using M = Art::MessageIcon;
    for (M icon : {M::Unread, M::Read, M::Sent, M::Draft, M::Outbox})
        picture(skin, ids, art.messageIcon(icon));
    text(skin, ids, {4, 37, 116, 24}, accentLook, alignLeft, 0);
    text(skin, ids, {120, 37, 52, 24}, dimLook, alignRight, 0);
    panel(skin, ids, {4, 62, 168, 112}, {250, 246, 236}, 20, Art::glassEdge, 4);
    text(skin, ids, {8, 64, 160, 24}, {ink, Art::white, 255, black, 255, 0}, alignLeft);
    skin.rect(ids.take(1), {148, 20, 24, 11}); // input mode indicator in the title bar
    for (const char* mode : {"abc", "Abc", "ABC", "123"})
        picture(skin, ids, art.inputMode(mode));
    setting(skin, ids, 160, true); // characters per message; predictive text
    setting(skin, ids, 1, true);   // cursor width; show the counter
}

void contacts(SkinWriter& skin, const Art& art)
{
    Ids ids(1020);
    list(skin, ids, grid(2, 38, 42, 18, 4, 1, 43, 0)); // letter tabs
    text(skin, ids, {2, 37, 42, 20}, dimLook, alignCentre, 0);
    text(skin, ids, {2, 37, 42, 20}, selectedLook, alignCentre, 0);
    text(skin, ids, {26, 58, 144, 24}, bodyLook, alignLeft);
    text(skin, ids, {26, 80, 144, 24}, dimLook, alignLeft, 0);
    skin.rect(ids.take(1), {6, 62, 16, 14}); // number kind icon
    using K = Art::ContactIcon;
    for (K icon : {K::Mobile, K::Home, K::Work, K::Email, K::Group})
        picture(skin, ids, art.contactIcon(icon));
    panel(skin, ids, {4, 174, 168, 22}, Art::white, 30, Art::glassEdge, 4);
    text(skin, ids, {8, 173, 160, 24}, {ink, Art::white, 255, black, 255, 0}, alignLeft, 0);
    text(skin, ids, {8, 104, 160, 24}, linkLook, alignLeft, 0);
    setting(skin, ids, 0, true); // sort by first name; show pictures
}

void calendar(SkinWriter& skin)
{
    Ids ids(1060);
    list(skin, ids, grid(4, 38, 24, 14, 7, 1, 24, 0));  // weekday names
    list(skin, ids, grid(4, 52, 24, 24, 7, 6, 24, 24)); // day cells
    text(skin, ids, {4, 37, 24, 15}, dimLook, alignCentre, 0);
    text(skin, ids, {4, 52, 24, 24}, bodyLook, alignCentre, 0);
    text(skin, ids, {4, 52, 24, 24}, accentLook, alignCentre, 0);
    text(skin, ids, {4, 52, 24, 24}, selectedLook, alignCentre, 0);
    text(skin, ids, {4, 52, 24, 24}, {{120, 124, 150}, Art::night, 0, black, 255, 0}, alignCentre, 0);
    text(skin, ids, {4, 52, 24, 24}, {{255, 140, 140}, Art::night, 0, black, 255, 1}, alignCentre, 0);
    panel(skin, ids, {4, 52, 24, 24}, Art::amberDeep, 60, Art::amber, 3);
    panel(skin, ids, {4, 52, 24, 24}, Art::cyan, 0, Art::cyanEdge, 3);
    setting(skin, ids, 1, true);  // first weekday Monday; mark today
    setting(skin, ids, 0, false); // week numbers
}

void clockAndAlarm(SkinWriter& skin, const Art& art)
{
    Ids ids(1110);
    text(skin, ids, {4, 58, 168, 28}, bigLook, alignCentre, 2);
    text(skin, ids, {4, 86, 168, 24}, bodyLook, alignCentre);
    text(skin, ids, {60, 140, 112, 26}, accentLook, alignLeft, 2);
    placed(skin, ids, {8, 128, 48, 48}, art.alarmBell());
    setting(skin, ids, 5, true);  // snooze minutes; vibrate
    setting(skin, ids, 3, false); // rings before stopping; silent mode override
}

void musicPlayer(SkinWriter& skin, const Art& art)
{
    Ids ids(1140);
    text(skin, ids, {4, 40, 168, 26}, bigLook, alignCentre, 2);
    text(skin, ids, {4, 66, 168, 24}, dimLook, alignCentre);
    panel(skin, ids, {8, 148, 160, 6}, Art::night, 0, Art::glassEdge, 3);
    panel(skin, ids, {8, 148, 60, 6}, Art::amber, 0, Art::amber, 3);
    text(skin, ids, {4, 152, 80, 24}, dimLook, alignLeft, 0);
    text(skin, ids, {92, 152, 80, 24}, dimLook, alignRight, 0);
    list(skin, ids, grid(18, 178, 20, 16, 5, 1, 30, 0));
    using P = Art::MediaControl;
    for (P control : {P::Play, P::Pause, P::Stop, P::Previous, P::Next})
        picture(skin, ids, art.mediaControl(control));
    setting(skin, ids, 2, true); // equaliser preset; shuffle remembered
}

void camera(SkinWriter& skin, const Art& art)
{
    Ids ids(1180);
    panel(skin, ids, {0, 15, 176, 183}, black, 255, Art::white, 0);
    text(skin, ids, {120, 18, 52, 24}, bodyLook, alignRight, 0);
    text(skin, ids, {4, 18, 80, 24}, bodyLook, alignLeft, 0);
    skin.rect(ids.take(1), {4, 176, 16, 16}); // mode icon
    using K = Art::CameraIcon;
    for (K icon : {K::Photo, K::Video, K::Timer})
        picture(skin, ids, art.cameraIcon(icon));
    setting(skin, ids, 1, true); // resolution; shutter sound
}

void volumeAndLock(SkinWriter& skin, const Art& art)
{
    Ids ids(1210);
    panel(skin, ids, {28, 70, 120, 80}, Art::glassBottom, 30, Art::glassEdge, 6);
    text(skin, ids, {32, 71, 112, 24}, titleLook, alignCentre);
    list(skin, ids, grid(36, 104, 8, 16, 8, 1, 13, 0));
    picture(skin, ids, art.volumeStep(true));
    picture(skin, ids, art.volumeStep(false));
    panel(skin, ids, {16, 70, 144, 84}, Art::glassBottom, 30, Art::glassEdge, 6);
    placed(skin, ids, {72, 76, 32, 32}, art.padlock());
    text(skin, ids, {20, 108, 136, 24}, bodyLook, alignCentre);
    text(skin, ids, {20, 128, 136, 24}, dimLook, alignCentre, 0);
    setting(skin, ids, 30, true); // seconds before the keys lock; lock automatically
}

void dialler(SkinWriter& skin)
{
    Ids ids(1250);
    text(skin, ids, {4, 50, 168, 28}, bigLook, alignRight, 2);
    list(skin, ids, grid(16, 86, 44, 24, 3, 4, 50, 27));
    panel(skin, ids, {16, 86, 44, 24}, Art::glassBottom, 40, Art::glassEdge, 6);
    panel(skin, ids, {16, 86, 44, 24}, Art::amberDeep, 0, Art::amber, 6);
    text(skin, ids, {16, 86, 44, 24}, bodyLook, alignCentre);
    text(skin, ids, {16, 86, 44, 24}, pressedLook, alignCentre);
    setting(skin, ids, 1, true); // key tone; speed dial
}

void settingsAndSaver(SkinWriter& skin)
{
    Ids ids(1290);
    list(skin, ids, grid(2, 38, 42, 20, 4, 1, 43, 0)); // tabs
    panel(skin, ids, {2, 38, 42, 20}, Art::glassBottom, 40, Art::glassEdge, 4);
    panel(skin, ids, {2, 38, 42, 20}, Art::cyanDeep, 0, Art::cyanEdge, 4);
    text(skin, ids, {2, 37, 42, 22}, dimLook, alignCentre, 0);
    text(skin, ids, {2, 37, 42, 22}, titleLook, alignCentre, 0);
    text(skin, ids, {8, 62, 160, 24}, bodyLook, alignLeft);
    text(skin, ids, {8, 84, 160, 24}, accentLook, alignRight);
    // Screen saver.
    text(skin, ids, {30, 88, 116, 28}, bigLook, alignCentre, 2);
    text(skin, ids, {30, 116, 116, 24}, dimLook, alignCentre);
    setting(skin, ids, 30, true);  // seconds before the saver starts; show the clock
    setting(skin, ids, 60, false); // backlight seconds; keep the backlight on while charging
}

void browserAndOrganiser(SkinWriter& skin)
{
    Ids ids(1330);
    // Browser: address bar, loading bar, page text and links.
    panel(skin, ids, {2, 38, 172, 20}, Art::white, 20, Art::glassEdge, 4);
    text(skin, ids, {6, 36, 164, 24}, {ink, Art::white, 255, black, 255, 0}, alignLeft, 0);
    panel(skin, ids, {2, 60, 172, 4}, Art::night, 0, Art::glassEdge, 2);
    panel(skin, ids, {2, 60, 80, 4}, Art::cyan, 0, Art::cyan, 2);
    text(skin, ids, {4, 66, 166, 24}, bodyLook, alignLeft, 0);
    text(skin, ids, {4, 90, 166, 24}, linkLook, alignLeft, 0);
    text(skin, ids, {4, 90, 166, 24}, {ink, Art::cyan, 0, black, 255, 1, true}, alignLeft, 0);
    setting(skin, ids, 1, true); // text size; load pictures
    // Organiser: to-do rows with their priorities.
    list(skin, ids, grid(4, 40, 168, 24, 1, 6, 0, 26));
    text(skin, ids, {22, 40, 148, 24}, {{255, 140, 140}, Art::night, 0, black, 255, 1}, alignLeft, 0);
    text(skin, ids, {22, 40, 148, 24}, bodyLook, alignLeft, 0);
    text(skin, ids, {22, 40, 148, 24}, dimLook, alignLeft, 0);
    text(skin, ids, {22, 40, 148, 24}, {{120, 124, 150}, Art::night, 0, black, 255, 0, true}, alignLeft, 0);
    text(skin, ids, {120, 40, 52, 24}, accentLook, alignRight, 0);
    setting(skin, ids, 7, true); // days shown ahead; remind
}

void gamesAndProfiles(SkinWriter& skin)
{
    Ids ids(1390);
    // Games: a grid of tiles and the score line.
    list(skin, ids, grid(10, 44, 48, 34, 3, 4, 54, 38));
    panel(skin, ids, {10, 44, 48, 34}, Art::glassBottom, 40, Art::glassEdge, 5);
    panel(skin, ids, {10, 44, 48, 34}, Art::cyanDeep, 0, Art::amber, 5);
    text(skin, ids, {4, 14, 84, 24}, accentLook, alignLeft, 0);
    text(skin, ids, {88, 14, 84, 24}, titleLook, alignRight, 0);
    setting(skin, ids, 1, true); // difficulty; sound effects
    // Profiles: normal, silent, meeting, outdoor, headset.
    list(skin, ids, grid(4, 40, 168, 26, 1, 5, 0, 28));
    text(skin, ids, {28, 40, 140, 26}, bodyLook, alignLeft);
    text(skin, ids, {28, 40, 140, 26}, selectedLook, alignLeft);
    text(skin, ids, {120, 40, 48, 26}, accentLook, alignRight, 0);
    setting(skin, ids, 0, true); // active profile; timed profiles
    // Greeting shown when the phone is switched on and off.
    panel(skin, ids, {0, 0, 176, 220}, Art::night, 0, Art::night, 0);
    text(skin, ids, {4, 96, 168, 28}, bigLook, alignCentre, 2);
    text(skin, ids, {4, 124, 168, 24}, dimLook, alignCentre);
    setting(skin, ids, 20, true); // tenths of a second the greeting stays; play the start-up tune
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_default_skin <output folder>\n";
        return 2;
    }
    try {
        const std::string folder = argv[1];
        std::filesystem::create_directories(folder);
        const Art art;
        SkinWriter skin;
        skin.palette(systemPalette());
        skin.wallpaper("VelaWall.gif", art.wallpaper());
        idleScreen(skin, art);
        statusIcons(skin, art);
        screenFrame(skin, art);
        mainMenu(skin, art);
        listScreens(skin, art);
        dialogs(skin, art);
        callScreen(skin, art);
        messages(skin, art);
        contacts(skin, art);
        calendar(skin);
        clockAndAlarm(skin, art);
        musicPlayer(skin, art);
        camera(skin, art);
        volumeAndLock(skin, art);
        dialler(skin);
        settingsAndSaver(skin);
        browserAndOrganiser(skin);
        gamesAndProfiles(skin);
        skin.write(folder, "Vela");
        std::cout << folder << "/Vela.ski: " << skin.lineCount() << " lines, " << skin.pictureCount() << " pictures\n";
    } catch (const std::exception& error) {
        std::cerr << "make_default_skin: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
