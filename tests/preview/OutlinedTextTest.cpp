// The outlined text, checked against the text's own pixels: whatever the
// font draws, the rings must be shifted copies of it and the layers must
// blend as their transparencies say.

#include "PreviewTestSupport.h"
#include "preview/OutlinedText.h"
#include "preview/PreviewFonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

#include <climits>

using namespace preview_testing;

namespace {

constexpr QRgb background = qRgb(16, 32, 48);
constexpr QRgb textRgb = qRgb(250, 40, 40);
constexpr QRgb innerRgb = qRgb(40, 220, 40);
constexpr QRgb outerRgb = qRgb(60, 60, 240);

TextStyle style(int alignment, int outlineLevel, QString text = QStringLiteral("OPERATOR"))
{
    TextStyle s;
    s.left = 30;
    s.top = 40;
    s.right = 130;
    s.bottom = 64;
    s.outlineLevel = outlineLevel;
    s.text = std::move(text);
    s.textColour = valueOf(textRgb);
    s.innerColour = valueOf(innerRgb);
    s.outerColour = valueOf(outerRgb);
    s.alignment = alignment;
    return s;
}

QImage draw(const TextStyle& s, bool focusRect = false, QRgb under = background)
{
    QImage canvas = filled(under);
    QPainter painter(&canvas);
    drawOutlinedText(painter, s, focusRect);
    return canvas;
}

// The text's own pixels: the style drawn with neither rings nor underline.
Pixels ownPixels(TextStyle s)
{
    s.outlineLevel = 0;
    s.underline = 0;
    return pixelsNot(draw(s), background);
}

// The union of the copies of the text's pixels at the shifts (relative to
// the text's own position), cut to the working area: the box widened by 2.
Pixels copies(const Pixels& own, const TextStyle& s, std::initializer_list<std::pair<int, int>> shifts)
{
    Pixels all;
    for (const auto& [dx, dy] : shifts)
        all.unite(shifted(own, dx, dy));
    return within(all, s.left, s.top, s.right + 2, s.bottom);
}

Pixels distanceOne(const Pixels& own, const TextStyle& s)
{
    return copies(own, s, {{-1, -1}, {0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}});
}

Pixels distanceTwo(const Pixels& own, const TextStyle& s)
{
    return copies(own, s, {{-2, -2}, {0, -2}, {2, -2}, {2, 0}, {2, 2}, {0, 2}, {-2, 2}});
}

int textWidth(const QString& text)
{
    return QFontMetrics(PreviewFonts::text()).horizontalAdvance(text);
}

// The one run of black pixels on row y: first and last x; (-1, -1) without one.
std::pair<int, int> blackRun(const QImage& image, int y)
{
    int first = -1;
    int last = -1;
    for (int x = 0; x < image.width(); ++x) {
        if ((image.pixel(x, y) & RGB_MASK) == 0) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    return {first, last};
}

} // namespace

TEST(PreviewFonts, TextFontIsSqueezedSoThatTheSampleTextsFitTheirBoxes)
{
    const QFont font = PreviewFonts::text();
    EXPECT_EQ(font.styleStrategy() & QFont::NoAntialias, QFont::NoAntialias);
    EXPECT_LE(QFontMetrics(font).height(), PreviewFonts::textCellHeight);
    EXPECT_GE(QFontMetrics(font).height(), PreviewFonts::textCellHeight - 2);
    EXPECT_NEAR(textWidth("OPERATOR"), 50, 10);
    EXPECT_LE(QFontMetrics(PreviewFonts::caption()).height(), PreviewFonts::captionCellHeight);
}

// Each alignment and outline level: the text, the inner ring (the seven
// distance-1 copies less the text) and the outer ring (the distance-2 copies
// less the distance-1 copies), nothing else, all inside the working area.
// None of the copies lies straight left of the text, so the rings are
// thinner on its left.
TEST(OutlinedText, RingsAreShiftedCopiesOfTheTextCutToTheWorkingArea)
{
    for (const int alignment : {0, 16, 32}) {
        for (const int level : {-1, 0, 1, 2, 7}) {
            SCOPED_TRACE(testing::Message() << "alignment " << alignment << " level " << level);
            const TextStyle s = style(alignment, level);
            const Pixels own = ownPixels(s);
            ASSERT_FALSE(own.isEmpty());
            ASSERT_EQ(within(own, s.left + 2, s.top, s.right, s.bottom), own);

            const QImage canvas = draw(s);
            const Pixels ringOne = distanceOne(own, s);
            const Pixels inner = level >= 1 ? ringOne - own : Pixels();
            // The text is drawn last, over both rings.
            const Pixels outer = level >= 2 ? distanceTwo(own, s) - ringOne - own : Pixels();
            EXPECT_EQ(pixelsOf(canvas, textRgb), own);
            EXPECT_EQ(pixelsOf(canvas, innerRgb), inner);
            EXPECT_EQ(pixelsOf(canvas, outerRgb), outer);
            EXPECT_EQ(pixelsNot(canvas, background), own + inner + outer);
        }
    }
}

// Only the low 8 bits of a transparency count: 0 and 256 paint fully, 255
// and -1 (a missing record) leave the canvas as it was, 128 blends.
TEST(OutlinedText, TransparencyOfEachLayer)
{
    struct Case {
        int transparency;
        int blendedTowardsColour; // 255 fully, 0 not at all
    };
    for (const Case c : {Case{0, 255}, Case{256, 255}, Case{255, 0}, Case{-1, 0}, Case{128, 127}}) {
        SCOPED_TRACE(c.transparency);
        TextStyle s = style(0, 2);
        const Pixels own = ownPixels(s);
        const Pixels ringOne = distanceOne(own, s);
        const Pixels outer = distanceTwo(own, s) - ringOne;
        const auto expect = [&](QRgb colour) {
            const int a = c.blendedTowardsColour;
            return qRgb((qRed(colour) * a + qRed(background) * (255 - a)) / 255,
                        (qGreen(colour) * a + qGreen(background) * (255 - a)) / 255,
                        (qBlue(colour) * a + qBlue(background) * (255 - a)) / 255);
        };
        // One layer at a time at the case's transparency, the others invisible.
        for (int layer = 0; layer < 3; ++layer) {
            s.textTransparency = layer == 0 ? c.transparency : 255;
            s.innerTransparency = layer == 1 ? c.transparency : 255;
            s.outerTransparency = layer == 2 ? c.transparency : 255;
            const Pixels where = layer == 0 ? own : layer == 1 ? ringOne - own : outer;
            const QRgb colour = layer == 0 ? textRgb : layer == 1 ? innerRgb : outerRgb;
            const QImage canvas = draw(s);
            for (const auto& [x, y] : where)
                ASSERT_TRUE(near(canvas.pixel(x, y), expect(colour), 2)) << layer << " at " << x << "," << y;
            EXPECT_EQ(pixelsNot(canvas, background).size(), c.blendedTowardsColour ? where.size() : 0);
        }
    }
}

// The underline: a black line whose length follows the whole text's width
// (the measured box of 2 + width, plus 2), one row further down per ring.
TEST(OutlinedText, UnderlineRowAndSpanForEachAlignmentAndLevel)
{
    for (const QString& text : {QStringLiteral("SOFT1"), QStringLiteral("A MUCH TOO LONG OPERATOR NAME")}) {
        for (const int alignment : {0, 16, 32, 5}) {
            for (const int level : {0, 1, 2}) {
                SCOPED_TRACE(testing::Message() << qPrintable(text) << " alignment " << alignment << " level " << level);
                TextStyle s = style(alignment, level, text);
                s.underline = 1;
                const int w = s.right - s.left;
                const int h = s.bottom - s.top;
                const int measured = 2 + textWidth(text);
                int x = s.left;
                if (alignment == 0)
                    x = s.left + (w - measured) / 2;
                else if (alignment == 16)
                    x = s.left + w - measured;
                const int y = s.top + h / 2 + 8 + (level >= 2 ? 2 : level);
                const QImage canvas = draw(s);
                const std::pair<int, int> expected{std::max(x, 0), std::min(x + measured + 1, 175)};
                EXPECT_EQ(blackRun(canvas, y), expected);
                EXPECT_EQ(pixelsOf(canvas, qRgb(0, 0, 0)).size(), std::size_t(expected.second - expected.first + 1));
            }
        }
    }
}

TEST(OutlinedText, LongTextEndsInAnEllipsisInsideItsBoxAndCentredUnderlineStartsLeftOfIt)
{
    TextStyle s = style(0, 0, QStringLiteral("A MUCH TOO LONG OPERATOR NAME"));
    s.underline = 1;
    const QImage canvas = draw(s);
    const Pixels text = pixelsOf(canvas, textRgb);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(within(text, s.left + 2, s.top, s.right, s.bottom), text);
    EXPECT_LT(blackRun(canvas, s.top + (s.bottom - s.top) / 2 + 8).first, s.left);
}

// An alignment number the phone does not know is drawn as left-aligned.
TEST(OutlinedText, UnknownAlignmentIsLeft)
{
    for (const int alignment : {-1, 5, 48}) {
        TextStyle unknown = style(alignment, 2);
        unknown.underline = 1;
        TextStyle left = unknown;
        left.alignment = 32;
        EXPECT_EQ(draw(unknown), draw(left)) << alignment;
    }
}

// The dotted focus rectangle inverts every other pixel along the box; off
// (and for an empty box) nothing.
TEST(OutlinedText, FocusRectangleIsDottedAlongTheBox)
{
    TextStyle s = style(0, 0, QStringLiteral("I"));
    const QImage without = draw(s, false);
    const QImage with = draw(s, true);
    const Pixels changed = pixelsNot(with, background) - pixelsNot(without, background);
    Pixels expected;
    for (int x = s.left; x < s.right; ++x)
        for (int y = s.top; y < s.bottom; ++y) {
            const bool edge = x == s.left || x == s.right - 1 || y == s.top || y == s.bottom - 1;
            if (edge && (x - s.left + y - s.top) % 2 == 0)
                expected.insert({x, y});
        }
    EXPECT_EQ(changed, expected);
    for (const auto& [x, y] : expected)
        ASSERT_EQ(with.pixel(x, y) & RGB_MASK, ~background & RGB_MASK);
}

// An empty box (a missing record reads -1, -1, -1, -1) draws nothing at all:
// no text, no underline, no focus rectangle. Boxes far outside the screen or
// of absurd size cost nothing and draw nothing outside the screen.
TEST(OutlinedText, EmptyAndHostileBoxes)
{
    const QImage untouched = filled(background);
    const std::vector<std::array<int, 4>> boxes = {
        {-1, -1, -1, -1}, {30, 40, 30, 64}, {30, 40, 130, 40}, {130, 40, 30, 64},
        {INT_MAX - 1, INT_MAX - 1, INT_MAX, INT_MAX}, {INT_MIN, INT_MIN, INT_MIN + 5, INT_MIN + 5},
        {1000, 1000, 2000, 2000}};
    for (const auto& box : boxes) {
        TextStyle s = style(0, 2);
        s.left = box[0];
        s.top = box[1];
        s.right = box[2];
        s.bottom = box[3];
        s.underline = 1;
        EXPECT_EQ(draw(s, true), untouched) << box[0] << " " << box[1] << " " << box[2] << " " << box[3];
    }
    // A huge box around the screen: its left-aligned text and the edges of
    // its focus rectangle lie far away.
    TextStyle huge = style(32, 2);
    huge.left = INT_MIN;
    huge.top = -1000000;
    huge.right = INT_MAX;
    huge.bottom = 1000000;
    EXPECT_EQ(draw(huge, true), untouched);
}

TEST(OutlinedText, TextAtTheScreenEdgeIsCutThere)
{
    TextStyle s = style(32, 2);
    s.left = -20;
    s.top = -8;
    s.right = 40;
    s.bottom = 12;
    const Pixels drawn = pixelsNot(draw(s), background);
    EXPECT_FALSE(drawn.isEmpty());
    EXPECT_EQ(within(drawn, 0, 0, 42, 12), drawn);
}
