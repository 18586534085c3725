// Google Benchmark's table, and a closing summary beside each linear reference.
#include "Summary.h"

#include <cstdio>

namespace {

std::string Readable(double seconds)
{
    char buf[32];
    if (seconds >= 1)
        std::snprintf(buf, sizeof buf, "%.3f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(buf, sizeof buf, "%.3f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(buf, sizeof buf, "%.3f us", seconds * 1e6);
    else
        std::snprintf(buf, sizeof buf, "%.1f ns", seconds * 1e9);
    return buf;
}

// A run that ended without figures: Google Benchmark 1.8 calls it skipped,
// 1.7 error_occurred.
template <typename Run>
bool Unfinished(const Run& run)
{
    if constexpr (requires { run.skipped; })
        return run.skipped != decltype(run.skipped){};
    else
        return run.error_occurred;
}

} // namespace

void TSummaryReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        // The median of several repetitions, or the one run of a single one.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (Unfinished(run) || !(median || single))
            continue;
        const std::string name = run.run_name.function_name;
        if (!figures_.count(name))
            order_.push_back(name);
        Figure& f = figures_[name];
        f.seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
        if (auto it = run.counters.find("pumps"); it != run.counters.end())
            f.pumps = it->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
}

void TSummaryReporter::PrintSummary() const
{
    std::printf("\nMedian time per call, and its ratio to one sweep that counts the codes of the same text:\n");
    std::printf("%-26s %14s %12s %14s\n", "benchmark", "median", "x reference", "pumps per call");
    for (const std::string& name : order_) {
        const Figure& f = figures_.at(name);
        const std::string workload = name.substr(name.find('/') + 1);
        const auto ref = figures_.find("Reference/" + workload);
        char ratio[32] = "-";
        if (ref != figures_.end() && ref->second.seconds > 0)
            std::snprintf(ratio, sizeof ratio, "%.1f", f.seconds / ref->second.seconds);
        char pumps[32] = "-";
        if (f.pumps >= 0)
            std::snprintf(pumps, sizeof pumps, "%.0f", f.pumps);
        std::printf("%-26s %14s %12s %14s\n", name.c_str(), Readable(f.seconds).c_str(), ratio, pumps);
    }
}
