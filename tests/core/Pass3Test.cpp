// Pass3: colour codes repeated back to back collapse, nothing else changes.
#include "CaseCheck.h"
#include "ColorParser.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

TEST(Pass3, CollapsesCodesRepeatedBackToBack)
{
    const TextCase cases[] = {
        // One iteration per loop when nothing matches.
        {T({}), T({}), 25},
        {T({"Hi ", B, "there", U, R}), T({"Hi ", B, "there", U, R}), 25},
        {T({C, "04", C, "04", "word"}), T({C, "04", "word"}), 25},
        {T({C, "04", C, "04", C, "04", C, "04", C, "04", "x"}), T({C, "04", "x"}), 28},
        {T({C, "04", C, "04", "5"}), T({C, "04", "5"}), 25},
        // Both runs of 04 collapse in their loop; the remaining two stay apart.
        {T({C, "04", C, "04", C, "05", C, "04", C, "04"}), T({C, "04", C, "05", C, "04"}), 26},
        // The loop for 04 runs before the loop for 05.
        {T({C, "05", C, "05", C, "04", C, "04"}), T({C, "05", C, "04"}), 25},
        {T({C, "15", C, "15", C, "00", C, "00"}), T({C, "15", C, "00"}), 25},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::PrepareLine_, c);
}

TEST(Pass3, OnlyExactRepeatsOfTabledCodesCollapse)
{
    const TextCase cases[] = {
        {T({C, "04", C, "05"}), T({C, "04", C, "05"}), 25},
        {T({C, "04", B, C, "04"}), T({C, "04", B, C, "04"}), 25},
        {T({C, "04", " ", C, "04"}), T({C, "04", " ", C, "04"}), 25},
        {T({C, "04,12", C, "04,12"}), T({C, "04,12", C, "04,12"}), 25},
        // No loop for "0", none for 16..99, none for a bare 0x03.
        {T({C, "0", C, "0"}), T({C, "0", C, "0"}), 25},
        {T({C, "0", C, "05"}), T({C, "0", C, "05"}), 25},
        {T({C, "16", C, "16"}), T({C, "16", C, "16"}), 25},
        {T({C, C}), T({C, C}), 25},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::PrepareLine_, c);
}

TEST(Pass3, OneDigitCodes)
{
    const TextCase cases[] = {
        {T({C, "1", C, "1"}), T({C, "1"}), 25},
        {T({C, "1", C, "1", C, "1"}), T({C, "1"}), 26},
        {T({C, "9", C, "9", "z"}), T({C, "9", "z"}), 25},
        // A one-digit code before a two-digit one with its first digit.
        {T({C, "1", C, "12"}), T({C, "12"}), 25},
        {T({C, "1", C, "10"}), T({C, "10"}), 25},
        // The joined pair of 12 stays: its loop has run already.
        {T({C, "12", C, "1", C, "12"}), T({C, "12", C, "12"}), 25},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::PrepareLine_, c);
}

TEST(Pass3, AnyTextOnlyLosesCodeCopies)
{
    std::mt19937 rng(31);
    const std::u16string alphabet = u"\x03\x03\x03\u00030011223456789,\x02 a" + SurrogateAlphabet;
    for (int i = 0; i < 3000; ++i) {
        const UnicodeString line = RandomLine(rng, i % 2 ? alphabet : u"\x03\u0003001145", 60);
        const UnicodeString out = TColorParser::PrepareLine_(line);
        ASSERT_TRUE(IsSubsequence(out, line)) << Printable(line);
        // A one-digit deletion can only rejoin its own code, which its loop then takes.
        for (std::size_t r = 1; r < Codes::DoubledColorCodes1().size(); ++r)
            ASSERT_EQ(out.Pos(Codes::DoubledColorCodes1()[r]), 0) << Printable(line);
    }
}

TEST(Pass3, LongLines)
{
    std::u16string run;
    for (int i = 0; i < 20000; ++i)
        run += u"\u000307";
    EXPECT_EQ(TColorParser::PrepareLine_(UnicodeString(run + u"x")), T({C, "07", "x"}));
    std::mt19937 rng(5);
    const UnicodeString line = RandomLine(rng, SurrogateAlphabet, 50000);
    EXPECT_TRUE(IsSubsequence(TColorParser::PrepareLine_(line), line));
}

} // namespace
