#pragma once
// A font as the window's commands see it: charset, colour, height (negative:
// the character height in pixels at 96 dpi), name, pitch, size (points) and
// style, with its conversions to and from a Qt font.
#include "Charsets.h"
#include "Color.h"
#include "FontStyles.h"

#include <QFont>
#include <QString>

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

struct TFont {
    int Charset = DEFAULT_CHARSET;
    TColor Color = 0;
    int Height = 0;
    QString Name;
    TFontPitch Pitch = TFontPitch::fpDefault;
    int Size = 0;
    TFontStyles Style = 0;
};

// Conversions between pixel heights and point sizes at 96 dpi.
int HeightFromSize(int size);
int SizeFromHeight(int height);

// The Qt font of name, size, pitch and style (Qt fonts carry no charset
// or colour).
QFont ToQFont(const TFont& font);
// Takes name, height, size, pitch and style from a Qt font; keeps charset
// and colour.
void AssignQFont(TFont& font, const QFont& qfont);
