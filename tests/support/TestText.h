#pragma once
// Builds test texts from pieces, T({C, "04", "Hi", R}), and random texts
// over an alphabet or from pieces: for the tests and the fuzz targets.
#include "Codes.h"
#include "UnicodeString.h"

#include <initializer_list>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace tt {

inline constexpr char16_t B = ctrlB, C = ctrlC, R = ctrlT, I = ctrlI, S = ctrlS, U = ctrlU, G = ctrlG, FF = ctrlFF,
                          Tab = ctrlTab;

// A piece of a test text: one unit (a control code, say) or an 8-bit literal.
struct Piece {
    UnicodeString text;
    Piece(char16_t unit) : text(unit) {}
    Piece(const char* s) : text(s) {}
};

UnicodeString T(std::initializer_list<Piece> pieces);

// Codes, digits and commas, as dense as a coded chat line gets.
inline const std::u16string CodeAlphabet = u"\x02\x03\x03\x03\x0F\x1D\x1E\x1F\x04\x11\x16\x17\x0C\x0E\x09"
                                           u"0123456789012345,,, ab";
// The same with lone surrogates and a surrogate pair.
inline const std::u16string SurrogateAlphabet = CodeAlphabet + u"\xD800\xDFFF\xD83D\xDE00";

// A random line over the alphabet, up to maxLength units.
UnicodeString RandomLine(std::mt19937& rng, const std::u16string& alphabet, int maxLength);
// A line joined from up to maxPieces random pieces.
UnicodeString PieceLine(std::mt19937& rng, const std::vector<UnicodeString>& pieces, int maxPieces);

// Every text of up to maxLength units over the alphabet.
std::vector<UnicodeString> AllTexts(const std::u16string& alphabet, int maxLength);
// count random lines over the alphabet, each up to maxLength units.
std::vector<UnicodeString> RandomTexts(unsigned seed, const std::u16string& alphabet, int maxLength, int count);
// count lines joined from random pieces, up to maxPieces each.
std::vector<UnicodeString> PieceTexts(unsigned seed, const std::vector<UnicodeString>& pieces, int maxPieces,
                                      int count);
// Each unit as a piece of its own.
std::vector<UnicodeString> Units(const std::u16string& units);

} // namespace tt

// UnicodeString lives in the global namespace; GoogleTest finds PrintTo there.
inline void PrintTo(const UnicodeString& s, std::ostream* os) { *os << '"' << Printable(s) << '"'; }
