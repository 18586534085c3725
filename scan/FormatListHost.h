#pragma once
// What the Color & Style Scan needs of the Format List's owner: the list,
// and its upkeep after each deletion. The window is one owner; a plain list
// with the Format List's own upkeep is another.
#include "FormatList.h"
#include "StringList.h"

class TFormatListHost {
public:
    virtual ~TFormatListHost() = default;

    // The Format List (str).
    virtual TStrings& FormatList() = 0;
    // Moves the recorded entries after a deletion of length units at pos.
    virtual void UpdateFormatList(int pos, int length) = 0;
    // The same upkeep, for a deletion at or after the start of every entry,
    // each of which converts (so are the scan's own entries): the walk
    // moves nothing. A host may skip it; by default the walk runs.
    virtual void UpdateFormatListNoneMoved(int pos, int length) { UpdateFormatList(pos, length); }
};

// A Format List of its own, kept by the Format List's upkeep. Nothing but
// the scan writes to it while the scan runs, so the walks that move nothing
// are skipped.
class TOwnFormatList : public TFormatListHost {
public:
    TStrings& FormatList() override { return list; }
    void UpdateFormatList(int pos, int length) override { ::UpdateFormatList(list, pos, length); }
    void UpdateFormatListNoneMoved(int, int) override { ::UpdateFormatListNoneMoved(list); }

    TStringList list;
};
