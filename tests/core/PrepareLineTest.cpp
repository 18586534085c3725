// Pass1: the whole pass, the lead wrap codes and the background numbers.
#include "CaseCheck.h"
#include "ColorParser.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

void Check(const TextCase& c) { CheckOp(&TColorParser::PrepareLine, c); }

TEST(PrepareLine, WholePass)
{
    const TextCase cases[] = {
        {T({}), T({}), 110},
        {T({"hello world"}), T({"hello world"}), 110},
        {T({"ab", FF, "c", FF, FF, "d"}), T({"abcd"})},
        {T({FF, FF, FF}), T({})},
        {T({"Hi ", B, U, B, "there"}), T({"Hi ", U, B, "there"})},
        {T({B, "Hi ", C, B, C, "x"}), T({B, "Hi ", C, B, C, "x"})},
        {T({C, "4,12Hello"}), T({C, "4Hello"})},
        {T({"Hi ", C, B, C, "x ", FF, C, "4,12Hey", C, "12,05 you"}), T({"Hi ", B, C, "x ", C, "4Hey", C, "12 you"})},
        {T({C, "4", FF, ",12x"}), T({C, "4x"})},
        {T({C, FF, B, C}), T({B, C})},
        {T({FF, C, "5,a and ", C, "4,12 ", C, "12,5"}), T({C, "5,a and ", C, "4 ", C, "12,5"}), 6},
        {T({FF, C, B, C, C, "5,a"}), T({B, C, C, "5,a"})},
        {T({C, "5,"}), T({C, "5,"})},
        // Pumps: a second iteration in one loop; an early end in the sixth loop.
        {T({C, "4,1a", C, "4,2b"}), T({C, "4a", C, "4b"}), 111},
        {T({C, "5,a"}), T({C, "5,a"}), 6},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST(PrepareLine, LeadWrapCodes)
{
    const TextCase cases[] = {
        {T({"abc"}), T({"abc"})},
        {T({C, B, C, "a"}), T({B, C, "a"})},
        {T({"a", C, "b", C, B, C}), T({"a", C, "b", B, C})},
        {T({C, C, B, C}), T({C, B, C})},
        {T({C, R, B, C, B, C}), T({C, R, B, B, C})},
        {T({B, "a", C, B, C}), T({B, "a", C, B, C})},
        {T({C, B, I, B}), T({C, B, I, B})},
        {T({G, C, B, C}), T({G, C, B, C})},
        {T({0x16, C, B, C}), T({0x16, B, C})},
        {T({0x04, C, B, C}), T({0x04, B, C})},
        {T({C, B, C, "a", C, B, C}), T({B, C, "a", C, B, C})},
        {T({C, B, C, B}), T({C, B})},
        {T({C, B, C, B, C}), T({C, B, C})},
        {T({C, U, C, B, C}), T({C, U, B, C})},
        {T({C, B, C, I, C}), T({B, C, I, C})},
        {T({B, C, B, C, I, C}), T({C, B, C, I, C})},
        {T({C, I, C, I, C, B, C}), T({C, I, B, C})},
        {T({U, S, U, S}), T({U, S})},
        {T({"a", R, C, R}), T({"a", C, R})},
        {T({C, FF, B, C}), T({B, C})},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST(PrepareLine, BackgroundNumbers)
{
    const TextCase cases[] = {
        {T({"plain text"}), T({"plain text"}), 110},
        {T({C, "12Hi"}), T({C, "12Hi"}), 110},
        {T({C, ",5"}), T({C, ",5"}), 110},
        {T({C, "123,4"}), T({C, "123,4"}), 110},
        {T({C, "4,12Hi"}), T({C, "4Hi"})},
        {T({C, "4,05x"}), T({C, "4x"})},
        {T({C, "4,00"}), T({C, "4"})},
        {T({C, "4,1Hi"}), T({C, "4Hi"})},
        {T({C, "4,5 apples"}), T({C, "4 apples"})},
        {T({C, "4,5", B, "x"}), T({C, "4", B, "x"})},
        {T({C, "4,123 apples"}), T({C, "43 apples"})},
        {T({"ab", C, "75,5"}), T({"ab", C, "75"})},
        {T({C, "4,-1x"}), T({C, "4x"})},
        {T({C, "4,+5x"}), T({C, "4x"})},
        {T({C, "4,$Fx"}), T({C, "4x"})},
        {T({"ab", C, "4,"}), T({"ab", C, "4,"})},
        {T({C, "4,a"}), T({C, "4,a"})},
        {T({C, "4,ab"}), T({C, "4,ab"})},
        {T({C, "4,", B, "x"}), T({C, "4,", B, "x"})},
        {T({C, "4,5,6"}), T({C, "4"})},
        {T({C, "99,99,98,7z"}), T({C, "99z"})},
        {T({C, "4,5,a"}), T({C, "4,a"})},
        {T({C, "12,34,5Hi"}), T({C, "12Hi"})},
        {T({C, "1,225,7x"}), T({C, "15x"})},
        {T({C, "4,5", C, "4,6"}), T({C, "4", C, "4"})},
        {T({C, "5,a ", C, "4,12"}), T({C, "5,a ", C, "4"})},
        {T({C, "4,a ", C, "5,12"}), T({C, "4,a ", C, "5,12"})},
        {T({C, "12,5", C, "4,a"}), T({C, "12,5", C, "4,a"})},
    };
    for (const auto& c : cases)
        Check(c);
}

TEST(PrepareLine, AnyTextGivesAResult)
{
    // Long, code-only and malformed lines: only deletions, never longer.
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        const UnicodeString line = RandomLine(rng, CodeAlphabet + u"\xD800\xDFFF", 60);
        const UnicodeString out = TColorParser::PrepareLine(line);
        ASSERT_LE(out.Length(), line.Length());
        ASSERT_TRUE(IsSubsequence(out, line)) << Printable(line);
        ASSERT_EQ(out.Pos(UnicodeString(FF)), 0);
    }
    std::u16string big;
    for (int i = 0; i < 100000; ++i)
        big.push_back(u"\u00034,12ab\x02\x0C,\xD800"[i % 10]);
    const UnicodeString out = TColorParser::PrepareLine(UnicodeString(big));
    EXPECT_LT(out.Length(), 100000);
    EXPECT_EQ(out.Pos(UnicodeString(FF)), 0);
}

} // namespace
