// The editing tools' targets, each with the repaint it causes (offscreen): filling the whole
// level and pasting a level-sized stamp, undoing either, and a stamp following the pointer.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

#include "BenchWindow.h"
#include "document/LevelDocument.h"
#include "sample/SampleCartridge.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapPage.h"
#include "widgets/LevelView.h"

using namespace zantor;

namespace {
MainWindow& window() {
    static MainWindow* w = OpenBenchWindow("zantor-bench-tools.gb");
    return *w;
}

// A stamp as large as the level, of changing blocks.
Stamp levelStamp(int seed) {
    std::vector<int> cells(static_cast<size_t>(kMapCells));
    for (int i = 0; i < kMapCells; ++i)
        cells[size_t(i)] = (i * 7 + seed) % 128;
    return Stamp(QSize(kMapColumns, kMapRows), std::move(cells));
}

// Shape fill of all 12,288 cells (every one changes), with the repaint.
void BM_FillWholeLevel(benchmark::State& state) {
    LevelDocument* doc = window().document();
    doc->dropStamp();
    int block = 0;
    for (auto _ : state) {
        // The new choice's own repaint (the palette) is not the fill's.
        state.PauseTiming();
        doc->setPaintBlock(block++ % 128);
        QApplication::processEvents();
        state.ResumeTiming();
        doc->fillRectangle(QRect(0, 0, kMapColumns, kMapRows));
        QApplication::processEvents();
    }
    doc->undoStack()->clear();
}
BENCHMARK(BM_FillWholeLevel)->Unit(benchmark::kMillisecond);

void BM_PasteLevelStamp(benchmark::State& state) {
    LevelDocument* doc = window().document();
    const Stamp stamps[] = {levelStamp(1), levelStamp(2)};
    int n = 0;
    for (auto _ : state) {
        state.PauseTiming();
        doc->setStamp(stamps[n++ % 2]);
        state.ResumeTiming();
        doc->placeStamp(QPoint(0, 0));
        QApplication::processEvents();
    }
    doc->dropStamp();
    doc->undoStack()->clear();
}
BENCHMARK(BM_PasteLevelStamp)->Unit(benchmark::kMillisecond);

// Undoing a whole-level fill or paste, with the repaint.
void BM_UndoWholeLevelEdit(benchmark::State& state) {
    LevelDocument* doc = window().document();
    // A stamp no earlier benchmark left on the level.
    doc->setStamp(levelStamp(int(state.range(0)) + 40));
    if (state.range(0) == 0) {
        doc->dropStamp();
        doc->setPaintBlock(doc->cells()[0] == 3 ? 4 : 3);
        doc->fillRectangle(QRect(0, 0, kMapColumns, kMapRows));
    } else {
        doc->placeStamp(QPoint(0, 0));
    }
    QApplication::processEvents();
    for (auto _ : state) {
        doc->undoStack()->undo();
        QApplication::processEvents();
        state.PauseTiming();
        doc->undoStack()->redo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    // The level as it was, so that the next run's edit changes every cell again.
    doc->undoStack()->undo();
    doc->dropStamp();
    doc->undoStack()->clear();
}
BENCHMARK(BM_UndoWholeLevelEdit)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One pointer move with a 4 × 3 stamp under it, and the repaint of where it was and is.
void BM_StampFollowsPointer(benchmark::State& state) {
    MainWindow& w = window();
    LevelView* view = w.mapPage()->levelView();
    view->setZoomPercent(200);
    w.document()->setStamp(Stamp(QSize(4, 3), std::vector<int>(12, 0x21)));
    QWidget* map = view->viewport();
    int i = 0;
    for (auto _ : state) {
        ++i;
        const QPointF at(8 + (i * 5) % 800, 40 + (i / 160) % 400);
        QMouseEvent move(QEvent::MouseMove, at, map->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(map, &move);
        QApplication::processEvents();
    }
    w.document()->dropStamp();
}
BENCHMARK(BM_StampFollowsPointer)->Unit(benchmark::kMicrosecond);
}  // namespace
