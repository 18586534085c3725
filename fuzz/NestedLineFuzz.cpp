// A second "Line" click handled at one of the scan's message pumps runs a
// whole nested scan on the same Format List. The outer scan's own text must
// not notice, and the mixed list must stay readable.
//
// Input: one byte, the pump at which the nested run starts, then the line.
#include "Application.h"
#include "Checks.h"
#include "ColorParser.h"
#include "ColorStyleScan.h"
#include "FormatList.h"
#include "FuzzText.h"
#include "RenderView.h"

#include <cstdlib>

namespace {

// The scan's view of the window: the Format List and its upkeep.
class ScanView : public TRenderView {
public:
    void MemoAdd(const UnicodeString&) override {}
    TRichEdit& Preview() override { std::abort(); }
    TStrings& FormatList() override { return list; }
    bool ColorType() const override { return false; }
    UnicodeString LeadMarker() const override { return {}; }
    UnicodeString BracketMarker() const override { return {}; }
    void UpdateFormatList(int pos, int length) override { ::UpdateFormatList(list, pos, length); }

    TStringList list;
};

// What the render does from emptying the list to the cleaned line.
UnicodeString ScanAndStrip(UnicodeString text, ScanView& view)
{
    view.list.BeginUpdate();
    view.list.Clear();
    view.list.EndUpdate();
    ColorStyleScan(text, view);
    return TColorParser::RemoveLastChars(text);
}

// Restores the pump hook that was installed before.
class HookGuard {
public:
    explicit HookGuard(TApplication::Hook hook) : before_(Application->SetProcessMessagesHook(std::move(hook))) {}
    ~HookGuard() { Application->SetProcessMessagesHook(std::move(before_)); }
    HookGuard(const HookGuard&) = delete;
    HookGuard& operator=(const HookGuard&) = delete;

private:
    TApplication::Hook before_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned nestAt = data[0];
    const UnicodeString line = fz::TextFrom(data + 1, size - 1);
    const UnicodeString pass3 =
        TColorParser::PrepareLine_(TColorParser::RemoveBackColors(TColorParser::PrepareLine(line)));

    ScanView alone;
    const UnicodeString expected = ScanAndStrip(pass3, alone);

    ScanView view;
    unsigned pumps = 0;
    bool nested = false;
    UnicodeString cleaned;
    {
        const HookGuard guard([&] {
            if (pumps++ != nestAt || nested)
                return;
            nested = true;
            ScanAndStrip(pass3, view);
        });
        cleaned = ScanAndStrip(pass3, view);
    }
    if (cleaned != expected)
        fz::Fail("a nested run does not change the outer run's text", pass3, cleaned);

    // Moved entries may reach 0 or below, but keep their three fields.
    for (const UnicodeString& entry : view.list.Items()) {
        const FormatEntry f = SplitEntry(entry);
        if (!f.Start.TryToInt() || f.Col.IsEmpty() || (f.Next != OpenEnd && !f.Next.TryToInt()))
            fz::Fail("entries stay readable after a nested run", pass3, entry);
    }
    if (!nested && view.list.Items() != alone.list.Items())
        fz::Fail("without a nested run the list is the same", pass3, cleaned);
    return 0;
}
