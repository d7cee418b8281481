// The editor's hot paths as a user drives them: a painting stroke and scrolling, each event
// followed by the repaint it causes (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

#include "sample/SampleCartridge.h"
#include "ui/main/frmMain.h"

using namespace zantor;

namespace {
frmMain& window() {
    static frmMain* w = [] {
        const QString path = QDir::temp().filePath("zantor-bench-window.gb");
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(BuildSampleCartridge(0));
        file.close();
        auto* main = new frmMain(std::make_shared<EditorState>());
        main->show();
        main->openRom(path);
        QApplication::processEvents();
        return main;
    }();
    return *w;
}

void send(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void BM_PaintStroke1000Moves(benchmark::State& state) {
    frmMain& w = window();
    QWidget* map = w.picMap->surface();
    for (auto _ : state) {
        send(map, QEvent::MouseButtonPress, {8, 8}, Qt::LeftButton, Qt::LeftButton);
        for (int i = 0; i < 1000; ++i) {
            // Back and forth across the visible part, a new cell every few moves.
            const QPoint at((i * 3) % 440, 8 + (i / 150) * 40);
            send(map, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
            QApplication::processEvents();
        }
        send(map, QEvent::MouseButtonRelease, {8, 8}, Qt::LeftButton, Qt::NoButton);
    }
}
BENCHMARK(BM_PaintStroke1000Moves)->Unit(benchmark::kMillisecond);

void BM_Scroll1000Steps(benchmark::State& state) {
    frmMain& w = window();
    for (auto _ : state) {
        // Arrow steps of 4 pixels: right across 500 steps, then back, moving down on the way.
        for (int i = 0; i < 1000; ++i) {
            const int step = i < 500 ? i : 1000 - i;
            w.hscrMap->setValue(4 * step);
            if (i % 10 == 0)
                w.vscrMap->setValue((i / 10) % 100);
            QApplication::processEvents();
        }
    }
}
BENCHMARK(BM_Scroll1000Steps)->Unit(benchmark::kMillisecond);
}  // namespace
