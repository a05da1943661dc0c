#pragma once

#include <QRgb>

#include <cstdint>
#include <string>
#include <vector>

// Writes GIF pictures in memory with giflib, for tests and benchmarks.
class GifBuilder {
public:
    struct Frame {
        int left = 0;
        int top = 0;
        int width = 1;
        int height = 1;
        std::uint8_t fill = 0;              // colour index of every pixel...
        std::vector<std::uint8_t> pixels;   // ...unless given one by one, row by row
        int delay = -1;                     // -1: no graphic control extension
        int disposal = 0;
        int transparentIndex = -1;
        std::vector<QRgb> localColours;     // a local colour table when not empty
        std::string commentBefore;          // a comment extension after the control extension
    };

    // A frame of one colour index; delay -1 writes no graphic control extension.
    static Frame frame(int left, int top, int width, int height, std::uint8_t fill, int delay = -1, int disposal = 0)
    {
        Frame made;
        made.left = left;
        made.top = top;
        made.width = width;
        made.height = height;
        made.fill = fill;
        made.delay = delay;
        made.disposal = disposal;
        return made;
    }

    // A screen with the global colours red, green, blue, white (background index 3).
    GifBuilder(int screenWidth, int screenHeight);

    GifBuilder& colours(std::vector<QRgb> globalColours);
    GifBuilder& withoutGlobalColours();
    GifBuilder& looping();                 // a NETSCAPE2.0 application extension first
    GifBuilder& comment(std::string text); // a comment extension before the first frame
    GifBuilder& add(Frame frame);
    GifBuilder& version87();

    std::vector<std::uint8_t> build() const;

    static constexpr QRgb red = 0xFFFF0000;
    static constexpr QRgb green = 0xFF00FF00;
    static constexpr QRgb blue = 0xFF0000FF;
    static constexpr QRgb white = 0xFFFFFFFF;

private:
    int screenWidth;
    int screenHeight;
    std::vector<QRgb> globalColours{red, green, blue, white};
    bool loop = false;
    bool gif89 = true;
    std::string leadingComment;
    std::vector<Frame> frames;
};
