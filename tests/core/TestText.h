#pragma once
// Builds test texts from pieces: T({C, "04", "Hi", R}) etc.
#include "Application.h"
#include "Codes.h"
#include "UnicodeString.h"

#include <ostream>
#include <random>
#include <string>

namespace tt {

inline constexpr char16_t B = ctrlB, C = ctrlC, R = ctrlT, I = ctrlI, S = ctrlS, U = ctrlU, G = ctrlG, FF = ctrlFF;

// A piece of a test text: one control code or an 8-bit literal.
struct Piece {
    UnicodeString text;
    Piece(char16_t code) : text(code) {}
    Piece(const char* s) : text(s) {}
};

inline UnicodeString T(std::initializer_list<Piece> pieces)
{
    UnicodeString s;
    for (const auto& p : pieces)
        s += p.text;
    return s;
}

// A random line over the given alphabet.
inline UnicodeString RandomLine(std::mt19937& rng, const std::u16string& alphabet, int maxLength)
{
    std::uniform_int_distribution<int> len(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::u16string s;
    for (int n = len(rng); n > 0; --n)
        s.push_back(alphabet[pick(rng)]);
    return UnicodeString(std::move(s));
}

// Codes, digits and commas, as dense as a coded chat line gets.
inline const std::u16string CodeAlphabet = u"\x02\x03\x03\x03\x0F\x1D\x1E\x1F\x04\x11\x16\x17\x0C\x0E\x09"
                                           u"0123456789012345,,, ab";

} // namespace tt

// UnicodeString lives in the global namespace; gtest finds PrintTo there.
inline void PrintTo(const UnicodeString& s, std::ostream* os) { *os << '"' << Printable(s) << '"'; }
