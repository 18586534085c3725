#pragma once
// The step-by-step listing line of "Line": every part made as a text of its
// own, the numeric forms by a walk over the whole argument, the escape name
// by comparing the whole text with every row in turn. The window's listing
// writer must give the same line.
#include "UnicodeString.h"

#include <array>

namespace literal {

struct EscapeRow {
    char16_t code;
    const char* name;
};

// In the order they are tested; italic (0x1D) has no row.
inline constexpr std::array<EscapeRow, 7> EscapeRows{{
    {0x02, "x02"},
    {0x03, "x03"},
    {0x04, "x04"},
    {0x1F, "x1F"},
    {0x1E, "x1E"},
    {0x0F, "x0F"},
    {0x17, "x17"},
}};

// The escape name of the whole text: only a text that is exactly one
// named code has a name.
inline UnicodeString EscapeName(const UnicodeString& Input)
{
    UnicodeString result = "unknown";
    for (const EscapeRow& row : EscapeRows)
        if (Input == UnicodeString(row.code))
            result = row.name;
    return result;
}

// "0x" and two upper-case digits of the last unit's low 8 bits; empty for
// the empty text.
inline UnicodeString HexForm(const UnicodeString& AString)
{
    UnicodeString result;
    for (int i = 1; i <= AString.Length(); ++i) {
        result = IntToHex(AString[i] % 256, 3);
        result.Insert("x", 2);
    }
    return result;
}

// The last unit's low 8 bits in decimal; empty for the empty text.
inline UnicodeString DecimalForm(const UnicodeString& AString)
{
    UnicodeString result;
    for (int i = 1; i <= AString.Length(); ++i)
        result = IntToStr(AString[i] % 256);
    return result;
}

// The listing line of unit at its 1-based position.
inline UnicodeString ListingLine(int position, char16_t unit)
{
    UnicodeString number = IntToStr(position);
    if (position < 10)
        number = UnicodeString("0") + number;
    const UnicodeString u(unit);
    return number + ") Char: " + u + "   Hex: " + HexForm(u) + "   Decimal: " + DecimalForm(u)
           + "    Escape Ctrl: " + EscapeName(u);
}

} // namespace literal
