// The pad scan gives the text and the pumps of its step-by-step walk.
#include "DifferentialCheck.h"
#include "LiteralPasses.h"
#include "PadScan.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

const TextStep Fast = [](UnicodeString& t) { Normaliser::PadScan(t); };
const TextStep Literal = [](UnicodeString& t) { literal::PadScan(t); };

TEST(PadScanSameAsLiteral, EveryShortText) { ExpectSame(Fast, Literal, AllTexts(u"\u00030159a\x02", 6)); }

TEST(PadScanSameAsLiteral, RandomTexts)
{
    ExpectSame(Fast, Literal, RandomTexts(41, u"\x03\x03\x03\u0003000111234569a,\x02\xFF15", 40, 20000));
    ExpectSame(Fast, Literal, RandomTexts(42, CodeAlphabet, 3000, 30));
}

TEST(PadScanSameAsLiteral, Table)
{
    // clang-format off
    const std::vector<UnicodeString> cases = {
        T({}), T({C}), T({C, "0"}), T({C, "1"}), T({C, "0Hi", C, "1"}), T({C, "16"}), T({C, "15"}), T({C, C, "1"}),
        T({"a", C, "0", C, "1", C, "0"}), T({C, "1", B, "x"}), T({C, "0", U, "u"}), T({C, ",5x", C, "0"}),
    };
    // clang-format on
    ExpectSame(Fast, Literal, cases);
}

} // namespace
