#pragma once

#include "idlescreen/IdleScreenIds.h"

// How the preview shows the idle screen; none of it is written to the skin.
struct ViewOptions {
    bool showWallpaper = true;
    bool analogClock = false;
    bool joyPadShown = false; // the JoyPad-on rectangles of the JoyPad labels
    // The preview state of each key: which of its pictures, rectangles and
    // opacity numbers the preview shows; the left and right states also
    // choose the soft-key labels' style (2: no label).
    int leftKeyState = 0;  // 0..2
    int rightKeyState = 0; // 0..2
    int centreKeyState = 0; // 0..3
    bool focusRects = false; // a dotted rectangle around every text element

    int keyState(idlescreen::Key key) const;
    void setKeyState(idlescreen::Key key, int state);
};
