#pragma once
// Prints Google Benchmark's table as usual and keeps each benchmark's median
// time per call, so that a closing summary can give every figure beside the
// linear reference of the same workload.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class TSummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    // Median per call, the ratio to "Reference/<workload>" and the pumps.
    void PrintSummary() const;

private:
    struct Figure {
        double seconds = 0; // median time per call
        double pumps = -1;  // per call; -1 when not counted
    };
    std::vector<std::string> order_; // "<op>/<workload>", as first reported
    std::map<std::string, Figure> figures_;
};
