#include "RatioReporter.h"

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
            const double perIteration = run.GetAdjustedRealTime();
            const double toNs = run.time_unit == benchmark::kMillisecond   ? 1e6
                                : run.time_unit == benchmark::kMicrosecond ? 1e3
                                                                           : 1.0;
            nanoseconds_[run.benchmark_name()] = perIteration * toNs;
        }
    }
}

std::vector<double> RatioReporter::timesOf(const std::string& prefix) const {
    std::vector<double> times;
    for (const auto& [name, ns] : nanoseconds_) {
        if (name.rfind(prefix, 0) == 0)
            times.push_back(ns);
    }
    return times;
}

double RatioReporter::timeOf(const std::string& name) const {
    const auto it = nanoseconds_.find(name);
    return it == nanoseconds_.end() ? 0.0 : it->second;
}
