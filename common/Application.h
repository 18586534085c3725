#pragma once
// The application object's message pump. Long passes call ProcessMessages at
// the head of every loop iteration; the window installs a hook that lets Qt
// handle pending events, tests install one that counts.
#include <cstdint>
#include <functional>
#include <utility>

class TApplication {
public:
    using Hook = std::function<void()>;

    void ProcessMessages()
    {
        ++pumps_;
        if (hook_)
            hook_();
    }

    // Counts times pumps and lets the hook run once (none for 0): for a
    // stretch of pumps with nothing in between that could tell them apart.
    void ProcessMessages(std::uint64_t times)
    {
        if (times == 0)
            return;
        pumps_ += times;
        if (hook_)
            hook_();
    }

    // Returns the hook that was installed before.
    Hook SetProcessMessagesHook(Hook hook)
    {
        std::swap(hook, hook_);
        return hook;
    }

    std::uint64_t PumpCount() const { return pumps_; }

private:
    std::uint64_t pumps_ = 0;
    Hook hook_;
};

extern TApplication* Application;

// Installs a hook on Application while it lives, then puts back the one that
// was there before, also when the code in between throws.
class TPumpHookGuard {
public:
    explicit TPumpHookGuard(TApplication::Hook hook) : before_(Application->SetProcessMessagesHook(std::move(hook))) {}
    ~TPumpHookGuard() { Application->SetProcessMessagesHook(std::move(before_)); }
    TPumpHookGuard(const TPumpHookGuard&) = delete;
    TPumpHookGuard& operator=(const TPumpHookGuard&) = delete;

private:
    TApplication::Hook before_;
};

// Counts the pumps made while it lives (for tests and the benchmark).
class PumpCounter {
public:
    PumpCounter() : start_(Application->PumpCount()) {}
    std::uint64_t Count() const { return Application->PumpCount() - start_; }

private:
    std::uint64_t start_;
};
