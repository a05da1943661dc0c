#pragma once

#include "ArtInks.h"
#include "Motifs.h"

// The main menu's icons on their glass tiles, the dialogs' icons, and the
// parts of a list: highlight bar, bullet, check boxes, radio buttons, arrows.
class MenuArt {
public:
    using Bytes = ArtInks::Bytes;
    using Symbol = Motifs::Symbol;
    enum class DialogIcon { Info, Warning, Error, Question, Done };
    enum class ListPart { Highlight, Bullet, CheckOff, CheckOn, RadioOff, RadioOn, ArrowUp, ArrowDown };

    explicit MenuArt(const ArtInks& inks) : ink(inks) {}

    Bytes menuIcon(Symbol symbol, bool selected) const;
    Bytes dialogIcon(DialogIcon icon) const;
    Bytes listPart(ListPart part) const;

private:
    void tile(Raster& image, int left, int top, int size, bool selected) const;
    void disc(Raster& image, int size, int ringInk, int fillInk) const;

    const ArtInks& ink;
};
