#include "ArtInks.h"

#include "Theme.h"

namespace {

constexpr Rgb keyColour{255, 0, 255};

} // namespace

// The order of the entries is the order of the colour table in every
// picture: adding or moving one changes the bytes of all of them.
ArtInks::ArtInks()
{
    clear = colours.add(keyColour);
    black = colours.add({0, 0, 0});
    white = colours.add(Theme::white);
    dark = colours.add(Theme::night);
    paper = colours.add({250, 246, 236});
    greys = 6;
    grey = colours.ramp({232, 234, 240}, {70, 74, 86}, greys);
    glasses = 8;
    glass = colours.ramp(Theme::glassTop, Theme::glassBottom, glasses);
    glassEdge = colours.add(Theme::glassEdge);
    glassShine = colours.add({196, 212, 255});
    ambers = 8;
    amber = colours.ramp(Theme::amber, Theme::amberDeep, ambers);
    amberEdge = colours.add(Theme::amberEdge);
    cyans = 6;
    cyan = colours.ramp(Theme::cyan, Theme::cyanDeep, cyans);
    cyanEdge = colours.add(Theme::cyanEdge);
    dulls = 4;
    dull = colours.ramp({128, 132, 142}, {58, 60, 68}, dulls);
    red = colours.add({222, 52, 52});
    redDark = colours.add({128, 20, 26});
    green = colours.add({72, 196, 96});
    greenDark = colours.add({20, 104, 44});
    yellow = colours.add({255, 214, 60});
    orange = colours.add({250, 140, 40});
    blue = colours.add({52, 112, 222});
    blueLight = colours.add({144, 192, 250});
    brown = colours.add({150, 100, 50});
    skin = colours.add({240, 200, 160});
    faces = 8;
    face = colours.ramp({52, 48, 108}, {14, 14, 40}, faces);
}

ArtInks::Bytes ArtInks::still(const Raster& image) const { return GifWriter::still(image, colours, clear); }

GifWriter ArtInks::animation(int width, int height) const
{
    GifWriter gif(width, height, colours);
    gif.setTransparentIndex(clear);
    return gif;
}
