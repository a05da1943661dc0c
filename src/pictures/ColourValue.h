#pragma once

#include <QColor>

#include <cstdint>

// Skin colour values are laid out 0x00BBGGRR (red in the low byte); these
// turn them into Qt's colours and back. Bits 24-31 are ignored.
inline QColor qColorFromValue(std::uint32_t colour)
{
    return QColor(int(colour & 0xFF), int(colour >> 8 & 0xFF), int(colour >> 16 & 0xFF));
}

inline std::uint32_t valueFromQColor(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return std::uint32_t(rgb.red()) | std::uint32_t(rgb.green()) << 8 | std::uint32_t(rgb.blue()) << 16;
}
