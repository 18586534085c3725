#pragma once
// One run of a colour and style scan, held for comparing the scan with its
// step-by-step reference: the outcome (text, pumps, Format List) and every
// upkeep call the scan made.
#include "FormatListHost.h"
#include "Outcome.h"
#include "StringList.h"

#include <utility>
#include <vector>

namespace tt {

// A Format List that records every upkeep call and walks on every one.
class RecordingFormatList : public TFormatListHost {
public:
    TStrings& FormatList() override { return list; }
    void UpdateFormatList(int pos, int length) override;

    TStringList list;
    std::vector<std::pair<int, int>> updates;
};

// The same, skipping the walks that the scan says move nothing, as a list of
// the scan's own does; it counts the skips where the walk would have moved
// an entry.
class SkippingFormatList : public RecordingFormatList {
public:
    void UpdateFormatListNoneMoved(int pos, int length) override;

    int wrongSkips = 0;
};

struct ScanRun {
    Outcome outcome;
    std::vector<std::pair<int, int>> updates;
    friend bool operator==(const ScanRun&, const ScanRun&) = default;
};

using Scan = void (*)(UnicodeString&, TFormatListHost&);

// Runs scan on a copy of input over list, which first gets the entries of before.
ScanRun RunScan(Scan scan, RecordingFormatList& list, const UnicodeString& input,
                const std::vector<UnicodeString>& before = {});

// The outcome and the upkeep calls, for a failure message.
std::string Describe(const ScanRun& run);

} // namespace tt
