// The speed goals of the calculator and their check against the timings of
// a benchmark run: each goal names the benchmarks it covers by the start of
// their names and the longest time per run it allows.
#pragma once

#include <benchmark/benchmark.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "Median.h"

namespace tarnwick::bench {

struct Goal {
    std::string benchmarks;  ///< every benchmark whose name starts so
    double microseconds;     ///< the longest time per run allowed
};

const std::vector<Goal>& goals();

/// The time per run of a benchmark in microseconds, one value per
/// repetition: the real time and the processor time it took.
struct Timings {
    std::vector<double> real, cpu;
};

/// Every benchmark's timings, in the order the benchmarks ran.
using BenchmarkTimings = std::vector<std::pair<std::string, Timings>>;

/// The console output, and the timings of every benchmark.
class GoalReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const BenchmarkTimings& timings() const { return timings_; }

private:
    BenchmarkTimings timings_;
};

/// Prints one line per benchmark a goal covers, with the medians of its
/// timings, the limit and whether it is met; true when every goal is met. A
/// goal is judged by the processor time: on an idle machine it is the real
/// time, and on a busy one the real time also counts the other programs'
/// turns. A goal whose benchmarks did not run counts as missed.
bool reportGoals(const BenchmarkTimings& timings, std::ostream& out);

}  // namespace tarnwick::bench
