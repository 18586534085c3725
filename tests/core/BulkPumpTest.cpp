// A counted stretch of pumps: the count grows by all of them, the hook runs once.
#include "Application.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::uint64_t times;
    std::uint64_t counted;
    int hookCalls;
};

TEST(BulkPump, CountsAllAndCallsTheHookOnce)
{
    const Case cases[] = {
        {0, 0, 0},
        {1, 1, 1},
        {5, 5, 1},
        {500000000000ull, 500000000000ull, 1},
    };
    for (const Case& c : cases) {
        int calls = 0;
        const TPumpHookGuard hook([&] { ++calls; });
        PumpCounter counter;
        Application->ProcessMessages(c.times);
        EXPECT_EQ(counter.Count(), c.counted) << c.times;
        EXPECT_EQ(calls, c.hookCalls) << c.times;
    }
}

TEST(BulkPump, WithoutAHookOnlyCounts)
{
    const TPumpHookGuard hook({});
    PumpCounter counter;
    Application->ProcessMessages(std::uint64_t{7});
    Application->ProcessMessages();
    EXPECT_EQ(counter.Count(), 8u);
}

} // namespace
