#pragma once
// Platform colours are 0x00BBGGRR; QColor(QRgb) would swap red and blue.
#include <QColor>

#include <cstdint>

inline QColor ColorFromTColor(std::uint32_t c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline std::uint32_t TColorFromColor(const QColor& c)
{
    return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8
           | static_cast<std::uint32_t>(c.blue()) << 16;
}
