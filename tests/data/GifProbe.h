#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What giflib makes of a GIF file held in memory: its version, its logical
// screen and, per frame, the delay, disposal method and transparent index of
// its graphic control block.
struct GifProbe {
    struct Frame {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
        int delay = -1;       // hundredths of a second; -1 without a graphic control block
        int disposal = 0;
        int transparent = -1;
    };

    bool decoded = false;
    std::string error;
    std::string version; // "GIF89a", "GIF87a", or the first six bytes
    int width = 0;
    int height = 0;
    int colours = 0;     // size of the global colour table
    std::vector<Frame> frames;

    static GifProbe inspect(std::span<const std::uint8_t> bytes);
};
