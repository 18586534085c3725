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
#include "FormatListHost.h"
#include "FuzzText.h"

#include <cstdlib>

namespace {

// One Format List for both runs: every upkeep call walks it, since the
// nested run's entries may stand after the outer run's deletion points.
class SharedFormatList : public TFormatListHost {
public:
    TStrings& FormatList() override { return list; }
    void UpdateFormatList(int pos, int length) override { ::UpdateFormatList(list, pos, length); }

    TStringList list;
};

// What the render does from emptying the list to the cleaned line.
UnicodeString ScanAndStrip(UnicodeString text, SharedFormatList& view)
{
    view.list.BeginUpdate();
    view.list.Clear();
    view.list.EndUpdate();
    ColorStyleScan(text, view);
    return TColorParser::RemoveLastChars(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned nestAt = data[0];
    const UnicodeString line = fz::TextFrom(data + 1, size - 1);
    const UnicodeString pass3 =
        TColorParser::PrepareLine_(TColorParser::RemoveBackColors(TColorParser::PrepareLine(line)));

    SharedFormatList alone;
    const UnicodeString expected = ScanAndStrip(pass3, alone);

    SharedFormatList view;
    unsigned pumps = 0;
    bool nested = false;
    UnicodeString cleaned;
    {
        const TPumpHookGuard guard([&] {
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
