// A font's conversions between heights and sizes, and to and from Qt fonts.
#include "FontModel.h"

#include <cmath>

int HeightFromSize(int size) { return -static_cast<int>(std::lround(size * 96.0 / 72.0)); }

int SizeFromHeight(int height) { return static_cast<int>(std::lround(std::abs(height) * 72.0 / 96.0)); }

QFont ToQFont(const TFont& font)
{
    QFont f(font.Name);
    if (font.Size > 0)
        f.setPointSize(font.Size);
    else if (font.Height != 0)
        f.setPixelSize(std::abs(font.Height));
    f.setFixedPitch(font.Pitch == TFontPitch::fpFixed);
    f.setBold(font.Style & fsBold);
    f.setItalic(font.Style & fsItalic);
    f.setUnderline(font.Style & fsUnderline);
    f.setStrikeOut(font.Style & fsStrikeOut);
    return f;
}

void AssignQFont(TFont& font, const QFont& qfont)
{
    font.Name = qfont.family();
    if (qfont.pixelSize() > 0) {
        font.Height = -qfont.pixelSize();
        font.Size = SizeFromHeight(font.Height);
    } else {
        font.Size = static_cast<int>(std::lround(qfont.pointSizeF()));
        font.Height = HeightFromSize(font.Size);
    }
    font.Pitch = qfont.fixedPitch() ? TFontPitch::fpFixed : TFontPitch::fpDefault;
    font.Style = (qfont.bold() ? fsBold : 0u) | (qfont.italic() ? fsItalic : 0u)
                 | (qfont.underline() ? fsUnderline : 0u) | (qfont.strikeOut() ? fsStrikeOut : 0u);
}
