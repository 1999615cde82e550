#include "Goals.h"

#include <algorithm>
#include <cstdio>

namespace tarnwick::bench {

const std::vector<Goal>& goals() {
    static const std::vector<Goal> all{
        {"Calculate/", 20},          {"Keystroke", 1000},    {"CalculateClick", 1000},
        {"DataReportToPdf", 150000}, {"ReplayRecord", 2500},
    };
    return all;
}

void GoalReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred) continue;
        const double perMicrosecond = 1e6 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        const std::string name = run.run_name.str();
        auto known = std::find_if(timings_.begin(), timings_.end(),
                                  [&](const auto& entry) { return entry.first == name; });
        if (known == timings_.end()) known = timings_.insert(timings_.end(), {name, Timings{}});
        Timings& timings = known->second;
        timings.real.push_back(run.GetAdjustedRealTime() * perMicrosecond);
        timings.cpu.push_back(run.GetAdjustedCPUTime() * perMicrosecond);
    }
}

bool reportGoals(const BenchmarkTimings& timings, std::ostream& out) {
    char line[160];
    std::snprintf(line, sizeof line, "\nGoals, per run (medians)\n  %-20s %12s %12s %12s\n",
                  "benchmark", "cpu us", "real us", "goal us");
    out << line;
    bool allMet = true;
    for (const Goal& goal : goals()) {
        bool ran = false;
        for (const auto& [name, values] : timings) {
            if (name.rfind(goal.benchmarks, 0) != 0) continue;
            ran = true;
            const double cpu = median(values.cpu);
            const bool met = cpu <= goal.microseconds;
            allMet = allMet && met;
            std::snprintf(line, sizeof line, "  %-20s %12.2f %12.2f %12.0f  %s\n", name.c_str(),
                          cpu, median(values.real), goal.microseconds, met ? "met" : "MISSED");
            out << line;
        }
        if (!ran) {
            allMet = false;
            out << "  " << goal.benchmarks << "  did not run: MISSED\n";
        }
    }
    out << (allMet ? "every goal met\n" : "some goal MISSED\n");
    return allMet;
}

}  // namespace tarnwick::bench
