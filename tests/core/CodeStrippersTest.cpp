// The two code strippers: what each deletes, on tables, random and long lines.
#include "CaseCheck.h"
#include "ColorParser.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

TEST(RemStyles, DeletesTheSevenStyleCodes)
{
    const UnicodeString all = T({B, U, S, I, Tab, G, R});
    const TextCase cases[] = {
        {T({}), T({}), 7},
        // Each code before, between and after the letters: three of each.
        {all + T({"a"}) + all + T({"b"}) + all, T({"ab"}), 21},
        {T({B, "a", U, "b", S, "c", I, "d", Tab, "e", G, "f", R}), T({"abcdef"}), 7},
        // Colour codes stay whole.
        {T({C, "04,12", "word", B}), T({C, "04,12", "word"}), 7},
        {T({B, B, B}), T({}), 9},
        {T({0x04, 0x0C, 0x11, 0x16, 0x17}), T({0x04, 0x0C, 0x11, 0x16, 0x17}), 7},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::RemStyles, c);
}

TEST(RemEscapes, DeletesStyleCodesAndColourIndexes)
{
    const TextCase cases[] = {
        {T({}), T({}), 25},
        {T({C, "04", "word", R, " ", "second"}), T({"word second"}), 25},
        // Background numbers and their comma stay.
        {T({C, "04,12", "word"}), T({",12word"}), 25},
        // Only a two-digit index 00..15 goes with its 0x03.
        {T({C, "4", "word"}), T({"4word"}), 25},
        {T({C, "16"}), T({"16"}), 25},
        {T({C, "123"}), T({"3"}), 25},
        {T({"text", C, "7"}), T({"text7"}), 25},
        {T({"text", C}), T({"text"}), 25},
        // The loop for 05 takes the second 0x03 with its digits; loop 19 the first.
        {T({C, C, "05"}), T({}), 25},
        // The loop for 00 has ended when the loop for 15 joins 0x03 "00".
        {T({C, C, "15", "00"}), T({"00"}), 25},
        {T({R, B, R, C, "04", C, "04", U, S, I, Tab, G, "x"}), T({"x"}), 27},
        {T({0x04, 0x0C, 0x11, 0x16, 0x17}), T({0x04, 0x0C, 0x11, 0x16, 0x17}), 25},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::RemEscapes, c);
}

TEST(CodeStrippers, RandomLines)
{
    std::mt19937 rng(17);
    for (int i = 0; i < 3000; ++i) {
        const UnicodeString line = RandomLine(rng, SurrogateAlphabet, 60);
        const UnicodeString before = line;
        ASSERT_EQ(TColorParser::RemStyles(line), Without(line, StyleStripCodes)) << Printable(line);
        const UnicodeString out = TColorParser::RemEscapes(line);
        ASSERT_EQ(Only(out, EscapeCodes), T({})) << Printable(line);
        ASSERT_TRUE(IsSubsequence(out, line)) << Printable(line);
        ASSERT_EQ(Only(out, OtherCodes), Only(line, OtherCodes)) << Printable(line);
        ASSERT_EQ(line, before);
    }
}

TEST(CodeStrippers, LongLines)
{
    std::mt19937 rng(23);
    const UnicodeString line = RandomLine(rng, SurrogateAlphabet, 30000);
    EXPECT_EQ(TColorParser::RemStyles(line), Without(line, StyleStripCodes));
    EXPECT_EQ(Only(TColorParser::RemEscapes(line), EscapeCodes), T({}));
    const UnicodeString codes = RandomLine(rng, EscapeCodes, 30000);
    EXPECT_EQ(TColorParser::RemEscapes(codes), T({}));
}

} // namespace
