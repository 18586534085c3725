// The colour-code tables, built by rule, once.
#include "Codes.h"

namespace Codes {
namespace {

using Table = std::vector<UnicodeString>;

Table Digits(int count, int width)
{
    Table t;
    for (int n = 0; n < count; ++n) {
        UnicodeString s(n);
        while (s.Length() < width)
            s = UnicodeString("0") + s;
        t.push_back(s);
    }
    return t;
}

Table Prefixed(const Table& numbers)
{
    Table t;
    for (const auto& n : numbers)
        t.push_back(UnicodeString(ctrlC) + n);
    return t;
}

// Every (first, second) pair joined by sep, the first number varying fastest.
Table Pairs(const Table& first, const UnicodeString& sep, const Table& second)
{
    Table t;
    for (const auto& b : second)
        for (const auto& f : first)
            t.push_back(UnicodeString(ctrlC) + f + sep + b);
    return t;
}

Table Doubled(const Table& numbers)
{
    Table t;
    for (const auto& n : numbers)
        t.push_back(UnicodeString(ctrlC) + n + UnicodeString(ctrlC) + n);
    return t;
}

const UnicodeString comma(",");
const UnicodeString colour(ctrlC);

} // namespace

UnicodeString Text(std::initializer_list<char16_t> units) { return UnicodeString(std::u16string(units)); }

// clang-format off
const Table& Numbers1() { static const Table t = Digits(10, 1); return t; }
const Table& Numbers2() { static const Table t = Digits(16, 2); return t; }

const Table& ColorCodes1() { static const Table t = Prefixed(Numbers1()); return t; }
const Table& ColorCodes2() { static const Table t = Prefixed(Numbers2()); return t; }

const Table& ColorPairCodes11() { static const Table t = Pairs(Numbers1(), comma, Numbers1()); return t; }
const Table& ColorPairCodes12() { static const Table t = Pairs(Numbers1(), comma, Numbers2()); return t; }
const Table& ColorPairCodes21() { static const Table t = Pairs(Numbers2(), comma, Numbers1()); return t; }
const Table& ColorPairCodes22() { static const Table t = Pairs(Numbers2(), comma, Numbers2()); return t; }

const Table& AdjacentColorCodes11() { static const Table t = Pairs(Numbers1(), colour, Numbers1()); return t; }
const Table& AdjacentColorCodes12() { static const Table t = Pairs(Numbers1(), colour, Numbers2()); return t; }
const Table& AdjacentColorCodes21() { static const Table t = Pairs(Numbers2(), colour, Numbers1()); return t; }
const Table& AdjacentColorCodes22() { static const Table t = Pairs(Numbers2(), colour, Numbers2()); return t; }

const Table& DoubledColorCodes1() { static const Table t = Doubled(Numbers1()); return t; }
const Table& DoubledColorCodes2() { static const Table t = Doubled(Numbers2()); return t; }

// clang-format on
} // namespace Codes
