#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "RatioReporter.h"

namespace {
double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printRatios(const RatioReporter& r) {
    const double load = median(r.timesOf("BM_FullLoad/"));
    const double memcpyLevel = r.timeOf("BM_MemcpyLevel");
    const double literal = r.timeOf("BM_LiteralLoad/1");
    const double big = r.timeOf("BM_FullLoad8MiB/1");
    const double small = r.timeOf("BM_FullLoad512KiB/1");
    std::printf("\nSummary\n");
    if (load > 0)
        std::printf("  full load, median over the sample's maps: %.0f us\n", load / 1e3);
    if (load > 0 && memcpyLevel > 0)
        std::printf("  full load / memcpy of the level picture:  %.2fx (target <= 1.0)\n",
                    load / memcpyLevel);
    if (load > 0 && literal > 0)
        std::printf("  literal load / full load:                 %.1fx (target >= 20)\n",
                    literal / load);
    const double paint = r.timeOf("BM_PaintStroke1000Moves");
    const double scroll = r.timeOf("BM_Scroll1000Steps");
    if (paint > 0)
        std::printf("  painting, per mouse move:                 %.3f ms (target < 0.2)\n",
                    paint / 1e6 / 1000);
    if (scroll > 0)
        std::printf("  scrolling, per step:                      %.3f ms (target < 0.2)\n",
                    scroll / 1e6 / 1000);
    const double meterEdit = r.timeOf("BM_EditWithSizeMeter");
    if (meterEdit > 0)
        std::printf("  an edit with the size meter's update:     %.4f ms (target <= 0.05)\n",
                    meterEdit / 1e6);
    if (big > 0 && small > 0)
        std::printf("  load from 8 MiB / from 512 KiB image:     %.2fx (target ~1.0)\n",
                    big / small);
}
}  // namespace

int main(int argc, char** argv) {
    // The literal baseline and the window benchmarks want an application, not a display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    printRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
