#pragma once

#include <QSize>
#include <QStringList>

#include <cstdint>
#include <span>
#include <vector>

// Pictures on their way into a skin. The phone reads GIF, so a picture the
// user brings in another format (PNG, BMP, JPEG, anything Qt's image readers
// take) is turned into a GIF of at most 256 colours before it is stored; a
// GIF is stored as it is, byte for byte, animated or not.
namespace pictureconversion {

enum class Conversion {
    none,  // the bytes are stored as given (when they decode)
    toGif, // every format but GIF is converted
};

struct SkinPicture {
    bool usable = false;    // the bytes decode: size holds the picture's size
    bool converted = false; // bytes is a GIF made from another format
    QSize size;
    std::vector<std::uint8_t> bytes; // what the skin stores
};

// True for bytes that start a GIF87a or GIF89a file.
bool isGif(std::span<const std::uint8_t> bytes);

// The picture a skin stores for the bytes of a picture file. Converted,
// pixels with alpha below 128 become the GIF's transparent index and all
// others are opaque; a picture of at most 256 colours (transparency counted
// as one) keeps every pixel, one of more colours is quantized. Not usable
// when the bytes do not decode or the GIF cannot be written.
SkinPicture pictureForSkin(std::vector<std::uint8_t> fileBytes, Conversion conversion);

// The picture's first frame as a PNG file (with its transparency); empty
// when the bytes do not decode.
std::vector<std::uint8_t> toPng(std::span<const std::uint8_t> bytes);

// The suffixes the file questions offer (GIF first): the usual formats of
// pictures; any other that readableSuffixes names converts as well.
QStringList commonSuffixes();

// The suffixes of the files Qt's image readers take, in lower case ("bmp",
// "gif", "jpg", "png", ...).
QStringList readableSuffixes();

} // namespace pictureconversion
