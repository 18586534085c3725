// The text value's edge rules and its integer conversion.
#include "Application.h"
#include "Exception.h"
#include "StringList.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <optional>

namespace {

TEST(UnicodeString, PosFindsFirstOccurrenceOrZero)
{
    // clang-format off
    struct Case { const char* text; const char* sub; int pos; };
    const Case cases[] = {
        {"abcabc", "bc", 2}, {"abc", "abc", 1}, {"abc", "x", 0}, {"", "a", 0},
        {"abc", "", 0}, {"", "", 0}, {"ab", "abc", 0}, {"aab", "ab", 2},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(UnicodeString(c.text).Pos(c.sub), c.pos) << c.text << " / " << c.sub;
}

TEST(UnicodeString, DeleteClampsAndIgnoresBadArguments)
{
    // clang-format off
    struct Case { int index; int count; const char* result; };
    const Case cases[] = {
        {1, 1, "bcde"}, {2, 2, "ade"}, {5, 1, "abcd"}, {4, 10, "abc"},
        {0, 1, "abcde"}, {-3, 2, "abcde"}, {6, 1, "abcde"}, {2, 0, "abcde"}, {2, -1, "abcde"},
    };
    // clang-format on
    for (const auto& c : cases) {
        UnicodeString s("abcde");
        s.Delete(c.index, c.count);
        EXPECT_EQ(s, UnicodeString(c.result)) << c.index << "," << c.count;
    }
}

TEST(UnicodeString, InsertFrontBelowOneAndAppendsPastEnd)
{
    // clang-format off
    struct Case { int index; const char* result; };
    const Case cases[] = {{1, "XYabc"}, {2, "aXYbc"}, {4, "abcXY"}, {9, "abcXY"}, {0, "XYabc"}, {-5, "XYabc"}};
    // clang-format on
    for (const auto& c : cases) {
        UnicodeString s("abc");
        s.Insert("XY", c.index);
        EXPECT_EQ(s, UnicodeString(c.result)) << c.index;
    }
    UnicodeString empty;
    EXPECT_EQ(empty.Insert("a", 3), UnicodeString("a"));
}

TEST(UnicodeString, SubStringEdgeRules)
{
    // clang-format off
    struct Case { int index; int count; const char* result; };
    const Case cases[] = {
        {1, 2, "ab"}, {2, 10, "bcde"}, {5, 1, "e"}, {6, 1, ""}, {3, 0, ""}, {3, -2, ""},
        {0, 2, "ab"}, {-4, 3, "abc"}, {1, 5, "abcde"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(UnicodeString("abcde").SubString(c.index, c.count), UnicodeString(c.result))
            << c.index << "," << c.count;
}

TEST(UnicodeString, ValueSemanticsAndConcatenation)
{
    UnicodeString a("abc");
    UnicodeString b = a;
    b.Delete(1, 1);
    EXPECT_EQ(a, UnicodeString("abc"));
    EXPECT_EQ(b, UnicodeString("bc"));
    EXPECT_EQ(a + b, UnicodeString("abcbc"));
    EXPECT_LT(UnicodeString("ab"), UnicodeString("b"));
    EXPECT_EQ(UnicodeString(-42), UnicodeString("-42"));
    EXPECT_EQ(UnicodeString(0), UnicodeString("0"));
    EXPECT_EQ(UnicodeString("\xA7").str(), std::u16string(1, u'\u00A7'));
}

TEST(UnicodeString, ToIntFollowsStrToInt)
{
    // clang-format off
    struct Case { const char* text; std::optional<int> value; };
    const Case cases[] = {
        {"7", 7}, {"05", 5}, {"12", 12}, {"99", 99}, {"-1", -1}, {"+5", 5}, {"$F", 15}, {"$f", 15},
        {"-$F", -15}, {"2147483647", 2147483647}, {"-2147483648", -2147483647 - 1}, {"$FFFFFFFF", -1},
        {"", std::nullopt}, {"5x", std::nullopt}, {"5,", std::nullopt}, {"5 ", std::nullopt},
        {"5\x02", std::nullopt}, {"a", std::nullopt}, {"ab", std::nullopt}, {",", std::nullopt},
        {"a5", std::nullopt}, {"\x02", std::nullopt},
        // Left open by the conversion rules; decided here: all fail.
        {" 5", std::nullopt}, {" ", std::nullopt}, {"-", std::nullopt}, {"+", std::nullopt},
        {"$", std::nullopt}, {"x", std::nullopt}, {"x5", std::nullopt}, {"0x", std::nullopt},
        {"0X", std::nullopt}, {"0x5", std::nullopt}, {"2147483648", std::nullopt}, {"$100000000", std::nullopt},
    };
    // clang-format on
    for (const auto& c : cases) {
        const UnicodeString s(c.text);
        EXPECT_EQ(s.TryToInt(), c.value) << Printable(s);
        if (c.value) {
            EXPECT_EQ(s.ToInt(), *c.value);
        } else {
            EXPECT_THROW(s.ToInt(), EConvertError) << Printable(s);
        }
    }
    // Digits of other scripts are no decimal digits here.
    EXPECT_THROW(UnicodeString(u"\u0665").ToInt(), EConvertError);
}

TEST(UnicodeString, ConversionErrorIsAnException)
{
    try {
        UnicodeString("zz").ToInt();
        FAIL();
    } catch (const Exception& e) {
        EXPECT_NE(e.Message().find("zz"), std::string::npos);
    }
}

TEST(UnicodeString, HexAndReverse)
{
    EXPECT_EQ(IntToHex(0xAC, 2), UnicodeString("AC"));
    EXPECT_EQ(IntToHex(5, 2), UnicodeString("05"));
    EXPECT_EQ(ReverseString(UnicodeString("abc")), UnicodeString("cba"));
    EXPECT_EQ(ReverseString(UnicodeString()), UnicodeString());
}

TEST(StringList, AddGetPutCountClear)
{
    TStringList list;
    EXPECT_EQ(list.Add("a"), 0);
    list.BeginUpdate();
    list.Add("b");
    list.EndUpdate();
    list.Put(1, "c");
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Get(1), UnicodeString("c"));
    EXPECT_THROW(list.Get(2), Exception);
    EXPECT_THROW(list.Put(-1, "x"), Exception);
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

TEST(Application, PumpCountsAndCallsHook)
{
    int calls = 0;
    const TPumpHookGuard hook([&] { ++calls; });
    PumpCounter counter;
    Application->ProcessMessages();
    Application->ProcessMessages();
    EXPECT_EQ(counter.Count(), 2u);
    EXPECT_EQ(calls, 2);
}

} // namespace
