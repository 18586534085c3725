#pragma once
// Checks a text operation or step on a table of (input, expected, pumps) rows.
#include "Application.h"
#include "CodeSets.h"
#include "Outcome.h"
#include "TestText.h"
#include "TextCase.h"
#include "TextFilters.h"

#include <gtest/gtest.h>
#include <initializer_list>

namespace tt {

inline void ExpectCase(const TextCase& c, const UnicodeString& result, std::uint64_t pumps)
{
    EXPECT_EQ(result, c.expected) << "input " << Printable(c.input);
    if (c.pumps >= 0) {
        EXPECT_EQ(pumps, static_cast<unsigned>(c.pumps)) << "input " << Printable(c.input);
    }
}

// An operation on one row; the caller's text stays as it was.
inline void CheckOp(TextOp op, const TextCase& c)
{
    const UnicodeString before = c.input;
    const PumpCounter pumps;
    const UnicodeString result = op(c.input);
    ExpectCase(c, result, pumps.Count());
    EXPECT_EQ(c.input, before);
}

inline void CheckCases(const TextStep& step, std::initializer_list<TextCase> cases)
{
    for (const auto& c : cases) {
        const Outcome o = RunCounted(step, c.input);
        ExpectCase(c, o.text, o.pumps);
    }
}

} // namespace tt
