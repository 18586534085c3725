// The trailing-code strip: the closing run of codes goes, nothing before it.
#include "CaseCheck.h"
#include "ColorParser.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

TEST(RemoveLastChars, StripsTheClosingRunOfCodes)
{
    const TextCase cases[] = {
        {T({}), T({}), 1},
        {T({B, C, R}), T({}), 3},
        {T({"word", B, C, R}), T({"word"}), 3},
        // The pass order decides only how many passes.
        {T({"word", R, B}), T({"word"}), 1},
        {T({"word", B, R}), T({"word"}), 2},
        {T({"a", R, U, S, I, C, B}), T({"a"}), 1},
        {T({"a", B, C, I, S, U, R}), T({"a"}), 6},
        {T({"a", R, R, R}), T({"a"}), 3},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::RemoveLastChars, c);
}

TEST(RemoveLastChars, EndsAtTheFirstOtherCharacter)
{
    const TextCase cases[] = {
        {T({C, "04", "word", C, "04"}), T({C, "04", "word", C, "04"}), 1},
        {T({"word", C, "04", B}), T({"word", C, "04"}), 1},
        {T({"word", C}), T({"word"}), 1},
        {T({"word", C, "04", C}), T({"word", C, "04"}), 1},
        {T({"a", B, G, B}), T({"a", B, G}), 1},
        {T({"a", 0x04, B}), T({"a", 0x04}), 1},
        {T({"a", 0x09, U}), T({"a", 0x09}), 1},
        {T({"word ", B}), T({"word "}), 1},
        {T({B, "a"}), T({B, "a"}), 1},
        {T({"a", B, "b", U}), T({"a", B, "b"}), 1},
        // A surrogate pair before the codes survives the two reversals.
        {T({0xD83D, 0xDE00, B}), T({0xD83D, 0xDE00}), 1},
    };
    for (const auto& c : cases)
        CheckOp(TColorParser::RemoveLastChars, c);
}

TEST(RemoveLastChars, RemovesExactlyTheLongestEndingOfItsCodes)
{
    std::mt19937 rng(11);
    const std::u16string tail = EndCodes + u"\x0E\x04a";
    for (int i = 0; i < 5000; ++i) {
        const UnicodeString line =
            RandomLine(rng, SurrogateAlphabet, 30) + RandomLine(rng, i % 2 ? EndCodes : tail, 20);
        ASSERT_EQ(TColorParser::RemoveLastChars(line), WithoutEnding(line, EndCodes)) << Printable(line);
    }
}

TEST(RemoveLastChars, LongLines)
{
    std::mt19937 rng(3);
    const UnicodeString codes = RandomLine(rng, EndCodes, 50000);
    EXPECT_EQ(TColorParser::RemoveLastChars(codes), T({}));
    const UnicodeString line = RandomLine(rng, SurrogateAlphabet, 50000) + codes;
    EXPECT_EQ(TColorParser::RemoveLastChars(line), WithoutEnding(line, EndCodes));
}

} // namespace
