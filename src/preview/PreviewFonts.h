#pragma once

#include <QFont>

// The two fonts of the phone preview. Each is looked up once per process
// (a QGuiApplication must exist) and is the same on every call after that.
// A face that is not installed is taken from its font file, registered with
// the font database, so that the result never depends on font substitution.
class PreviewFonts {
public:
    // "Impact" when installed, else Liberation Sans Narrow Bold, else any
    // bold sans: 21 pixels from the top of the highest to the bottom of the
    // lowest character, squeezed to an average character width of 5 pixels,
    // without antialiasing (texts are composed pixel by pixel).
    static QFont text();
    // "Tahoma", else any sans, 12 pixels high: the captions of the JoyPad labels.
    static QFont caption();

    static constexpr int textCellHeight = 21;
    static constexpr int textAverageWidth = 5;
    static constexpr int captionCellHeight = 12;
};
