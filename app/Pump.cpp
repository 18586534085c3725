#include "Pump.h"

#include <QCoreApplication>

#include <utility>

TThrottledPump::TThrottledPump(std::chrono::steady_clock::duration interval, std::function<void()> pump, Clock clock)
    : interval_(interval), pump_(std::move(pump)), clock_(std::move(clock)), last_(clock_())
{
}

void TThrottledPump::operator()()
{
    const auto now = clock_();
    if (now - last_ < interval_)
        return;
    // Set first: a click handled inside the pump may start a nested pass.
    last_ = now;
    pump_();
}

TThrottledPump QtEventPump()
{
    return TThrottledPump(std::chrono::milliseconds(5), [] { QCoreApplication::processEvents(); });
}

TPumpInstaller::TPumpInstaller(TApplication::Hook hook)
    : previous_(Application->SetProcessMessagesHook(std::move(hook)))
{
}

TPumpInstaller::~TPumpInstaller() { Application->SetProcessMessagesHook(std::move(previous_)); }
