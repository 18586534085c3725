#pragma once
// One rendering job per "Line" click: runs the three passes, the Color &
// Style Scan and the trailing-code strip, logs every step in the memo and
// renders the cleaned line into the preview. A failing stage ends only
// itself; the later stages still run.
#include "UnicodeString.h"

#include <cstdint>
#include <functional>

class TRenderView;

class TRTFLine {
public:
    // windowPump, when given, lets the window handle its events during the
    // preview's formatting, which the passes' message pump does not reach.
    TRTFLine(TRenderView& view, const UnicodeString& Str, std::function<void()> windowPump = {});
    TRTFLine(const TRTFLine&) = delete;
    TRTFLine& operator=(const TRTFLine&) = delete;

    // Runs the job once.
    void DoSynchronize();

private:
    TRenderView& view_;
    std::function<void()> windowPump_;
    const UnicodeString Line;
    std::uint64_t offset = 0; // preview position where this run's line starts
};
