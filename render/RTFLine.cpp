#include "RTFLine.h"

#include "ColorParser.h"
#include "ColorStyleScan.h"
#include "Exception.h"
#include "Int32.h"
#include "PreviewRender.h"
#include "RenderView.h"
#include "RichEdit.h"
#include "StringList.h"

#include <utility>

TRTFLine::TRTFLine(TRenderView& view, const UnicodeString& Str, std::function<void()> windowPump)
    : view_(view), windowPump_(std::move(windowPump)), Line(Str)
{
}

void TRTFLine::DoSynchronize()
{
    UnicodeString Dummy;
    offset = 0;
    StyleToggles toggles;
    TRichEdit& rtf = view_.Preview();
    TStrings& str = view_.FormatList();

    try {
        Dummy = TColorParser::PrepareLine(Line);
        view_.MemoAdd(UnicodeString("Pass1: ") + Dummy);
        Dummy = TColorParser::RemoveBackColors(Dummy);
        view_.MemoAdd(UnicodeString("Pass2: ") + Dummy);
        Dummy = TColorParser::PrepareLine_(Dummy);
        view_.MemoAdd(UnicodeString("Pass3: ") + Dummy);
        view_.MemoAdd(" ");
        view_.MemoAdd("Color & Style Scan:");
        view_.MemoAdd(" ");
        str.BeginUpdate();
        str.Clear();
        str.EndUpdate();
        rtf.ClearSelection();
        ColorStyleScan(Dummy, view_);
        Dummy = TColorParser::RemoveLastChars(Dummy);
    } catch (const Exception&) {
        // The run goes on with the text as far as it got.
    }

    view_.MemoAdd(UnicodeString("Line after ColorParser: ") + Dummy);
    offset = static_cast<std::uint64_t>(Sub32(rtf.TextLength(), rtf.LinesCount()));
    view_.MemoAdd(" ");
    view_.MemoAdd(" ");
    view_.MemoAdd("Format List:");
    view_.MemoAdd(" ");
    view_.MemoAddStrings(str);

    // The preview is drawn once, when its new line is laid out, formatted
    // and the caret placed: drawing a long line costs as much as laying it
    // out, and a drawing half way would be thrown away.
    const TRichEdit::PaintHold hold(rtf);

    {
        // The preview lays the line out once, not after every run it formats.
        const TRichEdit::UpdateBlock block(rtf);
        // Each preview stage that fails ends only itself.
        const int at = static_cast<int>(offset);
        if (!Dummy.IsEmpty()) {
            try {
                AppendLine(rtf, Dummy);
            } catch (const Exception&) {
            }
            try {
                PaintLeadRegion(rtf, Dummy, at, view_.LeadMarker());
            } catch (const Exception&) {
            }
            try {
                PaintBracketRegion(rtf, Dummy, at, view_.LeadMarker(), view_.BracketMarker());
            } catch (const Exception&) {
            }
            try {
                PaintBodyRegion(rtf, Dummy, at, view_.BracketMarker());
            } catch (const Exception&) {
            }
        }

        const UnicodeString Buff = Dummy;
        try {
            ApplyFormatList(rtf, str, Buff, at, view_.ColorType(), toggles, windowPump_);
        } catch (const Exception&) {
            // An entry that does not convert ends the loop; the runs before it stay.
        }
    }
    // Laying the line out was one long step: the window catches up before
    // the next.
    if (windowPump_)
        windowPump_();
    rtf.ClearSelection();
}
