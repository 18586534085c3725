// Fonts as the window sees them and the font dialog behind an injectable chooser.
#include "FontDialog.h"

#include "FontChooserDialog.h"

#include <cmath>
#include <utility>

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

void AssignQFont(TFont& font, const QFont& f)
{
    font.Name = f.family();
    if (f.pixelSize() > 0) {
        font.Height = -f.pixelSize();
        font.Size = SizeFromHeight(font.Height);
    } else {
        font.Size = static_cast<int>(std::lround(f.pointSizeF()));
        font.Height = HeightFromSize(font.Size);
    }
    font.Pitch = f.fixedPitch() ? TFontPitch::fpFixed : TFontPitch::fpDefault;
    font.Style = (f.bold() ? fsBold : 0u) | (f.italic() ? fsItalic : 0u) | (f.underline() ? fsUnderline : 0u)
                 | (f.strikeOut() ? fsStrikeOut : 0u);
}

TFontDialog::TFontDialog(QObject* parent)
    : QObject(parent), chooser_([this](TFont& font) { return ChooseFont(font, SampleBackground); })
{}

bool TFontDialog::Execute() { return chooser_ && chooser_(Font); }

void TFontDialog::SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
