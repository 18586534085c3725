// The code remover's operations on tables, random and long lines.
#include "ColorRemover.h"
#include "CaseCheck.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

TEST(ColorRemover, FormatContent)
{
    const TextCase cases[] = {
        {T({}), T({}), 14},
        {T({"PlainText"}), T({"PlainText"}), 14},
        {T({C, "04,12Hello", R, "World"}), T({"HelloWorld"}), 14},
        {T({C, "04,05Hi"}), T({"Hi"}), 14},
        // A code is matched by its first six characters.
        {T({C, "01,150"}), T({"0"}), 14},
        // One occurrence per row per pass.
        {T({C, "01,00a", C, "01,00b"}), T({"ab"}), 15},
        {T({C, C, "01,0201,02x"}), T({"x"}), 15},
        // The joined code stands later in the table: the same pass takes it.
        {T({C, C, "01,0202,02"}), T({}), 14},
        {T({C, "12,34x"}), T({"4x"}), 14},
        {T({C, "4,1212"}), T({"12"}), 14},
        // No stage holds a one-digit colour with a background 00..09.
        {T({C, "1,05Hi"}), T({"5Hi"}), 14},
        {T({C, "4,5Text"}), T({"Text"}), 14},
        {T({C, "3,4,5"}), T({",5"}), 14},
        {T({C, "01,x"}), T({",x"}), 14},
        {T({C, "100,5"}), T({"0,5"}), 14},
        {T({C, "16,5x"}), T({"6,5x"}), 14},
        {T({C, C, "90"}), T({}), 15},
        // A code joined in a later stage is not deleted whole.
        {T({C, C, "0004,12x"}), T({",12x"}), 14},
        {T({C, ",5x"}), T({",5x"}), 14},
        {T({B, "b", B, U, "u", U, Tab, "t", G, R}), T({"but"}), 16},
        {T({R, R, R}), T({}), 16},
        {T({0x04, 0x11, 0x16, 0x17, FF}), T({0x04, 0x11, 0x16, 0x17, FF}), 14},
        // Rows 161..220 of the five-character stage.
        {T({C, "0,10a", C, "9,15b"}), T({"ab"}), 14},
    };
    for (const auto& c : cases)
        CheckOp(TColorRemover::FormatContent, c);
}

TEST(ColorRemover, FormatContentStageSizes)
{
    // The five-character stage holds 60 of the one-two pairs, not all 160.
    const std::size_t rows[] = {256, 220, 100, 16, 10, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const auto& loops = RemoverLoops::FormatContent();
    ASSERT_EQ(loops.size(), std::size(rows));
    for (std::size_t i = 0; i < loops.size(); ++i) {
        EXPECT_EQ(loops[i].rules.size(), rows[i]) << "loop " << i + 1;
        EXPECT_EQ(loops[i].guards.size(), rows[i]) << "loop " << i + 1;
    }
    EXPECT_EQ(loops[1].rules[160].pattern, T({C, "0,10"}));
    EXPECT_EQ(loops[1].rules.back().pattern, T({C, "9,15"}));
}

TEST(ColorRemover, RemoveEscapes)
{
    const TextCase cases[] = {
        {T({}), T({}), 5},
        {T({"Hello world"}), T({"Hello world"}), 5},
        {T({B, C, U, S, R}), T({}), 5},
        {T({R, S, U, C, B, B, C}), T({}), 7},
        {T({C, "04,12Hello", R, " world"}), T({"04,12Hello world"}), 5},
        {T({C, "04,12Hello", R, "World"}), T({"04,12HelloWorld"}), 5},
        {T({C, ",5x"}), T({",5x"}), 5},
        {T({C, "12", R, "3 items"}), T({"123 items"}), 5},
        {T({B, B, B, "Hi", R, R}), T({"Hi"}), 8},
        {T({"a", I, "b", G, "c", Tab, "d"}), T({"a", I, "b", G, "c", Tab, "d"}), 5},
        {T({0x04, 0x0C, 0x11, 0x16, 0x17}), T({0x04, 0x0C, 0x11, 0x16, 0x17}), 5},
        // Only whole units match, not a low byte.
        {T({0x0102, 0x010F, 0x0303}), T({0x0102, 0x010F, 0x0303}), 5},
        {T({B, 0xD83D, 0xDE00, C}), T({0xD83D, 0xDE00}), 5},
        {T({0xD83D, B, C, 0xDE00}), T({0xD83D, 0xDE00}), 5},
    };
    for (const auto& c : cases)
        CheckOp(TColorRemover::RemoveEscapes, c);
}

TEST(ColorRemover, RemoveAllBoldsAndUnderlinesKeepTheRest)
{
    const TextCase bolds[] = {
        {T({}), T({}), 1},
        {T({"plain"}), T({"plain"}), 1},
        {T({B, B, B}), T({}), 3},
        {T({B, "a", U, B, C, "04b", B}), T({"a", U, C, "04b"}), 3},
    };
    for (const auto& c : bolds)
        CheckOp(TColorRemover::RemoveAllBolds, c);
    const TextCase underlines[] = {
        {T({}), T({}), 1},
        {T({"plain"}), T({"plain"}), 1},
        {T({U, U}), T({}), 2},
        {T({U, "a", B, U, "b"}), T({"a", B, "b"}), 2},
    };
    for (const auto& c : underlines)
        CheckOp(TColorRemover::RemoveAllUnderlines, c);
}

TEST(ColorRemover, RandomLines)
{
    std::mt19937 rng(29);
    for (int i = 0; i < 3000; ++i) {
        const UnicodeString line = RandomLine(rng, SurrogateAlphabet, 60);
        const UnicodeString before = line;
        const UnicodeString out = TColorRemover::FormatContent(line);
        ASSERT_EQ(Only(out, EscapeCodes), T({})) << Printable(line);
        ASSERT_EQ(Only(out, OtherCodes), Only(line, OtherCodes)) << Printable(line);
        ASSERT_TRUE(IsSubsequence(out, line)) << Printable(line);
        ASSERT_EQ(TColorRemover::RemoveEscapes(line), Without(line, RemoverEscapeCodes)) << Printable(line);
        ASSERT_EQ(TColorRemover::RemoveAllBolds(line), Without(line, u"\x02")) << Printable(line);
        ASSERT_EQ(TColorRemover::RemoveAllUnderlines(line), Without(line, u"\x1F")) << Printable(line);
        ASSERT_EQ(line, before);
    }
}

TEST(ColorRemover, LongLines)
{
    std::mt19937 rng(37);
    const UnicodeString line = RandomLine(rng, SurrogateAlphabet, 30000);
    const UnicodeString out = TColorRemover::FormatContent(line);
    EXPECT_EQ(Only(out, EscapeCodes), T({}));
    EXPECT_EQ(TColorRemover::RemoveEscapes(line), Without(line, RemoverEscapeCodes));
    const UnicodeString codes = RandomLine(rng, EscapeCodes, 30000);
    EXPECT_EQ(TColorRemover::FormatContent(codes), T({}));
}

} // namespace
