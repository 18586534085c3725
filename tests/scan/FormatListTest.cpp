// The Format List's entries: split into their fields, made from numbers, and
// moved by the upkeep after a deletion.
#include "FormatList.h"
#include "Application.h"
#include "RowName.h"
#include "StringList.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <vector>

namespace {

using Entries = std::vector<UnicodeString>;

void Fill(TStrings& list, const Entries& entries)
{
    list.Clear();
    for (const UnicodeString& e : entries)
        list.Add(e);
}

// A list that counts its change notifications.
class CountingList : public TStringList {
public:
    int changes = 0;

protected:
    void OnChange() override { ++changes; }
};

struct SplitRow {
    const char* name;
    UnicodeString entry, start, col, next;
    friend void PrintTo(const SplitRow& r, std::ostream* os) { *os << r.name; }
};

class FormatListSplit : public testing::TestWithParam<SplitRow> {};

TEST_P(FormatListSplit, Fields)
{
    const SplitRow& r = GetParam();
    const FormatEntry f = SplitEntry(r.entry);
    EXPECT_EQ(f.Start, r.start);
    EXPECT_EQ(f.Col, r.col);
    EXPECT_EQ(f.Next, r.next);
}

INSTANTIATE_TEST_SUITE_P(Rows, FormatListSplit,
                         testing::Values(SplitRow{"three fields", "12 clNoColor 14", "12", "clNoColor", "14"},
                                         SplitRow{"open end", "1 bold 00", "1", "bold", "00"},
                                         SplitRow{"no blank", "abc", "", "", "abc"},
                                         SplitRow{"one blank", "5 clRed", "5", "", "clRed"},
                                         SplitRow{"third blank stays in next", "6 bold 9 x", "6", "bold", "9 x"},
                                         SplitRow{"leading blank", " lead", "", "", "lead"},
                                         SplitRow{"trailing blank", "a b ", "a", "b", ""},
                                         SplitRow{"empty", "", "", "", ""}),
                         RowName<SplitRow>);

TEST(FormatList, Make)
{
    EXPECT_EQ(MakeEntry(3, "bold", 5), UnicodeString("3 bold 5"));
    EXPECT_EQ(MakeEntry(1, "clRed", std::nullopt), UnicodeString("1 clRed 00"));
    EXPECT_EQ(MakeEntry(1, "clRed", 0), UnicodeString("1 clRed 0"));
    EXPECT_EQ(MakeEntry(-1, "clRed", -3), UnicodeString("-1 clRed -3"));
}

struct UpdateRow {
    const char* name;
    Entries before;
    int pos, length;
    Entries after;
    int pumps;
    friend void PrintTo(const UpdateRow& r, std::ostream* os) { *os << r.name; }
};

class FormatListUpdate : public testing::TestWithParam<UpdateRow> {};

TEST_P(FormatListUpdate, MovesTheEntries)
{
    const UpdateRow& r = GetParam();
    CountingList list;
    Fill(list, r.before);
    list.changes = 0;
    const PumpCounter counter;
    UpdateFormatList(list, r.pos, r.length);
    EXPECT_EQ(list.Items(), r.after);
    EXPECT_EQ(counter.Count(), static_cast<std::uint64_t>(r.pumps));
    // One bracket: the rewrites notify once, when it closes.
    EXPECT_EQ(list.changes, 1);
    EXPECT_FALSE(list.Updating());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Rows, FormatListUpdate,
    testing::Values(
        UpdateRow{"only the later start moves", {"3 bold 5", "7 clRed 00"}, 5, 1, {"3 bold 5", "6 clRed 00"}, 2},
        UpdateRow{"start equal to pos stays", {"4 clItalic 9"}, 4, 1, {"4 clItalic 9"}, 1},
        UpdateRow{"colour deletion moves both", {"6 clUnderline 12"}, 2, 3, {"3 clUnderline 9"}, 1},
        UpdateRow{"end after pos, start before", {"1 bold 6"}, 3, 1, {"1 bold 6"}, 1},
        UpdateRow{"end 0 is a number", {"2 clRed 0"}, 1, 3, {"-1 clRed -3"}, 1},
        UpdateRow{"down to 0", {"2 clRed 3"}, 1, 3, {"-1 clRed 0"}, 1},
        UpdateRow{"empty list", {}, 2, 1, {}, 0},
        UpdateRow{"pos 0 moves every start from 1", {"1 bold 00", "0 bold 3"}, 0, 1, {"0 bold 00", "0 bold 3"}, 2},
        UpdateRow{"negative pos", {"1 bold 4"}, -2, 1, {"0 bold 3"}, 1},
        UpdateRow{"pos past every start still visits all",
                  {"1 bold 2", "2 bold 00", "3 clRed 5"},
                  9,
                  1,
                  {"1 bold 2", "2 bold 00", "3 clRed 5"},
                  3},
        UpdateRow{"entry without blank ends the walk",
                  {"9 bold 00", "nonblank", "8 clBlue 12"},
                  2,
                  1,
                  {"8 bold 00", "nonblank", "8 clBlue 12"},
                  2},
        UpdateRow{"end that is no number ends the walk",
                  {"9 bold 00", "5 clRed x", "8 clBlue 12"},
                  2,
                  1,
                  {"8 bold 00", "4 clRed x", "8 clBlue 12"},
                  2},
        UpdateRow{"single blank", {"5 clRed", "6 bold 00"}, 2, 1, {"4  clRed", "6 bold 00"}, 1},
        UpdateRow{"third blank", {"6 bold 9 x"}, 2, 1, {"5 bold 9 x"}, 1},
        UpdateRow{"signed and hex starts convert", {"+7 bold 00", "$A clRed 12"}, 2, 1, {"6 bold 00", "9 clRed 11"}, 2},
        UpdateRow{"start that is no number", {"x bold 00", "7 bold 00"}, 2, 1, {"x bold 00", "7 bold 00"}, 1}),
    RowName<UpdateRow>);
// clang-format on

// A list shortened during a pump ends the walk quietly.
TEST(FormatList, ShortenedDuringWalk)
{
    TStringList list;
    Fill(list, {"5 bold 00", "6 bold 00", "7 bold 00"});
    int pumps = 0;
    {
        const TPumpHookGuard hook([&] {
            if (++pumps == 2) {
                list.Clear();
                list.Add("1 clRed 00");
            }
        });
        UpdateFormatList(list, 2, 1);
    }
    EXPECT_EQ(list.Items(), Entries{"1 clRed 00"});
    EXPECT_EQ(pumps, 2);
    EXPECT_FALSE(list.Updating());
}

} // namespace
