#include "PhoneScreens.h"

#include "ElementBlock.h"
#include "TextLooks.h"

#include "idlescreen/IdleScreenIds.h"

namespace {

using idlescreen::alignCentre;
using idlescreen::alignLeft;
using idlescreen::alignRight;

void statusIcons(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 720);
    for (int level = 0; level <= 5; ++level)
        block.picture(art.status.signal(level));
    for (int level = 0; level <= 4; ++level)
        block.picture(art.status.battery(level));
    block.picture(art.status.batteryCharging());
    block.picture(art.status.envelopeBlink());
    using S = StatusArt::StatusIcon;
    for (S icon : {S::MissedCall, S::Alarm, S::Silent, S::Vibrate, S::KeyLock, S::Headset, S::Roaming, S::Data})
        block.picture(art.status.statusIcon(icon));
}

void screenFrame(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 750);
    block.panel({0, 15, 176, 22}, Theme::glassBottom, 0, Theme::glassEdge, 0);
    block.placed({0, 15, 176, 22}, art.idle.titleBar());
    block.text({20, 14, 136, 24}, titleLook, alignCentre);
    block.panel({0, 37, 176, 161}, Theme::night, 90, Theme::night, 0); // dims the wallpaper behind menus
    block.panel({0, 198, 176, 22}, Theme::glassBottom, 0, Theme::glassEdge, 0);
    block.placed({0, 198, 176, 22}, art.idle.softKeyBar());
    block.text({2, 197, 70, 23}, bodyLook, alignLeft);
    block.text({104, 197, 70, 23}, bodyLook, alignRight);
    block.text({62, 197, 52, 23}, accentLook, alignCentre);
    block.text({2, 198, 70, 22}, pressedLook, alignLeft);
    block.text({104, 198, 70, 22}, pressedLook, alignRight);
    block.setting(140, true); // wallpaper behind menus, dimmed
    block.setting(3, true);   // menu transition effect
}

void mainMenu(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 790);
    block.list(ElementBlock::grid(8, 42, 48, 48, 3, 3, 56, 50));
    block.panel({8, 42, 48, 48}, Theme::cyanDeep, 160, Theme::amber, 8);
    block.text({126, 14, 48, 24}, dimLook, alignRight, 0);
    block.text({4, 14, 120, 24}, titleLook, alignLeft);
    block.setting(3, true);  // columns; wrap around
    block.setting(3, false); // rows; animate the selected icon
    using Sym = MenuArt::Symbol;
    const Sym symbols[] = {Sym::Messages, Sym::Contacts, Sym::CallLog, Sym::Settings, Sym::Camera,
                           Sym::Music,    Sym::Games,    Sym::Organiser, Sym::Browser};
    for (const bool selected : {false, true})
        for (const Sym symbol : symbols)
            block.picture(art.menus.menuIcon(symbol, selected), 1); // the menu icons live in data file 1
}

void listScreens(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 830);
    block.list(ElementBlock::grid(4, 39, 162, 22, 1, 7, 0, 22));
    block.placed({2, 39, 168, 22}, art.menus.listPart(MenuArt::ListPart::Highlight));
    block.text({24, 38, 140, 24}, bodyLook, alignLeft);
    block.text({24, 38, 140, 24}, selectedLook, alignLeft);
    block.text({2, 38, 22, 24}, dimLook, alignRight, 0);
    block.text({24, 38, 140, 24}, dimLook, alignLeft);
    block.panel({170, 39, 5, 154}, Theme::glassBottom, 60, Theme::glassEdge, 2);
    block.panel({170, 39, 5, 40}, Theme::cyan, 0, Theme::cyanEdge, 2);
    using L = MenuArt::ListPart;
    block.placed({10, 46, 8, 8}, art.menus.listPart(L::Bullet));
    block.placed({154, 44, 12, 12}, art.menus.listPart(L::CheckOff));
    block.placed({154, 44, 12, 12}, art.menus.listPart(L::CheckOn));
    block.placed({154, 44, 12, 12}, art.menus.listPart(L::RadioOff));
    block.placed({154, 44, 12, 12}, art.menus.listPart(L::RadioOn));
    block.placed({83, 38, 10, 6}, art.menus.listPart(L::ArrowUp));
    block.placed({83, 192, 10, 6}, art.menus.listPart(L::ArrowDown));
    block.setting(7, true);  // rows per page; numbered rows
    block.setting(1, true);  // scroll step; wrap around
    block.setting(25, true); // marquee delay; scroll long texts
}

void dialogs(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 880);
    block.panel({8, 52, 160, 120}, Theme::glassBottom, 30, Theme::glassEdge, 6);
    block.text({12, 53, 152, 24}, titleLook, alignCentre);
    block.text({48, 82, 114, 44}, bodyLook, alignLeft, 0);
    block.panel({16, 132, 144, 10}, Theme::night, 0, Theme::glassEdge, 3);
    block.panel({17, 133, 72, 8}, Theme::amber, 0, Theme::amber, 2);
    block.text({12, 144, 152, 24}, dimLook, alignCentre, 0);
    block.panel({0, 15, 176, 183}, black, 120, black, 0); // shade over the screen behind a dialog
    block.place({12, 84, 32, 32});                  // where the dialog's icon goes
    using D = MenuArt::DialogIcon;
    for (D icon : {D::Info, D::Warning, D::Error, D::Question, D::Done})
        block.picture(art.menus.dialogIcon(icon));
    block.placed({76, 88, 24, 32}, art.status.hourglass());
    block.setting(30, true); // tenths of a second before a note closes; beep
}

void callScreen(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 940);
    block.placed({64, 42, 48, 56}, art.calls.callerPicture());
    block.text({4, 100, 168, 26}, bigLook, alignCentre, 2);
    block.text({4, 126, 168, 24}, bodyLook, alignCentre);
    block.text({4, 148, 168, 24}, accentLook, alignCentre);
    block.text({4, 170, 168, 24}, dimLook, alignCentre);
    block.place({8, 42, 32, 32}); // call state icon
    using C = CallMediaArt::CallIcon;
    for (C icon : {C::Incoming, C::Outgoing, C::Held, C::Ended})
        block.picture(art.calls.callIcon(icon));
    block.list({{40, 178, 8, 16}, {52, 178, 8, 16}, {64, 178, 8, 16}, {76, 178, 8, 16},
                     {88, 178, 8, 16}, {100, 178, 8, 16}, {112, 178, 8, 16}, {124, 178, 8, 16}});
    block.setting(4, true); // in-call volume; show the caller's picture
}

void messages(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 980);
    block.place({6, 43, 16, 14}); // message state icon in a list row
    using M = MessageArt::MessageIcon;
    for (M icon : {M::Unread, M::Read, M::Sent, M::Draft, M::Outbox})
        block.picture(art.messages.messageIcon(icon));
    block.text({4, 37, 116, 24}, accentLook, alignLeft, 0);
    block.text({120, 37, 52, 24}, dimLook, alignRight, 0);
    block.panel({4, 62, 168, 112}, {250, 246, 236}, 20, Theme::glassEdge, 4);
    block.text({8, 64, 160, 24}, {inkBlue, Theme::white, 255, black, 255, 0}, alignLeft);
    block.place({148, 20, 24, 11}); // input mode indicator in the title bar
    for (const char* mode : {"abc", "Abc", "ABC", "123"})
        block.picture(art.messages.inputMode(mode));
    block.setting(160, true); // characters per message; predictive text
    block.setting(1, true);   // cursor width; show the counter
}

void contacts(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 1020);
    block.list(ElementBlock::grid(2, 38, 42, 18, 4, 1, 43, 0)); // letter tabs
    block.text({2, 37, 42, 20}, dimLook, alignCentre, 0);
    block.text({2, 37, 42, 20}, selectedLook, alignCentre, 0);
    block.text({26, 58, 144, 24}, bodyLook, alignLeft);
    block.text({26, 80, 144, 24}, dimLook, alignLeft, 0);
    block.place({6, 62, 16, 14}); // number kind icon
    using K = MessageArt::ContactIcon;
    for (K icon : {K::Mobile, K::Home, K::Work, K::Email, K::Group})
        block.picture(art.messages.contactIcon(icon));
    block.panel({4, 174, 168, 22}, Theme::white, 30, Theme::glassEdge, 4);
    block.text({8, 173, 160, 24}, {inkBlue, Theme::white, 255, black, 255, 0}, alignLeft, 0);
    block.text({8, 104, 160, 24}, linkLook, alignLeft, 0);
    block.setting(0, true); // sort by first name; show pictures
}

void calendar(SkinWriter& skin)
{
    ElementBlock block(skin, 1060);
    block.list(ElementBlock::grid(4, 38, 24, 14, 7, 1, 24, 0));  // weekday names
    block.list(ElementBlock::grid(4, 52, 24, 24, 7, 6, 24, 24)); // day cells
    block.text({4, 37, 24, 15}, dimLook, alignCentre, 0);
    block.text({4, 52, 24, 24}, bodyLook, alignCentre, 0);
    block.text({4, 52, 24, 24}, accentLook, alignCentre, 0);
    block.text({4, 52, 24, 24}, selectedLook, alignCentre, 0);
    block.text({4, 52, 24, 24}, {{120, 124, 150}, Theme::night, 0, black, 255, 0}, alignCentre, 0);
    block.text({4, 52, 24, 24}, {{255, 140, 140}, Theme::night, 0, black, 255, 1}, alignCentre, 0);
    block.panel({4, 52, 24, 24}, Theme::amberDeep, 60, Theme::amber, 3);
    block.panel({4, 52, 24, 24}, Theme::cyan, 0, Theme::cyanEdge, 3);
    block.setting(1, true);  // first weekday Monday; mark today
    block.setting(0, false); // week numbers
}

void clockAndAlarm(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 1110);
    block.text({4, 58, 168, 28}, bigLook, alignCentre, 2);
    block.text({4, 86, 168, 24}, bodyLook, alignCentre);
    block.text({60, 140, 112, 26}, accentLook, alignLeft, 2);
    block.placed({8, 128, 48, 48}, art.calls.alarmBell());
    block.setting(5, true);  // snooze minutes; vibrate
    block.setting(3, false); // rings before stopping; silent mode override
}

void musicPlayer(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 1140);
    block.text({4, 40, 168, 26}, bigLook, alignCentre, 2);
    block.text({4, 66, 168, 24}, dimLook, alignCentre);
    block.panel({8, 148, 160, 6}, Theme::night, 0, Theme::glassEdge, 3);
    block.panel({8, 148, 60, 6}, Theme::amber, 0, Theme::amber, 3);
    block.text({4, 152, 80, 24}, dimLook, alignLeft, 0);
    block.text({92, 152, 80, 24}, dimLook, alignRight, 0);
    block.list(ElementBlock::grid(18, 178, 20, 16, 5, 1, 30, 0));
    using P = CallMediaArt::MediaControl;
    for (P control : {P::Play, P::Pause, P::Stop, P::Previous, P::Next})
        block.picture(art.calls.mediaControl(control));
    block.setting(2, true); // equaliser preset; shuffle remembered
}

void camera(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 1180);
    block.panel({0, 15, 176, 183}, black, 255, Theme::white, 0);
    block.text({120, 18, 52, 24}, bodyLook, alignRight, 0);
    block.text({4, 18, 80, 24}, bodyLook, alignLeft, 0);
    block.place({4, 176, 16, 16}); // mode icon
    using K = CallMediaArt::CameraIcon;
    for (K icon : {K::Photo, K::Video, K::Timer})
        block.picture(art.calls.cameraIcon(icon));
    block.setting(1, true); // resolution; shutter sound
}

void volumeAndLock(SkinWriter& skin, const PhoneArt& art)
{
    ElementBlock block(skin, 1210);
    block.panel({28, 70, 120, 80}, Theme::glassBottom, 30, Theme::glassEdge, 6);
    block.text({32, 71, 112, 24}, titleLook, alignCentre);
    block.list(ElementBlock::grid(36, 104, 8, 16, 8, 1, 13, 0));
    block.picture(art.calls.volumeStep(true));
    block.picture(art.calls.volumeStep(false));
    block.panel({16, 70, 144, 84}, Theme::glassBottom, 30, Theme::glassEdge, 6);
    block.placed({72, 76, 32, 32}, art.calls.padlock());
    block.text({20, 108, 136, 24}, bodyLook, alignCentre);
    block.text({20, 128, 136, 24}, dimLook, alignCentre, 0);
    block.setting(30, true); // seconds before the keys lock; lock automatically
}

void dialler(SkinWriter& skin)
{
    ElementBlock block(skin, 1250);
    block.text({4, 50, 168, 28}, bigLook, alignRight, 2);
    block.list(ElementBlock::grid(16, 86, 44, 24, 3, 4, 50, 27));
    block.panel({16, 86, 44, 24}, Theme::glassBottom, 40, Theme::glassEdge, 6);
    block.panel({16, 86, 44, 24}, Theme::amberDeep, 0, Theme::amber, 6);
    block.text({16, 86, 44, 24}, bodyLook, alignCentre);
    block.text({16, 86, 44, 24}, pressedLook, alignCentre);
    block.setting(1, true); // key tone; speed dial
}

void settingsAndSaver(SkinWriter& skin)
{
    ElementBlock block(skin, 1290);
    block.list(ElementBlock::grid(2, 38, 42, 20, 4, 1, 43, 0)); // tabs
    block.panel({2, 38, 42, 20}, Theme::glassBottom, 40, Theme::glassEdge, 4);
    block.panel({2, 38, 42, 20}, Theme::cyanDeep, 0, Theme::cyanEdge, 4);
    block.text({2, 37, 42, 22}, dimLook, alignCentre, 0);
    block.text({2, 37, 42, 22}, titleLook, alignCentre, 0);
    block.text({8, 62, 160, 24}, bodyLook, alignLeft);
    block.text({8, 84, 160, 24}, accentLook, alignRight);
    // Screen saver.
    block.text({30, 88, 116, 28}, bigLook, alignCentre, 2);
    block.text({30, 116, 116, 24}, dimLook, alignCentre);
    block.setting(30, true);  // seconds before the saver starts; show the clock
    block.setting(60, false); // backlight seconds; keep the backlight on while charging
}

void browserAndOrganiser(SkinWriter& skin)
{
    ElementBlock block(skin, 1330);
    // Browser: address bar, loading bar, page text and links.
    block.panel({2, 38, 172, 20}, Theme::white, 20, Theme::glassEdge, 4);
    block.text({6, 36, 164, 24}, {inkBlue, Theme::white, 255, black, 255, 0}, alignLeft, 0);
    block.panel({2, 60, 172, 4}, Theme::night, 0, Theme::glassEdge, 2);
    block.panel({2, 60, 80, 4}, Theme::cyan, 0, Theme::cyan, 2);
    block.text({4, 66, 166, 24}, bodyLook, alignLeft, 0);
    block.text({4, 90, 166, 24}, linkLook, alignLeft, 0);
    block.text({4, 90, 166, 24}, {inkBlue, Theme::cyan, 0, black, 255, 1, true}, alignLeft, 0);
    block.setting(1, true); // text size; load pictures
    // Organiser: to-do rows with their priorities.
    block.list(ElementBlock::grid(4, 40, 168, 24, 1, 6, 0, 26));
    block.text({22, 40, 148, 24}, {{255, 140, 140}, Theme::night, 0, black, 255, 1}, alignLeft, 0);
    block.text({22, 40, 148, 24}, bodyLook, alignLeft, 0);
    block.text({22, 40, 148, 24}, dimLook, alignLeft, 0);
    block.text({22, 40, 148, 24}, {{120, 124, 150}, Theme::night, 0, black, 255, 0, true}, alignLeft, 0);
    block.text({120, 40, 52, 24}, accentLook, alignRight, 0);
    block.setting(7, true); // days shown ahead; remind
}

void gamesAndProfiles(SkinWriter& skin)
{
    ElementBlock block(skin, 1390);
    // Games: a grid of tiles and the score line.
    block.list(ElementBlock::grid(10, 44, 48, 34, 3, 4, 54, 38));
    block.panel({10, 44, 48, 34}, Theme::glassBottom, 40, Theme::glassEdge, 5);
    block.panel({10, 44, 48, 34}, Theme::cyanDeep, 0, Theme::amber, 5);
    block.text({4, 14, 84, 24}, accentLook, alignLeft, 0);
    block.text({88, 14, 84, 24}, titleLook, alignRight, 0);
    block.setting(1, true); // difficulty; sound effects
    // Profiles: normal, silent, meeting, outdoor, headset.
    block.list(ElementBlock::grid(4, 40, 168, 26, 1, 5, 0, 28));
    block.text({28, 40, 140, 26}, bodyLook, alignLeft);
    block.text({28, 40, 140, 26}, selectedLook, alignLeft);
    block.text({120, 40, 48, 26}, accentLook, alignRight, 0);
    block.setting(0, true); // active profile; timed profiles
    // Greeting shown when the phone is switched on and off.
    block.panel({0, 0, 176, 220}, Theme::night, 0, Theme::night, 0);
    block.text({4, 96, 168, 28}, bigLook, alignCentre, 2);
    block.text({4, 124, 168, 24}, dimLook, alignCentre);
    block.setting(20, true); // tenths of a second the greeting stays; play the start-up tune
}

} // namespace

void writePhoneScreens(SkinWriter& skin, const PhoneArt& art)
{
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
}
