// Putting a cleaned line into the preview: the append, the fixed regions and
// the apply loop.
#include "PreviewRender.h"

#include "Codes.h"
#include "Color.h"
#include "FormatList.h"
#include "Formats.h"
#include "Int32.h"
#include "RichEdit.h"

#include <optional>

namespace {

constexpr std::uint32_t LeadColor = 0xFF0000;    // blue
constexpr std::uint32_t BracketColor = 0x0000FF; // red
constexpr std::uint32_t WhiteColor = 0xFFFFFF;
constexpr std::uint32_t BlackColor = 0x000000;

// Selects count units from start.
void Select(TRichEdit& rtf, int start, int count)
{
    rtf.SetSelStart(start);
    rtf.SetSelLength(count);
}

// Colour and the preview font's size in one change; styles as given.
void SetColorAndSize(TRichEdit& rtf, const TPreviewLook& look, const QColor& color, TFontStyles on = 0,
                     TFontStyles off = 0)
{
    rtf.SetSelAttributes(color, look.fontSize, on, off);
}

// Adds the style when its flag is down, removes it when up; flips the flag.
void Toggle(TRichEdit& rtf, TFontStyle style, bool& flag)
{
    rtf.SetSelStyleOn(style, !flag);
    flag = !flag;
}

// AutoColor: white runs turn black on a light background, black runs white
// on a dark one.
std::uint32_t AutoColor(bool white, std::uint32_t background)
{
    const int sum = static_cast<int>((background & 0xFF) + ((background >> 8) & 0xFF) + ((background >> 16) & 0xFF));
    if (white)
        return sum > 600 ? BlackColor : WhiteColor;
    return sum < 80 ? WhiteColor : BlackColor;
}

void ApplyName(TRichEdit& rtf, const UnicodeString& Col, const TPreviewLook& look, StyleToggles& t)
{
    const std::optional<Format> format = FindFormat(Col);
    if (!format)
        return; // any other name leaves the run as it is
    switch (format->kind) {
    case FormatKind::Color: {
        std::uint32_t color = ColorTable[static_cast<std::size_t>(format->colorIndex)].color;
        if (look.autoColor && (color == WhiteColor || color == BlackColor))
            color = AutoColor(color == WhiteColor, TColorFromColor(look.background));
        SetColorAndSize(rtf, look, ColorFromTColor(color));
        break;
    }
    case FormatKind::NoColor: SetColorAndSize(rtf, look, look.fontColor); break;
    case FormatKind::NoStyle:
        rtf.SetSelAttributes(QColor(), 0, 0, AllStyles);
        t = StyleToggles{};
        break;
    case FormatKind::Bold: Toggle(rtf, fsBold, t.bold); break;
    case FormatKind::Underline: Toggle(rtf, fsUnderline, t.underline); break;
    case FormatKind::Italic: Toggle(rtf, fsItalic, t.italic); break;
    case FormatKind::Strikeout: Toggle(rtf, fsStrikeOut, t.strikeout); break;
    case FormatKind::Terminate:
        SetColorAndSize(rtf, look, look.fontColor, 0, AllStyles);
        t = StyleToggles{};
        break;
    }
}

} // namespace

TPreviewLook TPreviewLook::Of(const TRichEdit& rtf, bool colortype)
{
    return {rtf.Color(), rtf.FontColor(), rtf.FontSize(), rtf.FontStyle(), colortype};
}

void AppendLine(TRichEdit& rtf, const UnicodeString& line)
{
    rtf.ClearSelection();
    rtf.LinesAdd(line);
}

void PaintLeadRegion(TRichEdit& rtf, const UnicodeString& line, int offset, const UnicodeString& NBL,
                     const TPreviewLook& look)
{
    const int p = line.Pos(NBL);
    Select(rtf, offset, p - 1);
    SetColorAndSize(rtf, look, ColorFromTColor(LeadColor), 0, AllStyles);
}

void PaintBracketRegion(TRichEdit& rtf, const UnicodeString& line, int offset, const UnicodeString& NBL,
                        const UnicodeString& NBR, const TPreviewLook& look)
{
    const int p = line.Pos(NBL);
    const int q = line.Pos(NBR + UnicodeString(" "));
    Select(rtf, Sub32(Add32(offset, p), 1), Sub32(Add32(q, 1), p));
    SetColorAndSize(rtf, look, ColorFromTColor(BracketColor), 0, AllStyles);
}

void PaintBodyRegion(TRichEdit& rtf, const UnicodeString& line, int offset, const UnicodeString& NBR,
                     const TPreviewLook& look)
{
    const int q = line.Pos(NBR + UnicodeString(" "));
    Select(rtf, Add32(offset, q), line.Length() - q);
    SetColorAndSize(rtf, look, look.fontColor, look.fontStyle, AllStyles & ~look.fontStyle);
}

void ApplyFormatList(TRichEdit& rtf, const TStrings& list, const UnicodeString& Buff, int offset,
                     const TPreviewLook& look, StyleToggles& toggles, const std::function<void()>& pump)
{
    TRichEdit::UpdateBlock block(rtf);
    for (int a = 0; a < list.Count(); ++a) {
        if (pump && a > 0 && a % PumpEntries == 0)
            pump();
        const FormatEntry e = SplitEntry(list.Get(a));
        const UnicodeString Next = e.Next == OpenEnd ? UnicodeString(Buff.Length() + 1) : e.Next;
        const int start = Sub32(Add32(e.Start.ToInt(), offset), 1);
        const int next = Add32(Next.ToInt(), offset);
        Select(rtf, start, Sub32(next, start));
        ApplyName(rtf, e.Col, look, toggles);
    }
}
