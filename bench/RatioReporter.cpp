#include "RatioReporter.h"

#include <iostream>

RatioReporter::RatioReporter(const std::string& format) {
    if (format == "json")
        display_ = std::make_unique<benchmark::JSONReporter>();
    else if (format == "csv")
        display_ = std::make_unique<benchmark::CSVReporter>();
    else
        display_ = std::make_unique<benchmark::ConsoleReporter>();
    display_->SetOutputStream(&std::cout);
    display_->SetErrorStream(&std::cerr);
}

bool RatioReporter::ReportContext(const Context& context) {
    return display_->ReportContext(context);
}

void RatioReporter::Finalize() {
    display_->Finalize();
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    display_->ReportRuns(runs);
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
