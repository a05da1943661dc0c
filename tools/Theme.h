#pragma once

#include "Palette.h"

// The colours of the "Vela" theme: dark glass keys and tiles with white
// symbols, amber for pressed and cyan for selected things, a sunset sea
// behind them. The pictures and the skin's colour records share them.
struct Theme {
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
};
