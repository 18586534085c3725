// Texts filtered by unit.
#include "TextFilters.h"

#include <string>
#include <utility>

namespace tt {
namespace {

UnicodeString Filtered(const UnicodeString& s, std::u16string_view units, bool keep)
{
    std::u16string r;
    for (char16_t c : s.str())
        if ((units.find(c) != std::u16string_view::npos) == keep)
            r.push_back(c);
    return UnicodeString(std::move(r));
}

} // namespace

UnicodeString Without(const UnicodeString& s, std::u16string_view units) { return Filtered(s, units, false); }

UnicodeString Only(const UnicodeString& s, std::u16string_view units) { return Filtered(s, units, true); }

UnicodeString WithoutEnding(const UnicodeString& s, std::u16string_view units)
{
    std::u16string r = s.str();
    while (!r.empty() && units.find(r.back()) != std::u16string_view::npos)
        r.pop_back();
    return UnicodeString(std::move(r));
}

bool IsSubsequence(const UnicodeString& part, const UnicodeString& whole)
{
    std::size_t i = 0;
    for (char16_t c : whole.str())
        if (i < part.str().size() && part.str()[i] == c)
            ++i;
    return i == part.str().size();
}

} // namespace tt
