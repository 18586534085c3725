#pragma once
// Runs a text operation beside its step-by-step form on many texts and
// compares the text and the pump count of every call.
#include "TestText.h"

#include <functional>
#include <random>
#include <vector>
#include <gtest/gtest.h>

namespace tt {

using TextFn = std::function<UnicodeString(const UnicodeString&)>;

struct Outcome {
    UnicodeString text;
    std::uint64_t pumps = 0;
};

inline Outcome RunCounted(const TextFn& op, const UnicodeString& input)
{
    PumpCounter pumps;
    UnicodeString text = op(input);
    return {std::move(text), pumps.Count()};
}

// Stops reporting after a few differences, so one bug does not flood the log.
inline void ExpectSame(const TextFn& fast, const TextFn& literal, const std::vector<UnicodeString>& inputs)
{
    int failures = 0;
    for (const UnicodeString& input : inputs) {
        const Outcome a = RunCounted(fast, input);
        const Outcome b = RunCounted(literal, input);
        if (a.text == b.text && a.pumps == b.pumps)
            continue;
        ADD_FAILURE() << "input " << Printable(input) << "\n  fast    " << Printable(a.text) << " pumps " << a.pumps
                      << "\n  literal " << Printable(b.text) << " pumps " << b.pumps;
        if (++failures == 5)
            return;
    }
}

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
