// Test texts built from pieces, and random texts.
#include "TestText.h"

#include <utility>

namespace tt {

UnicodeString T(std::initializer_list<Piece> pieces)
{
    UnicodeString s;
    for (const auto& p : pieces)
        s += p.text;
    return s;
}

UnicodeString RandomLine(std::mt19937& rng, const std::u16string& alphabet, int maxLength)
{
    std::uniform_int_distribution<int> len(0, maxLength);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::u16string s;
    for (int n = len(rng); n > 0; --n)
        s.push_back(alphabet[pick(rng)]);
    return UnicodeString(std::move(s));
}

UnicodeString PieceLine(std::mt19937& rng, const std::vector<UnicodeString>& pieces, int maxPieces)
{
    std::uniform_int_distribution<int> len(0, maxPieces);
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    UnicodeString s;
    for (int n = len(rng); n > 0; --n)
        s += pieces[pick(rng)];
    return s;
}

std::vector<UnicodeString> AllTexts(const std::u16string& alphabet, int maxLength)
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

std::vector<UnicodeString> RandomTexts(unsigned seed, const std::u16string& alphabet, int maxLength, int count)
{
    std::mt19937 rng(seed);
    std::vector<UnicodeString> out;
    for (int i = 0; i < count; ++i)
        out.push_back(RandomLine(rng, alphabet, maxLength));
    return out;
}

std::vector<UnicodeString> PieceTexts(unsigned seed, const std::vector<UnicodeString>& pieces, int maxPieces, int count)
{
    std::mt19937 rng(seed);
    std::vector<UnicodeString> out;
    for (int i = 0; i < count; ++i)
        out.push_back(PieceLine(rng, pieces, maxPieces));
    return out;
}

std::vector<UnicodeString> Units(const std::u16string& units)
{
    std::vector<UnicodeString> out;
    for (char16_t c : units)
        out.push_back(UnicodeString(c));
    return out;
}

} // namespace tt
