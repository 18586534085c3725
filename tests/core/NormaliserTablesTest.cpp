// The colour normaliser's loops and rules, each where its stage puts it.
#include "NormaliserCheck.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace {

using namespace tt;
using Normaliser::Stage;

TEST(NormaliserTables, HoldTheirLoopsAndRules)
{
    const RuleLoopCounts all = Count(Normaliser::AllLoops());
    EXPECT_EQ(all.loops, 67);
    EXPECT_EQ(all.rules, 1488);
    EXPECT_EQ(all.deleting, 1480);
    EXPECT_EQ(all.inserting, 350);
    EXPECT_EQ(all.both, 342);

    struct Row {
        Stage stage;
        const char* name;
        int loops, rules;
    };
    const Row rows[] = {
        {Stage::DropColorBeforeReset, "DropColorBeforeReset", 17, 17},
        {Stage::CollapseRepeatedCodes, "CollapseRepeatedCodes", 12, 12},
        {Stage::DropResetBeforeCode, "DropResetBeforeCode", 5, 5},
        {Stage::DropStyleBeforeReset, "DropStyleBeforeReset", 6, 6},
        {Stage::DropUnsupportedCodes, "DropUnsupportedCodes", 4, 4},
        {Stage::FoldColorNumbers, "FoldColorNumbers", 16, 84},
        {Stage::StripBackColors, "StripBackColors", 3, 676},
        {Stage::DropOverriddenColors, "DropOverriddenColors", 3, 676},
        {Stage::PadColorNumbers, "PadColorNumbers", 1, 8},
    };
    std::vector<RuleLoop> joined;
    for (const auto& r : rows) {
        const auto& loops = Normaliser::Loops(r.stage);
        const RuleLoopCounts c = Count(loops);
        EXPECT_EQ(c.loops, r.loops) << r.name;
        EXPECT_EQ(c.rules, r.rules) << r.name;
        EXPECT_STREQ(Normaliser::Name(r.stage), r.name);
        joined.insert(joined.end(), loops.begin(), loops.end());
    }
    // The stages in order make up the whole list.
    ASSERT_EQ(joined.size(), Normaliser::AllLoops().size());
    for (std::size_t i = 0; i < joined.size(); ++i)
        EXPECT_EQ(joined[i].guards, Normaliser::AllLoops()[i].guards) << "loop " << i;

    // The mixed and one-digit loops of both pair stages.
    EXPECT_EQ(Normaliser::Loops(Stage::StripBackColors)[1].rules.size(), 320u);
    EXPECT_EQ(Normaliser::Loops(Stage::StripBackColors)[2].rules.size(), 100u);
    EXPECT_EQ(Normaliser::Loops(Stage::DropOverriddenColors)[1].rules.size(), 320u);
    EXPECT_EQ(Normaliser::Loops(Stage::DropOverriddenColors)[2].rules.size(), 100u);
}

// Deletions stay inside the match; inserts are "0" or a colour index at +1.
void CheckShape(const RewriteRule& r, bool shortens)
{
    SCOPED_TRACE(Printable(r.pattern));
    EXPECT_GE(r.pattern.Length(), 1);
    EXPECT_LE(r.pattern.Length(), 6);
    EXPECT_TRUE(r.Deletes() || r.Inserts());
    if (r.Deletes()) {
        EXPECT_GE(r.delOffset, 0);
        EXPECT_LE(r.delOffset, 3);
        EXPECT_LE(r.delCount, 3);
        EXPECT_LE(r.delOffset + r.delCount, r.pattern.Length());
        if (shortens) {
            EXPECT_GT(r.delCount, r.insText.Length());
        } else {
            EXPECT_EQ(r.delCount, r.insText.Length());
        }
    }
    if (r.Inserts()) {
        const auto& indexes = Codes::Numbers2();
        EXPECT_EQ(r.insOffset, 1);
        EXPECT_TRUE(r.insText == UnicodeString("0")
                    || std::find(indexes.begin(), indexes.end(), r.insText) != indexes.end());
        if (r.Deletes()) {
            EXPECT_LE(r.insOffset, r.delOffset);
        }
    }
}

TEST(NormaliserTables, EveryRuleKeepsToItsShape)
{
    for (int s = 0; s < Normaliser::StageCount; ++s) {
        const auto stage = static_cast<Stage>(s);
        // The fold replaces two digits by two; every other deleting rule shortens.
        const bool shortens = stage != Stage::FoldColorNumbers;
        for (const auto& loop : Normaliser::Loops(stage)) {
            EXPECT_TRUE(loop.pumps);
            EXPECT_FALSE(loop.anchored);
            // The guard list is the loop's own patterns, in table order.
            ASSERT_EQ(loop.guards.size(), loop.rules.size());
            for (std::size_t i = 0; i < loop.rules.size(); ++i) {
                EXPECT_EQ(loop.guards[i], loop.rules[i].pattern);
                CheckShape(loop.rules[i], shortens);
            }
        }
    }
}

TEST(NormaliserTables, FoldTableByTargetThenSource)
{
    const auto& rows = Normaliser::ColorFoldTable();
    ASSERT_EQ(rows.size(), 84u);
    std::vector<int> seen(100, 0);
    for (const auto& r : rows) {
        ASSERT_GE(r.source, 16);
        ASSERT_LE(r.source, 99);
        ++seen[static_cast<std::size_t>(r.source)];
        EXPECT_EQ(r.target, r.source == 99 ? 0 : r.source % 16) << r.source;
    }
    for (int s = 16; s <= 99; ++s)
        EXPECT_EQ(seen[static_cast<std::size_t>(s)], 1) << s;

    struct Loop {
        std::size_t n;
        std::vector<int> sources;
    };
    // clang-format off
    const Loop loops[] = {
        {0, {16, 32, 48, 64, 80, 96, 99}},
        {1, {17, 33, 49, 65, 81, 97}},
        {2, {18, 34, 50, 66, 82, 98}},
        {3, {19, 35, 51, 67, 83}},
        {10, {26, 42, 58, 74, 90}},
        {15, {31, 47, 63, 79, 95}},
    };
    // clang-format on
    const auto& fold = Normaliser::Loops(Stage::FoldColorNumbers);
    for (const auto& l : loops) {
        const auto& rules = fold[l.n].rules;
        ASSERT_EQ(rules.size(), l.sources.size()) << "loop " << l.n;
        for (std::size_t i = 0; i < rules.size(); ++i) {
            EXPECT_EQ(rules[i].pattern, UnicodeString(C) + UnicodeString(l.sources[i]));
            EXPECT_EQ(rules[i].insText, Codes::Numbers2()[l.n]);
            EXPECT_EQ(rules[i].delOffset, 1);
            EXPECT_EQ(rules[i].delCount, 2);
        }
    }
}

TEST(NormaliserTables, RulesStandWhereTheirNumbersSay)
{
    struct Row {
        Stage stage;
        std::size_t loop;
        int rule;
        UnicodeString pattern;
        int delOffset, delCount;
        const char* ins;
    };
    const Row rows[] = {
        {Stage::DropColorBeforeReset, 0, 1, T({C, R}), 0, 1, ""},
        {Stage::DropColorBeforeReset, 6, 1, T({C, "05", R}), 0, 3, ""},
        {Stage::DropColorBeforeReset, 16, 1, T({C, "15", R}), 0, 3, ""},
        {Stage::CollapseRepeatedCodes, 2, 1, T({C, C, C}), 0, 2, ""},
        {Stage::CollapseRepeatedCodes, 11, 1, T({R, R}), 0, 1, ""},
        {Stage::DropResetBeforeCode, 3, 1, T({R, U}), 0, 1, ""},
        {Stage::DropStyleBeforeReset, 1, 1, T({U, B, R}), 0, 2, ""},
        {Stage::DropStyleBeforeReset, 5, 1, T({I, R}), 0, 1, ""},
        {Stage::DropUnsupportedCodes, 2, 1, T({0x16}), 0, 1, ""},
        {Stage::StripBackColors, 0, 197, T({C, "04,12"}), 3, 3, ""},
        {Stage::StripBackColors, 0, 256, T({C, "15,15"}), 3, 3, ""},
        {Stage::StripBackColors, 1, 21, T({C, "04,1"}), 3, 2, ""},
        {Stage::StripBackColors, 1, 61, T({C, "12,3"}), 3, 2, ""},
        {Stage::StripBackColors, 1, 160, T({C, "15,9"}), 3, 2, ""},
        {Stage::StripBackColors, 1, 161, T({C, "0,00"}), 2, 3, "0"},
        {Stage::StripBackColors, 1, 163, T({C, "2,00"}), 2, 3, ""},
        {Stage::StripBackColors, 1, 167, T({C, "6,00"}), 2, 3, ""},
        {Stage::StripBackColors, 1, 173, T({C, "2,01"}), 2, 3, "0"},
        {Stage::StripBackColors, 1, 285, T({C, "4,12"}), 2, 3, "0"},
        {Stage::StripBackColors, 1, 320, T({C, "9,15"}), 2, 3, "0"},
        {Stage::StripBackColors, 2, 15, T({C, "4,1"}), 2, 2, "0"},
        {Stage::StripBackColors, 2, 100, T({C, "9,9"}), 2, 2, "0"},
        {Stage::DropOverriddenColors, 0, 197, T({C, "04", C, "12"}), 0, 3, ""},
        {Stage::DropOverriddenColors, 1, 85, T({C, "04", C, "5"}), 0, 3, ""},
        {Stage::DropOverriddenColors, 1, 213, T({C, "2", C, "05"}), 0, 2, ""},
        {Stage::DropOverriddenColors, 1, 282, T({C, "1", C, "12"}), 0, 2, ""},
        {Stage::DropOverriddenColors, 2, 55, T({C, "4", C, "5"}), 0, 2, ""},
        {Stage::PadColorNumbers, 0, 1, T({C, "2"}), 0, 0, "0"},
        {Stage::PadColorNumbers, 0, 8, T({C, "9"}), 0, 0, "0"},
    };
    for (const auto& row : rows) {
        const RewriteRule& r =
            Normaliser::Loops(row.stage).at(row.loop).rules.at(static_cast<std::size_t>(row.rule - 1));
        EXPECT_EQ(r.pattern, row.pattern) << Normaliser::Name(row.stage) << " rule " << row.rule;
        EXPECT_EQ(r.delOffset, row.delOffset) << Printable(row.pattern);
        EXPECT_EQ(r.delCount, row.delCount) << Printable(row.pattern);
        EXPECT_EQ(r.insText, UnicodeString(row.ins)) << Printable(row.pattern);
    }
    // Only two rows of the mixed strip loop's second table insert nothing.
    int silent = 0;
    for (const auto& r : Normaliser::Loops(Stage::StripBackColors)[1].rules)
        silent += r.delOffset == 2 && !r.Inserts();
    EXPECT_EQ(silent, 2);
}

} // namespace
