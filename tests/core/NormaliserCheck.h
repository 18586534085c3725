#pragma once
// Runs the colour normaliser, a stage or one loop of it, on a table of
// (input, expected, pumps) cases.
#include "CaseCheck.h"
#include "ColorParser.h"
#include "NormaliserTables.h"
#include "PadScan.h"

namespace tt {

inline TextStep WholePass() { return Step(&TColorParser::RemoveBackColors); }

// Stages first..last; the padding stage includes the pad scan.
inline TextStep Stages(Normaliser::Stage first, Normaliser::Stage last)
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

inline TextStep OneStage(Normaliser::Stage stage) { return Stages(stage, stage); }

// Loop number n (0-based) of a stage, alone.
inline TextStep OneLoop(Normaliser::Stage stage, std::size_t n)
{
    return [list = LoopList({Normaliser::Loops(stage).at(n)})](UnicodeString& text) { list.Run(text); };
}

} // namespace tt
