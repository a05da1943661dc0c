#pragma once

#include "ArtInks.h"

#include <functional>

// The idle screen's pictures: the sunset-sea wallpaper with its sailing
// boat, the analog clock face, the three keys in each of their states, and
// the bars behind the title and the soft-key labels.
class IdleScreenArt {
public:
    using Bytes = ArtInks::Bytes;
    enum class KeyState { Normal, Pressed, Selected, Disabled };

    explicit IdleScreenArt(const ArtInks& inks) : ink(inks) {}

    // On a colour table of its own: the wallpaper is drawn with more shades than the small pictures share.
    Bytes wallpaper() const;
    Bytes clockFace() const;
    Bytes softKey(bool left, KeyState state) const;
    Bytes centreKey(KeyState state) const;
    Bytes titleBar() const;
    Bytes softKeyBar() const;

private:
    Raster keyPicture(int width, int height, KeyState state, const std::function<bool(int, int)>& shape) const;

    const ArtInks& ink;
};
