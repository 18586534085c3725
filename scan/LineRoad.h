#pragma once
// The road of one line to its cleaned text: Pass1, Pass2, Pass3, the Format
// List emptied, the Color & Style Scan with its list upkeep, and the strip of
// the trailing codes. The rendering job, the benchmark and the fuzz targets
// all run this one road.
#include "UnicodeString.h"

class TFormatListHost;

// The road's steps, in their order.
enum class RoadStep { Pass1, Pass2, Pass3, Scan, Strip };

// What a caller may do between the steps. Each call comes once the step
// before it has completed and the working text holds its result.
class TLineRoadWatch {
public:
    virtual ~TLineRoadWatch() = default;

    // step has left text.
    virtual void Done(RoadStep /*step*/, const UnicodeString& /*text*/) {}
    // The passes are done and the Format List is emptied; the scan is next.
    virtual void BeforeScan() {}
};

// Runs the road on Line. Dummy takes each step's result as the step
// completes (the scan deletes in it directly), so an exception leaving a
// step leaves Dummy as far as the road got: untouched before Pass1 is done.
void RunLineRoad(const UnicodeString& Line, UnicodeString& Dummy, TFormatListHost& host, TLineRoadWatch& watch);
void RunLineRoad(const UnicodeString& Line, UnicodeString& Dummy, TFormatListHost& host);
