#pragma once

#include "Paint.h"

#include <cstdint>
#include <functional>
#include <vector>

struct Point {
    int x = 0;
    int y = 0;
};

// An indexed picture: one palette index per pixel, rows top to bottom.
// Every drawing call clips to the picture. Shapes are sampled at pixel
// centres with integer arithmetic only (no anti-aliasing), so they come out
// the same on every machine.
class Raster {
public:
    Raster(int width, int height, int fillIndex = 0);

    int width() const { return w; }
    int height() const { return h; }
    const std::vector<std::uint8_t>& pixels() const { return data; }
    int at(int x, int y) const;
    void set(int x, int y, int index);

    // Paints every pixel of the box (left, top, width, height) for which inside(x, y) holds.
    void fillWhere(int left, int top, int width, int height, const Paint& paint,
                   const std::function<bool(int, int)>& inside);

    void fill(const Paint& paint) { fillRect(0, 0, w, h, paint); }
    void fillRect(int left, int top, int width, int height, const Paint& paint);
    void frameRect(int left, int top, int width, int height, int index);
    void fillRoundRect(int left, int top, int width, int height, int radius, const Paint& paint);
    // A rounded outline `thickness` pixels wide, inside the box.
    void frameRoundRect(int left, int top, int width, int height, int radius, int thickness, int index);
    // The ellipse inscribed in the box.
    void fillEllipse(int left, int top, int width, int height, const Paint& paint);
    void fillRing(int left, int top, int width, int height, int thickness, const Paint& paint);
    // Even-odd fill; the corners are pixel-corner coordinates.
    void fillPolygon(const std::vector<Point>& corners, const Paint& paint);
    // A line between two pixel centres; thickness above 1 stamps a small disc.
    void drawLine(int x0, int y0, int x1, int y1, int index, int thickness = 1);
    // Copies source onto this raster at (x, y), skipping the source's transparent index.
    void blit(const Raster& source, int x, int y, int transparentIndex = -1);
    void replace(int fromIndex, int toIndex);

    static bool insideEllipse(int x, int y, int left, int top, int width, int height);
    static bool insideRoundRect(int x, int y, int left, int top, int width, int height, int radius);

private:
    void stamp(int x, int y, int index, int thickness);

    int w;
    int h;
    std::vector<std::uint8_t> data;
};
