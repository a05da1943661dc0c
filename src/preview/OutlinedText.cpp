#include "preview/OutlinedText.h"

#include "idlescreen/IdleScreenIds.h"
#include "pictures/ColourValue.h"
#include "preview/PenLine.h"
#include "preview/PreviewFonts.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <climits>
#include <vector>

namespace {

using std::int64_t;

struct Shift {
    int x;
    int y;
};

// Around the text's own position (2, 0): seven positions at distance 2 and
// seven at distance 1, clockwise from the top-left; none straight left.
constexpr std::array<Shift, 7> outerShifts = {{{0, -2}, {2, -2}, {4, -2}, {4, 0}, {4, 2}, {2, 2}, {0, 2}}};
constexpr std::array<Shift, 7> innerShifts = {{{1, -1}, {2, -1}, {3, -1}, {3, 0}, {3, 1}, {2, 1}, {1, 1}}};
constexpr Shift ownShift{2, 0};
// How far the copies reach from the text's box: right, and up or down.
constexpr int reachX = 4;
constexpr int reachY = 2;

// A rectangle in 64-bit numbers (corners from skin files may be anything).
struct Span {
    int64_t left = 0;
    int64_t top = 0;
    int64_t right = 0;
    int64_t bottom = 0;
    bool empty() const { return right <= left || bottom <= top; }
    int64_t width() const { return right - left; }
    int64_t height() const { return bottom - top; }
    Span intersected(const Span& other) const
    {
        return {std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
                std::min(bottom, other.bottom)};
    }
};

Span deviceSpan(const QPainter& painter)
{
    const QPaintDevice* device = painter.device();
    return device ? Span{0, 0, device->width(), device->height()} : Span{};
}

// The text as drawn in its box (0, 0)-(boxWidth, boxHeight): single line,
// vertically centred, aligned, cut with an ellipsis when it is too long and
// clipped to the box. Only the pixels of span (box coordinates) are kept:
// those that the copies bring into the visible part of the screen.
class TextMask {
public:
    TextMask(const QString& text, int64_t boxWidth, int64_t boxHeight, int alignment, const Span& span)
        : span(span), bits(std::size_t(span.width() * span.height()), 0)
    {
        const Span window = span.intersected({0, 0, boxWidth, boxHeight});
        if (window.empty())
            return;
        const QFont font = PreviewFonts::text();
        const QFontMetrics metrics(font);
        QString shown = text;
        if (metrics.horizontalAdvance(text) > boxWidth)
            shown = metrics.elidedText(text, Qt::ElideRight, int(std::min<int64_t>(boxWidth, INT_MAX)));
        const int64_t textWidth = metrics.horizontalAdvance(shown);
        int64_t x = 0; // left-aligned, also for alignment numbers the phone does not know
        if (alignment == idlescreen::alignCentre)
            x = (boxWidth - textWidth) / 2;
        else if (alignment == idlescreen::alignRight)
            x = boxWidth - textWidth;
        const int64_t y = (boxHeight - metrics.height()) / 2;
        // Nothing to draw when the text lies wholly outside the window.
        if (shown.isEmpty() || x >= window.right || x + textWidth + metrics.maxWidth() <= window.left ||
            y >= window.bottom || y + metrics.height() <= window.top)
            return;

        QImage image(int(span.width()), int(span.height()), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setClipRect(QRect(int(window.left - span.left), int(window.top - span.top), int(window.width()),
                                      int(window.height())));
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(double(x - span.left), double(y + metrics.ascent() - span.top)), shown);
        }
        for (int row = 0; row < image.height(); ++row) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
            std::uint8_t* out = bits.data() + std::size_t(row) * std::size_t(image.width());
            for (int column = 0; column < image.width(); ++column)
                out[column] = qAlpha(line[column]) != 0;
        }
    }

    // Where any of the copies of the text at the shifts covers the area of
    // width x height pixels whose top-left pixel sees box pixel (span.left
    // + reachX, span.top + reachY) unshifted; one byte per pixel, row by row.
    template <std::size_t N>
    std::vector<std::uint8_t> copies(const std::array<Shift, N>& shifts, int64_t width, int64_t height) const
    {
        std::vector<std::uint8_t> covered(std::size_t(width * height), 0);
        for (const Shift shift : shifts) {
            for (int64_t y = 0; y < height; ++y) {
                const std::uint8_t* from = bits.data() + (y + reachY - shift.y) * span.width() + (reachX - shift.x);
                std::uint8_t* to = covered.data() + y * width;
                for (int64_t x = 0; x < width; ++x)
                    to[x] |= from[x];
            }
        }
        return covered;
    }

private:
    Span span;
    std::vector<std::uint8_t> bits;
};

// One layer of the text: where it has pixels and its colour.
class Layer {
public:
    Layer(const Span& area, std::uint32_t colour)
        : area(area), image(int(area.width()), int(area.height()), QImage::Format_ARGB32_Premultiplied),
          pixel(qColorFromValue(colour).rgb())
    {
        image.fill(Qt::transparent);
    }

    void set(int64_t x, int64_t y)
    {
        reinterpret_cast<QRgb*>(image.scanLine(int(y - area.top)))[x - area.left] = pixel;
        used = true;
    }

    // Lays the layer over the target with constant opacity 255 - (transparency & 0xFF).
    void blend(QPainter& target, std::int32_t transparency) const
    {
        const int opacity = 255 - (transparency & 0xFF);
        if (!used || opacity == 0)
            return;
        target.save();
        target.setCompositionMode(QPainter::CompositionMode_SourceOver);
        target.setOpacity(opacity / 255.0);
        target.drawImage(QPoint(int(area.left), int(area.top)), image);
        target.restore();
    }

private:
    Span area;
    QImage image;
    QRgb pixel;
    bool used = false;
};

void drawUnderline(QPainter& target, const TextStyle& style, int64_t width, int64_t height)
{
    // The measured box starts at the text's own position, 2, and ends after the whole text.
    const int64_t measured = 2 + QFontMetrics(PreviewFonts::text()).horizontalAdvance(style.text);
    int64_t y = style.top + height / 2 + 8;
    if (style.outlineLevel >= 2)
        y += 2;
    else if (style.outlineLevel == 1)
        y += 1;
    int64_t x = style.left;
    if (style.alignment == idlescreen::alignCentre)
        x = style.left + (width - measured) / 2;
    else if (style.alignment == idlescreen::alignRight)
        x = style.left + width - measured;
    drawPenLine(target, x, y, x + measured + 2, y, Qt::black);
}

} // namespace

void drawOutlinedText(QPainter& target, const TextStyle& style, bool focusRect)
{
    const int64_t width = int64_t(style.right) - style.left;
    const int64_t height = int64_t(style.bottom) - style.top;
    if (width <= 0 || height <= 0)
        return;

    // The working area, cut to the screen: only these pixels can change.
    const Span working{style.left, style.top, style.left + width + 2, style.bottom};
    const Span visible = working.intersected(deviceSpan(target));
    if (!visible.empty()) {
        // Box coordinates of the text pixels that the copies bring into view.
        const Span wanted{visible.left - style.left - reachX, visible.top - style.top - reachY,
                          visible.right - style.left, visible.bottom - style.top + reachY};
        const TextMask mask(style.text, width - 2, height, style.alignment, wanted);
        const int64_t w = visible.width();
        const int64_t h = visible.height();
        const auto own = mask.copies(std::array<Shift, 1>{ownShift}, w, h);
        const auto nearby = mask.copies(innerShifts, w, h);
        const auto around = style.outlineLevel >= 2 ? mask.copies(outerShifts, w, h) : std::vector<std::uint8_t>();
        Layer outer(visible, style.outerColour);
        Layer inner(visible, style.innerColour);
        Layer text(visible, style.textColour);
        for (int64_t y = 0; y < h; ++y) {
            for (int64_t x = 0; x < w; ++x) {
                const std::size_t i = std::size_t(y * w + x);
                if (own[i])
                    text.set(visible.left + x, visible.top + y);
                else if (nearby[i])
                    inner.set(visible.left + x, visible.top + y);
                if (!around.empty() && around[i] && !nearby[i])
                    outer.set(visible.left + x, visible.top + y);
            }
        }
        if (style.outlineLevel >= 2)
            outer.blend(target, style.outerTransparency);
        if (style.outlineLevel >= 1)
            inner.blend(target, style.innerTransparency);
        text.blend(target, style.textTransparency);
    }
    if (style.underline != 0)
        drawUnderline(target, style, width, height);
    if (focusRect)
        drawDottedRect(target, style.left, style.top, style.right, style.bottom);
}

void drawDottedRect(QPainter& target, std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    const Span box{left, top, right, bottom};
    const Span visible = box.intersected(deviceSpan(target));
    if (box.empty() || visible.empty())
        return;
    std::vector<QPoint> points;
    const auto add = [&](int64_t x, int64_t y) {
        const bool onScreen = x >= visible.left && x < visible.right && y >= visible.top && y < visible.bottom;
        if (onScreen && (x - left + y - top) % 2 == 0)
            points.emplace_back(int(x), int(y));
    };
    // Each edge pixel once: inverting one twice would restore it.
    for (int64_t x = visible.left; x < visible.right; ++x) {
        add(x, top);
        if (bottom - 1 > top)
            add(x, bottom - 1);
    }
    for (int64_t y = std::max(top + 1, visible.top); y < std::min(bottom - 1, visible.bottom); ++y) {
        add(left, y);
        if (right - 1 > left)
            add(right - 1, y);
    }
    target.save();
    target.setCompositionMode(QPainter::RasterOp_NotDestination);
    for (const QPoint& point : points)
        target.fillRect(QRect(point, QSize(1, 1)), Qt::white);
    target.restore();
}
