#pragma once

#include "idlescreen/IdleScreenIds.h"
#include "idlescreen/ViewOptions.h"
#include "pictures/Picture.h"
#include "preview/FrameContent.h"

#include <QString>

#include <array>

class LanguageTable;
class SkinModel;

// The captions of the four JoyPad labels, in the order of idlescreen::joyPadLabels.
using JoyPadCaptions = std::array<QString, 4>;
JoyPadCaptions joyPadCaptions(const LanguageTable& texts);

// Everything the idle screen is composed from besides the skin's records:
// the view options, the eight frames' contents and the wallpaper and
// status-strip pictures. The element page owns one (its frames' windows
// show these contents); the command-line tool builds one. The load
// operations are the one way both fill it from a model.
class IdleScene {
public:
    IdleScene() = default;
    IdleScene(const IdleScene&) = delete;
    IdleScene& operator=(const IdleScene&) = delete;

    ViewOptions view;
    Picture wallpaper;
    Picture statusStrip;

    FrameContent& frame(idlescreen::Frame which) { return frames[idlescreen::frameIndex(which)]; }
    const FrameContent& frame(idlescreen::Frame which) const { return frames[idlescreen::frameIndex(which)]; }

    // Everything, in the page's order: status strip, wallpaper, the key
    // frames in their current states, the clock face, the JoyPad labels.
    // False when the model holds no wallpaper bytes (the scene is complete
    // all the same, without a wallpaper).
    bool load(const SkinModel& model, const JoyPadCaptions& captions, const PreviewArea& area);
    // The eight frames afresh from the skin: the keys in their current
    // states, the clock face, the JoyPad labels.
    void loadFrames(const SkinModel& model, const JoyPadCaptions& captions, const PreviewArea& area);
    // The program's own status strip (picture 156 among its resources).
    bool loadStatusStrip();
    // Decodes the wallpaper bytes the model holds (read from the skin's
    // wallpaper file, or chosen in the editor). False, and no wallpaper,
    // when it holds none.
    bool loadWallpaper(const SkinModel& model);
    // The key's frame in the key's current state: that state's picture,
    // rectangle and opacity number.
    void loadKeyFrame(const SkinModel& model, idlescreen::Key key, const PreviewArea& area);
    // The analog clock's face, opaque.
    void loadClockFace(const SkinModel& model, const PreviewArea& area);
    // The four captions at the rectangles of the JoyPad option's current value.
    void placeJoyPadLabels(const SkinModel& model, const JoyPadCaptions& captions, const PreviewArea& area);

private:
    std::array<FrameContent, idlescreen::frameCount> frames;
};
