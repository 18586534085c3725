// A rich-text control's font read and written property by property.
#include "PreviewFont.h"

#include "Color.h"
#include "RichEdit.h"

#include <cstdlib>

TControlFont::TControlFont(TRichEdit& control) : control_(control) {}

QFont TControlFont::Font() const { return pending_ ? *pending_ : control_.NextFont(); }

void TControlFont::SetFont(const QFont& font)
{
    if (pending_)
        *pending_ = font;
    else
        control_.TakeFont(font);
}

TFont TControlFont::Get() const
{
    TFont font;
    AssignQFont(font, Font());
    const QVariant charset = control_.property(CharsetProperty);
    font.Charset = charset.isValid() ? charset.toInt() : DEFAULT_CHARSET;
    font.Color = TColorFromColor(control_.FontColor());
    return font;
}

void TControlFont::SetCharset(int charset) { control_.setProperty(CharsetProperty, charset); }

void TControlFont::SetColor(TColor color) { control_.SetFontColor(ColorFromTColor(color)); }

void TControlFont::SetHeight(int height)
{
    if (height == 0)
        return;
    QFont f = Font();
    f.setPixelSize(std::abs(height));
    SetFont(f);
}

void TControlFont::SetName(const QString& name)
{
    QFont f = Font();
    f.setFamily(name);
    SetFont(f);
}

void TControlFont::SetPitch(TFontPitch pitch)
{
    QFont f = Font();
    f.setFixedPitch(pitch == TFontPitch::fpFixed);
    SetFont(f);
}

void TControlFont::SetSize(int size)
{
    if (size <= 0)
        return;
    QFont f = Font();
    f.setPointSize(size);
    SetFont(f);
}

TControlFont::Change::Change(TControlFont& font) : font_(font) { font_.pending_ = font_.control_.NextFont(); }

TControlFont::Change::~Change()
{
    const QFont f = *font_.pending_;
    font_.pending_.reset();
    font_.control_.TakeFont(f);
}
