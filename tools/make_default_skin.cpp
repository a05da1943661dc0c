// Writes the shipped default skin "Vela": Vela.ski, its picture data files
// Vela.dat and Vela1.dat, and the wallpaper VelaWall.gif beside them.
//
// Run by hand from the source folder after changing the theme, then commit
// the files it writes:
//     build/tools/make_default_skin data/Default/Vela
//
// The output depends only on this code: same bytes on every run and machine.

#include "GeneratorMain.h"
#include "IdleScreenRecords.h"
#include "PhoneArt.h"
#include "PhoneScreens.h"
#include "SkinWriter.h"
#include "TextLooks.h"

#include "document/SkinTypes.h"

#include <iostream>
#include <iterator>
#include <vector>

namespace {

// The skin's palette block; item 1 is the idle screen's background.
std::vector<Rgb> systemPalette()
{
    std::vector<Rgb> colours = {Theme::night, Theme::white,    black,       Theme::glassTop, Theme::glassBottom,
                                Theme::glassEdge, Theme::amber, Theme::amberDeep, Theme::cyan, Theme::cyanDeep,
                                Theme::sunset};
    const auto ramp = [&](Rgb from, Rgb to, int count) {
        for (int i = 0; i < count; ++i)
            colours.push_back(mixRgb(from, to, i, count - 1));
    };
    ramp({240, 242, 248}, {40, 42, 50}, 8);           // greys
    ramp(Theme::glassTop, Theme::glassBottom, 8);     // key glass
    ramp(Theme::amber, Theme::amberDeep, 8);          // pressed
    ramp(Theme::cyan, Theme::cyanDeep, 8);            // selected
    ramp({14, 14, 50}, {74, 42, 114}, 8);             // evening sky
    ramp({80, 44, 116}, Theme::sunset, 8);            // sunset
    ramp({176, 90, 104}, {16, 16, 44}, 8);            // sea
    const Rgb signals[] = {{222, 52, 52}, {72, 196, 96}, {52, 112, 222}, {255, 214, 60}, {250, 140, 40},
                           {150, 90, 210}, {240, 120, 170}, {150, 100, 50}, {100, 220, 220}, {200, 230, 120}};
    colours.insert(colours.end(), std::begin(signals), std::end(signals));
    ramp({255, 236, 190}, {255, 170, 120}, 6);        // warm text
    ramp({200, 216, 255}, {100, 120, 180}, 6);        // cool text
    ramp({60, 60, 80}, {30, 30, 40}, paletteItemCount - static_cast<int>(colours.size())); // shadows fill the rest
    return colours;
}

} // namespace

int main(int argc, char** argv)
{
    return runGenerator(argc, argv, "make_default_skin", "output", [](const std::filesystem::path& folder) {
        const PhoneArt art;
        SkinWriter skin;
        skin.palette(systemPalette());
        skin.wallpaper("VelaWall.gif", art.idle.wallpaper());
        writeIdleScreen(skin, art.idle);
        writePhoneScreens(skin, art);
        skin.write(folder.string(), "Vela");
        std::cout << folder.string() << "/Vela.ski: " << skin.lineCount() << " lines, " << skin.pictureCount()
                  << " pictures\n";
    });
}
