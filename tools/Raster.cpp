#include "Raster.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

Raster::Raster(int width, int height, int fillIndex)
    : w(width), h(height)
{
    if (width <= 0 || height <= 0 || width > 4096 || height > 4096)
        throw std::invalid_argument("raster size out of range");
    data.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), static_cast<std::uint8_t>(fillIndex));
}

int Raster::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return -1;
    return data[static_cast<std::size_t>(y) * w + x];
}

void Raster::set(int x, int y, int index)
{
    if (x < 0 || y < 0 || x >= w || y >= h)
        return;
    data[static_cast<std::size_t>(y) * w + x] = static_cast<std::uint8_t>(index);
}

void Raster::fillWhere(int left, int top, int width, int height, const Paint& paint,
                       const std::function<bool(int, int)>& inside)
{
    const int x0 = std::max(left, 0);
    const int y0 = std::max(top, 0);
    const int x1 = std::min(left + width, w);
    const int y1 = std::min(top + height, h);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x)
            if (inside(x, y))
                set(x, y, paint.indexAt(x, y));
}

void Raster::fillRect(int left, int top, int width, int height, const Paint& paint)
{
    fillWhere(left, top, width, height, paint, [](int, int) { return true; });
}

void Raster::frameRect(int left, int top, int width, int height, int index)
{
    fillRect(left, top, width, 1, Paint::solid(index));
    fillRect(left, top + height - 1, width, 1, Paint::solid(index));
    fillRect(left, top, 1, height, Paint::solid(index));
    fillRect(left + width - 1, top, 1, height, Paint::solid(index));
}

bool Raster::insideEllipse(int x, int y, int left, int top, int width, int height)
{
    if (width <= 0 || height <= 0)
        return false;
    // Doubled coordinates put pixel centres and the ellipse centre on integers.
    const long long dx = 2LL * x + 1 - (2LL * left + width);
    const long long dy = 2LL * y + 1 - (2LL * top + height);
    const long long rx = width;
    const long long ry = height;
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

bool Raster::insideRoundRect(int x, int y, int left, int top, int width, int height, int radius)
{
    if (x < left || y < top || x >= left + width || y >= top + height)
        return false;
    radius = std::min({radius, width / 2, height / 2});
    if (radius <= 0)
        return true;
    const int d = 2 * radius;
    const int cornerX = x < left + radius ? left : (x >= left + width - radius ? left + width - d : -1);
    const int cornerY = y < top + radius ? top : (y >= top + height - radius ? top + height - d : -1);
    if (cornerX < 0 || cornerY < 0)
        return true;
    return insideEllipse(x, y, cornerX, cornerY, d, d);
}

void Raster::fillRoundRect(int left, int top, int width, int height, int radius, const Paint& paint)
{
    fillWhere(left, top, width, height, paint, [=](int x, int y) {
        return insideRoundRect(x, y, left, top, width, height, radius);
    });
}

void Raster::frameRoundRect(int left, int top, int width, int height, int radius, int thickness, int index)
{
    const int t = thickness;
    fillWhere(left, top, width, height, Paint::solid(index), [=](int x, int y) {
        return insideRoundRect(x, y, left, top, width, height, radius)
            && !insideRoundRect(x, y, left + t, top + t, width - 2 * t, height - 2 * t, std::max(0, radius - t));
    });
}

void Raster::fillEllipse(int left, int top, int width, int height, const Paint& paint)
{
    fillWhere(left, top, width, height, paint,
              [=](int x, int y) { return insideEllipse(x, y, left, top, width, height); });
}

void Raster::fillRing(int left, int top, int width, int height, int thickness, const Paint& paint)
{
    const int t = thickness;
    fillWhere(left, top, width, height, paint, [=](int x, int y) {
        return insideEllipse(x, y, left, top, width, height)
            && !insideEllipse(x, y, left + t, top + t, width - 2 * t, height - 2 * t);
    });
}

void Raster::fillPolygon(const std::vector<Point>& corners, const Paint& paint)
{
    if (corners.size() < 3)
        return;
    const auto [minY, maxY] = std::minmax_element(corners.begin(), corners.end(),
                                                  [](Point a, Point b) { return a.y < b.y; });
    const int y0 = std::max(minY->y, 0);
    const int y1 = std::min(maxY->y, h);
    std::vector<long long> crossings;
    for (int y = y0; y < y1; ++y) {
        // Work in 1/256 pixel units; the row is sampled at its centre.
        const long long sampleY = y * 256LL + 128;
        crossings.clear();
        for (std::size_t i = 0; i < corners.size(); ++i) {
            const Point a = corners[i];
            const Point b = corners[(i + 1) % corners.size()];
            const long long ay = a.y * 256LL;
            const long long by = b.y * 256LL;
            if ((ay <= sampleY && sampleY < by) || (by <= sampleY && sampleY < ay))
                crossings.push_back(a.x * 256LL + (sampleY - ay) * (b.x - a.x) * 256LL / (by - ay));
        }
        std::sort(crossings.begin(), crossings.end());
        for (std::size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = std::max(0, static_cast<int>(crossings[i] / 256) - 1); x < w; ++x) {
                const long long centre = x * 256LL + 128;
                if (centre >= crossings[i + 1])
                    break;
                if (centre >= crossings[i])
                    set(x, y, paint.indexAt(x, y));
            }
    }
}

void Raster::stamp(int x, int y, int index, int thickness)
{
    if (thickness <= 1) {
        set(x, y, index);
        return;
    }
    const int left = x - thickness / 2;
    const int top = y - thickness / 2;
    fillEllipse(left, top, thickness, thickness, Paint::solid(index));
}

void Raster::drawLine(int x0, int y0, int x1, int y1, int index, int thickness)
{
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        stamp(x0, y0, index, thickness);
        if (x0 == x1 && y0 == y1)
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += sx;
        }
        if (twice <= dx) {
            error += dx;
            y0 += sy;
        }
    }
}

void Raster::blit(const Raster& source, int x, int y, int transparentIndex)
{
    for (int sy = 0; sy < source.h; ++sy)
        for (int sx = 0; sx < source.w; ++sx) {
            const int index = source.at(sx, sy);
            if (index != transparentIndex)
                set(x + sx, y + sy, index);
        }
}

void Raster::replace(int fromIndex, int toIndex)
{
    for (auto& pixel : data)
        if (pixel == fromIndex)
            pixel = static_cast<std::uint8_t>(toIndex);
}
