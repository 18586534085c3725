#pragma once
// A message pump that lets its work run at most once per interval: long
// passes call it at the head of every loop iteration. Where calls come fast,
// one clock read serves many of them, so that a call costs a few nanoseconds.
#include <chrono>
#include <cstdint>
#include <functional>

class TThrottledPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // maxCallsPerRead 1 reads the clock at every call; more lets the pump
    // read it about every interval / 8, but after at most that many calls.
    TThrottledPump(std::chrono::steady_clock::duration interval, std::function<void()> pump,
                   Clock clock = &std::chrono::steady_clock::now, std::uint32_t maxCallsPerRead = 1);

    void operator()()
    {
        if (++calls_ < callsPerRead_)
            return;
        Tick();
    }

private:
    void Tick();

    std::chrono::steady_clock::duration interval_;
    std::function<void()> pump_;
    Clock clock_;
    std::chrono::steady_clock::time_point last_;     // when pump_ last ran
    std::chrono::steady_clock::time_point lastRead_; // the clock's last reading
    std::uint32_t maxCallsPerRead_;
    std::uint32_t callsPerRead_ = 1;
    std::uint32_t calls_ = 0;
};
