#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How the text of a ".ski" file maps to a line table and which picture data
// files belong to it.
namespace SkinFileFormat {

// True when the file's first line (its first 99 characters at most) does not
// order before "SKI1", compared byte by byte as C strings compare.
bool hasSkinMagic(std::span<const std::uint8_t> text);

// The line table of a skin file and the number of data files it needs.
struct SkinLines {
    std::vector<std::string> lines;
    std::int64_t neededDataFiles = 0;
};

// Splits the file into lines of at most maximumLineLength characters, each
// ending after its line feed; a longer line becomes several pieces. A last line
// without a line feed gets one, so records appended later start on their own
// line. The concatenation of the pieces is the file (plus that line feed).
//
// The data files needed are one more than the largest data file number among
// the lines from index 1 on whose leading number is 5 (the fifth word read as
// a number); 0 when there is none. The count saturates instead of overflowing.
SkinLines splitLines(std::span<const std::uint8_t> text);

// "base.dat" for file 0, "baseK.dat" for file K.
std::string dataFileName(const std::string& base, std::int64_t file);

// The base name of a skin being loaded: its path without the last 4 characters (".ski").
std::string loadBaseName(const std::string& path);
// The base name of a skin being saved: its path up to its last "." (the whole
// path when it has none).
std::string saveBaseName(const std::string& path);
// The skin file that saving to path writes: its save base name + ".ski".
std::string savedSkinPath(const std::string& path);

} // namespace SkinFileFormat
