#pragma once
// The message pump behind Application->ProcessMessages: long passes call it
// at the head of every loop iteration, so it lets Qt handle pending events
// only once per interval and otherwise costs one clock read.
#include <chrono>
#include <functional>

#include "Application.h"

class TThrottledPump {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    TThrottledPump(std::chrono::steady_clock::duration interval, std::function<void()> pump,
                   Clock clock = &std::chrono::steady_clock::now);

    void operator()();

private:
    std::chrono::steady_clock::duration interval_;
    std::function<void()> pump_;
    Clock clock_;
    std::chrono::steady_clock::time_point last_;
};

// Runs QCoreApplication::processEvents at most every few milliseconds.
TThrottledPump QtEventPump();

// Installs a hook on Application while it lives, then puts the old one back.
class TPumpInstaller {
public:
    explicit TPumpInstaller(TApplication::Hook hook);
    ~TPumpInstaller();
    TPumpInstaller(const TPumpInstaller&) = delete;
    TPumpInstaller& operator=(const TPumpInstaller&) = delete;

private:
    TApplication::Hook previous_;
};
