#pragma once

#include "Raster.h"

// The phone's two status symbols, shared by the program's status strip and
// the default skin's status icons.
class StatusGlyphs {
public:
    struct Inks {
        int lit;      // active bars / battery charge
        int unlit;    // inactive bars / empty cells
        int outline;  // antenna and battery case
    };

    // An antenna mast and `bars` bars of rising height standing on row
    // `baseline`; the first `level` bars are lit. Bars are `barWidth` wide
    // with one pixel between them; the tallest is `height` rows.
    static void signal(Raster& target, int x, int baseline, int height, int bars, int level, int barWidth,
                       const Inks& inks);
    // A battery case (left, top, width, height) with its terminal on the right
    // and `cells` cells, the first `level` of them charged.
    static void battery(Raster& target, int left, int top, int width, int height, int cells, int level,
                        const Inks& inks);
};
