// The loop lists of Pass3, the trailing strip, the strippers and the code
// remover, loop by loop and rule by rule. Swapping two one-code strip loops
// changes neither a text nor a pump count, so only these rows catch it.
#include "ColorRemover.h"
#include "NormaliserTables.h"
#include "StripLoops.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using namespace tt;

// 0x03 and a colour index "00".."15", ascending.
std::vector<UnicodeString> ColourIndexCodes()
{
    std::vector<UnicodeString> codes;
    for (int n = 0; n < 16; ++n)
        codes.push_back(UnicodeString(C) + (n < 10 ? UnicodeString("0") : UnicodeString()) + UnicodeString(n));
    return codes;
}

std::vector<UnicodeString> Joined(std::vector<UnicodeString> a, const std::vector<UnicodeString>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// A rule that deletes count units at its match and inserts nothing.
void ExpectDeletes(const RewriteRule& r, const UnicodeString& pattern, int count)
{
    EXPECT_EQ(r.pattern, pattern);
    EXPECT_EQ(r.delOffset, 0);
    EXPECT_EQ(r.delCount, count);
    EXPECT_EQ(r.insText, UnicodeString());
    EXPECT_EQ(r.insOffset, 0);
}

// One rule deleting count units of its pattern, guarded by that pattern.
void ExpectSingleRuleLoop(const RuleLoop& loop, const UnicodeString& pattern, int count)
{
    ASSERT_EQ(loop.rules.size(), 1u);
    ExpectDeletes(loop.rules[0], pattern, count);
    EXPECT_EQ(loop.guards, std::vector<UnicodeString>{pattern});
    EXPECT_FALSE(loop.anchored);
    EXPECT_TRUE(loop.pumps);
}

TEST(StripLoopTables, EachListIsOneStripLoopPerLiteralInItsOrder)
{
    struct Row {
        const char* name;
        const LoopList& list;
        std::size_t first; // loops before it are no strip loops
        std::vector<UnicodeString> literals;
    };
    const Row rows[] = {
        {"RemStyles", StripLoops::RemStyles(), 0, Units(u"\x02\x1F\x1E\x1D\x09\x0E\x0F")},
        {"RemEscapes", StripLoops::RemEscapes(), 0,
         Joined(Joined(Units(u"\x0F\x02"), ColourIndexCodes()), Units(u"\x03\x1F\x1E\x1D\x09\x0E\x0F"))},
        {"FormatContent", RemoverLoops::FormatContent(), 5, Units(u"\x0F\x1D\x1E\x1F\x02\x03\x09\x0E\x0F")},
        {"RemoveAllBolds", RemoverLoops::RemoveAllBolds(), 0, Units(u"\x02")},
        {"RemoveAllUnderlines", RemoverLoops::RemoveAllUnderlines(), 0, Units(u"\x1F")},
        {"RemoveEscapes", RemoverLoops::RemoveEscapes(), 0, Units(u"\x02\x03\x1F\x1E\x0F")},
        {"DropUnsupportedCodes", Normaliser::Loops(Normaliser::Stage::DropUnsupportedCodes), 0,
         Units(u"\x04\x11\x16\x17")},
    };
    for (const auto& row : rows) {
        ASSERT_EQ(row.list.size(), row.first + row.literals.size()) << row.name;
        for (std::size_t i = 0; i < row.literals.size(); ++i) {
            SCOPED_TRACE(std::string(row.name) + " loop " + std::to_string(row.first + i + 1));
            ExpectSingleRuleLoop(row.list[row.first + i], row.literals[i], row.literals[i].Length());
        }
    }
}

TEST(StripLoopTables, TrailingCodesIsOneAnchoredStageWithItsOwnRepeatOrder)
{
    const LoopList& list = StripLoops::TrailingCodes();
    ASSERT_EQ(list.size(), 1u);
    const RuleLoop& loop = list[0];
    EXPECT_TRUE(loop.anchored);
    EXPECT_TRUE(loop.pumps);
    const auto tests = Units(u"\x02\x03\x1D\x1E\x1F\x0F");
    ASSERT_EQ(loop.rules.size(), tests.size());
    for (std::size_t i = 0; i < tests.size(); ++i)
        ExpectDeletes(loop.rules[i], tests[i], 1);
    EXPECT_EQ(loop.guards, Units(u"\x02\x03\x0F\x1F\x1E\x1D"));
}

TEST(StripLoopTables, Pass3CollapsesSixteenIndexesThenTheDigitsOneToNine)
{
    std::vector<std::pair<UnicodeString, int>> doubled;
    for (const auto& code : ColourIndexCodes())
        doubled.emplace_back(code + code, 3);
    for (int n = 1; n <= 9; ++n)
        doubled.emplace_back(T({C}) + UnicodeString(n) + T({C}) + UnicodeString(n), 2);
    const LoopList& list = StripLoops::Pass3();
    ASSERT_EQ(list.size(), doubled.size());
    for (std::size_t i = 0; i < doubled.size(); ++i) {
        SCOPED_TRACE("Pass3 loop " + std::to_string(i + 1));
        ExpectSingleRuleLoop(list[i], doubled[i].first, doubled[i].second);
    }
}

} // namespace
