#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// Hands every report to the display reporter that --benchmark_format asks for (console, json
// or csv), and remembers each run's time, so that main() can print the ratios the README
// quotes. --benchmark_out still writes its file through the library's own file reporter.
class RatioReporter : public benchmark::BenchmarkReporter {
public:
    // format: "console", "json" or "csv".
    explicit RatioReporter(const std::string& format);

    bool ReportContext(const Context& context) override;
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // Real time per iteration in nanoseconds of every run whose name starts with `prefix`.
    std::vector<double> timesOf(const std::string& prefix) const;
    double timeOf(const std::string& name) const;

private:
    std::unique_ptr<benchmark::BenchmarkReporter> display_;
    std::map<std::string, double> nanoseconds_;
};
