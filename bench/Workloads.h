#pragma once
// The benchmark's lines, made from fixed seeds so every run measures the
// same text: a chat line, and three sizes of a dense mix of codes.
#include "UnicodeString.h"

#include <optional>
#include <string>
#include <vector>

struct Workload {
    std::string name;  // W1 .. W4
    std::string about; // what the line is
    UnicodeString text;
};

// A chat line of about 120 units holding about 8 codes.
UnicodeString ChatLine();
// Exactly length units of the dense mix: colour codes with one- and
// two-digit numbers and backgrounds, style and reset codes, the rarer codes,
// digits, commas, letters and blanks.
UnicodeString DenseLine(int length, unsigned seed);

// W1 (chat line), W2 (512 units), W3 (32,767 units), W4 (1 Mi units).
const std::vector<Workload>& Workloads();

// The window benchmark's lines, in its order: W1 .. W4, 4Mi (4 Mi units of
// the dense mix), then lines that hold what a text control takes as line
// breaks, or every unit: PS458k (458,752 U+2029), LF1Mi (1 Mi LF), CRLF1Mi
// (1 Mi CR LF pairs), LF4Mi (4 Mi LF), Alt1Mi (1 Mi units, Latin and Hebrew
// letters in turn: a run of each direction per letter), All64k (every UTF-16
// unit once, in order).
const std::vector<std::string>& WindowLineNames();
// One of those lines, made alone, so that a process that measures it holds
// none of the others; nothing for another name.
std::optional<Workload> MakeWorkload(const std::string& name);

// The control codes of a text (units below 0x20), counted in one sweep:
// the linear reference every figure is compared with.
int CountCodes(const UnicodeString& text);
