// The rendering job: the road of the line, its log in the memo, and its painting in the preview.
#include "RTFLine.h"

#include "Exception.h"
#include "Int32.h"
#include "LineRoad.h"
#include "PreviewRender.h"
#include "RenderView.h"
#include "RichEdit.h"
#include "StringList.h"

#include <utility>

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

// Notes where the caret and the selection that the user sees stand, to tell
// afterwards whether anything but the render moved them.
class CaretWatch {
public:
    explicit CaretWatch(const TRichEdit& rtf) : rtf_(rtf) {}
    void Start() { seen_ = Now(); }
    bool Moved() const { return Now() != seen_; }

private:
    std::pair<int, int> Now() const { return {rtf_.textCursor().anchor(), rtf_.textCursor().position()}; }
    const TRichEdit& rtf_;
    std::pair<int, int> seen_;
};

// The preview position where a line appended now starts, whether or not
// one will be: just past the last line break, which the preview's text
// counts as two characters and its selection as one.
std::uint64_t NextLineStart(const TRichEdit& rtf)
{
    return static_cast<std::uint64_t>(Sub32(rtf.TextLength(), rtf.LinesCount()));
}

// Runs one stage of the render: an error of the program's own ends that
// stage alone, and the render goes on with the next.
template <class Stage>
void RunStage(Stage&& stage)
{
    try {
        stage();
    } catch (const Exception&) {
    }
}

} // namespace

TRTFLine::TRTFLine(TRenderView& view, const UnicodeString& Str) : view_(view), Line(Str) {}

// The job's stages, in order. Dummy is the working text: the line as the
// passes and the scan leave it.
void TRTFLine::DoSynchronize()
{
    UnicodeString Dummy;
    offset = 0;
    // The passes and the scan; a failure leaves the text as far as it got.
    RunStage([&] {
        RoadLog log(view_);
        RunLineRoad(Line, Dummy, view_, log);
    });
    view_.MemoAdd(UnicodeString("Line after ColorParser: ") + Dummy);
    offset = NextLineStart(view_.Preview());
    LogFormatList();
    // From here on the line is coloured with the settings of this moment; a
    // command that the window runs in between shows with the next line.
    PaintLine(Dummy, TPreviewLook::Of(view_.Preview(), view_.ColorType()));
}

// The Format List in the memo, after its caption.
void TRTFLine::LogFormatList()
{
    view_.MemoAdd(" ");
    view_.MemoAdd(" ");
    view_.MemoAdd("Format List:");
    view_.MemoAdd(" ");
    view_.MemoAddStrings(view_.FormatList());
}

// The line in the preview: appended, its regions and runs coloured, drawn
// once, and the caret left where the render or the user put it.
void TRTFLine::PaintLine(const UnicodeString& Dummy, const TPreviewLook& look)
{
    TRichEdit& rtf = view_.Preview();
    CaretWatch caret(rtf);
    {
        // The preview is drawn once, when its new line is laid out, formatted
        // and the caret placed: drawing a long line costs as much as laying
        // it out, and a drawing half way would be thrown away.
        const TRichEdit::PaintHold hold(rtf);
        bool fontWaits = false;
        {
            // A font chosen meanwhile reaches the preview after its line is
            // laid out, not in the middle, where the layout would be done
            // again and again while the runs are formatted.
            const TRichEdit::FontHold fontHold(rtf);
            {
                // The line above, when the new one touches it, is laid out
                // again apart from the new one, each one long step of Qt's
                // that nothing splits, with the window's events between.
                const TRichEdit::LineLayoutHold lineHold(rtf);
                {
                    // The preview lays the line out once, not after every run it formats.
                    const TRichEdit::UpdateBlock block(rtf);
                    if (!Dummy.IsEmpty())
                        RunStage([&] { AppendLine(rtf, Dummy); });
                    // The watch starts after the append, which moves the
                    // caret itself (it deselects, and the line goes in where
                    // the caret may stand): only a move after it is one the
                    // user or a command made.
                    caret.Start();
                    ColourLine(Dummy, look);
                    view_.ProcessWindowEvents(TRenderStep::BeforeLayout);
                }
                view_.ProcessWindowEvents(TRenderStep::BetweenLayouts);
            }
            view_.ProcessWindowEvents(TRenderStep::AfterLayout);
            fontWaits = rtf.NextFont() != rtf.font();
        }
        // The font taken now lays the whole preview out again, another long
        // step of its own.
        if (fontWaits)
            view_.ProcessWindowEvents(TRenderStep::AfterFont);
    }
    // A selection the user or a command made while the line was coloured
    // (the font command selects all) is one made after the render: it stays.
    if (caret.Moved())
        rtf.DropSelection();
    else
        rtf.ClearSelection();
    // Drawing the line may be as long as laying it out: the window's events
    // come before whatever the window does next.
    view_.ProcessWindowEvents(TRenderStep::Shown);
}

// The three regions of the appended line, then every run of the Format List.
void TRTFLine::ColourLine(const UnicodeString& Dummy, const TPreviewLook& look)
{
    TRichEdit& rtf = view_.Preview();
    const int at = static_cast<int>(offset);
    if (!Dummy.IsEmpty()) {
        RunStage([&] { PaintLeadRegion(rtf, Dummy, at, view_.LeadMarker(), look); });
        RunStage([&] { PaintBracketRegion(rtf, Dummy, at, view_.LeadMarker(), view_.BracketMarker(), look); });
        RunStage([&] { PaintBodyRegion(rtf, Dummy, at, view_.BracketMarker(), look); });
    }
    const UnicodeString Buff = Dummy;
    StyleToggles toggles;
    // An entry that does not convert ends the loop; the runs before it stay.
    RunStage([&] {
        ApplyFormatList(rtf, view_.FormatList(), Buff, at, look, toggles,
                        [this] { view_.ProcessWindowEvents(TRenderStep::ApplyLoop); });
    });
}
