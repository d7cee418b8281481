#include <benchmark/benchmark.h>

#include "SampleRom.h"
#include "base/Picture.h"
#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "codec/TileCodec.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"

using namespace zantor;

namespace {
void BM_DecompressMap(benchmark::State& state) {
    const int32_t at = SampleMapData(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(DecompressMap(SampleRom(), at));
    }
}
BENCHMARK(BM_DecompressMap);

void BM_CompressMap(benchmark::State& state) {
    const MapCells cells = DecompressMap(SampleRom(), SampleMapData(1)).cells;
    for (auto _ : state) {
        benchmark::DoNotOptimize(CompressMapBytes(cells));
    }
}
BENCHMARK(BM_CompressMap);

void BM_DecodeTiles256(benchmark::State& state) {
    Picture sheet(128, 128);
    for (auto _ : state) {
        DrawTilesFromRom(SampleRom(), 0x149E5, 15, 15, sheet, 0, 0, kIdentityPalette);
        benchmark::DoNotOptimize(sheet.constScanLine(0));
    }
}
BENCHMARK(BM_DecodeTiles256);
}  // namespace
