// A second "Line" click handled at one of the scan's message pumps runs a
// whole nested road on the same Format List. The outer run's own text must
// not notice, and the mixed list must stay readable.
//
// Input: one byte, the pump of the scan (counted from its start) at which
// the nested run starts, then the line.
#include "Application.h"
#include "Checks.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "FuzzText.h"
#include "LineRoad.h"

namespace {

// One Format List for both runs: every upkeep call walks it, since the
// nested run's entries may stand after the outer run's deletion points.
class SharedFormatList : public TFormatListHost {
public:
    TStrings& FormatList() override { return list; }
    void UpdateFormatList(int pos, int length) override { ::UpdateFormatList(list, pos, length); }

    TStringList list;
};

// Lets the nested run start only once the outer road has reached its scan.
class ScanStart : public TLineRoadWatch {
public:
    void BeforeScan() override { reached = true; }

    bool reached = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const unsigned nestAt = data[0];
    const UnicodeString line = fz::TextFrom(data + 1, size - 1);

    SharedFormatList alone;
    UnicodeString expected;
    RunLineRoad(line, expected, alone);

    SharedFormatList view;
    ScanStart outer;
    unsigned pumps = 0;
    bool nested = false;
    UnicodeString cleaned;
    {
        const TPumpHookGuard guard([&] {
            if (!outer.reached || nested || pumps++ != nestAt)
                return;
            nested = true;
            UnicodeString inner;
            RunLineRoad(line, inner, view);
        });
        RunLineRoad(line, cleaned, view, outer);
    }
    if (cleaned != expected)
        fz::Fail("a nested run does not change the outer run's text", line, cleaned);

    // Moved entries may reach 0 or below, but keep their three fields.
    for (const UnicodeString& entry : view.list.Items()) {
        const FormatEntry f = SplitEntry(entry);
        if (!f.Start.TryToInt() || f.Col.IsEmpty() || (f.Next != OpenEnd && !f.Next.TryToInt()))
            fz::Fail("entries stay readable after a nested run", line, entry);
    }
    if (!nested && view.list.Items() != alone.list.Items())
        fz::Fail("without a nested run the list is the same", line, cleaned);
    return 0;
}
