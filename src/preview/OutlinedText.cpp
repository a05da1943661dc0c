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
#include <memory>
#include <optional>
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
    friend bool operator==(const Span&, const Span&) = default;
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
    // fullWidth: the whole text's width in font.
    TextMask(const QString& text, const QFont& font, int64_t fullWidth, int64_t boxWidth, int64_t boxHeight,
             int alignment, const Span& span)
        : span(span), bits(std::size_t(span.width() * span.height()), 0)
    {
        const Span window = span.intersected({0, 0, boxWidth, boxHeight});
        if (window.empty())
            return;
        const QFontMetrics metrics(font);
        QString shown = text;
        int64_t textWidth = fullWidth;
        if (fullWidth > boxWidth) {
            shown = metrics.elidedText(text, Qt::ElideRight, int(std::min<int64_t>(boxWidth, INT_MAX)));
            textWidth = metrics.horizontalAdvance(shown);
        }
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
        // Raw rows: no accessor call per pixel.
        const int width = image.width();
        const int height = image.height();
        const qsizetype stride = image.bytesPerLine();
        const uchar* first = image.constBits();
        Span found {width, height, 0, 0};
        for (int row = 0; row < height; ++row) {
            const auto* line = reinterpret_cast<const QRgb*>(first + row * stride);
            std::uint8_t* out = bits.data() + std::size_t(row) * std::size_t(width);
            std::uint8_t any = 0;
            for (int column = 0; column < width; ++column) {
                out[column] = qAlpha(line[column]) != 0;
                any |= out[column];
            }
            if (!any)
                continue;
            int64_t left = 0;
            while (!out[left])
                ++left;
            int64_t right = width;
            while (!out[right - 1])
                --right;
            found.left = std::min(found.left, left);
            found.right = std::max(found.right, right);
            found.top = std::min<int64_t>(found.top, row);
            found.bottom = row + 1;
        }
        if (!found.empty())
            ink = found;
    }

    // The pixels of the area w x h (the visible working area; its top-left
    // pixel sees span pixel (reachX, reachY) unshifted) that a copy of the
    // text at any shift can cover: the ink widened by the copies' reach up
    // and left (copies lie 0..4 pixels right of it and 2 above to 2 below).
    Span reached(int64_t w, int64_t h) const
    {
        return Span {ink.left - reachX, ink.top - 2 * reachY, ink.right, ink.bottom}.intersected({0, 0, w, h});
    }

    // Where any of the copies of the text at the shifts covers the pixels of
    // area (of the visible working area: see reached); one byte per pixel,
    // row by row, area.width() wide.
    template <std::size_t N>
    std::vector<std::uint8_t> copies(const std::array<Shift, N>& shifts, const Span& area) const
    {
        const int64_t width = area.width();
        std::vector<std::uint8_t> covered(std::size_t(width * area.height()), 0);
        for (const Shift shift : shifts) {
            for (int64_t y = 0; y < area.height(); ++y) {
                const std::uint8_t* from = bits.data() + (area.top + y + reachY - shift.y) * span.width()
                    + (area.left + reachX - shift.x);
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
    Span ink; // span pixels (0-based) that hold text; empty without any
};

// How many texts, and masks of them, are kept: the screen draws the same few
// texts in the same boxes on every repaint and every step of a drag.
constexpr std::size_t keptTexts = 16;

// Keeps the last values made for keys: the oldest goes first.
template <class Key, class Value>
class Kept {
public:
    template <class Make>
    const Value& get(const Key& key, const Make& make)
    {
        for (const auto& [known, value] : entries) {
            if (known == key)
                return value;
        }
        if (entries.size() == keptTexts)
            entries.erase(entries.begin());
        entries.emplace_back(key, make());
        return entries.back().second;
    }

private:
    std::vector<std::pair<Key, Value>> entries;
};

// What a text mask is made of.
struct MaskKey {
    QString text;
    int64_t boxWidth = 0;
    int64_t boxHeight = 0;
    int alignment = 0;
    Span span;
    friend bool operator==(const MaskKey&, const MaskKey&) = default;
};

// The whole text's width in the text font.
int64_t textWidth(const QFont& font, const QString& text)
{
    thread_local Kept<QString, int64_t> widths;
    return widths.get(text, [&] { return int64_t(QFontMetrics(font).horizontalAdvance(text)); });
}

std::shared_ptr<const TextMask> textMask(const MaskKey& key, const QFont& font, int64_t fullWidth)
{
    thread_local Kept<MaskKey, std::shared_ptr<const TextMask>> masks;
    return masks.get(key, [&] {
        return std::make_shared<const TextMask>(key.text, font, fullWidth, key.boxWidth, key.boxHeight,
                                                key.alignment, key.span);
    });
}

// One layer of the text: where it has pixels and its colour. Its rows are
// written raw, every pixel once (its colour or transparent): the image is
// neither filled nor detached again.
class Layer {
public:
    Layer(const Span& area, std::uint32_t colour)
        : area(area), image(int(area.width()), int(area.height()), QImage::Format_ARGB32_Premultiplied),
          pixel(qColorFromValue(colour).rgb())
    {
        first = reinterpret_cast<QRgb*>(image.bits());
        stride = image.bytesPerLine() / qsizetype(sizeof(QRgb));
    }

    // Row y of the area (0 = its top row).
    QRgb* row(int64_t y) { return first + y * stride; }
    QRgb colour() const { return pixel; }
    void markUsed() { used = true; }

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
    QRgb* first = nullptr;
    qsizetype stride = 0;
    bool used = false;
};

// Writes one row of a layer: its colour where where is set, else transparent.
// Whether any pixel was set.
bool writeRow(QRgb* row, const std::uint8_t* where, int64_t w, QRgb colour)
{
    std::uint8_t any = 0;
    for (int64_t x = 0; x < w; ++x) {
        row[x] = colour & (QRgb(0) - where[x]);
        any |= where[x];
    }
    return any != 0;
}

// Puts each pixel of the area into the layer it belongs to: the text's own
// copy, else the inner ring (distance 1), and the outer ring (distance 2)
// where the inner ring is not. own, nearby and around (empty: no outer ring)
// hold 0 or 1 per pixel, row by row, w wide.
void sortPixels(const std::vector<std::uint8_t>& own, const std::vector<std::uint8_t>& nearby,
                const std::vector<std::uint8_t>& around, int64_t w, int64_t h, Layer& text, Layer& inner, Layer* outer)
{
    std::vector<std::uint8_t> where(static_cast<std::size_t>(w), 0);
    bool textUsed = false;
    bool innerUsed = false;
    bool outerUsed = false;
    for (int64_t y = 0; y < h; ++y) {
        const std::uint8_t* ownRow = own.data() + y * w;
        const std::uint8_t* nearbyRow = nearby.data() + y * w;
        textUsed |= writeRow(text.row(y), ownRow, w, text.colour());
        for (int64_t x = 0; x < w; ++x)
            where[std::size_t(x)] = nearbyRow[x] & (ownRow[x] ^ 1);
        innerUsed |= writeRow(inner.row(y), where.data(), w, inner.colour());
        if (!outer)
            continue;
        const std::uint8_t* aroundRow = around.data() + y * w;
        for (int64_t x = 0; x < w; ++x)
            where[std::size_t(x)] = aroundRow[x] & (nearbyRow[x] ^ 1);
        outerUsed |= writeRow(outer->row(y), where.data(), w, outer->colour());
    }
    if (textUsed)
        text.markUsed();
    if (innerUsed)
        inner.markUsed();
    if (outerUsed)
        outer->markUsed();
}

// fullWidth: the whole text's width.
void drawUnderline(QPainter& target, const TextStyle& style, int64_t width, int64_t height, int64_t fullWidth)
{
    // The measured box starts at the text's own position, 2, and ends after the whole text.
    const int64_t measured = 2 + fullWidth;
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

    // Shaping and drawing a text is most of what this costs: texts are
    // measured and drawn into masks once, and kept.
    const QFont font = PreviewFonts::text();
    const int64_t fullWidth = textWidth(font, style.text);

    // The working area, cut to the screen: only these pixels can change.
    const Span working{style.left, style.top, style.left + width + 2, style.bottom};
    const Span visible = working.intersected(deviceSpan(target));
    if (!visible.empty()) {
        // Box coordinates of the text pixels that the copies bring into view.
        const Span wanted{visible.left - style.left - reachX, visible.top - style.top - reachY,
                          visible.right - style.left, visible.bottom - style.top + reachY};
        const auto kept = textMask({style.text, width - 2, height, style.alignment, wanted}, font, fullWidth);
        const TextMask& mask = *kept;
        // Only the pixels the copies can reach are composed and blended: a
        // layer leaves every other pixel as it was.
        const Span area = mask.reached(visible.width(), visible.height());
        if (!area.empty()) {
            const Span onTarget {visible.left + area.left, visible.top + area.top, visible.left + area.right,
                                 visible.top + area.bottom};
            const auto own = mask.copies(std::array<Shift, 1>{ownShift}, area);
            const auto nearby = mask.copies(innerShifts, area);
            const bool outerRing = style.outlineLevel >= 2;
            const auto around = outerRing ? mask.copies(outerShifts, area) : std::vector<std::uint8_t>();
            std::optional<Layer> outer;
            if (outerRing)
                outer.emplace(onTarget, style.outerColour);
            Layer inner(onTarget, style.innerColour);
            Layer text(onTarget, style.textColour);
            sortPixels(own, nearby, around, area.width(), area.height(), text, inner, outer ? &*outer : nullptr);
            if (outer)
                outer->blend(target, style.outerTransparency);
            if (style.outlineLevel >= 1)
                inner.blend(target, style.innerTransparency);
            text.blend(target, style.textTransparency);
        }
    }
    if (style.underline != 0)
        drawUnderline(target, style, width, height, fullWidth);
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
