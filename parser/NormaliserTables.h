#pragma once
// The rule loops of the colour normaliser (Pass2), stage by stage. Built
// once from the shared colour-code tables and shared by every call.
#include "RuleLoop.h"
#include "UnicodeString.h"

#include <vector>

namespace Normaliser {

// The nine stages, in the order they run.
enum class Stage {
    DropColorBeforeReset,
    CollapseRepeatedCodes,
    DropResetBeforeCode,
    DropStyleBeforeReset,
    DropUnsupportedCodes,
    FoldColorNumbers,
    StripBackColors,
    DropOverriddenColors,
    PadColorNumbers,
};
inline constexpr int StageCount = 9;

const char* Name(Stage stage);

// The loops of one stage, in the order they run.
const LoopList& Loops(Stage stage);

// Every loop of the nine stages, in the order they run.
const LoopList& AllLoops();

// One row of ColorFoldTable: a colour number 16..99 and its colour index.
struct FoldRow {
    int source;
    int target;
};
// In rule order: by target "00".."15", then by rising source.
const std::vector<FoldRow>& ColorFoldTable();

} // namespace Normaliser
