#pragma once
// The window's message pumps behind Application->ProcessMessages and the
// render's slices: Qt handles pending events at most every few milliseconds.
#include "ThrottledPump.h"

// The pump of the passes, whose calls come nanoseconds apart.
TThrottledPump QtEventPump();

// The same for calls that come between slices of work, microseconds or
// more apart: it reads the clock at every call, so that a sparse caller
// never waits for a shared reading.
TThrottledPump QtSliceEventPump();

// The window's pending events at once, for a call between two long steps:
// the interval would skip it when a pump ran just before, and what came
// in between (a paint) would wait through the next step.
void ProcessEventsNow();
