// The road of one line up to the cleaned line: Pass1, Pass2, Pass3, the
// Color & Style Scan with its Format List, and the trailing-code strip.
#include "Checks.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "FuzzText.h"
#include "LineRoad.h"

#include <vector>

namespace {

// A Format List that checks every upkeep call the scan makes.
class CheckedFormatList : public TFormatListHost {
public:
    explicit CheckedFormatList(const UnicodeString& line) : line_(line) {}

    TStrings& FormatList() override { return list_; }

    // The scan calls this after each deletion and before it adds that
    // deletion's entry. Its deletion points never go backwards, so no entry
    // recorded so far may move.
    void UpdateFormatList(int pos, int length) override
    {
        if (list_.Count() != updates_)
            fz::Fail("the scan adds one entry after each list upkeep", line_, {});
        ++updates_;
        const std::vector<UnicodeString> before = list_.Items();
        ::UpdateFormatList(list_, pos, length);
        if (list_.Items() != before)
            fz::Fail("the list upkeep moves no earlier entry during the scan", line_, {});
    }

    int Updates() const { return updates_; }

private:
    UnicodeString line_;
    TStringList list_;
    int updates_ = 0;
};

// Checks each step's result as the road leaves it, against the text the
// step received.
class StepChecks : public TLineRoadWatch {
public:
    StepChecks(const UnicodeString& line, CheckedFormatList& view) : before_(line), view_(view) {}

    void Done(RoadStep step, const UnicodeString& text) override
    {
        switch (step) {
        case RoadStep::Pass1: fz::CheckPrepareLine(before_, text); break;
        case RoadStep::Pass2: fz::CheckRemoveBackColors(before_, text); break;
        case RoadStep::Pass3:
            fz::CheckPrepareLine_(before_, text);
            // Pass2 leaves no two numbered colour codes back to back, so no doubled one.
            if (text != before_)
                fz::Fail("Pass3 finds nothing to collapse after Pass2", before_, text);
            break;
        case RoadStep::Scan:
            fz::CheckScan(before_, text, view_.FormatList());
            if (view_.Updates() != view_.FormatList().Count())
                fz::Fail("the scan adds one entry after each list upkeep", before_, text);
            break;
        case RoadStep::Strip:
            fz::CheckRemoveLastChars(before_, text);
            fz::CheckCleanedLine(before_, text);
            break;
        }
        before_ = text;
    }

private:
    UnicodeString before_;
    CheckedFormatList& view_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString line = fz::TextFrom(data, size);
    CheckedFormatList view(line);
    StepChecks checks(line, view);
    UnicodeString cleaned;
    RunLineRoad(line, cleaned, view, checks);
    return 0;
}
