// Draws the program's own artwork: the icon, the toolbar images and the
// phone's status strip shown at the top of the idle screen preview; and the
// icon once more as PNG files for the desktop's icon theme.
//
// Run by hand from the source folder after changing the drawings, then
// commit the files it writes:
//     build/tools/make_resources resources
//
// The output depends only on this code: same bytes on every run and machine.

#include "GeneratorMain.h"
#include "GifWriter.h"
#include "Palette.h"
#include "PngWriter.h"
#include "Raster.h"
#include "StatusGlyphs.h"

#include <filesystem>
#include <iostream>
#include <string>

namespace {

constexpr Rgb keyColour{255, 0, 255}; // index 0 of every transparent picture

// --- program icon ---------------------------------------------------------------

struct IconInks {
    Palette palette;
    int body = 0;
    int bodyShades = 0;
    int outline = 0;
    int screen = 0;
    int screenShades = 0;
    int sun = 0;
    int key = 0;
    int board = 0;
    int boardEdge = 0;
    int paints[4] = {};
};

IconInks iconInks()
{
    IconInks inks;
    inks.palette.add(keyColour);
    inks.bodyShades = 4;
    inks.body = inks.palette.ramp({86, 96, 114}, {30, 34, 44}, inks.bodyShades);
    inks.outline = inks.palette.add({12, 14, 20});
    inks.screenShades = 6;
    inks.screen = inks.palette.ramp({40, 92, 200}, {60, 200, 190}, inks.screenShades);
    inks.sun = inks.palette.add({255, 214, 80});
    inks.key = inks.palette.add({176, 186, 204});
    inks.board = inks.palette.add({244, 228, 188});
    inks.boardEdge = inks.palette.add({150, 104, 52});
    inks.paints[0] = inks.palette.add({226, 40, 48});
    inks.paints[1] = inks.palette.add({252, 200, 30});
    inks.paints[2] = inks.palette.add({52, 176, 72});
    inks.paints[3] = inks.palette.add({44, 96, 220});
    return inks;
}

// A stylised phone with a painter's palette leaning on it; the size is 32 or 16.
Raster drawIcon(const IconInks& inks, int size)
{
    Raster icon(size, size, 0);
    const bool big = size >= 32;
    // Phone body, screen and keys.
    const int bodyLeft = big ? 5 : 2;
    const int bodyWidth = big ? 17 : 9;
    const int radius = big ? 4 : 2;
    icon.fillRoundRect(bodyLeft, 0, bodyWidth, size, radius, Paint::solid(inks.outline));
    icon.fillRoundRect(bodyLeft + 1, 1, bodyWidth - 2, size - 2, radius - 1,
                       Paint::horizontal(inks.body, inks.bodyShades, bodyLeft + 1, bodyLeft + bodyWidth - 2));
    const int screenLeft = bodyLeft + 2;
    const int screenTop = big ? 4 : 2;
    const int screenWidth = bodyWidth - 4;
    const int screenHeight = big ? 12 : 6;
    icon.fillRect(screenLeft, screenTop, screenWidth, screenHeight,
                  Paint::vertical(inks.screen, inks.screenShades, screenTop, screenTop + screenHeight - 1));
    if (big) {
        icon.fillEllipse(screenLeft + 7, screenTop + 2, 4, 4, Paint::solid(inks.sun));
        icon.fillPolygon({{screenLeft, screenTop + 12}, {screenLeft + 5, screenTop + 7}, {screenLeft + 9, screenTop + 12}},
                         Paint::solid(inks.body + inks.bodyShades - 1));
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 3; ++column)
                icon.fillRect(screenLeft + column * 5, 19 + row * 3, 3, 2, Paint::solid(inks.key));
    } else {
        icon.set(screenLeft + 3, screenTop + 1, inks.sun);
        for (int row = 0; row < 3; ++row)
            for (int column = 0; column < 2; ++column)
                icon.set(screenLeft + 1 + column * 3, 10 + row * 2, inks.key);
    }
    // The painter's palette: a board with a thumb hole and four blobs of paint.
    const int boardLeft = big ? 13 : 7;
    const int boardTop = big ? 15 : 7;
    const int boardWidth = size - boardLeft;
    const int boardHeight = size - boardTop - (big ? 1 : 0);
    icon.fillEllipse(boardLeft, boardTop, boardWidth, boardHeight, Paint::solid(inks.boardEdge));
    icon.fillEllipse(boardLeft + 1, boardTop + 1, boardWidth - 2, boardHeight - 2, Paint::solid(inks.board));
    if (big) {
        icon.fillEllipse(boardLeft + 4, boardTop + 9, 4, 4, Paint::solid(inks.boardEdge));
        const Point blobs[4] = {{boardLeft + 3, boardTop + 3}, {boardLeft + 8, boardTop + 2},
                                {boardLeft + 13, boardTop + 5}, {boardLeft + 11, boardTop + 10}};
        for (int i = 0; i < 4; ++i)
            icon.fillEllipse(blobs[i].x, blobs[i].y, 4, 4, Paint::solid(inks.paints[i]));
    } else {
        icon.set(boardLeft + 2, boardTop + 5, inks.boardEdge);
        const Point blobs[3] = {{boardLeft + 2, boardTop + 2}, {boardLeft + 5, boardTop + 2}, {boardLeft + 5, boardTop + 5}};
        for (int i = 0; i < 3; ++i)
            icon.fillRect(blobs[i].x, blobs[i].y, 2, 2, Paint::solid(inks.paints[i]));
    }
    return icon;
}

// --- toolbar ------------------------------------------------------------------

constexpr int toolWidth = 18;
constexpr int toolHeight = 21;

struct ToolInks {
    Palette palette;
    int black, white, paper, fold, metal, metalDark, yellow, yellowDark, blue, blueDark, blueLight;
};

ToolInks toolInks()
{
    ToolInks inks{};
    inks.palette.add(keyColour);
    inks.black = inks.palette.add({0, 0, 0});
    inks.white = inks.palette.add({255, 255, 255});
    inks.paper = inks.palette.add({246, 248, 252});
    inks.fold = inks.palette.add({196, 204, 216});
    inks.metal = inks.palette.add({200, 204, 210});
    inks.metalDark = inks.palette.add({110, 116, 126});
    inks.yellow = inks.palette.add({255, 214, 90});
    inks.yellowDark = inks.palette.add({206, 150, 40});
    inks.blue = inks.palette.add({44, 98, 200});
    inks.blueDark = inks.palette.add({22, 46, 120});
    inks.blueLight = inks.palette.add({132, 176, 240});
    return inks;
}

Raster toolNew(const ToolInks& k)
{
    Raster image(toolWidth, toolHeight, 0);
    // A blank sheet with its top right corner folded over.
    const std::vector<Point> sheet = {{3, 2}, {11, 2}, {15, 6}, {15, 20}, {3, 20}};
    image.fillPolygon(sheet, Paint::solid(k.black));
    image.fillPolygon({{4, 3}, {10, 3}, {14, 7}, {14, 19}, {4, 19}}, Paint::solid(k.paper));
    image.fillPolygon({{10, 3}, {14, 7}, {10, 7}}, Paint::solid(k.fold));
    image.drawLine(10, 3, 10, 6, k.black);
    image.drawLine(10, 6, 13, 6, k.black);
    return image;
}

Raster toolOpen(const ToolInks& k)
{
    Raster image(toolWidth, toolHeight, 0);
    // Back of the folder with its tab, then the open front flap.
    image.fillRect(1, 5, 6, 2, Paint::solid(k.black));
    image.fillRect(1, 6, 14, 12, Paint::solid(k.black));
    image.fillRect(2, 6, 4, 1, Paint::solid(k.yellowDark));
    image.fillRect(2, 7, 12, 10, Paint::solid(k.yellowDark));
    image.fillPolygon({{4, 10}, {18, 10}, {15, 18}, {1, 18}}, Paint::solid(k.black));
    image.fillPolygon({{5, 11}, {16, 11}, {14, 17}, {2, 17}}, Paint::solid(k.yellow));
    // A sheet peeking out.
    image.fillRect(5, 3, 8, 1, Paint::solid(k.black));
    image.fillRect(5, 4, 1, 6, Paint::solid(k.black));
    image.fillRect(12, 4, 1, 6, Paint::solid(k.black));
    image.fillRect(6, 4, 6, 6, Paint::solid(k.paper));
    return image;
}

Raster toolSave(const ToolInks& k)
{
    Raster image(toolWidth, toolHeight, 0);
    // A floppy disk: body, metal shutter with its window, label.
    image.fillPolygon({{1, 3}, {15, 3}, {17, 5}, {17, 19}, {1, 19}}, Paint::solid(k.black));
    image.fillPolygon({{2, 4}, {15, 4}, {16, 5}, {16, 18}, {2, 18}}, Paint::solid(k.blue));
    image.fillRect(5, 4, 9, 6, Paint::solid(k.metal));
    image.fillRect(11, 5, 2, 4, Paint::solid(k.metalDark));
    image.fillRect(4, 12, 11, 6, Paint::solid(k.white));
    image.fillRect(5, 13, 9, 1, Paint::solid(k.blueLight));
    image.fillRect(5, 15, 9, 1, Paint::solid(k.blueLight));
    image.fillRect(2, 18, 15, 1, Paint::solid(k.blueDark));
    return image;
}

// A hooked arrow pointing left (undo); redo is its mirror image.
Raster toolUndo(const ToolInks& k)
{
    Raster image(toolWidth, toolHeight, 0);
    // The shaft: the right half of a ring, closed by a short tail at the bottom.
    const auto rightHalf = [](int x, int) { return x >= 9; };
    const auto ring = [](int x, int y, int left, int top, int size, int thickness) {
        return Raster::insideEllipse(x, y, left, top, size, size)
            && !Raster::insideEllipse(x, y, left + thickness, top + thickness, size - 2 * thickness, size - 2 * thickness);
    };
    image.fillWhere(0, 0, toolWidth, toolHeight, Paint::solid(k.blueDark),
                    [&](int x, int y) { return rightHalf(x, y) && ring(x, y, 3, 4, 14, 5); });
    image.fillWhere(0, 0, toolWidth, toolHeight, Paint::solid(k.blue),
                    [&](int x, int y) { return rightHalf(x, y) && ring(x, y, 4, 5, 12, 3); });
    image.fillRect(5, 13, 5, 5, Paint::solid(k.blueDark));
    image.fillRect(5, 14, 5, 3, Paint::solid(k.blue));
    image.fillRect(7, 4, 3, 5, Paint::solid(k.blueDark));
    image.fillRect(7, 5, 3, 3, Paint::solid(k.blue));
    // The head, pointing left from the top of the shaft.
    image.fillPolygon({{0, 6}, {8, -1}, {8, 14}}, Paint::solid(k.blueDark));
    image.fillPolygon({{2, 6}, {7, 1}, {7, 12}}, Paint::solid(k.blueLight));
    return image;
}

Raster mirrored(const Raster& source)
{
    Raster image(source.width(), source.height(), 0);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            image.set(source.width() - 1 - x, y, source.at(x, y));
    return image;
}

Raster toolAbout(const ToolInks& k)
{
    Raster image(toolWidth, toolHeight, 0);
    // A blue disc with a white "i".
    image.fillEllipse(1, 3, 16, 16, Paint::solid(k.blueDark));
    image.fillEllipse(2, 4, 14, 14, Paint::vertical(k.blueLight, 1, 0, 0));
    image.fillEllipse(3, 5, 12, 12, Paint::solid(k.blue));
    image.fillRect(8, 6, 2, 2, Paint::solid(k.white));
    image.fillRect(7, 9, 3, 1, Paint::solid(k.white));
    image.fillRect(8, 9, 2, 6, Paint::solid(k.white));
    image.fillRect(7, 15, 4, 1, Paint::solid(k.white));
    return image;
}

// --- status strip ---------------------------------------------------------------

Raster statusStrip(Palette& palette)
{
    constexpr int width = 176;
    constexpr int height = 15;
    const int shades = 6;
    const int background = palette.ramp({44, 54, 78}, {10, 12, 20}, shades);
    const int rim = palette.add({96, 120, 168});
    const int lit = palette.add({236, 242, 255});
    const int unlit = palette.add({70, 80, 100});
    const int charge = palette.add({96, 220, 110});
    const int outline = palette.add({200, 210, 228});

    Raster strip(width, height, background);
    strip.fillRect(0, 0, width, height - 1, Paint::vertical(background, shades, 0, height - 2));
    strip.fillRect(0, height - 1, width, 1, Paint::solid(rim));
    StatusGlyphs::signal(strip, 3, 11, 9, 5, 4, 2, {lit, unlit, outline});
    StatusGlyphs::battery(strip, 150, 3, 22, 9, 3, 3, {charge, unlit, outline});
    return strip;
}

// Every pixel as a square of factor x factor pixels: a larger icon that stays crisp.
Raster enlarged(const Raster& image, int factor)
{
    Raster large(image.width() * factor, image.height() * factor, 0);
    for (int y = 0; y < large.height(); ++y)
        for (int x = 0; x < large.width(); ++x)
            large.set(x, y, image.at(x / factor, y / factor));
    return large;
}

void save(const std::filesystem::path& folder, const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    GifWriter::writeFile((folder / name).string(), bytes);
    std::cout << (folder / name).string() << " " << bytes.size() << " bytes\n";
}

} // namespace

int main(int argc, char** argv)
{
    return runGenerator(argc, argv, "make_resources", "resources", [](const std::filesystem::path& folder) {
        const IconInks icon = iconInks();
        save(folder, "velaskin-32.gif", GifWriter::still(drawIcon(icon, 32), icon.palette, 0));
        save(folder, "velaskin-16.gif", GifWriter::still(drawIcon(icon, 16), icon.palette, 0));
        save(folder, "velaskin-16.png", PngWriter::still(drawIcon(icon, 16), icon.palette, 0));
        save(folder, "velaskin-32.png", PngWriter::still(drawIcon(icon, 32), icon.palette, 0));
        save(folder, "velaskin-64.png", PngWriter::still(enlarged(drawIcon(icon, 32), 2), icon.palette, 0));

        const ToolInks tools = toolInks();
        save(folder, "toolbar-new.gif", GifWriter::still(toolNew(tools), tools.palette, 0));
        save(folder, "toolbar-open.gif", GifWriter::still(toolOpen(tools), tools.palette, 0));
        save(folder, "toolbar-save.gif", GifWriter::still(toolSave(tools), tools.palette, 0));
        save(folder, "toolbar-about.gif", GifWriter::still(toolAbout(tools), tools.palette, 0));
        save(folder, "toolbar-undo.gif", GifWriter::still(toolUndo(tools), tools.palette, 0));
        save(folder, "toolbar-redo.gif", GifWriter::still(mirrored(toolUndo(tools)), tools.palette, 0));

        Palette stripPalette;
        const Raster strip = statusStrip(stripPalette);
        save(folder, "statusbar.gif", GifWriter::still(strip, stripPalette));
    });
}
