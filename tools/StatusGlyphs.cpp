#include "StatusGlyphs.h"

void StatusGlyphs::signal(Raster& target, int x, int baseline, int height, int bars, int level, int barWidth,
                          const Inks& inks)
{
    // Antenna: a small funnel on a mast.
    const int mastHeight = height;
    const int top = baseline - mastHeight + 1;
    target.fillRect(x + 2, top, 1, mastHeight, Paint::solid(inks.outline));
    target.fillPolygon({{x, top}, {x + 5, top}, {x + 3, top + 3}, {x + 2, top + 3}}, Paint::solid(inks.outline));
    int barX = x + 7;
    for (int i = 0; i < bars; ++i) {
        const int barHeight = 2 + (height - 2) * (i + 1) / bars;
        target.fillRect(barX, baseline - barHeight + 1, barWidth, barHeight,
                        Paint::solid(i < level ? inks.lit : inks.unlit));
        barX += barWidth + 1;
    }
}

void StatusGlyphs::battery(Raster& target, int left, int top, int width, int height, int cells, int level,
                           const Inks& inks)
{
    const int terminal = width >= 12 ? 2 : 1;
    const int caseWidth = width - terminal;
    target.frameRect(left, top, caseWidth, height, inks.outline);
    target.fillRect(left + caseWidth, top + height / 4, terminal, height - 2 * (height / 4),
                    Paint::solid(inks.outline));
    const int innerLeft = left + 2;
    const int innerWidth = caseWidth - 4;
    const int innerTop = top + 2;
    const int innerHeight = height - 4;
    for (int i = 0; i < cells; ++i) {
        const int x0 = innerLeft + innerWidth * i / cells;
        const int x1 = innerLeft + innerWidth * (i + 1) / cells - 1; // one pixel gap between cells
        target.fillRect(x0, innerTop, x1 - x0, innerHeight, Paint::solid(i < level ? inks.lit : inks.unlit));
    }
}
