// The scan gives the text, the Format List, the upkeep calls and the pumps
// of its step-by-step form, on many texts; and skipping the upkeep's walk is
// only asked for where the walk would move nothing.
#include "ColorStyleScan.h"
#include "LiteralScan.h"

#include "Application.h"
#include "Codes.h"
#include "FormatList.h"
#include "FormatListHost.h"
#include "Outcome.h"
#include "RowName.h"
#include "ScanRun.h"
#include "StringList.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <vector>

namespace {

// Compares the scan, with a skipping and with a plain list, to the literal
// scan; stops after a few differences.
void ExpectSame(const std::vector<UnicodeString>& inputs, const std::vector<UnicodeString>& before = {})
{
    int failures = 0;
    for (const UnicodeString& input : inputs) {
        tt::RecordingFormatList plain, reference;
        tt::SkippingFormatList skipping;
        const tt::ScanRun want = tt::RunScan(&literal::ColorStyleScan, reference, input, before);
        const tt::ScanRun fast = tt::RunScan(&ColorStyleScan, skipping, input, before);
        const tt::ScanRun full = tt::RunScan(&ColorStyleScan, plain, input, before);
        for (const tt::ScanRun* got : {&fast, &full}) {
            if (*got == want)
                continue;
            ADD_FAILURE() << "input " << Printable(input) << "\n  got  " << tt::Describe(*got) << "\n  want "
                          << tt::Describe(want);
            ++failures;
        }
        if (skipping.wrongSkips != 0) {
            ADD_FAILURE() << "walk skipped where it moves entries: " << Printable(input);
            ++failures;
        }
        if (failures >= 5)
            break;
    }
}

// Codes as the passes leave them, and the forms around them.
std::vector<UnicodeString> CodePieces()
{
    std::vector<UnicodeString> p = tt::Units(u"\x0F\x02\x1F\x1E\x1D\x03\x03\x0E\u0009abc 0149");
    for (const auto& code : Codes::ColorCodes2())
        p.push_back(code);
    for (const char* n : {"16", "4", "99", "0", "1", "15,"})
        p.push_back(UnicodeString(ctrlC) + n);
    return p;
}

TEST(ScanSameAsLiteral, EveryShortText)
{
    ExpectSame(tt::AllTexts(u"\x03\x02\x0F\u001F01a", 6));
    ExpectSame(tt::AllTexts(u"\x03\x1D\u001E15", 6));
}

TEST(ScanSameAsLiteral, RandomTexts)
{
    ExpectSame(tt::PieceTexts(51, tt::Units(u"\x0F\x02\x1F\x1E\x1D\x03\x03\x03\x03\u000E0011234559a"), 30, 20000));
    ExpectSame(tt::PieceTexts(52, CodePieces(), 20, 20000));
}

TEST(ScanSameAsLiteral, LongTexts)
{
    ExpectSame(tt::PieceTexts(53, CodePieces(), 1500, 20));
    ExpectSame({UnicodeString(std::u16string(3000, ctrlB)), UnicodeString(std::u16string(3000, ctrlC)),
                UnicodeString(std::u16string(3000, u'a'))});
}

// A list that held entries before the scan is walked in full.
TEST(ScanSameAsLiteral, ListNotEmptyAtTheStart)
{
    const std::vector<UnicodeString> before = {"1 bold 5", "40 clRed 00", "3 clBlue 9", "x", "9 clAqua 12"};
    ExpectSame(tt::PieceTexts(54, CodePieces(), 20, 3000), before);
    ExpectSame(tt::PieceTexts(55, CodePieces(), 20, 3000), {"2 bold 00", "7 clRed q", "8 bold 9"});
}

// An entry is its numbers' decimal texts around the name, as joined texts give it.
TEST(ScanSameAsLiteral, EntryText)
{
    std::mt19937 rng(56);
    std::vector<int> values = {0, 1, -1, 9, 10, -10, 99, 100, 2147483647, -2147483647 - 1, 1000000000};
    for (int i = 0; i < 2000; ++i)
        values.push_back(static_cast<int>(rng()));
    for (int v : values) {
        const UnicodeString name = v % 2 ? "bold" : "clLightGreen";
        ASSERT_EQ(MakeEntry(v, name, v / 3), UnicodeString(v) + " " + name + " " + UnicodeString(v / 3));
        ASSERT_EQ(MakeEntry(v, name, std::nullopt), UnicodeString(v) + " " + name + " 00");
    }
}

// Skipping the walk keeps what the walk keeps: the list, the update
// bracket and one pump per entry.
struct NoneMovedRow {
    const char* name;
    std::vector<UnicodeString> entries;
    int pos;
    friend void PrintTo(const NoneMovedRow& r, std::ostream* os) { *os << r.name; }
};

class ScanSameAsLiteralNoneMoved : public testing::TestWithParam<NoneMovedRow> {};

TEST_P(ScanSameAsLiteralNoneMoved, SameAsTheWalk)
{
    const NoneMovedRow& r = GetParam();
    TStringList walked, skipped;
    for (const UnicodeString& e : r.entries) {
        walked.Add(e);
        skipped.Add(e);
    }
    const PumpCounter walkPumps;
    ::UpdateFormatList(walked, r.pos, 3);
    const std::uint64_t walkCount = walkPumps.Count();
    const PumpCounter skipPumps;
    ::UpdateFormatListNoneMoved(skipped);
    EXPECT_EQ(skipPumps.Count(), walkCount);
    EXPECT_EQ(walkCount, static_cast<std::uint64_t>(r.entries.size()));
    EXPECT_EQ(walked.Items(), skipped.Items());
    EXPECT_EQ(skipped.Count(), static_cast<int>(r.entries.size()));
    EXPECT_FALSE(skipped.Updating());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, ScanSameAsLiteralNoneMoved,
                         testing::Values(NoneMovedRow{"empty", {}, 3},
                                         NoneMovedRow{"starts at pos", {"3 bold 5", "3 clRed 00"}, 3},
                                         NoneMovedRow{"starts before pos", {"1 bold 9", "2 clItalic 00", "1 clRed 0"}, 4},
                                         NoneMovedRow{"negative ends", {"1 bold -3", "-2 clRed 00"}, 1}),
                         RowName<NoneMovedRow>);
// clang-format on

} // namespace
