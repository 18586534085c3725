// A loop list as its header shows it: made once, run fast or step by step.
#include "RuleLoop.h"

#include "Application.h"

#include <gtest/gtest.h>

namespace {

TEST(LoopList, TheHeadersExample)
{
    const LoopList list({RuleLoop::Strip(u"\x02"), RuleLoop::Collapse(u"\x03" "04" u"\x03" "04")});
    UnicodeString text(u"\x02" "a" u"\x03" "04" u"\x03" "04" "b");
    list.Run(text);
    EXPECT_EQ(text, UnicodeString(u"a\x03" "04" "b"));
    list.RunLiteral(text);
    EXPECT_EQ(text, UnicodeString(u"a\x03" "04" "b"));
}

TEST(LoopList, EveryEngineGivesTheSameTextAndPumps)
{
    const LoopList list({RuleLoop::Strip(u"\x02"), RuleLoop::Collapse(u"\x03" "04" u"\x03" "04")});
    UnicodeString line;
    for (int i = 0; i < 40; ++i)
        line += UnicodeString(u"\x02" "ab" u"\x03" "04" u"\x03" "04" u"\x03" "04");
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
