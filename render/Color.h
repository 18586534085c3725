#pragma once
// Platform colours are 0x00BBGGRR; QColor(QRgb) would swap red and blue.
#include <QColor>

#include <cstdint>

using TColor = std::uint32_t; // 0x00BBGGRR

inline QColor ColorFromTColor(TColor c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

inline TColor TColorFromColor(const QColor& c)
{
    return static_cast<TColor>(c.red()) | static_cast<TColor>(c.green()) << 8 | static_cast<TColor>(c.blue()) << 16;
}
