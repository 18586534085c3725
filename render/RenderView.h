#pragma once
// What a rendering job needs of the window: the memo, the preview, the
// AutoColor flag, the region markers, and the Format List with its upkeep.
// The window implements it; tests can hand a job a small fake instead.
#include "FormatListHost.h"
#include "StringList.h"
#include "UnicodeString.h"

class TRichEdit;

// The render's long steps that the passes' own message pump does not
// reach; the window handles its events between their slices.
enum class TRenderStep {
    ApplyLoop,      // the runs of the Format List coloured in the preview
    BeforeLayout,   // the preview's new line coloured, about to be laid out
    BetweenLayouts, // the line above it laid out again, the new line about to be
    AfterLayout,    // the preview's new line laid out
    AfterFont,      // a font chosen while the line was coloured taken after its layout
    Shown,          // the preview given back its painting, the caret placed
};

class TRenderView : public TFormatListHost {
public:
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
    // AutoColor ticked (colortype).
    virtual bool ColorType() const = 0;
    // Region markers NBL and NBR.
    virtual UnicodeString LeadMarker() const = 0;
    virtual UnicodeString BracketMarker() const = 0;
    // Lets the window handle its pending events between the slices of a
    // long step; a window throttles it. By default nothing happens.
    virtual void ProcessWindowEvents(TRenderStep /*step*/) {}
};
