// Pass1 gives the text and the pumps of its step-by-step form.
#include "ColorParser.h"
#include "DifferentialCheck.h"
#include "LiteralPasses.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

const TextStep Fast = Step(&TColorParser::PrepareLine);
const TextStep Literal = Step(&literal::PrepareLine);

// Pieces that make heads, background numbers that pass and fail the
// conversion, wrap triples and form feeds inside them.
const std::vector<UnicodeString> HeadPieces = {
    T({C}),     T({C, "4"}), T({C, "12"}), T({C, "1"}), T({C, "99"}), T({C, "123"}), T({","}),     T({",5"}),
    T({",12"}), T({",05"}),  T({",-1"}),   T({",+5"}),  T({",$F"}),   T({",$"}),     T({",a"}),    T({",5x"}),
    T({",1"}),  T({",22"}),  T({"5"}),     T({"7,"}),   T({"ab"}),    T({" "}),      T({FF}),      T({B}),
    T({I}),     T({R}),      T({U}),       T({S}),      T({G}),       T({C, B, C}),  T({B, C, B}), T({"\x04"}),
};

// The same without pieces that end the pass early, so all 110 loops run.
const std::vector<UnicodeString> FullRunPieces = {
    T({C}),     T({C, "4"}), T({C, "12"}), T({C, "1"}), T({C, "0"}), T({C, "99"}), T({",5"}),
    T({",12"}), T({",05"}),  T({",-1"}),   T({",$F"}),  T({",1"}),   T({",22"}),   T({",7"}),
    T({"5"}),   T({"3"}),    T({"x"}),     T({" "}),    T({FF}),     T({B}),       T({U}),
};

TEST(PrepareLineSameAsLiteral, EveryShortText)
{
    ExpectSame(Fast, Literal, AllTexts(u"\u000315,a$\x02", 6));
    ExpectSame(Fast, Literal, AllTexts(u"\x03\x02\x1D\x0F\x0E\u000Ca", 5));
}

TEST(PrepareLineSameAsLiteral, RandomTexts)
{
    ExpectSame(Fast, Literal,
               RandomTexts(11, u"\x03\x03\x03\x03\x02\x1D\x0F\x1F\x1E\x0E\x0C\u00040123456789,,,,+-$aFx ", 40, 20000));
    ExpectSame(Fast, Literal, RandomTexts(12, CodeAlphabet, 80, 5000));
}

TEST(PrepareLineSameAsLiteral, PieceTexts)
{
    ExpectSame(Fast, Literal, PieceTexts(21, HeadPieces, 16, 20000));
    ExpectSame(Fast, Literal, PieceTexts(22, FullRunPieces, 30, 20000));
}

TEST(PrepareLineSameAsLiteral, LongTexts)
{
    ExpectSame(Fast, Literal, PieceTexts(31, FullRunPieces, 1500, 40));
    ExpectSame(Fast, Literal, PieceTexts(32, HeadPieces, 1500, 40));
    ExpectSame(Fast, Literal, RandomTexts(33, CodeAlphabet, 4000, 20));
}

} // namespace
