#include "preview/ScreenPlacement.h"

#include <algorithm>
#include <climits>

namespace {

std::int32_t phoneCoordinate(std::int64_t value)
{
    return std::int32_t(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
}

} // namespace

SkinRect placedOnScreen(std::int64_t left, std::int64_t top, std::int64_t width, std::int64_t height,
                        const PreviewArea& area)
{
    left = std::max<std::int64_t>(left, 0);
    top = std::max<std::int64_t>(top, 0);
    // After the clamps at 0, so that the right and bottom limits win.
    if (area.originX + left + width >= area.limitRight)
        left = std::int64_t(area.limitRight) - width - area.originX;
    if (area.originY + top + height >= area.limitBottom)
        top = std::int64_t(area.limitBottom) - height - area.originY;
    return {phoneCoordinate(left), phoneCoordinate(top), phoneCoordinate(left + width), phoneCoordinate(top + height)};
}
