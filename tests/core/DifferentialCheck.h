#pragma once
// Runs a text step beside its step-by-step form on many texts and compares
// the text and the pump count of every run.
#include "Outcome.h"
#include "TestText.h"

#include <gtest/gtest.h>
#include <vector>

namespace tt {

// Stops reporting after a few differences, so one bug does not flood the log.
inline void ExpectSame(const TextStep& fast, const TextStep& literal, const std::vector<UnicodeString>& inputs)
{
    int failures = 0;
    for (const UnicodeString& input : inputs) {
        const Outcome a = RunCounted(fast, input);
        const Outcome b = RunCounted(literal, input);
        if (a == b)
            continue;
        ADD_FAILURE() << "input " << Printable(input) << "\n  fast    " << Describe(a) << "\n  literal " << Describe(b);
        if (++failures == 5)
            return;
    }
}

} // namespace tt
