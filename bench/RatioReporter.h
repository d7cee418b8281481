#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Prints what the console reporter prints and remembers each run's time, so that main() can
// print the ratios the README quotes.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Real time per iteration in nanoseconds of every run whose name starts with `prefix`.
    std::vector<double> timesOf(const std::string& prefix) const;
    double timeOf(const std::string& name) const;

private:
    std::map<std::string, double> nanoseconds_;
};
