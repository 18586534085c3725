#pragma once
// What each text operation promises for every input, checked on one call.
// A broken promise prints the input and the result and aborts, which the
// fuzzer records as a finding.
#include "StringList.h"
#include "UnicodeString.h"

#include <cstdint>

namespace fz {

// Pass1: only deletions, no form feed left; without a comma only form
// feeds and at most one wrap code per wrap rule go.
void CheckPrepareLine(const UnicodeString& in, const UnicodeString& out);
// Pass2: no unsupported code; every 0x03 before a digit carries an index
// "00".."15"; no two numbered colour codes back to back; plain text kept.
void CheckRemoveBackColors(const UnicodeString& in, const UnicodeString& out);
// Pass3: only colour codes go; no doubled code left but those that the
// one-digit loop for "1" brings together (indexes 10..15).
void CheckPrepareLine_(const UnicodeString& in, const UnicodeString& out);
// Exactly the longest ending made of the six end codes goes.
void CheckRemoveLastChars(const UnicodeString& in, const UnicodeString& out);
// Exactly the seven style and layout codes go, one pump per occurrence.
void CheckRemStyles(const UnicodeString& in, const UnicodeString& out, std::uint64_t pumps);
// None of the eight codes is left; only codes and colour digits go.
void CheckRemEscapes(const UnicodeString& in, const UnicodeString& out);
// None of the eight codes is left; only codes, colour digits and commas go.
void CheckFormatContent(const UnicodeString& in, const UnicodeString& out);
// Exactly the one code goes, one pump per occurrence.
void CheckStripOne(char16_t code, const UnicodeString& in, const UnicodeString& out, std::uint64_t pumps);
// Exactly bold, colour, underline, strikeout and reset go.
void CheckRemoveEscapes(const UnicodeString& in, const UnicodeString& out);

// The scan: only its codes and their colour digits go, none is left but in
// the last position, and the Format List holds one well-formed entry per
// deleted code, in text order.
void CheckScan(const UnicodeString& in, const UnicodeString& out, const TStrings& list);
// The cleaned line holds no code that the scan or the strip deletes.
void CheckCleanedLine(const UnicodeString& scanned, const UnicodeString& cleaned);

// Reports a broken promise and aborts.
[[noreturn]] void Fail(const char* what, const UnicodeString& in, const UnicodeString& out);

} // namespace fz
