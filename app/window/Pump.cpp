// The window's message pumps: Qt handles pending events every few milliseconds.
#include "Pump.h"

#include <QCoreApplication>

#include <chrono>

namespace {
constexpr auto EventInterval = std::chrono::milliseconds(5);
void ProcessEvents() { QCoreApplication::processEvents(); }
} // namespace

void ProcessEventsNow() { ProcessEvents(); }

TThrottledPump QtEventPump()
{
    return TThrottledPump(EventInterval, &ProcessEvents, &std::chrono::steady_clock::now, 256);
}

TThrottledPump QtSliceEventPump()
{
    return TThrottledPump(EventInterval, &ProcessEvents, &std::chrono::steady_clock::now, 1);
}
