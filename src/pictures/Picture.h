#pragma once

#include <QImage>
#include <QString>

#include <cstdint>
#include <span>

class QPainter;

// One decoded still picture (any format Qt reads; of a GIF its first frame)
// and the two ways it is drawn: stretched over a rectangle, and centred at its
// natural size with a constant opacity over what is already there.
// Used on the user-interface thread only.
class Picture {
public:
    Picture() = default;
    virtual ~Picture() = default;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    // Drops the current picture, then decodes size bytes at data (a null data
    // pointer decodes nothing). dataSize() becomes size whatever happens.
    // False, with no message, for bytes that do not decode.
    bool loadFromBytes(const std::uint8_t* data, int size);
    bool loadFromBytes(std::span<const std::uint8_t> bytes);
    // Drops the current picture, then reads and decodes the whole file. A
    // file that cannot be opened is reported in an "Error" box with the
    // system's text for the failure; dataSize() is then 0.
    bool loadFromFile(const QString& path);
    void release();

    // The whole picture stretched over left..right x top..bottom, right and
    // bottom included. False without drawing when there is no picture or the
    // surface is null (or the painter inactive).
    bool draw(QImage& surface, int left, int top, int right, int bottom) const;
    bool draw(QPainter& painter, int left, int top, int right, int bottom) const;

    // The picture at its natural size, centred in left..right x top..bottom
    // (right and bottom excluded) and cut to it, laid over the existing
    // pixels with the constant opacity alpha / 255. Only the low byte of alpha
    // counts, and 0 means opaque: 255 and 0 are plain copies, 256 leaves the
    // surface as it was.
    bool drawBlended(QImage& surface, int left, int top, int right, int bottom, int alpha) const;
    bool drawBlended(QPainter& painter, int left, int top, int right, int bottom, int alpha) const;

    int width() const { return pictureWidth; }
    int height() const { return pictureHeight; }
    int dataSize() const { return sourceSize; }
    bool isLoaded() const { return !picture.isNull(); }
    // The decoded pixels (null when empty), for callers that compare pictures.
    const QImage& image() const { return picture; }

private:
    // Decodes into picture; false (after the message) only when the bytes
    // cannot even be copied.
    bool decode(const char* data, qsizetype size);
    // Sizes from the decoded picture; the load's result.
    bool finishLoad(bool decoded);

    QImage picture;
    int pictureHeight = 0;
    int sourceSize = 0;
    int pictureWidth = 0;
};
