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

} // namespace tt
