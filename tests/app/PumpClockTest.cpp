// The throttled pump shares one clock read among calls that come fast, and
// reads at every call again once calls are slow; either way it lets events
// through once per interval.
#include "Pump.h"

#include <QtTest>

#include <chrono>

using namespace std::chrono;

namespace {

struct Walk {
    steady_clock::time_point now{};
    int reads = 0;
    int pumps = 0;
};

TThrottledPump Make(Walk& w, std::uint32_t maxCallsPerRead)
{
    return TThrottledPump(
        milliseconds(5), [&w] { ++w.pumps; },
        [&w] {
            ++w.reads;
            return w.now;
        },
        maxCallsPerRead);
}

} // namespace

class PumpClockTest : public QObject {
    Q_OBJECT
private slots:
    // calls at a fixed step: how often the clock is read and the events run.
    void fixedStep_data()
    {
        QTest::addColumn<int>("stepNs");
        QTest::addColumn<int>("calls");
        QTest::addColumn<uint>("maxCallsPerRead");
        QTest::addColumn<int>("minPumps");
        QTest::addColumn<int>("maxPumps");
        QTest::addColumn<int>("maxReads");
        // 100 ms of calls 10 ns apart: about 20 pumps, one read per 256 calls.
        QTest::newRow("fast calls") << 10 << 10000000 << 256u << 19 << 20 << 10000000 / 256 + 64;
        // 100 ms of calls 1 ms apart: every call reads, one pump per 5 calls.
        QTest::newRow("slow calls") << 1000000 << 100 << 256u << 20 << 20 << 100 + 20 + 1;
        // Without sharing, every call reads, as before.
        QTest::newRow("one read per call") << 10 << 100000 << 1u << 0 << 0 << 100000 + 1;
    }
    void fixedStep()
    {
        QFETCH(int, stepNs);
        QFETCH(int, calls);
        QFETCH(uint, maxCallsPerRead);
        Walk w;
        TThrottledPump pump = Make(w, maxCallsPerRead);
        for (int i = 0; i < calls; ++i) {
            w.now += nanoseconds(stepNs);
            pump();
        }
        QFETCH(int, minPumps);
        QFETCH(int, maxPumps);
        QFETCH(int, maxReads);
        QVERIFY2(w.pumps >= minPumps && w.pumps <= maxPumps, qPrintable(QString::number(w.pumps)));
        QVERIFY2(w.reads <= maxReads, qPrintable(QString::number(w.reads)));
    }

    // After a fast stretch, slow calls are back to one read each within the
    // calls one read was sharing.
    void slowAfterFast()
    {
        Walk w;
        TThrottledPump pump = Make(w, 256);
        for (int i = 0; i < 100000; ++i) {
            w.now += nanoseconds(10);
            pump();
        }
        int slowCalls = 0;
        const int pumpsBefore = w.pumps;
        while (w.pumps < pumpsBefore + 3) {
            w.now += milliseconds(2);
            pump();
            ++slowCalls;
        }
        // At most 256 calls until the next read, then one pump every third call.
        QVERIFY2(slowCalls <= 256 + 9, qPrintable(QString::number(slowCalls)));
        const int reads = w.reads;
        for (int i = 0; i < 10; ++i) {
            w.now += milliseconds(2);
            pump();
        }
        QVERIFY2(w.reads - reads >= 10, qPrintable(QString::number(w.reads - reads)));
    }

    // A read taken while events run does not count as calls' time.
    void eventsTimeIsNoCallsTime()
    {
        Walk w;
        TThrottledPump pump(
            milliseconds(5),
            [&w] {
                w.now += milliseconds(50);
                ++w.pumps;
            },
            [&w] {
                ++w.reads;
                return w.now;
            },
            256);
        for (int i = 0; i < 1000000; ++i) {
            w.now += nanoseconds(10);
            pump();
        }
        // 10 ms of calls, each pump taking 50 ms of its own: about two pumps.
        QVERIFY2(w.pumps >= 1 && w.pumps <= 2, qPrintable(QString::number(w.pumps)));
        QVERIFY2(w.reads <= 1000000 / 256 + 64, qPrintable(QString::number(w.reads)));
    }
};

QTEST_MAIN(PumpClockTest)
#include "PumpClockTest.moc"
