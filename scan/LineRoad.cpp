// The road of one line from Pass1 to the cleaned text.
#include "LineRoad.h"

#include "ColorParser.h"
#include "ColorStyleScan.h"
#include "FormatListHost.h"
#include "StringList.h"

void RunLineRoad(const UnicodeString& Line, UnicodeString& Dummy, TFormatListHost& host, TLineRoadWatch& watch)
{
    Dummy = TColorParser::PrepareLine(Line);
    watch.Done(RoadStep::Pass1, Dummy);
    Dummy = TColorParser::RemoveBackColors(Dummy);
    watch.Done(RoadStep::Pass2, Dummy);
    Dummy = TColorParser::PrepareLine_(Dummy);
    watch.Done(RoadStep::Pass3, Dummy);
    TStrings& str = host.FormatList();
    str.BeginUpdate();
    str.Clear();
    str.EndUpdate();
    watch.BeforeScan();
    ColorStyleScan(Dummy, host);
    watch.Done(RoadStep::Scan, Dummy);
    Dummy = TColorParser::RemoveLastChars(Dummy);
    watch.Done(RoadStep::Strip, Dummy);
}

void RunLineRoad(const UnicodeString& Line, UnicodeString& Dummy, TFormatListHost& host)
{
    TLineRoadWatch none;
    RunLineRoad(Line, Dummy, host, none);
}
