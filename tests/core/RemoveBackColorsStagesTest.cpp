// The stages of the colour normaliser one by one; the pump count is the
// number of loop iterations (plus the pad scan's in the last stage).
#include "NormaliserCheck.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;
using Normaliser::Stage;

const TextStep CleanUp = Stages(Stage::DropColorBeforeReset, Stage::DropUnsupportedCodes);

TEST(NormaliserCleanUp, ResetsRepeatsAndUnsupportedCodes)
{
    // clang-format off
    CheckCases(CleanUp, {
        {T({}), T({}), 44},
        {T({"Hi there"}), T({"Hi there"}), 44},
        {T({0x04, 0x04, 0x04}), T({}), 46},
        // Runs longer than three.
        {T({B, B, B, B, B, "bold"}), T({B, "bold"}), 45},
        {T({R, R, R, R}), T({R}), 44},
        {T({"a", U, U, I, I, I, "b"}), T({"a", U, I, "b"}), 44},
        {T({C, C, C, "04x"}), T({C, "04x"}), 44},
        {T({B, U, B}), T({B, U, B}), 44},
        // A reset between two codes.
        {T({"x", B, R, B, "y"}), T({"x", B, B, "y"}), 44},
        {T({"x", C, R, C, "y"}), T({"x", C, "y"}), 44},
        {T({"x", C, "04", R, C, "05y"}), T({"x", C, "05y"}), 44},
        {T({"x", B, R, I, "y"}), T({"x", B, I, "y"}), 44},
        {T({"a", R, I, R, C, "b"}), T({"a", I, C, "b"}), 44},
        {T({R, C, "04", R}), T({R}), 44},
        // Unsupported codes and the digits after them.
        {T({0x04, "12,05ab"}), T({"12,05ab"}), 44},
        {T({C, 0x04, "12ab"}), T({C, "12ab"}), 44},
        {T({0x16, "x", 0x17, "y", 0x11, "z"}), T({"xyz"}), 44},
        {T({B, 0x04, B, "a"}), T({B, B, "a"}), 44},
        {T({B, 0x17, R, "x"}), T({B, R, "x"}), 44},
        {T({C, 0x17, R, "x"}), T({C, R, "x"}), 44},
        // Codes at the start and the end.
        {T({C, R}), T({R}), 44},
        {T({R, B}), T({B}), 44},
        {T({"ab", R, B}), T({"ab", B}), 44},
        {T({"abc", B, R}), T({"abc", R}), 44},
        {T({R, "abc"}), T({R, "abc"}), 44},
        {T({"abc", R}), T({"abc", R}), 44},
        // Colour codes that are not numbered here stay before the reset.
        {T({C, "4", R}), T({C, "4", R}), 44},
        {T({C, "16", R}), T({C, "16", R}), 44},
        {T({C, "20", R}), T({C, "20", R}), 44},
        {T({C, "04,05", R}), T({C, "04,05", R}), 44},
        // Order within the colour-before-reset loops.
        {T({C, "12", C, "04", R}), T({R}), 44},
        {T({C, "04", C, "12", R}), T({C, "04", R}), 44},
        {T({"a", C, C, "05", R, "b"}), T({"a", C, R, "b"}), 44},
        {T({"a", C, "05", C, R, "b"}), T({"a", R, "b"}), 44},
        {T({C, "04", C, "04", R}), T({R}), 45},
        {T({C, C, R, "x"}), T({R, "x"}), 45},
        // Order within the style-before-reset loops.
        {T({I, B, R, "x"}), T({R, "x"}), 44},
        {T({B, I, R, "x"}), T({B, R, "x"}), 44},
        {T({B, U, R, "x"}), T({R, "x"}), 44},
        {T({U, B, R, "x"}), T({R, "x"}), 44},
        {T({I, S, R}), T({R}), 44},
        {T({S, I, R}), T({S, R}), 44},
        {T({I, S, U, B, R, "x"}), T({R, "x"}), 44},
        {T({B, U, S, I, R, "x"}), T({B, U, S, R, "x"}), 44},
        {T({U, B, U, R, "x"}), T({R, "x"}), 44},
        {T({C, B, R, "x"}), T({C, R, "x"}), 44},
        // 0x0E is none of these codes.
        {T({G, R, "x"}), T({G, R, "x"}), 44},
        {T({"a", R, G, "b"}), T({"a", R, G, "b"}), 44},
        // Every loop edits once.
        {T({B, B, "Hi ", C, "05", C, R, R, U, "there", I, R, 0x17, "!"}), T({B, "Hi ", U, "there", R, "!"}), 44},
    });
    // clang-format on
}

TEST(NormaliserFold, TwoDigitNumbersFoldIntoColourIndexes)
{
    // clang-format off
    CheckCases(OneStage(Stage::FoldColorNumbers), {
        {T({}), T({}), 16},
        {T({C, "16Hi"}), T({C, "00Hi"}), 16},
        {T({"a", C, "99b"}), T({"a", C, "00b"}), 16},
        {T({C, "31"}), T({C, "15"}), 16},
        {T({C, "20", R}), T({C, "04", R}), 16},
        {T({C, "20,30x"}), T({C, "04,30x"}), 16},
        {T({C, "456"}), T({C, "136"}), 16},
        {T({C, "166"}), T({C, "006"}), 16},
        {T({C, "100"}), T({C, "100"}), 16},
        {T({C, "016"}), T({C, "016"}), 16},
        {T({C, "15"}), T({C, "15"}), 16},
        {T({C, "7x"}), T({C, "7x"}), 16},
        {T({C, ",20"}), T({C, ",20"}), 16},
        {T({"ab", C, "42"}), T({"ab", C, "10"}), 16},
        {T({C, C, "31"}), T({C, C, "15"}), 16},
        {T({C, "99,99X", C, "42Y"}), T({C, "00,99X", C, "10Y"}), 16},
        {T({C, "17", C, "33"}), T({C, "01", C, "01"}), 16},
        {T({C, "16a", C, "32b", C, "16c", C, "16"}), T({C, "00a", C, "00b", C, "00c", C, "00"}), 18},
    });
    // clang-format on
}

TEST(NormaliserFold, EveryTwoDigitNumber)
{
    for (int n = 0; n < 100; ++n) {
        const UnicodeString digits = UnicodeString(n / 10) + UnicodeString(n % 10);
        const int folded = n < 16 ? n : n == 99 ? 0 : n % 16;
        const UnicodeString index = UnicodeString(folded / 10) + UnicodeString(folded % 10);
        CheckCases(OneStage(Stage::FoldColorNumbers),
                   {{UnicodeString(C) + digits + "x", UnicodeString(C) + index + "x", 16}});
    }
}

TEST(NormaliserStrip, TwoDigitPairs)
{
    // clang-format off
    CheckCases(OneLoop(Stage::StripBackColors, 0), {
        {T({}), T({}), 1},
        {T({C, "04,12Hi"}), T({C, "04Hi"}), 1},
        {T({"ab", C, "15,15"}), T({"ab", C, "15"}), 1},
        {T({C, "00,00"}), T({C, "00"}), 1},
        {T({C, "15,00A", C, "03,07B"}), T({C, "15A", C, "03B"}), 1},
        {T({C, "04,12a", C, "04,12b"}), T({C, "04a", C, "04b"}), 2},
        {T({C, "04,12,12x"}), T({C, "04x"}), 2},
        {T({C, "04,05,06x"}), T({C, "04x"}), 1},
        {T({C, "04,06,05x"}), T({C, "04x"}), 2},
        {T({C, "04,06,05,07x"}), T({C, "04x"}), 2},
        {T({C, "04,123"}), T({C, "043"}), 1},
        {T({C, "04,1205"}), T({C, "0405"}), 1},
        {T({C, "04,12,7x"}), T({C, "04,7x"}), 1},
        {T({C, C, "04,05"}), T({C, C, "04"}), 1},
        // Left to the later loops.
        {T({C, "04,16x"}), T({C, "04,16x"}), 1},
        {T({C, "04,7x"}), T({C, "04,7x"}), 1},
        {T({C, "04,x"}), T({C, "04,x"}), 1},
        {T({C, "04x"}), T({C, "04x"}), 1},
        {T({C, "4,12x"}), T({C, "4,12x"}), 1},
        {T({C, ",12"}), T({C, ",12"}), 1},
        {T({C, "12,34x"}), T({C, "12,34x"}), 1},
        {T({C, "00,99X"}), T({C, "00,99X"}), 1},
    });
    // clang-format on
}

TEST(NormaliserStrip, MixedAndOneDigitPairs)
{
    // clang-format off
    CheckCases(OneStage(Stage::StripBackColors), {
        {T({}), T({}), 3},
        {T({C, "4,12Hi"}), T({C, "04Hi"}), 3},
        {T({C, "04,3Hi"}), T({C, "04Hi"}), 3},
        {T({"x", C, "15,9"}), T({"x", C, "15"}), 3},
        {T({C, "9,15"}), T({C, "09"}), 3},
        {T({C, "9,9"}), T({C, "09"}), 3},
        {T({C, "0,0"}), T({C, "00"}), 3},
        {T({C, "4,1Hi"}), T({C, "04Hi"}), 3},
        // A background outside the tables keeps its second digit.
        {T({C, "12,34x"}), T({C, "124x"}), 3},
        {T({C, "00,99X"}), T({C, "009X"}), 3},
        {T({C, "04,16x"}), T({C, "046x"}), 3},
        {T({C, "4,99x"}), T({C, "049x"}), 3},
        {T({C, "4,123"}), T({C, "043"}), 3},
        {T({C, "12,x"}), T({C, "12,x"}), 3},
        {T({C, "4,x"}), T({C, "4,x"}), 3},
        {T({C, ",5x"}), T({C, ",5x"}), 3},
        {T({C, "123,4"}), T({C, "123,4"}), 3},
        {T({C, C, "4,5"}), T({C, C, "04"}), 3},
        {T({C, "04,3", C, "04,3"}), T({C, "04", C, "04"}), 4},
        {T({C, "15,0", C, "00,9"}), T({C, "15", C, "00"}), 3},
        {T({"a", C, "3,5b", C, "3,5c"}), T({"a", C, "03b", C, "03c"}), 4},
        {T({C, "5,1", C, "12,7"}), T({C, "05", C, "12"}), 3},
        {T({C, "04,12a", C, "4,12b"}), T({C, "04a", C, "04b"}), 3},
        // Further backgrounds behind the same colour number.
        {T({C, "12,3,4x"}), T({C, "12x"}), 3},
        {T({C, "12,4,3x"}), T({C, "12x"}), 4},
        {T({C, "04,5,12x"}), T({C, "042x"}), 4},
        {T({C, "4,12,13x"}), T({C, "043x"}), 4},
        {T({C, "12,34,56x"}), T({C, "124,56x"}), 3},
        {T({C, "4,1,2x"}), T({C, "04,2x"}), 3},
        {T({C, "4,1,12x"}), T({C, "04,12x"}), 3},
        {T({C, "2,9,15x"}), T({C, "02,15x"}), 3},
        // The two rows that leave their digit to the padding stage.
        {T({C, "2,00x"}), T({C, "2x"}), 3},
        {T({C, "6,00x"}), T({C, "6x"}), 3},
        {T({C, "2,01x"}), T({C, "02x"}), 3},
        {T({C, "2,00,15x"}), T({C, "02x"}), 3},
        {T({C, "6,00,3x"}), T({C, "06x"}), 3},
        {T({C, "2,005"}), T({C, "25"}), 3},
    });
    // clang-format on
}

TEST(NormaliserOverride, TwoDigitPairs)
{
    // clang-format off
    CheckCases(OneLoop(Stage::DropOverriddenColors, 0), {
        {T({}), T({}), 1},
        {T({C, "04", C, "12Hi"}), T({C, "12Hi"}), 1},
        {T({C, "01", C, "02", C, "03x"}), T({C, "03x"}), 1},
        {T({C, "05", C, "01", C, "00x"}), T({C, "00x"}), 1},
        {T({C, "00", C, "01", C, "00x"}), T({C, "00x"}), 2},
        {T({C, "03", C, "02", C, "01", C, "00x"}), T({C, "00x"}), 1},
        {T({C, "04", C, "05a", C, "04", C, "05b"}), T({C, "05a", C, "05b"}), 2},
        {T({C, "04", C, "04", C, "04x"}), T({C, "04x"}), 2},
        {T({C, "04", C, "04", C, "04", C, "04"}), T({C, "04"}), 3},
        {T({C, "00", C, "15", C, "00", C, "15"}), T({C, "15"}), 2},
        {T({"5", C, "01", C, "02"}), T({"5", C, "02"}), 1},
        {T({C, "01", C, "123"}), T({C, "123"}), 1},
        {T({C, "01", C, "02,5"}), T({C, "02,5"}), 1},
        {T({C, "01", C, "02", C, "3x"}), T({C, "02", C, "3x"}), 1},
        // Both codes stay.
        {T({C, "01", C, "2", C, "03x"}), T({C, "01", C, "2", C, "03x"}), 1},
        {T({C, "04,", C, "05"}), T({C, "04,", C, "05"}), 1},
        {T({C, "04", B, C, "05"}), T({C, "04", B, C, "05"}), 1},
        {T({C, "123", C, "05"}), T({C, "123", C, "05"}), 1},
        {T({C, "4", C, "05"}), T({C, "4", C, "05"}), 1},
        {T({C, "04", C, "5"}), T({C, "04", C, "5"}), 1},
        {T({C, C, "05"}), T({C, C, "05"}), 1},
        {T({C, "16", C, "05"}), T({C, "16", C, "05"}), 1},
    });
    // clang-format on
}

TEST(NormaliserOverride, MixedAndOneDigitPairs)
{
    // clang-format off
    CheckCases(OneStage(Stage::DropOverriddenColors), {
        {T({}), T({}), 3},
        {T({C, "04", C, "5Hi"}), T({C, "5Hi"}), 3},
        {T({C, "4", C, "12x"}), T({C, "12x"}), 3},
        {T({C, "4", C, "5x"}), T({C, "5x"}), 3},
        {T({C, "04", C, "5", C, "12x"}), T({C, "12x"}), 3},
        {T({C, "01", C, "2", C, "03", C, "4", C, "05x"}), T({C, "05x"}), 4},
        {T({C, "1", C, "2", C, "3x"}), T({C, "3x"}), 3},
        {T({C, "15", C, "9", C, "9", C, "15"}), T({C, "15"}), 4},
        {T({C, "9", C, "15", C, "0x"}), T({C, "0x"}), 3},
        {T({C, "4", C, "12a", C, "4", C, "12b"}), T({C, "12a", C, "12b"}), 4},
        {T({C, "9", C, "9", C, "9", C, "9"}), T({C, "9"}), 5},
        {T({C, "05", C, "4x", C, "05", C, "4", C, "12y"}), T({C, "4x", C, "12y"}), 4},
        {T({C, "04", C, "05", C, "6", C, "07x"}), T({C, "07x"}), 3},
        {T({C, "05", C, "17x"}), T({C, "17x"}), 3},
        {T({C, "1", C, "12"}), T({C, "12"}), 3},
        {T({C, "1", C, "123"}), T({C, "123"}), 3},
        {T({C, "1", C, "16"}), T({C, "16"}), 3},
        {T({C, "5", C, "16"}), T({C, "16"}), 3},
        {T({C, "12", C, "345"}), T({C, "345"}), 3},
        {T({C, "4", C, "5,x"}), T({C, "5,x"}), 3},
        {T({"5", C, "4", C, "5"}), T({"5", C, "5"}), 3},
        {T({C, "3", C, "12", C, "3x"}), T({C, "3x"}), 3},
        {T({C, "3", C, "3", C, "12x"}), T({C, "12x"}), 4},
        // Both codes stay.
        {T({C, "16", C, "5x"}), T({C, "16", C, "5x"}), 3},
        {T({C, "123", C, "5"}), T({C, "123", C, "5"}), 3},
        {T({C, "05", C, "x"}), T({C, "05", C, "x"}), 3},
        {T({C, C, "5"}), T({C, C, "5"}), 3},
        {T({C, "4a", C, "5"}), T({C, "4a", C, "5"}), 3},
        {T({C, "4", B, C, "5"}), T({C, "4", B, C, "5"}), 3},
    });
    // clang-format on
}

TEST(NormaliserPad, LoopAndPadScan)
{
    // clang-format off
    CheckCases(OneStage(Stage::PadColorNumbers), {
        {T({}), T({}), 1},
        {T({C}), T({C}), 2},
        {T({"ab", C}), T({"ab", C}), 4},
        {T({C, "0"}), T({C, "00"}), 4},
        {T({C, "1"}), T({C, "01"}), 4},
        {T({C, "7"}), T({C, "07"}), 4},
        {T({C, "4Hi"}), T({C, "04Hi"}), 1 + 5},
        {T({C, "5a", C, "5b", C, "9"}), T({C, "05a", C, "05b", C, "09"}), 2 + 11},
        {T({C, "0Hi", C, "1"}), T({C, "00Hi", C, "01"}), 1 + 8},
        {T({C, "0x", C, "1y", C, "03z"}), T({C, "00x", C, "01y", C, "03z"}), 1 + 12},
        {T({B, C, "9bold", R}), T({B, C, "09bold", R}), 1 + 9},
        {T({C, "Hi", C, "1"}), T({C, "Hi", C, "01"}), 1 + 6},
        {T({C, ",5x", C, "0"}), T({C, ",5x", C, "00"}), 1 + 7},
        {T({C, "07Hi", C, "10"}), T({C, "07Hi", C, "10"}), 1 + 8},
        {T({C, "15"}), T({C, "15"}), 1 + 3},
        {T({C, "16"}), T({C, "016"}), 1 + 4},
        {T({C, "19x"}), T({C, "019x"}), 1 + 5},
        {T({C, "25"}), T({C, "025"}), 1 + 4},
        {T({C, "009X"}), T({C, "009X"}), 1 + 5},
        {T({C, "124x"}), T({C, "124x"}), 1 + 5},
        {T({C, ",5x"}), T({C, ",5x"}), 1 + 4},
        {T({C, B, "1x"}), T({C, B, "1x"}), 1 + 4},
        {T({C, "1", B, "x"}), T({C, "01", B, "x"}), 1 + 5},
        {T({C, "0", U, "u"}), T({C, "00", U, "u"}), 1 + 5},
        // A digit outside "0".."9" does not continue the index.
        {T({C, "0", 0xFF15}), T({C, "00", 0xFF15}), 1 + 4},
        {T({C, "1", 0xFF15}), T({C, "01", 0xFF15}), 1 + 4},
    });
    // clang-format on
    for (char d = '0'; d <= '9'; ++d) {
        const char next[] = {d, 0};
        const UnicodeString zero = T({C, "0", next});
        const UnicodeString one = T({C, "1", next});
        // clang-format off
        CheckCases(OneStage(Stage::PadColorNumbers), {
            {zero, zero, 4},
            {one, d <= '5' ? one : T({C, "01", next}), d <= '5' ? 4 : 5},
        });
        // clang-format on
    }
}

// The padding stage as one rule: a "0" goes between 0x03 and d where d is
// "2".."9", or "0" before a non-digit, or "1" before anything but "0".."5".
UnicodeString PaddedByRule(const UnicodeString& in)
{
    const std::u16string& s = in.str();
    std::u16string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        out.push_back(s[i]);
        if (s[i] != ctrlC || i + 1 >= s.size())
            continue;
        const char16_t d = s[i + 1];
        const char16_t c = i + 2 < s.size() ? s[i + 2] : u'\0';
        const bool digit = c >= u'0' && c <= u'9';
        if ((d >= u'2' && d <= u'9') || (d == u'0' && !digit) || (d == u'1' && !(c >= u'0' && c <= u'5')))
            out.push_back(u'0');
    }
    return UnicodeString(std::move(out));
}

TEST(NormaliserPad, SameAsTheOneRule)
{
    std::mt19937 rng(11);
    const std::u16string alphabet = u"\x03\x03\x03\u00020123456789011,x";
    for (int i = 0; i < 3000; ++i) {
        const UnicodeString line = RandomLine(rng, alphabet, 30);
        UnicodeString text = line;
        PumpCounter pumps;
        OneStage(Stage::PadColorNumbers)(text);
        ASSERT_EQ(text, PaddedByRule(line)) << Printable(line);
        // The scan makes one iteration per character of its result.
        ASSERT_GE(pumps.Count(), static_cast<unsigned>(1 + text.Length()));
    }
}

} // namespace
