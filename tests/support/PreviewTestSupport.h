#pragma once

// Pixels and skins for the preview's tests.

#include "GifBuilder.h"
#include "ModelAccess.h"
#include "document/SkinModel.h"

#include <QImage>
#include <QSet>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace preview_testing {

using Pixels = QSet<std::pair<int, int>>;

inline QImage filled(QRgb colour, int width = 176, int height = 220)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// The pixels of image that differ from background (alpha ignored).
inline Pixels pixelsNot(const QImage& image, QRgb background)
{
    Pixels found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) != (background & RGB_MASK))
                found.insert({x, y});
    return found;
}

// The pixels of image of exactly that colour.
inline Pixels pixelsOf(const QImage& image, QRgb colour)
{
    Pixels found;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK))
                found.insert({x, y});
    return found;
}

inline Pixels shifted(const Pixels& pixels, int dx, int dy)
{
    Pixels moved;
    for (const auto& [x, y] : pixels)
        moved.insert({x + dx, y + dy});
    return moved;
}

inline Pixels within(const Pixels& pixels, int left, int top, int right, int bottom)
{
    Pixels kept;
    for (const auto& [x, y] : pixels)
        if (x >= left && x < right && y >= top && y < bottom)
            kept.insert({x, y});
    return kept;
}

inline bool near(QRgb actual, QRgb expected, int tolerance)
{
    return std::abs(qRed(actual) - qRed(expected)) <= tolerance &&
           std::abs(qGreen(actual) - qGreen(expected)) <= tolerance &&
           std::abs(qBlue(actual) - qBlue(expected)) <= tolerance;
}

// Skin colour value (0x00BBGGRR) of a QRgb.
inline std::uint32_t valueOf(QRgb colour)
{
    return std::uint32_t(qRed(colour)) | std::uint32_t(qGreen(colour)) << 8 | std::uint32_t(qBlue(colour)) << 16;
}

// A one-colour GIF; with transparentCorner, the top-left pixel is transparent.
inline std::vector<std::uint8_t> solidGif(int width, int height, QRgb colour, bool transparentCorner = false)
{
    GifBuilder::Frame frame = GifBuilder::frame(0, 0, width, height, 0);
    frame.pixels.assign(std::size_t(width * height), 0);
    if (transparentCorner) {
        frame.pixels[0] = 1;
        frame.transparentIndex = 1;
        frame.delay = 0;
    }
    return GifBuilder(width, height).colours({colour | 0xFF000000u, 0xFF000000u}).add(frame).build();
}

// An edited skin made of record lines, over an empty default skin: every
// record the lines lack reads as missing.
class TestSkin {
public:
    TestSkin()
    {
        editedSkin(model).createNew("test");
        defaultSkin(model).createNew("default");
    }

    TestSkin& line(const std::string& text)
    {
        editedSkin(model).appendLine(text + "\n");
        return *this;
    }
    TestSkin& rect(ElementId id, SkinRect r)
    {
        (void)editedSkin(model).setRect(id, r);
        return *this;
    }
    TestSkin& colour(ElementId id, QRgb colour, int transparency = 0)
    {
        editedSkin(model).setColour(id, valueOf(colour), transparency);
        return *this;
    }
    TestSkin& number(ElementId id, int value)
    {
        editedSkin(model).setNumber(id, value);
        return *this;
    }
    // Only the default skin can give a number below -1: the model takes a
    // negative number of the edited skin as missing.
    TestSkin& defaultNumber(ElementId id, int value)
    {
        defaultSkin(model).setNumber(id, value);
        return *this;
    }
    TestSkin& flag(ElementId id, bool value)
    {
        editedSkin(model).setFlag(id, value ? 1 : 0);
        return *this;
    }
    TestSkin& picture(ElementId id, const std::vector<std::uint8_t>& bytes)
    {
        (void)editedSkin(model).setPicture(id, bytes);
        return *this;
    }
    // The palette list (items "4 r g b t") with item 1, the background, in
    // the colour and the others black.
    TestSkin& background(QRgb colour)
    {
        line("0 41 98");
        for (int i = 1; i <= 98; ++i) {
            const QRgb c = i == 1 ? colour : 0;
            line("4 " + std::to_string(qRed(c)) + " " + std::to_string(qGreen(c)) + " " + std::to_string(qBlue(c)) +
                 " 0");
        }
        return *this;
    }

    SkinModel model;
};

} // namespace preview_testing
