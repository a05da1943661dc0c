#pragma once

#include "document/SkinTypes.h"
#include "preview/FrameContent.h"

#include <cstdint>

// Where an element of the given size lands when it is put at (left, top):
// held inside the screen area as a dragged frame is. A left or top of 0 or
// less becomes 0; then an element that reaches the right or bottom limit
// ends flush with it, so one larger than the screen ends flush right or
// bottom, left of or above the screen's origin. Frames, the text elements'
// boxes and the keyboard's nudges all place through this one rule.
SkinRect placedOnScreen(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                        const PreviewArea& area = PreviewArea{});
