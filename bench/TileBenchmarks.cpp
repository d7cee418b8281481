// The tileset editor's pencil: one move of a stroke with the live update of everything that
// shows the tile (the editor's sheet and pixel grid, the level's sheet and blocks, the visible
// level area), offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "BenchWindow.h"
#include "document/LevelDocument.h"
#include "document/TileSetDocument.h"
#include "ui/tiles/TileSetWindow.h"

using namespace zantor;

namespace {
struct TileBench {
    MainWindow* main = OpenBenchWindow("zantor-bench-tiles.gb");
    TileSetWindow* tiles = nullptr;
    TileBench() {
        LevelDocument* level = main->document();
        for (TileSetDocument* run : level->storedTiles().runs())
            run->confirmSharing();
        tiles = new TileSetWindow(level, main);
        tiles->show();
        // A tile of the first block in view that is not the background (the sky would have
        // the whole view repainted), so the level view has some cells to redraw.
        const int background = level->mostUsedBlock();
        int block = background;
        for (int i = 0; i < kMapCells && block == background; ++i)
            block = level->cells()[size_t(i)] & 0x7F;
        tiles->chooseTile(level->blocks()[size_t(block)][0]);
        QApplication::processEvents();
    }
};
TileBench& bench() {
    static TileBench b;
    return b;
}

void BM_TilePencilMove(benchmark::State& state) {
    TileSetWindow* tiles = bench().tiles;
    tiles->setColours(3, 0);
    tiles->pressPixel(QPoint(0, 0), Qt::LeftButton);
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        // Over the tile's pixels in turn, a new stroke of the other colour after each pass,
        // so that every move changes a pixel.
        const int n = step++ % 64;
        if (n == 0) {
            state.PauseTiming();
            tiles->releasePixel();
            tiles->setColours((step / 64) % 2 == 0 ? 3 : 1, 0);
            tiles->pressPixel(QPoint(0, 0), Qt::LeftButton);
            QApplication::processEvents();
            state.ResumeTiming();
        }
        tiles->dragPixel(QPoint(n % 8, n / 8));
        QApplication::processEvents();
    }
    tiles->releasePixel();
    bench().main->document()->storedTiles().undo();
    QApplication::processEvents();
}
BENCHMARK(BM_TilePencilMove)->Unit(benchmark::kMicrosecond);
}  // namespace
