#pragma once

#include "Raster.h"

// Small drawings that several pictures of the default skin share: a letter,
// a telephone receiver, a person, a clock, a bell, and the nine symbols of
// the main menu. Each is drawn into a square (or box) of any size from one
// design on a 24-unit grid, in the inks it is given.
class Motifs {
public:
    enum class Symbol { Messages, Contacts, CallLog, Settings, Camera, Music, Games, Organiser, Browser };

    static void envelope(Raster& image, int left, int top, int width, int height, int paper, int line);
    static void handset(Raster& image, int left, int top, int size, int fore);
    static void person(Raster& image, int left, int top, int size, int fore);
    static void clockGlyph(Raster& image, int left, int top, int size, int fore, int back);
    static void bell(Raster& image, int left, int top, int size, int fore);
    static void symbol(Raster& image, Symbol which, int left, int top, int size, int fore, int back);

    // The point at `radius` from (cx, cy) in the clock direction `degrees`
    // (0 = up, clockwise), for multiples of 15 degrees; integer maths keeps
    // the output identical everywhere.
    static Point polar(int cx, int cy, int radius, int degrees);
};
