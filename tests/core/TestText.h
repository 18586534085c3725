#pragma once
// Builds test texts from pieces: T({C, "04", "Hi", R}) etc.
#include "Application.h"
#include "Codes.h"
#include "UnicodeString.h"

#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace tt {

inline constexpr char16_t B = ctrlB, C = ctrlC, R = ctrlT, I = ctrlI, S = ctrlS, U = ctrlU, G = ctrlG, FF = ctrlFF,
                           Tab = ctrlTab;
// Codes that no stripper or remover deletes.
inline const std::u16string OtherCodes = u"\x04\x0C\x11\x16\x17";

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

// Every text of up to maxLength units over the alphabet.
inline std::vector<UnicodeString> AllTexts(const std::u16string& alphabet, int maxLength)
{
    std::vector<UnicodeString> out{UnicodeString()};
    std::size_t from = 0;
    for (int len = 1; len <= maxLength; ++len) {
        const std::size_t to = out.size();
        for (std::size_t i = from; i < to; ++i)
            for (char16_t c : alphabet)
                out.push_back(out[i] + UnicodeString(c));
        from = to;
    }
    return out;
}

// count random texts over the alphabet, each up to maxLength units.
inline std::vector<UnicodeString> RandomTexts(unsigned seed, const std::u16string& alphabet, int maxLength, int count)
{
    std::mt19937 rng(seed);
    std::vector<UnicodeString> out;
    for (int i = 0; i < count; ++i)
        out.push_back(RandomLine(rng, alphabet, maxLength));
    return out;
}

// count texts joined from random pieces, up to maxPieces each.
inline std::vector<UnicodeString> PieceTexts(unsigned seed, const std::vector<UnicodeString>& pieces, int maxPieces,
                                             int count)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> len(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::vector<UnicodeString> out;
    for (int i = 0; i < count; ++i) {
        UnicodeString s;
        for (int n = len(rng); n > 0; --n)
            s += pieces[pick(rng)];
        out.push_back(s);
    }
    return out;
}

} // namespace tt

// UnicodeString lives in the global namespace; gtest finds PrintTo there.
inline void PrintTo(const UnicodeString& s, std::ostream* os) { *os << '"' << Printable(s) << '"'; }
