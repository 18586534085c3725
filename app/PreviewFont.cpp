#include "PreviewFont.h"

#include "Color.h"
#include "RichEdit.h"

#include <cstdlib>

TControlFont::TControlFont(TRichEdit& control) : control_(control) {}

TFont TControlFont::Get() const
{
    TFont font;
    AssignQFont(font, control_.font());
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
    QFont f = control_.font();
    f.setPixelSize(std::abs(height));
    control_.setFont(f);
}

void TControlFont::SetName(const QString& name)
{
    QFont f = control_.font();
    f.setFamily(name);
    control_.setFont(f);
}

void TControlFont::SetPitch(TFontPitch pitch)
{
    QFont f = control_.font();
    f.setFixedPitch(pitch == TFontPitch::fpFixed);
    control_.setFont(f);
}

void TControlFont::SetSize(int size)
{
    if (size <= 0)
        return;
    QFont f = control_.font();
    f.setPointSize(size);
    control_.setFont(f);
}
