#pragma once

#include "Theme.h"

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

inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb inkBlue{14, 20, 44}; // dark text on light panels

// The texts of the default skin.
inline constexpr Look titleLook{Theme::white, Theme::night, 0, black, 170, 1};
inline constexpr Look bodyLook{Theme::white, Theme::night, 0, black, 200, 1};
inline constexpr Look selectedLook{inkBlue, Theme::cyan, 90, black, 255, 0};
inline constexpr Look dimLook{{176, 184, 214}, Theme::night, 0, black, 255, 0};
inline constexpr Look accentLook{Theme::amber, {60, 24, 0}, 0, black, 200, 1};
inline constexpr Look bigLook{Theme::white, {24, 18, 64}, 0, Theme::sunset, 110, 2};
inline constexpr Look pressedLook{{255, 236, 190}, {90, 40, 8}, 0, Theme::amber, 120, 2};
inline constexpr Look linkLook{Theme::cyan, Theme::night, 0, black, 255, 1, true};
