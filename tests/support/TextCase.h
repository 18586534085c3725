#pragma once
// One row of a table that checks a text step: the input, the text the step
// must give, and the pumps it must make.
#include "UnicodeString.h"

namespace tt {

struct TextCase {
    UnicodeString input;
    UnicodeString expected;
    int pumps = -1; // -1: not checked
};

} // namespace tt
