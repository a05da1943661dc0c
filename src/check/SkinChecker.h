#pragma once

#include "check/Finding.h"
#include "check/SkinLineTable.h"

#include <QSize>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

class SkinModel;

// Finds what a phone would refuse or show wrongly in the edited skin of a
// model: records that read as missing or are never read, lists that run past
// the end, pictures outside their data or that do not decode, rectangles of
// the idle screen that leave it, colours out of range, a wallpaper that is not
// found and data bytes no picture uses. With a default skin loaded it also
// compares the pictures with the default skin's. Reads the model only.
// Decoding pictures needs a Qt GUI application object.
class SkinChecker {
public:
    explicit SkinChecker(const SkinModel& model);

    // Every finding, ordered by line (findings of one line in the order found).
    std::vector<Finding> run();

private:
    void checkLine(const SkinLineTable::Line& line);
    void checkRecord(const SkinLineTable::Line& line);
    void checkItem(const SkinLineTable::Line& line);
    void checkShortLists();
    void checkPicture(int index, ElementId id, const PictureLocation& where);
    // size: the picture's decoded size, invalid when its bytes cannot be read or decoded.
    void compareWithDefault(int index, ElementId id, QSize size);
    void checkIdleScreenRect(int index, ElementId id, const std::int32_t (&stored)[4]);
    // name: the colour's id, or the palette item's number.
    void checkColour(int index, FindingText text, std::int32_t name, const std::int32_t (&values)[4]);
    void checkWallpaper();
    void checkUnusedData();
    // The byte counts of the data files beside the skin that it neither holds
    // nor names, by data file number (a save leaves them as they are).
    std::map<std::int64_t, std::int64_t> dataFilesLeftBeside(const std::string& base) const;

    void report(int index, FindingCode code, FindingText text, QStringList values = {});
    void reportSkin(FindingCode code, FindingText text, QStringList values);
    // The decoded size of the bytes at where (invalid when they do not decode), decoded once per place.
    QSize decodedSize(const PictureLocation& where);
    std::optional<QSize> defaultPictureSize(ElementId id);

    const SkinModel& model;
    // The edited skin's lines, walked by run.
    std::optional<SkinLineTable> walked;
    std::vector<Finding> found;
    // What picture records name inside held data files: (file, offset, size).
    std::vector<PictureLocation> covered;
    std::map<std::tuple<std::int32_t, std::int32_t, std::int32_t>, QSize> decoded;
    std::map<ElementId, std::optional<QSize>> defaultSizes;
};
