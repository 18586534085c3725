// The road of one line up to the cleaned line: Pass1, Pass2, Pass3, the
// Color & Style Scan with its Format List, and the trailing-code strip.
#include "Checks.h"
#include "ColorParser.h"
#include "ColorStyleScan.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "FuzzText.h"

#include <cstdlib>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const UnicodeString line = fz::TextFrom(data, size);

    const UnicodeString pass1 = TColorParser::PrepareLine(line);
    fz::CheckPrepareLine(line, pass1);
    const UnicodeString pass2 = TColorParser::RemoveBackColors(pass1);
    fz::CheckRemoveBackColors(pass1, pass2);
    const UnicodeString pass3 = TColorParser::PrepareLine_(pass2);
    fz::CheckPrepareLine_(pass2, pass3);
    // Pass2 leaves no two numbered colour codes back to back, so no doubled one.
    if (pass3 != pass2)
        fz::Fail("Pass3 finds nothing to collapse after Pass2", pass2, pass3);

    CheckedFormatList view(line);
    UnicodeString scanned = pass3;
    ColorStyleScan(scanned, view);
    fz::CheckScan(pass3, scanned, view.FormatList());
    if (view.Updates() != view.FormatList().Count())
        fz::Fail("the scan adds one entry after each list upkeep", pass3, scanned);

    const UnicodeString cleaned = TColorParser::RemoveLastChars(scanned);
    fz::CheckRemoveLastChars(scanned, cleaned);
    fz::CheckCleanedLine(scanned, cleaned);
    return 0;
}
