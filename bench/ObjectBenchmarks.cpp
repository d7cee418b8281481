// The objects' targets: a dragged object following the pointer with the repaint it causes
// (offscreen), and what reading a level's object list adds to a full level load.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

#include "BenchWindow.h"
#include "codec/RomFile.h"
#include "document/CurrentObjectList.h"
#include "document/LevelDocument.h"
#include "document/ObjectListDocument.h"
#include "sample/SampleCartridge.h"
#include "session/RomSession.h"
#include "ui/main/MainWindow.h"
#include "ui/main/MapPage.h"
#include "widgets/LevelView.h"
#include "widgets/ObjectLayer.h"
#include "widgets/tools/ToolBox.h"

using namespace zantor;

namespace {
MainWindow& window() {
    static MainWindow* w = OpenBenchWindow("zantor-bench-objects.gb");
    return *w;
}

void send(QWidget* target, QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, target->mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// An object held by the pointer: each move takes it 8 pixels on (one undo step for the drag),
// and the view repaints where it was and is.
void BM_ObjectDragMove(benchmark::State& state) {
    MainWindow& w = window();
    LevelView* view = w.mapPage()->levelView();
    view->setZoomPercent(200);
    w.mapPage()->toolBox()->setKind(ToolBox::Kind::Objects);
    ObjectListDocument* list = w.objectList()->document();
    const LevelObject object = list->objects()[1];
    view->scrollToLevel(QPoint(object.x - 100, object.y - 100));
    QApplication::processEvents();
    QWidget* port = view->viewport();
    const QPointF grab = view->viewportPoint(QPointF(object.x + 8, object.y + 8));
    send(port, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        ++i;
        // Back and forth over 160 level pixels, a step of 8 (16 viewport pixels) each move.
        const int step = i % 40 < 20 ? i % 20 : 20 - i % 20;
        send(port, QEvent::MouseMove, grab + QPointF(16.0 * step, 0), Qt::LeftButton);
        QApplication::processEvents();
    }
    send(port, QEvent::MouseButtonRelease, grab, Qt::NoButton);
    list->undoStack()->undo();
    list->undoStack()->clear();
    w.mapPage()->toolBox()->setKind(ToolBox::Kind::Brush);
}
BENCHMARK(BM_ObjectDragMove)->Unit(benchmark::kMicrosecond);

const QString& samplePath() {
    static const QString path = [] {
        const QString at = QDir::temp().filePath("zantor-bench-objects-load.gb");
        QFile file(at);
        file.open(QIODevice::WriteOnly);
        file.write(BuildSampleCartridge(0));
        return at;
    }();
    return path;
}

// Making a level's object list document from what was read, and letting it go: what a load
// adds beside the reading (BM_ObjectListsRead).
void BM_ObjectListDocumentMade(benchmark::State& state) {
    LevelDocument level;
    level.load(samplePath(), 0);
    const ObjectListSource source = ReadObjectListSource(RomFile::open(samplePath()), 0);
    for (auto _ : state) {
        auto* document = new ObjectListDocument(level.session(), source);
        benchmark::DoNotOptimize(document->count());
        delete document;
    }
}
BENCHMARK(BM_ObjectListDocumentMade)->Unit(benchmark::kMicrosecond);

// Reading a level's object list, and which levels share it, from the file a load opened (its
// pages already read), as a load does.
void BM_ObjectListsRead(benchmark::State& state) {
    const RomFile rom = RomFile::open(samplePath());
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadObjectListSource(rom, 0).objects.size());
}
BENCHMARK(BM_ObjectListsRead)->Unit(benchmark::kMicrosecond);
}  // namespace
