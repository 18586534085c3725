#include "RTFLine.h"

#include "Exception.h"
#include "Int32.h"
#include "LineRoad.h"
#include "PreviewRender.h"
#include "RenderView.h"
#include "RichEdit.h"
#include "StringList.h"

namespace {

// Logs each pass's result in the memo, then opens the scan's section; the
// preview's selection is cleared once the Format List is emptied.
class RoadLog : public TLineRoadWatch {
public:
    explicit RoadLog(TRenderView& view) : view_(view) {}

    void Done(RoadStep step, const UnicodeString& text) override
    {
        switch (step) {
        case RoadStep::Pass1: view_.MemoAdd(UnicodeString("Pass1: ") + text); break;
        case RoadStep::Pass2: view_.MemoAdd(UnicodeString("Pass2: ") + text); break;
        case RoadStep::Pass3:
            view_.MemoAdd(UnicodeString("Pass3: ") + text);
            view_.MemoAdd(" ");
            view_.MemoAdd("Color & Style Scan:");
            view_.MemoAdd(" ");
            break;
        case RoadStep::Scan:
        case RoadStep::Strip: break;
        }
    }

    void BeforeScan() override { view_.Preview().ClearSelection(); }

private:
    TRenderView& view_;
};

} // namespace

TRTFLine::TRTFLine(TRenderView& view, const UnicodeString& Str) : view_(view), Line(Str) {}

void TRTFLine::DoSynchronize()
{
    UnicodeString Dummy;
    offset = 0;
    StyleToggles toggles;
    TRichEdit& rtf = view_.Preview();
    TStrings& str = view_.FormatList();

    try {
        RoadLog log(view_);
        RunLineRoad(Line, Dummy, view_, log);
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
            ApplyFormatList(rtf, str, Buff, at, view_.ColorType(), toggles);
        } catch (const Exception&) {
            // An entry that does not convert ends the loop; the runs before it stay.
        }
    }
    rtf.ClearSelection();
}
