#pragma once
// What a rendering job needs of the window: the memo, the preview, the
// Format List, the AutoColor flag, the region markers and the list upkeep.
// The window implements it; tests can hand a job a small fake instead.
#include "StringList.h"
#include "UnicodeString.h"

class TRichEdit;

class TRenderView {
public:
    virtual ~TRenderView() = default;

    // Appends one line to the result memo.
    virtual void MemoAdd(const UnicodeString& line) = 0;
    // Appends every line of the list, in order; a window may add them in one edit.
    virtual void MemoAddStrings(const TStrings& lines)
    {
        for (int i = 0; i < lines.Count(); ++i)
            MemoAdd(lines.Get(i));
    }
    // The preview control.
    virtual TRichEdit& Preview() = 0;
    // The Format List (str).
    virtual TStrings& FormatList() = 0;
    // AutoColor ticked (colortype).
    virtual bool ColorType() const = 0;
    // Region markers NBL and NBR.
    virtual UnicodeString LeadMarker() const = 0;
    virtual UnicodeString BracketMarker() const = 0;
    // Shifts the recorded entries after a deletion of length units at pos.
    virtual void UpdateFormatList(int pos, int length) = 0;
    // The same upkeep, for a deletion at or after the start of every entry,
    // each of which converts (so are the scan's own entries): the walk
    // moves nothing. A view may skip it; by default the walk runs.
    virtual void UpdateFormatListNoneMoved(int pos, int length) { UpdateFormatList(pos, length); }
};
