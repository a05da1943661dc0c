#pragma once

// How a filled shape gets its palette indices: one solid index, or a ramp of
// contiguous palette entries laid along a direction (or around a centre) with
// ordered dithering between neighbouring entries. Integer arithmetic only, so
// the same picture comes out bit for bit on every machine.
class Paint {
public:
    static Paint solid(int index);
    // Ramp entries first..first+count-1 from y = from (first) to y = to (last).
    static Paint vertical(int first, int count, int from, int to);
    static Paint horizontal(int first, int count, int from, int to);
    // Along the diagonal x + y, from the sum `from` to the sum `to`.
    static Paint diagonal(int first, int count, int from, int to);
    // First entry at (cx, cy), last entry at distance radius and beyond.
    static Paint radial(int first, int count, int cx, int cy, int radius);

    int indexAt(int x, int y) const;

private:
    enum class Kind { Solid, Vertical, Horizontal, Diagonal, Radial };
    Paint(Kind kind, int first, int count, int from, int to, int cx = 0, int cy = 0);
    int ramp(int position, int span, int x, int y) const;

    Kind kind;
    int first;
    int count;
    int from;
    int to;
    int cx;
    int cy;
};

// Largest integer whose square is at most n (n >= 0).
int integerSqrt(long long n);
