#pragma once

#include <QByteArrayView>
#include <QImage>

#include <cstdint>
#include <span>

// Whole-picture decoding through Qt's image readers, shared by the still and
// the animated picture.
namespace imagedecoding {

// Decodes every format Qt reads (of a GIF, its first frame); a null image for
// bytes that do not decode. format ("gif") skips guessing from the content.
QImage decode(QByteArrayView bytes, const char* format = nullptr);
inline QImage decode(std::span<const std::uint8_t> bytes, const char* format = nullptr)
{
    return decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())), format);
}

// The most bytes of pixels we hold for one picture (its surface, or all the
// frames of an animation together): the limit Qt's readers apply to one image.
qint64 pixelByteBudget();

// Whether a w x h 32-bit image stays inside the budget.
bool fitsBudget(qint64 width, qint64 height);

} // namespace imagedecoding
