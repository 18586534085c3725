#pragma once
// What the scan needs of a window, without one: the Format List and its
// upkeep. The scan never reaches for the memo or the preview; if it did,
// the benchmark stops with an error instead of measuring it.
#include "FormatList.h"
#include "RenderView.h"
#include "StringList.h"

#include <stdexcept>

class TScanView : public TRenderView {
public:
    void MemoAdd(const UnicodeString&) override { throw std::logic_error("the scan wrote to the memo"); }
    TRichEdit& Preview() override { throw std::logic_error("the scan reached for the preview"); }
    TStrings& FormatList() override { return list; }
    bool ColorType() const override { return false; }
    UnicodeString LeadMarker() const override { return {}; }
    UnicodeString BracketMarker() const override { return {}; }
    void UpdateFormatList(int pos, int length) override { ::UpdateFormatList(list, pos, length); }
    void UpdateFormatListNoneMoved(int, int) override { ::UpdateFormatListNoneMoved(list); }

    TStringList list;
};
