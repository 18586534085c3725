// A message pump that lets its work run at most once per interval.
#include "ThrottledPump.h"

#include <algorithm>
#include <utility>

TThrottledPump::TThrottledPump(std::chrono::steady_clock::duration interval, std::function<void()> pump, Clock clock,
                               std::uint32_t maxCallsPerRead)
    : interval_(interval), pump_(std::move(pump)), clock_(std::move(clock)), last_(clock_()), lastRead_(last_),
      maxCallsPerRead_(std::max<std::uint32_t>(1, maxCallsPerRead))
{}

void TThrottledPump::Tick()
{
    const auto now = clock_();
    if (maxCallsPerRead_ > 1) {
        // As many calls per read as took about interval / 8 the last time; a
        // slow stretch brings the pump back to reading at every call.
        const auto target = interval_ / 8;
        const auto elapsed = now - lastRead_;
        const auto perCall = elapsed / calls_;
        const auto fit = perCall.count() > 0 ? target / perCall : std::chrono::steady_clock::rep(maxCallsPerRead_);
        callsPerRead_ =
            static_cast<std::uint32_t>(std::clamp<std::chrono::steady_clock::rep>(fit, 1, maxCallsPerRead_));
    }
    calls_ = 0;
    lastRead_ = now;
    if (now - last_ < interval_)
        return;
    // Set first: a click handled inside the pump may start a nested pass.
    last_ = now;
    pump_();
    // The interval runs from the end of the events: time spent in them is
    // neither the calls' time nor a reason to pump again at once.
    last_ = clock_();
    lastRead_ = last_;
}
