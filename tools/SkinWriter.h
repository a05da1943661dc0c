#pragma once

#include "Palette.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

// A box on the phone screen by its top-left corner and size; written to the
// skin file inclusively (x2 = left + width - 1, y2 = top + height - 1).
struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Collects the record lines and picture data of a skin and writes its files:
// the ".ski" text, the picture data files and the wallpaper picture.
// Guards the things a skin reader relies on: one record per id and type, the
// picture bytes end to end in record order, and list items that no record
// lookup can mistake for a record (an item line "1 6 ..." would answer the
// key of rectangle 6 if it came first).
class SkinWriter {
public:
    SkinWriter();

    void rect(int id, Box box);
    void number(int id, int value);
    void flag(int id, bool value);
    void colour(int id, Rgb colour, int transparency = 0);
    void rectList(int id, const std::vector<Box>& items);
    // The palette block of 98 colours; item 1 is the idle screen's background.
    void palette(const std::vector<Rgb>& items);
    // Appends the bytes to data file `file` and records where they lie.
    void picture(int id, const std::vector<std::uint8_t>& bytes, int file = 0);
    // A second id showing the bytes of an existing picture (same location).
    void sharePicture(int existingId, int newId);
    void wallpaper(const std::string& fileName, std::vector<std::uint8_t> bytes);

    int lineCount() const { return static_cast<int>(lines.size()); }
    int pictureCount() const { return pictures; }
    // Writes <folder>/<base>.ski, <base>.dat, <base>1.dat ... and the wallpaper.
    void write(const std::string& folder, const std::string& baseName) const;

private:
    void claim(int type, int id);
    void checkListItems() const;
    static std::string boxText(Box box);

    std::vector<std::string> lines;
    std::set<std::pair<int, int>> used; // (type, id)
    std::vector<std::pair<int, int>> listItemKeys; // (type, first number) of every list item
    std::vector<std::vector<std::uint8_t>> dataFiles;
    std::map<int, std::string> pictureValues; // id -> "offset size file"
    int pictures = 0;
    std::string wallpaperName;
    std::vector<std::uint8_t> wallpaperBytes;
};
