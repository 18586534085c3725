#pragma once
// The code remover: operations that delete formatting codes from a text.
// No data: each takes its text by value and returns the changed copy.
#include "RuleLoop.h"
#include "UnicodeString.h"

#include <vector>

class TColorRemover {
public:
    // Tabled colour codes with their numbers, longest first, then eight
    // control codes.
    static UnicodeString FormatContent(UnicodeString Source);
    // Every bold code goes.
    static UnicodeString RemoveAllBolds(UnicodeString Source);
    // Every underline code goes.
    static UnicodeString RemoveAllUnderlines(UnicodeString Source);
    // Bold, colour, underline, strikeout and reset go; colour digits stay.
    static UnicodeString RemoveEscapes(UnicodeString Source);
};

// The loop list of each operation, built once.
namespace RemoverLoops {

// Five strip stages of colour codes, then nine strip loops of codes.
const LoopList& FormatContent();
const LoopList& RemoveAllBolds();
const LoopList& RemoveAllUnderlines();
// Five strip loops: 0x02, 0x03, 0x1F, 0x1E, 0x0F.
const LoopList& RemoveEscapes();

} // namespace RemoverLoops
