// The editor's hot paths as a user drives them: a painting stroke recorded for undo and its
// undo, scrolling, and repainting a large viewport at 300 %, each event followed by the repaint
// it causes (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QScrollBar>

#include "BenchWindow.h"
#include "document/LevelDocument.h"
#include "sample/SampleCartridge.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapPage.h"
#include "widgets/LevelView.h"

using namespace zantor;

namespace {
MainWindow& window() {
    static MainWindow* w = OpenBenchWindow("zantor-bench-window.gb");
    return *w;
}

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// 1000 moves of one stroke, each painting (and recording for undo) a new cell every few moves.
void BM_PaintStroke1000Moves(benchmark::State& state) {
    MainWindow& w = window();
    LevelView* view = w.mapPage()->levelView();
    view->setZoomPercent(100);
    QWidget* map = view->viewport();
    int block = 0;
    for (auto _ : state) {
        w.document()->setPaintBlock(block++ % 128);
        send(map, QEvent::MouseButtonPress, {8, 8}, Qt::LeftButton, Qt::LeftButton);
        for (int i = 0; i < 1000; ++i) {
            const QPoint at((i * 3) % 440, 8 + (i / 150) * 40);
            send(map, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
            QApplication::processEvents();
        }
        send(map, QEvent::MouseButtonRelease, {8, 8}, Qt::LeftButton, Qt::NoButton);
    }
}
BENCHMARK(BM_PaintStroke1000Moves)->Unit(benchmark::kMillisecond);

// Undoing (and redoing) one 1000-move stroke with its repaint.
void BM_UndoStroke(benchmark::State& state) {
    MainWindow& w = window();
    QWidget* map = w.mapPage()->levelView()->viewport();
    w.document()->setPaintBlock(77);
    send(map, QEvent::MouseButtonPress, {8, 8}, Qt::LeftButton, Qt::LeftButton);
    for (int i = 0; i < 1000; ++i)
        send(map, QEvent::MouseMove, QPoint((i * 3) % 440, 8 + (i / 150) * 40), Qt::NoButton,
             Qt::LeftButton);
    send(map, QEvent::MouseButtonRelease, {8, 8}, Qt::LeftButton, Qt::NoButton);
    QApplication::processEvents();
    for (auto _ : state) {
        w.document()->undoStack()->undo();
        QApplication::processEvents();
        state.PauseTiming();
        w.document()->undoStack()->redo();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_UndoStroke)->Unit(benchmark::kMillisecond);

// One 4-pixel scroll step at 100 % with its repaint (1000 steps per iteration), in a window
// of the editor's first size.
void BM_Scroll1000Steps(benchmark::State& state) {
    MainWindow& w = window();
    w.resize(760, 620);
    QApplication::processEvents();
    LevelView* view = w.mapPage()->levelView();
    view->setZoomPercent(100);
    for (auto _ : state) {
        for (int i = 0; i < 1000; ++i) {
            const int step = i < 500 ? i : 1000 - i;
            view->horizontalScrollBar()->setValue(4 * step);
            if (i % 10 == 0)
                view->verticalScrollBar()->setValue((i / 10) % 100);
            QApplication::processEvents();
        }
    }
    w.resize(1400, 900);
    QApplication::processEvents();
}
BENCHMARK(BM_Scroll1000Steps)->Unit(benchmark::kMillisecond);

// A 1280 × 720 viewport repainted whole at 300 %.
void BM_Repaint1280x720At300(benchmark::State& state) {
    MainWindow& w = window();
    LevelView* view = w.mapPage()->levelView();
    view->setZoomPercent(300);
    view->viewport()->resize(1280, 720);
    for (auto _ : state) {
        view->viewport()->repaint();
    }
    view->setZoomPercent(100);
}
BENCHMARK(BM_Repaint1280x720At300)->Unit(benchmark::kMillisecond);
}  // namespace
