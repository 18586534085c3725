#pragma once
// The three text passes of the preview and the code strippers. No data:
// every operation takes its text by value and returns the changed copy.
#include "UnicodeString.h"

class TColorParser {
public:
    // Pass1: form feeds, lead wrap codes, background numbers.
    static UnicodeString PrepareLine(UnicodeString Line);
    // Pass2: the nine normalising stages and the pad scan.
    static UnicodeString RemoveBackColors(UnicodeString Input);
    // Pass3: colour codes repeated back to back collapse to one.
    static UnicodeString PrepareLine_(UnicodeString Input);
    // The run of formatting codes at the end of the text goes.
    static UnicodeString RemoveLastChars(UnicodeString Input);
    // Style and layout codes go; colour codes stay whole.
    static UnicodeString RemStyles(UnicodeString Source);
    // Style codes, colour codes with a two-digit index, and every 0x03 go.
    static UnicodeString RemEscapes(UnicodeString Source);
};
