// The Color & Style Scan: the text it leaves, the Format List it writes, the
// upkeep it asks for and its pumps.
#include "ColorStyleScan.h"
#include "Application.h"
#include "Codes.h"
#include "RowName.h"
#include "ScanRun.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace tt;
using Entries = std::vector<UnicodeString>;

struct ScanRow {
    std::string name;
    UnicodeString input, left;
    Entries entries;
    friend void PrintTo(const ScanRow& r, std::ostream* os) { *os << r.name; }
};

std::vector<ScanRow> ScanRows()
{
    std::vector<ScanRow> rows = {
        {"empty", T({}), T({}), {}},
        {"one code", T({B}), T({B}), {}},
        {"one letter", T({"a"}), T({"a"}), {}},
        {"bold pair", T({"ab", B, "cd", B, "ef"}), T({"abcdef"}), {"3 bold 5", "5 bold 00"}},
        {"end kept as written",
         T({"a", B, "b", U, "c", B, "d"}),
         T({"abcd"}),
         {"2 bold 5", "3 clUnderline 00", "4 bold 00"}},
        {"red ends before next red",
         T({"ab", C, "04cd", C, "02ef", C, "04gh"}),
         T({"abcdefgh"}),
         {"3 clRed 9", "5 clBlue 00", "7 clRed 00"}},
        {"lone colour ends at any colour", T({"x", C, "yz", C, "04w"}), T({"xyzw"}), {"2 clNoColor 4", "4 clRed 00"}},
        {"code moved to position 1", T({B, U, "yz"}), T({"yz"}), {"1 bold 00", "1 clUnderline 00"}},
        {"index at -2", T({C, "04", B, "yz"}), T({"yz"}), {"1 clRed 00", "1 bold 00"}},
        {"end 0", T({C, "04", C, "04x"}), T({"x"}), {"1 clRed 0", "1 clRed 00"}},
        {"last reset stays", T({R, C, "04ab", R}), T({"ab", R}), {"1 clTerminate 6", "1 clRed 00"}},
        {"text order, not rule order",
         T({"a", I, S, U, "b"}),
         T({"ab"}),
         {"2 clItalic 00", "2 clStrikeout 00", "2 clUnderline 00"}},
        {"last code stays", T({"ab", B}), T({"ab", B}), {}},
        {"second code comes last", T({"ab", B, B}), T({"ab", B}), {"3 bold 3"}},
        {"trailing colour code", T({"ab", C, "04"}), T({"ab"}), {"3 clRed 00"}},
        {"trailing lone colour", T({"x", C}), T({"x", C}), {}},
        {"lone colour", T({"x", C, "a"}), T({"xa"}), {"2 clNoColor 00"}},
        {"16 is no colour index", T({"x", C, "16y"}), T({"x16y"}), {"2 clNoColor 00"}},
        {"one digit is no colour code", T({"x", C, "4y"}), T({"x4y"}), {"2 clNoColor 00"}},
        {"other codes stay", T({"a", G, "b", Tab, "c"}), T({"a", G, "b", Tab, "c"}), {}},
        {"codes alone", T({B, U}), T({}), {"1 bold 00", "1 clUnderline 00"}},
    };

    // Every colour code with its format name, in colour-table order.
    ScanRow all{"sixteen colours", {}, T({"abcdefghijklmnop"}), {}};
    for (std::size_t i = 0; i < ColorTable.size(); ++i) {
        all.input += Codes::ColorCodes2()[i] + UnicodeString(static_cast<char16_t>(u'a' + i));
        all.entries.push_back(UnicodeString(static_cast<int>(i + 1)) + " " + ColorTable[i].formatName + " 00");
    }
    rows.push_back(all);
    return rows;
}

class ColorStyleScanRows : public testing::TestWithParam<ScanRow> {};

TEST_P(ColorStyleScanRows, TextAndFormatList)
{
    const ScanRow& r = GetParam();
    RecordingFormatList host;
    UnicodeString text = r.input;
    ColorStyleScan(text, host);
    EXPECT_EQ(text, r.left);
    EXPECT_EQ(host.list.Items(), r.entries);
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorStyleScanRows, testing::ValuesIn(ScanRows()), RowName<ScanRow>);

// Each deletion is reported with its position and its length.
TEST(ColorStyleScan, UpkeepCalls)
{
    RecordingFormatList host;
    UnicodeString text = T({"ab", C, "04cd", B, "ef"});
    ColorStyleScan(text, host);
    const std::vector<std::pair<int, int>> expected{{3, 3}, {5, 1}};
    EXPECT_EQ(host.updates, expected);
}

// The line whose walk the scan's source traces step by step: if this fails,
// the trace there is wrong too.
TEST(ColorStyleScan, TracedLine)
{
    RecordingFormatList host;
    UnicodeString text = T({"x", C, "04y", B, "z", B});
    const PumpCounter counter;
    ColorStyleScan(text, host);
    EXPECT_EQ(text, T({"xyz", B}));
    EXPECT_EQ(host.list.Items(), (Entries{"2 clRed 00", "3 bold 4"}));
    EXPECT_EQ(host.updates, (std::vector<std::pair<int, int>>{{2, 3}, {3, 1}}));
    EXPECT_EQ(counter.Count(), 8u);
}

// One pump per step of the walk, one per entry the upkeep visits.
struct PumpRow {
    const char* name;
    UnicodeString input;
    int pumps;
    friend void PrintTo(const PumpRow& r, std::ostream* os) { *os << r.name; }
};

class ColorStyleScanPumps : public testing::TestWithParam<PumpRow> {};

TEST_P(ColorStyleScanPumps, Count)
{
    const PumpRow& r = GetParam();
    RecordingFormatList host;
    UnicodeString text = r.input;
    const PumpCounter counter;
    ColorStyleScan(text, host);
    EXPECT_EQ(counter.Count(), static_cast<std::uint64_t>(r.pumps));
}

INSTANTIATE_TEST_SUITE_P(Rows, ColorStyleScanPumps,
                         testing::Values(PumpRow{"empty", T({}), 0}, PumpRow{"plain", T({"abcd"}), 3},
                                         // Walk steps at 1 (match), 1, 2, 3 (match), 3; the
                                         // second upkeep visits one entry.
                                         PumpRow{"two codes", T({B, "ab", B, "cd"}), 6}),
                         RowName<PumpRow>);

} // namespace
