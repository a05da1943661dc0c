#pragma once

#include "document/LineTable.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// How the text of a ".ski" file maps to a line table and which picture data
// files belong to it.
namespace SkinFileFormat {

// The first line of a skin file is judged by at most this many characters.
inline constexpr std::size_t magicLineLimit = 99;

// True when the file's first line begins with "SKI1" (whatever follows it).
bool hasSkinMagic(std::span<const std::uint8_t> text);

// The line table of a skin file and the number of data files it needs.
struct SkinLines {
    LineTable lines;
    std::int64_t neededDataFiles = 0;
};

// Splits the file into lines of at most maximumLineLength characters, each
// ending after its line feed; a longer line becomes several pieces. A last line
// without a line feed gets one, so records appended later start on their own
// line. The concatenation of the pieces is the file (plus that line feed): the
// table keeps the text as its buffer.
//
// The data files needed are one more than the largest data file number among
// the lines from index 1 on whose leading number is 5 (the fifth word read as
// a number); 0 when there is none. The count saturates instead of overflowing.
SkinLines splitLines(std::vector<std::uint8_t> text);

// The number of data files a line table needs, counted as splitLines does.
std::int64_t neededDataFiles(const LineTable& lines);

// "base.dat" for file 0, "baseK.dat" for file K.
std::string dataFileName(const std::string& base, std::int64_t file);

// The base name of a skin being loaded: its path without the last 4 characters (".ski").
std::string loadBaseName(const std::string& path);
// The ".ski" file that a save of path writes: path itself when its file name
// ends in ".ski" in any case ("Vela.SKI" stays "Vela.SKI"); otherwise the file
// name's extension (from its last ".") is replaced by ".ski", or ".ski" is
// added when the file name has no ".". A "." in a folder name is never taken
// for the extension.
std::string savedSkinPath(const std::string& path);

// The base name of a skin being saved: savedSkinPath without its ".ski".
std::string saveBaseName(const std::string& path);

// Where a save of the skin file keeps its journal while it replaces the files.
std::string journalPath(const std::string& skinPath);
// True when name is the file name of one of the data files "base.dat",
// "baseK.dat" (K decimal) for the file name part of base.
bool isDataFileName(const std::string& name, const std::string& base);
// K of such a file name (0 for "base.dat"); nothing for another name or a
// number too large to hold.
std::optional<std::int64_t> dataFileNumber(const std::string& name, const std::string& base);

} // namespace SkinFileFormat
