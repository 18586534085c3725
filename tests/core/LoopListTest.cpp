// A loop list as its header shows it: made once, run fast or step by step.
#include "RuleLoop.h"

#include "Application.h"

#include <gtest/gtest.h>

namespace {

// The header's example, laid out as the header shows it.
// clang-format off
TEST(LoopList, TheHeadersExample)
{
    auto loops = RuleLoop::StripEach({u'\x02', u'\x1F'});
    loops.push_back(RuleLoop::Collapse(u"\x03" "04" u"\x03" "04"));
    const LoopList list(std::move(loops));
    UnicodeString text(u"\x02" "a" u"\x1F" u"\x03" "04" u"\x03" "04" "b");
    list.Run(text);
    EXPECT_EQ(text, UnicodeString(u"a\x03" "04" "b"));
    list.RunLiteral(text);
    EXPECT_EQ(text, UnicodeString(u"a\x03" "04" "b"));
}
// clang-format on

// A code stands for the literal of its one unit; every item gets its loop.
TEST(RuleLoop, StripBuildersTakeCodesAsOneUnitLiterals)
{
    const std::vector<UnicodeString> literals{UnicodeString(u'\x1F'), UnicodeString(u"\u000304"),
                                              UnicodeString(u'\x1F')};
    const std::vector<RuleLoop> each = RuleLoop::StripEach(literals);
    ASSERT_EQ(each.size(), literals.size());
    for (std::size_t i = 0; i < each.size(); ++i) {
        const RuleLoop strip = RuleLoop::Strip(literals[i]);
        ASSERT_EQ(each[i].rules.size(), 1u);
        EXPECT_EQ(each[i].rules[0].pattern, strip.rules[0].pattern);
        EXPECT_EQ(each[i].rules[0].delCount, strip.rules[0].delCount);
        EXPECT_EQ(each[i].guards, strip.guards);
    }
    const std::vector<RuleLoop> codes = RuleLoop::StripEach({u'\x02', u'\x1F'});
    ASSERT_EQ(codes.size(), 2u);
    EXPECT_EQ(codes[0].guards, std::vector<UnicodeString>{UnicodeString(u'\x02')});
    EXPECT_EQ(codes[1].guards, std::vector<UnicodeString>{UnicodeString(u'\x1F')});
    EXPECT_TRUE(RuleLoop::StripEach(std::vector<UnicodeString>{}).empty());

    const RuleLoop stage = RuleLoop::StripStage({u'\x0F', u'\x02'});
    EXPECT_EQ(stage.guards, (std::vector<UnicodeString>{UnicodeString(u'\x0F'), UnicodeString(u'\x02')}));
    ASSERT_EQ(stage.rules.size(), 2u);
    EXPECT_EQ(stage.rules[1].pattern, UnicodeString(u'\x02'));
    EXPECT_EQ(stage.rules[1].delCount, 1);
}

TEST(LoopList, EveryEngineGivesTheSameTextAndPumps)
{
    const LoopList list({RuleLoop::Strip(u"\x02"), RuleLoop::Collapse(u"\u000304\u000304")});
    UnicodeString line;
    for (int i = 0; i < 40; ++i)
        line += UnicodeString(u"\u0002ab\u000304\u000304\u000304");
    struct Run {
        const char* name;
        void (*run)(const LoopList&, UnicodeString&);
    };
    const Run runs[] = {
        {"Run", [](const LoopList& l, UnicodeString& t) { l.Run(t); }},
        {"RunFast", [](const LoopList& l, UnicodeString& t) { l.RunFast(t); }},
        {"RunFast in chunks of 3", [](const LoopList& l, UnicodeString& t) { l.RunFast(t, 3); }},
    };
    UnicodeString want = line;
    const PumpCounter literalPumps;
    list.RunLiteral(want);
    const std::uint64_t pumps = literalPumps.Count();
    for (const Run& r : runs) {
        UnicodeString text = line;
        const PumpCounter counter;
        r.run(list, text);
        EXPECT_EQ(text, want) << r.name;
        EXPECT_EQ(counter.Count(), pumps) << r.name;
    }
    EXPECT_TRUE(list.RunsFast(0) && list.RunsFast(1));
}

} // namespace
