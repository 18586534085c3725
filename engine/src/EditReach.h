#pragma once
// How far from its match a rule's edit reaches, and whether that is near
// enough to do the edit on a copy of the units there.
#include "RuleLoop.h"

#include <algorithm>
#include <cstdint>

namespace EditReach {

inline constexpr int Max = 64;

// The units from the match on that decide the edit: those it deletes or
// inserts among, plus as many as it deletes, so that an insertion point
// beyond the end of the text shows as such.
inline std::int64_t Of(const RewriteRule& r)
{
    std::int64_t span = r.pattern.Length();
    if (r.Deletes())
        span = std::max<std::int64_t>(span, std::int64_t{r.delOffset} + r.delCount);
    if (r.Inserts())
        span = std::max<std::int64_t>(span, r.insOffset);
    return span + (r.Deletes() ? r.delCount : 0);
}

// Offsets from the match never negative, and everything within Max units.
inline bool Fits(const RewriteRule& r)
{
    if (r.pattern.IsEmpty())
        return true; // never matches
    if (r.Deletes() && r.delOffset < 0)
        return false;
    if (r.Inserts() && (r.insOffset < 0 || r.insText.Length() > Max))
        return false;
    return Of(r) <= Max;
}

} // namespace EditReach
