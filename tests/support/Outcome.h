#pragma once
// What one run of a text step gives, for comparing a fast form with its
// step-by-step reference: the text, the pumps, and the Format List where the
// step keeps one.
#include "UnicodeString.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tt {

// Changes a text in place: a pass, a stage, a loop, the scan.
using TextStep = std::function<void(UnicodeString&)>;
// Takes a text by value and returns the changed copy.
using TextOp = UnicodeString (*)(UnicodeString);

// The operation as a step.
TextStep Step(TextOp op);

struct Outcome {
    UnicodeString text;
    std::uint64_t pumps = 0;
    std::vector<UnicodeString> entries; // the Format List; empty for steps without one
    friend bool operator==(const Outcome&, const Outcome&) = default;
};

// Runs step on a copy of input and counts its pumps; leaves entries empty.
Outcome RunCounted(const TextStep& step, const UnicodeString& input);

// "text" pumps N, then the entries if there are any, for a failure message.
std::string Describe(const Outcome& o);

} // namespace tt
