#include <benchmark/benchmark.h>

#include <QRect>

#include "SampleRom.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSizeMeter.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"

using namespace zantor;

namespace {
MapCells sampleCells(int index) {
    return DecompressMap(SampleRom(), SampleMapData(index)).cells;
}

// One edit as the editor makes it: `area` painted with a block, then the meter told.
void paintAndMeasure(benchmark::State& state, int width, int height) {
    MapCells cells = sampleCells(1);
    MapSizeMeter meter(cells);
    int step = 0;
    for (auto _ : state) {
        const QRect area((step * 37) % (kMapColumns - width), (step * 11) % (kMapRows - height),
                         width, height);
        const uint8_t block = uint8_t(step % 128);
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                cells[size_t(y * kMapColumns + x)] = block;
        meter.cellsChanged(cells, area);
        benchmark::DoNotOptimize(meter.bytesNeeded());
        ++step;
    }
}

// A stroke's step: a 2 x 2 block of cells.
void BM_EditWithSizeMeter(benchmark::State& state) {
    paintAndMeasure(state, 2, 2);
}
BENCHMARK(BM_EditWithSizeMeter);

// A paste as tall as the level: every row recounted.
void BM_EditWithSizeMeterAllRows(benchmark::State& state) {
    paintAndMeasure(state, 16, kMapRows - 1);
}
BENCHMARK(BM_EditWithSizeMeterAllRows);

void BM_CompressMapToSlot(benchmark::State& state) {
    const MapCells cells = sampleCells(1);
    const int slot = int(CompressMapBytes(cells).size()) + 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompressMapToLength(cells, slot));
    }
}
BENCHMARK(BM_CompressMapToSlot);

void BM_ReadMapSpace(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(MapSpace::read(SampleRom()));
    }
}
BENCHMARK(BM_ReadMapSpace)->Unit(benchmark::kMicrosecond);
}  // namespace
