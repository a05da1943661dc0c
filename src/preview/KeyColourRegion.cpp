#include "preview/KeyColourRegion.h"

#include "pictures/ColourValue.h"

#include <QImage>
#include <QRect>

#include <algorithm>
#include <utility>
#include <vector>

QRegion regionFromKeyColour(const QImage& source, int left, int top, int right, int bottom, std::uint32_t key)
{
    // Only the part of the area inside the source can hold other pixels.
    const std::int64_t x0 = std::max<std::int64_t>(left, 0);
    const std::int64_t y0 = std::max<std::int64_t>(top, 0);
    const std::int64_t x1 = std::min<std::int64_t>(right, source.width());
    const std::int64_t y1 = std::min<std::int64_t>(bottom, source.height());
    if (x0 >= x1 || y0 >= y1)
        return {};
    const QRect area(int(x0), int(y0), int(x1 - x0), int(y1 - y0));
    const QImage pixels = source.convertToFormat(QImage::Format_RGB32);
    const QRgb keyPixel = qColorFromValue(key).rgb() & RGB_MASK;

    // Rows from the top, runs from the left: the order QRegion::setRects
    // wants. A row whose runs are those of the row above extends them.
    std::vector<QRect> runs;
    std::vector<std::pair<int, int>> above; // the runs of the row above: first and last x
    std::size_t aboveFirst = 0;             // where the rectangles of those runs start
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        std::vector<std::pair<int, int>> row;
        int start = -1;
        for (int x = area.left(); x <= area.right() + 1; ++x) {
            const bool opaque = x <= area.right() && (line[x] & RGB_MASK) != keyPixel;
            if (opaque && start < 0) {
                start = x;
            } else if (!opaque && start >= 0) {
                row.emplace_back(start, x - 1);
                start = -1;
            }
        }
        if (!row.empty() && row == above) {
            for (std::size_t i = aboveFirst; i < runs.size(); ++i)
                runs[i].setBottom(runs[i].bottom() + 1);
            continue;
        }
        aboveFirst = runs.size();
        for (const auto& [first, last] : row)
            runs.emplace_back(QPoint(first - left, y - top), QPoint(last - left, y - top));
        above = std::move(row);
    }
    QRegion region;
    if (!runs.empty())
        region.setRects(runs.data(), int(runs.size()));
    return region;
}
