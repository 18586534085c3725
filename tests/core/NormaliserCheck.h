#pragma once
// Runs the colour normaliser, a stage or one loop of it, on a table of
// (input, expected, pumps) cases.
#include "ColorParser.h"
#include "NormaliserTables.h"
#include "PadScan.h"
#include "TestText.h"

#include <functional>
#include <gtest/gtest.h>

namespace tt {

struct NormCase {
    UnicodeString input;
    UnicodeString expected;
    int pumps = -1; // -1: not checked
};

using Normalise = std::function<void(UnicodeString&)>;

inline void CheckCases(const Normalise& run, std::initializer_list<NormCase> cases)
{
    for (const auto& c : cases) {
        UnicodeString text = c.input;
        PumpCounter pumps;
        run(text);
        EXPECT_EQ(text, c.expected) << "input " << Printable(c.input);
        if (c.pumps >= 0) {
            EXPECT_EQ(pumps.Count(), static_cast<unsigned>(c.pumps)) << "input " << Printable(c.input);
        }
    }
}

inline Normalise WholePass()
{
    return [](UnicodeString& text) { text = TColorParser::RemoveBackColors(text); };
}

// Stages first..last; the padding stage includes the pad scan.
inline Normalise Stages(Normaliser::Stage first, Normaliser::Stage last)
{
    return [first, last](UnicodeString& text) {
        for (int s = static_cast<int>(first); s <= static_cast<int>(last); ++s) {
            const auto stage = static_cast<Normaliser::Stage>(s);
            Normaliser::Loops(stage).Run(text);
            if (stage == Normaliser::Stage::PadColorNumbers)
                Normaliser::PadScan(text);
        }
    };
}

inline Normalise OneStage(Normaliser::Stage stage) { return Stages(stage, stage); }

// Loop number n (0-based) of a stage, alone.
inline Normalise OneLoop(Normaliser::Stage stage, std::size_t n)
{
    return [list = LoopList({Normaliser::Loops(stage).at(n)})](UnicodeString& text) { list.Run(text); };
}

} // namespace tt
