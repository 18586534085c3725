// tintline_bench: the median time per call of every step of a line's road
// on four workloads, beside one linear sweep over the same text. Prints
// figures only; it never fails on time.
//
//   tintline_bench [--reps=N] [Google Benchmark flags, e.g. --benchmark_filter=W[12]]
#include "ColorParser.h"
#include "ColorRemover.h"
#include "ColorStyleScan.h"
#include "FormatListHost.h"
#include "LineRoad.h"
#include "StageInputs.h"
#include "Summary.h"
#include "Workloads.h"

#include "Application.h"
#include "Pump.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

using TextOp = UnicodeString (*)(UnicodeString);

// Runs body once per iteration and reports the pumps of one call.
void Measure(benchmark::State& state, const std::function<void()>& body)
{
    const PumpCounter pumps;
    for (auto _ : state)
        body();
    state.counters["pumps"] =
        benchmark::Counter(static_cast<double>(pumps.Count()), benchmark::Counter::kAvgIterations);
}

void TextStep(benchmark::State& state, TextOp op, int workload, Step input)
{
    const UnicodeString& text = StageInput(workload, input);
    Measure(state, [&] { benchmark::DoNotOptimize(op(text)); });
}

void Reference(benchmark::State& state, int workload)
{
    const UnicodeString& text = StageInput(workload, Step::Line);
    for (auto _ : state)
        benchmark::DoNotOptimize(CountCodes(text));
}

// The scan with its list upkeep, as a render runs it after emptying the list.
void Scan(benchmark::State& state, int workload)
{
    const UnicodeString& text = StageInput(workload, Step::AfterPass3);
    TOwnFormatList view;
    Measure(state, [&] {
        UnicodeString Dummy = text;
        view.list.Clear();
        ColorStyleScan(Dummy, view);
        benchmark::DoNotOptimize(Dummy);
    });
}

// The road of one line, as a render runs it.
void Road(benchmark::State& state, int workload)
{
    const UnicodeString& line = StageInput(workload, Step::Line);
    TOwnFormatList view;
    Measure(state, [&] {
        UnicodeString Dummy;
        RunLineRoad(line, Dummy, view);
        benchmark::DoNotOptimize(Dummy);
    });
}

// One pump as a long pass makes it: with the window's hook, and without any.
void Pump(benchmark::State& state, bool withHook)
{
    TPumpHookGuard hook(withHook ? TApplication::Hook(QtEventPump()) : TApplication::Hook());
    Measure(state, [] { Application->ProcessMessages(); });
}

void RegisterAll(int repetitions)
{
    for (auto* b : {benchmark::RegisterBenchmark("Pump/QtEventPump", Pump, true),
                    benchmark::RegisterBenchmark("Pump/NoHook", Pump, false)}) {
        b->Unit(benchmark::kNanosecond);
        if (repetitions > 1)
            b->Repetitions(repetitions)->ReportAggregatesOnly(true);
    }
    for (int w = 0; w < static_cast<int>(Workloads().size()); ++w) {
        const std::string name = Workloads()[static_cast<std::size_t>(w)].name;
        const benchmark::TimeUnit unit = w < 2 ? benchmark::kMicrosecond : benchmark::kMillisecond;
        std::vector<benchmark::internal::Benchmark*> all{
            benchmark::RegisterBenchmark(("Reference/" + name).c_str(), Reference, w),
            benchmark::RegisterBenchmark(("Pass1/" + name).c_str(), TextStep, &TColorParser::PrepareLine, w,
                                         Step::Line),
            benchmark::RegisterBenchmark(("Pass2/" + name).c_str(), TextStep, &TColorParser::RemoveBackColors, w,
                                         Step::AfterPass1),
            benchmark::RegisterBenchmark(("Pass3/" + name).c_str(), TextStep, &TColorParser::PrepareLine_, w,
                                         Step::AfterPass2),
            benchmark::RegisterBenchmark(("Scan/" + name).c_str(), Scan, w),
            benchmark::RegisterBenchmark(("RemoveLastChars/" + name).c_str(), TextStep, &TColorParser::RemoveLastChars,
                                         w, Step::AfterScan),
            benchmark::RegisterBenchmark(("Road/" + name).c_str(), Road, w),
            benchmark::RegisterBenchmark(("FormatContent/" + name).c_str(), TextStep, &TColorRemover::FormatContent, w,
                                         Step::Line),
        };
        for (auto* b : all) {
            b->Unit(unit);
            if (repetitions > 1)
                b->Repetitions(repetitions)->ReportAggregatesOnly(true);
        }
    }
}

// Takes --reps=N out of the arguments; the rest go to Google Benchmark.
int TakeRepetitions(int& argc, char** argv)
{
    int reps = 5;
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--reps=", 7) == 0)
            reps = std::atoi(argv[i] + 7);
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
    return reps;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv); // for the pump's processEvents
    const int reps = TakeRepetitions(argc, argv);
    RegisterAll(reps);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TSummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintSummary();
    benchmark::Shutdown();
    return 0;
}
