#pragma once
// One rendering job per "Line" click: runs the three passes, the Color &
// Style Scan and the trailing-code strip, logs every step in the memo and
// renders the cleaned line into the preview. A failing stage ends only
// itself; the later stages still run.
#include "UnicodeString.h"

#include <cstdint>

class TRenderView;
struct TPreviewLook;

class TRTFLine {
public:
    TRTFLine(TRenderView& view, const UnicodeString& Str);
    TRTFLine(const TRTFLine&) = delete;
    TRTFLine& operator=(const TRTFLine&) = delete;

    // Runs the job once.
    void DoSynchronize();

private:
    void LogFormatList();
    void PaintLine(const UnicodeString& Dummy, const TPreviewLook& look);
    void ColourLine(const UnicodeString& Dummy, const TPreviewLook& look);

    TRenderView& view_;
    const UnicodeString Line;
    std::uint64_t offset = 0; // preview position where this run's line starts
};
