// One run of a colour and style scan with every upkeep call it made.
#include "ScanRun.h"

#include "FormatList.h"

#include <string>

namespace tt {

void RecordingFormatList::UpdateFormatList(int pos, int length)
{
    updates.push_back({pos, length});
    ::UpdateFormatList(list, pos, length);
}

void SkippingFormatList::UpdateFormatListNoneMoved(int pos, int length)
{
    updates.push_back({pos, length});
    for (int i = 0; i < list.Count(); ++i) {
        const FormatEntry e = SplitEntry(list.Get(i));
        const auto start = e.Start.TryToInt();
        if (!start || *start > pos || !(e.Next == OpenEnd || e.Next.TryToInt()))
            ++wrongSkips;
    }
    ::UpdateFormatListNoneMoved(list);
}

ScanRun RunScan(Scan scan, RecordingFormatList& list, const UnicodeString& input,
                const std::vector<UnicodeString>& before)
{
    for (const auto& e : before)
        list.list.Add(e);
    Outcome o = RunCounted([&](UnicodeString& text) { scan(text, list); }, input);
    o.entries = list.list.Items();
    return {o, list.updates};
}

std::string Describe(const ScanRun& run)
{
    std::string s = Describe(run.outcome) + " upkeep";
    for (const auto& [pos, length] : run.updates)
        s += " (" + std::to_string(pos) + "," + std::to_string(length) + ")";
    return s;
}

} // namespace tt
