#pragma once

#include <cstdint>

// Whether the preview draws focus rectangles around the elements: 1 means on,
// every other value off. Read from the settings at start-up and changed only
// by the Focus Rect command; used on the user-interface thread only.
extern std::int32_t focusRectEnabled;

inline bool focusRectsShown()
{
    return focusRectEnabled == 1;
}
