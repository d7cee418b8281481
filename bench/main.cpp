#include <benchmark/benchmark.h>

#include <QApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "RatioReporter.h"

namespace {
double median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void printRatios(const RatioReporter& r, FILE* out) {
    const double load = median(r.timesOf("BM_FullLoad/"));
    const double memcpyLevel = r.timeOf("BM_MemcpyLevel");
    const double literal = r.timeOf("BM_LiteralLoad/1");
    const double big = r.timeOf("BM_FullLoad8MiB/1");
    const double small = r.timeOf("BM_FullLoad512KiB/1");
    std::fprintf(out, "\nSummary\n");
    if (load > 0)
        std::fprintf(out, "  full load, median over the sample's maps: %.0f us\n", load / 1e3);
    if (load > 0 && memcpyLevel > 0)
        std::fprintf(out, "  full load / memcpy of the level picture:  %.3fx (target <= 0.1)\n",
                     load / memcpyLevel);
    if (load > 0 && literal > 0)
        std::fprintf(out, "  literal load / full load:                 %.1fx\n", literal / load);
    const double paint = r.timeOf("BM_PaintStroke1000Moves");
    const double undo = r.timeOf("BM_UndoStroke");
    const double scroll = r.timeOf("BM_Scroll1000Steps");
    const double repaint = r.timeOf("BM_Repaint1280x720At300");
    if (paint > 0)
        std::fprintf(out, "  painting with undo recording, per move:   %.4f ms (target <= 0.02)\n",
                     paint / 1e6 / 1000);
    if (undo > 0)
        std::fprintf(out, "  undoing a 1000-move stroke:               %.3f ms (target <= 1)\n",
                     undo / 1e6);
    if (scroll > 0)
        std::fprintf(out, "  4-pixel scroll step at 100 %%:             %.4f ms (target <= 0.1)\n",
                     scroll / 1e6 / 1000);
    if (repaint > 0)
        std::fprintf(out, "  1280 x 720 repaint at 300 %%:              %.3f ms (target <= 3)\n",
                     repaint / 1e6);
    const double meter = r.timeOf("BM_EditWithSizeMeter");
    if (meter > 0)
        std::fprintf(out, "  an edit with the size meter's update:     %.4f ms (target <= 0.05)\n",
                     meter / 1e6);
    const double objectMove = r.timeOf("BM_ObjectDragMove");
    if (objectMove > 0)
        std::fprintf(out, "  object drag, per move with its repaint:   %.4f ms (target <= 0.02)\n",
                     objectMove / 1e6);
    std::vector<double> loads;
    for (int level = 0; level < 14; ++level) {
        if (const double t = r.timeOf("BM_FullLoad/" + std::to_string(level)); t > 0)
            loads.push_back(t);
    }
    // A load reads the level's object list and makes its document from the file it opened:
    // against the rest of the load, what the two add.
    const double objects = r.timeOf("BM_ObjectListsRead") + r.timeOf("BM_ObjectListDocumentMade");
    if (objects > 0 && !loads.empty())
        std::fprintf(out, "  what the objects add to a full load:      %.3fx (target <= 1.05)\n",
                     median(loads) / (median(loads) - objects));
    if (big > 0 && small > 0)
        std::fprintf(out, "  load from 8 MiB / from 512 KiB image:     %.2fx (target ~1.0)\n",
                     big / small);
}

// The format --benchmark_format asks for; the library takes the flag out in Initialize.
std::string requestedFormat(int argc, char** argv) {
    const std::string flag = "--benchmark_format=";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind(flag, 0) == 0)
            return arg.substr(flag.size());
    }
    return "console";
}
}  // namespace

int main(int argc, char** argv) {
    // The literal baseline and the window benchmarks want an application, not a display.
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const std::string format = requestedFormat(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter(format);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    // After the library's own output; on stderr when stdout carries JSON or CSV.
    printRatios(reporter, format == "console" ? stdout : stderr);
    benchmark::Shutdown();
    return 0;
}
