#pragma once

#include "Palette.h"
#include "Raster.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// The pictures of the "Vela" default skin: a sunset sea with a sailing boat
// as wallpaper, dark glass keys and tiles with white symbols, amber for
// pressed and cyan for selected things. Every picture is returned as the
// bytes of a GIF89a file. All small pictures share one colour table.
class PhoneArt {
public:
    using Bytes = std::vector<std::uint8_t>;

    enum class KeyState { Normal, Pressed, Selected, Disabled };
    enum class Symbol { Messages, Contacts, CallLog, Settings, Camera, Music, Games, Organiser, Browser };
    enum class StatusIcon { MissedCall, Alarm, Silent, Vibrate, KeyLock, Headset, Roaming, Data };
    enum class DialogIcon { Info, Warning, Error, Question, Done };
    enum class ListPart { Highlight, Bullet, CheckOff, CheckOn, RadioOff, RadioOn, ArrowUp, ArrowDown };
    enum class MessageIcon { Unread, Read, Sent, Draft, Outbox };
    enum class ContactIcon { Mobile, Home, Work, Email, Group };
    enum class CallIcon { Incoming, Outgoing, Held, Ended };
    enum class MediaControl { Play, Pause, Stop, Previous, Next };
    enum class CameraIcon { Photo, Video, Timer };

    PhoneArt();

    Bytes wallpaper() const;
    Bytes clockFace() const;
    Bytes softKey(bool left, KeyState state) const;
    Bytes centreKey(KeyState state) const;
    Bytes titleBar() const;
    Bytes softKeyBar() const;

    Bytes signal(int level) const;  // 0..5
    Bytes battery(int level) const; // 0..4
    Bytes batteryCharging() const;  // animated
    Bytes envelopeBlink() const;    // animated
    Bytes hourglass() const;        // animated
    Bytes statusIcon(StatusIcon icon) const;

    Bytes menuIcon(Symbol symbol, bool selected) const;
    Bytes dialogIcon(DialogIcon icon) const;
    Bytes listPart(ListPart part) const;
    Bytes messageIcon(MessageIcon icon) const;
    Bytes inputMode(const std::string& label) const;
    Bytes contactIcon(ContactIcon icon) const;
    Bytes callIcon(CallIcon icon) const; // the incoming call rings (animated)
    Bytes callerPicture() const;
    Bytes mediaControl(MediaControl control) const;
    Bytes cameraIcon(CameraIcon icon) const;
    Bytes volumeStep(bool on) const;
    Bytes padlock() const;
    Bytes alarmBell() const;

    // Colours of the theme, shared with the skin's colour records.
    static constexpr Rgb white{255, 255, 255};
    static constexpr Rgb night{16, 14, 44};
    static constexpr Rgb glassTop{70, 92, 160};
    static constexpr Rgb glassBottom{14, 20, 52};
    static constexpr Rgb glassEdge{150, 176, 240};
    static constexpr Rgb amber{255, 196, 96};
    static constexpr Rgb amberDeep{150, 64, 16};
    static constexpr Rgb cyan{120, 230, 255};
    static constexpr Rgb cyanDeep{20, 110, 170};
    static constexpr Rgb cyanEdge{210, 250, 255};
    static constexpr Rgb amberEdge{255, 228, 176};
    static constexpr Rgb sunset{255, 150, 84};

private:
    struct Inks {
        int clear, black, white, dark, paper;
        int grey, greys;           // ramp light -> dark
        int glass, glasses;        // ramp top -> bottom
        int glassEdge, glassShine;
        int amber, ambers, amberEdge;
        int cyan, cyans, cyanEdge;
        int dull, dulls;
        int red, redDark, green, greenDark, yellow, orange, blue, blueLight, brown, skin;
        int face, faces;           // clock face, centre -> rim
    };

    Bytes still(const Raster& image) const;
    Raster canvas(int width, int height) const { return Raster(width, height, ink.clear); }
    Raster keyPicture(int width, int height, KeyState state, const std::function<bool(int, int)>& shape) const;
    void tile(Raster& image, int left, int top, int size, bool selected) const;
    void symbol(Raster& image, Symbol which, int left, int top, int size, int fore, int back) const;
    void envelope(Raster& image, int left, int top, int width, int height, int paper, int line) const;
    void handset(Raster& image, int left, int top, int size, int fore) const;
    void person(Raster& image, int left, int top, int size, int fore) const;
    void clockGlyph(Raster& image, int left, int top, int size, int fore, int back) const;
    void bell(Raster& image, int left, int top, int size, int fore) const;
    void disc(Raster& image, int size, int ringInk, int fillInk) const;

    Palette palette;
    Inks ink{};
};
