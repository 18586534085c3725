#pragma once
// Fonts as the window's commands see them, and the font dialog. A font has
// charset, colour, height (negative: the character height in pixels at 96
// dpi), name, pitch, size (points) and style.
#include "Charsets.h"
#include "RichEdit.h" // TFontStyles

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

using TColor = std::uint32_t; // 0x00BBGGRR

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

// The font dialog: Execute opens a chooser on Font and says whether the
// user confirmed. The chooser can be replaced (tests need no modal box).
class TFontDialog : public QObject {
public:
    // Edits the font in place; true when confirmed.
    using Chooser = std::function<bool(TFont& font)>;

    explicit TFontDialog(QObject* parent);

    TFont Font;
    // The background the dialog's sample shows the font on; none leaves
    // the sample in the dialog's own colours.
    QColor SampleBackground;

    bool Execute();
    void SetChooser(Chooser chooser);

private:
    Chooser chooser_;
};
