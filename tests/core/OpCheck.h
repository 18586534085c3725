#pragma once
// Table checks and text filters for the operations that take a text by value
// and return a changed copy.
#include "TestText.h"

#include <string_view>
#include <gtest/gtest.h>

namespace tt {

using TextOp = UnicodeString (*)(UnicodeString);

struct OpCase {
    UnicodeString input;
    UnicodeString expected;
    int pumps = -1; // -1: not checked
};

inline void CheckOp(TextOp op, const OpCase& c)
{
    const UnicodeString before = c.input;
    PumpCounter pumps;
    const UnicodeString result = op(c.input);
    EXPECT_EQ(result, c.expected) << "input " << Printable(c.input);
    EXPECT_EQ(c.input, before);
    if (c.pumps >= 0) {
        EXPECT_EQ(pumps.Count(), static_cast<unsigned>(c.pumps)) << "input " << Printable(c.input);
    }
}

// The text without any unit of codes, every other unit in order.
inline UnicodeString Without(const UnicodeString& s, std::u16string_view codes)
{
    std::u16string r;
    for (char16_t c : s.str())
        if (codes.find(c) == std::u16string_view::npos)
            r.push_back(c);
    return UnicodeString(std::move(r));
}

// Only the units of codes, in order.
inline UnicodeString Only(const UnicodeString& s, std::u16string_view codes)
{
    std::u16string r;
    for (char16_t c : s.str())
        if (codes.find(c) != std::u16string_view::npos)
            r.push_back(c);
    return UnicodeString(std::move(r));
}

inline bool IsSubsequence(const UnicodeString& part, const UnicodeString& whole)
{
    std::size_t j = 0;
    for (char16_t c : whole.str())
        if (j < part.str().size() && part.str()[j] == c)
            ++j;
    return j == part.str().size();
}

// Code-heavy random lines, lone surrogates included.
inline const std::u16string SurrogateAlphabet = CodeAlphabet + u"\xD800\xDFFF\xD83D\xDE00";

} // namespace tt
