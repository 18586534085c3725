#pragma once
// The Format List: one entry per deleted code, "start name end", the end
// being "00" when the run reaches the end of the line.
#include "StringList.h"
#include "UnicodeString.h"

#include <optional>

// The open end of an entry.
inline const UnicodeString OpenEnd("00");

// The three fields of an entry: the text before the first blank, the text
// between the first and the second blank, and everything after the second.
struct FormatEntry {
    UnicodeString Start;
    UnicodeString Col;
    UnicodeString Next;
};

FormatEntry SplitEntry(const UnicodeString& entry);

// "start name end"; no end gives the open end.
UnicodeString MakeEntry(int start, const UnicodeString& name, std::optional<int> end);

// After length units were deleted at pos: every entry that starts after pos
// moves left by length, its end with it unless the end is open. Pumps
// messages once per entry; an entry that does not convert ends the walk.
void UpdateFormatList(TStrings& list, int pos, int length);

// UpdateFormatList when every entry is known to start at or before pos and
// to convert: what remains of the walk is its update bracket and its pumps,
// one per entry.
void UpdateFormatListNoneMoved(TStrings& list);
