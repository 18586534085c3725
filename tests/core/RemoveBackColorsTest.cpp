// The colour normaliser as a whole. Pumps: 67 loops, one more per extra
// iteration, then one per character of the result (the pad scan).
#include "NormaliserCheck.h"
#include <gtest/gtest.h>

namespace {

using namespace tt;

TEST(RemoveBackColors, WholePass)
{
    // clang-format off
    CheckCases(WholePass(), {
        {T({}), T({}), 67},
        {T({"Hello world"}), T({"Hello world"}), 67 + 11},
        {T({C}), T({C}), 67 + 1},
        {T({C, "04,12Hello", R, " world"}), T({C, "04Hello", R, " world"}), 67 + 15},
        {T({C, "4,1Hi"}), T({C, "04Hi"}), 67 + 5},
        {T({C, "1Hi"}), T({C, "01Hi"}), 67 + 5},
        {T({C, "42Y"}), T({C, "10Y"}), 67 + 4},
        {T({C, "16", R}), T({C, "00", R}), 67 + 4},
        {T({C, "20", R}), T({C, "04", R}), 67 + 4},
        {T({C, "99,99X", C, "42Y"}), T({C, "009X", C, "10Y"}), 67 + 9},
        {T({C, "12,34x"}), T({C, "124x"}), 67 + 5},
        {T({C, "2,9,15x"}), T({C, "02,15x"}), 67 + 7},
        {T({C, "4,1,12x"}), T({C, "04,12x"}), 67 + 7},
        {T({C, "04", C, "12x"}), T({C, "12x"}), 67 + 4},
        {T({C, "04", C, "04x"}), T({C, "04x"}), 67 + 4},
        // Stage 7 leaves three codes back to back; two extra iterations
        // of the first overriding loop.
        {T({C, "4,12", C, "05", C, "1,2A"}), T({C, "01A"}), 67 + 1 + 4},
        {T({C, "0a", C, "1b", C, "19c"}), T({C, "00a", C, "01b", C, "03c"}), 67 + 12},
        {T({C, "04Hi", C, "12", R, " there"}), T({C, "04Hi", R, " there"}), 67 + 12},
        {T({C, "04,5", R, "x"}), T({C, "04", R, "x"}), 67 + 5},
        {T({C, C, R, "x"}), T({R, "x"}), 67 + 1 + 2},
        {T({B, B, B, "bold"}), T({B, "bold"}), 67 + 5},
        {T({R, B, "x"}), T({B, "x"}), 67 + 2},
        {T({"x", R, B}), T({"x", B}), 67 + 2},
        {T({B, I, R, "Z"}), T({B, R, "Z"}), 67 + 3},
        {T({0x04, "12ab"}), T({"12ab"}), 67 + 4},
        {T({0x16, "x", 0x17, "y", 0x11, "z"}), T({"xyz"}), 67 + 3},
        {T({B, 0x04, B, "x"}), T({B, B, "x"}), 67 + 3},
        // The two strip rows without a "0" are padded at the end.
        {T({C, "2,00x"}), T({C, "02x"}), 67 + 4},
        {T({C, "6,00x"}), T({C, "06x"}), 67 + 4},
        {T({C, "2,005"}), T({C, "025"}), 67 + 4},
        // Lone surrogates are plain text.
        {T({0xD800, C, "4", 0xDFFF}), T({0xD800, C, "04", 0xDFFF}), 67 + 5},
    });
    // clang-format on
}

TEST(RemoveBackColors, KeepsTheCallersText)
{
    const UnicodeString line = T({C, "4,12", C, "05", C, "1,2A"});
    const UnicodeString copy = line;
    EXPECT_EQ(TColorParser::RemoveBackColors(line), T({C, "01A"}));
    EXPECT_EQ(line, copy);
}

// What holds for every result: no unsupported code; every 0x03 before a
// digit carries a colour index; no two numbered codes back to back.
::testing::AssertionResult Normalised(const UnicodeString& out)
{
    const std::u16string& s = out.str();
    auto digit = [&](std::size_t i) { return i < s.size() && s[i] >= u'0' && s[i] <= u'9'; };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char16_t c = s[i];
        if (c == 0x04 || c == 0x11 || c == 0x16 || c == 0x17)
            return ::testing::AssertionFailure() << "unsupported code at " << i + 1;
        if (c != ctrlC || !digit(i + 1))
            continue;
        if (!digit(i + 2))
            return ::testing::AssertionFailure() << "one-digit colour at " << i + 1;
        const int index = (s[i + 1] - u'0') * 10 + (s[i + 2] - u'0');
        if (index > 15)
            return ::testing::AssertionFailure() << "colour " << index << " at " << i + 1;
        if (i + 3 < s.size() && s[i + 3] == ctrlC && digit(i + 4))
            return ::testing::AssertionFailure() << "codes back to back at " << i + 1;
    }
    return ::testing::AssertionSuccess();
}

TEST(RemoveBackColors, EveryResultIsNormalised)
{
    std::mt19937 rng(2024);
    const std::u16string alphabets[] = {
        u"\x02\x03\x0F\x1D\x1E\x1F\x04\x11\x16\u00170123456789,",
        u"\x03\x03\x03\x03\x02\x0F\x1F\x04\x11\x16\u001701234567890112,,",
        u"\x03\x03\x03\x0F\x1D\u001E0011223456789,,,,a",
    };
    int lines = 0;
    for (const auto& alphabet : alphabets) {
        for (int i = 0; i < 4000; ++i, ++lines) {
            const UnicodeString line = RandomLine(rng, alphabet, 40);
            const UnicodeString out = TColorParser::RemoveBackColors(line);
            ASSERT_TRUE(Normalised(out)) << "input " << Printable(line) << " gives " << Printable(out);
        }
    }
    EXPECT_EQ(lines, 12000);
}

// Long lines: mostly text, with colour and style codes here and there.
UnicodeString LongLine(std::mt19937& rng, int length)
{
    static const char* const codes[] = {"\u000304", "\u000312",   "\x02",     "\x1F",    "\x1D", "\x0F",
                                        "\x03",     "\u00034,12", "\u000342", "\u00031", "\x04", "\u000304\u000305"};
    std::uniform_int_distribution<int> gap(20, 80);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(codes) - 1);
    std::uniform_int_distribution<int> letter(0, 26);
    std::u16string s;
    while (static_cast<int>(s.size()) < length) {
        for (int n = gap(rng); n > 0; --n) {
            const int l = letter(rng);
            s.push_back(l == 26 ? u' ' : static_cast<char16_t>(u'a' + l));
        }
        // Codes that need work are rare; finished ones common.
        const std::size_t k = pick(rng);
        if (k >= 7 && rng() % 8 != 0)
            continue;
        for (const char* p = codes[k]; *p; ++p)
            s.push_back(static_cast<char16_t>(static_cast<unsigned char>(*p)));
    }
    s.resize(static_cast<std::size_t>(length));
    return UnicodeString(std::move(s));
}

TEST(RemoveBackColors, LongLinesFinish)
{
    std::mt19937 rng(5);
    const UnicodeString coded = LongLine(rng, 100000);
    const UnicodeString out = TColorParser::RemoveBackColors(coded);
    EXPECT_TRUE(Normalised(out));
    EXPECT_GT(out.Length(), 95000);

    std::u16string plain(100000, u'a');
    for (std::size_t i = 7; i < plain.size(); i += 97)
        plain[i] = i % 2 ? u'\xD800' : u'\xDFFF';
    EXPECT_EQ(TColorParser::RemoveBackColors(UnicodeString(plain)), UnicodeString(plain));

    // One code repeated: each run collapses to one code.
    EXPECT_EQ(TColorParser::RemoveBackColors(UnicodeString(std::u16string(100000, ctrlB))), T({B}));
    EXPECT_EQ(TColorParser::RemoveBackColors(UnicodeString(std::u16string(100000, ctrlC))), T({C}));
    EXPECT_EQ(TColorParser::RemoveBackColors(UnicodeString(std::u16string(100000, u'\x17'))), T({}));
}

} // namespace
