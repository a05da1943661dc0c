#pragma once

#include "Palette.h"
#include "Raster.h"

#include <cstdint>
#include <string>
#include <vector>

// Builds one GIF89a picture (still or animated) with giflib, in memory.
// All frames share the picture's global colour table.
class GifWriter {
public:
    enum Disposal { Unspecified = 0, Keep = 1, RestoreBackground = 2, RestorePrevious = 3 };

    GifWriter(int width, int height, Palette palette);

    // Key index drawn as transparent in every frame added afterwards; -1 for none.
    void setTransparentIndex(int index) { transparent = index; }
    // An animation loops forever (the usual application extension) unless this is off.
    void setLooping(bool on) { looping = on; }

    // A frame placed at (left, top) of the logical screen; delay in hundredths of a second.
    void addFrame(const Raster& image, int delay = 0, Disposal disposal = Unspecified, int left = 0, int top = 0);

    // The encoded file; throws std::runtime_error when giflib fails.
    std::vector<std::uint8_t> encode() const;

    // Encodes a single still picture.
    static std::vector<std::uint8_t> still(const Raster& image, const Palette& palette, int transparentIndex = -1);
    // Writes bytes to a file; throws std::runtime_error when it cannot.
    static void writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

private:
    struct Frame {
        Raster image;
        int delay;
        Disposal disposal;
        int left;
        int top;
        int transparent;
    };

    int width;
    int height;
    Palette palette;
    int transparent = -1;
    bool looping = true;
    std::vector<Frame> frames;
};
