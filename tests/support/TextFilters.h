#pragma once
// Texts filtered by unit, for checks that say what an operation may delete.
#include "UnicodeString.h"

#include <string_view>

namespace tt {

// The text without any unit of units, every other unit in order.
UnicodeString Without(const UnicodeString& s, std::u16string_view units);
// Only the units of units, in order.
UnicodeString Only(const UnicodeString& s, std::u16string_view units);
// The text without its longest ending made of units.
UnicodeString WithoutEnding(const UnicodeString& s, std::u16string_view units);
// part is whole with some units deleted (or none).
bool IsSubsequence(const UnicodeString& part, const UnicodeString& whole);

} // namespace tt
