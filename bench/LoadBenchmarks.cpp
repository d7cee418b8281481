#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstring>
#include <vector>

#include "LiteralLoad.h"
#include "codec/RomFile.h"
#include "document/LevelDocument.h"
#include "map/MapHeader.h"
#include "map/MapLoader.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"

using namespace zantor;

namespace {
QString writeRom(const QString& name, const QByteArray& bytes) {
    const QString path = QDir::temp().filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
    return path;
}

const QString& samplePath() {
    static const QString path = writeRom("zantor-bench-512k.gb", BuildSampleCartridge(0));
    return path;
}

// The sample padded to 8 MiB: the same maps, sixteen times the bytes.
const QString& paddedPath() {
    static const QString path = [] {
        QByteArray bytes = BuildSampleCartridge(0);
        bytes.append(8 * 1024 * 1024 - bytes.size(), char(0xFF));
        return writeRom("zantor-bench-8m.gb", bytes);
    }();
    return path;
}

// What opening a level costs the editor: the file opened, the tiles, blocks and map read, the
// sheet and the block strip drawn, the document ready for its views to paint.
void fullLoad(benchmark::State& state, const QString& path) {
    const int index = int(state.range(0));
    LevelDocument document;
    for (auto _ : state) {
        document.load(path, index);
        benchmark::DoNotOptimize(document.blockStrip().constScanLine(0));
        // What the load before let go (its object list) goes as the editor's event loop lets it;
        // the second call empties Qt's queue of the events the first delivered.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::sendPostedEvents();
    }
}

void BM_FullLoad(benchmark::State& state) {
    fullLoad(state, samplePath());
}
BENCHMARK(BM_FullLoad)->DenseRange(0, kMapCount - 1)->Unit(benchmark::kMicrosecond);

void BM_FullLoad8MiB(benchmark::State& state) {
    fullLoad(state, paddedPath());
}
BENCHMARK(BM_FullLoad8MiB)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_FullLoad512KiB(benchmark::State& state) {
    fullLoad(state, samplePath());
}
BENCHMARK(BM_FullLoad512KiB)->Arg(1)->Unit(benchmark::kMicrosecond);

void BM_DrawLevel(benchmark::State& state) {
    const LoadedMap map = LoadMap(RomFile::fromBytes(BuildSampleCartridge(0)), 1);
    for (auto _ : state) {
        Picture level = DrawLevel(map.blockStrip, map.cells);
        benchmark::DoNotOptimize(level.constScanLine(0));
    }
}
BENCHMARK(BM_DrawLevel)->Unit(benchmark::kMicrosecond);

// The floor: writing the level picture's bytes once.
void BM_MemcpyLevel(benchmark::State& state) {
    constexpr size_t kBytes = size_t(kLevelWidth) * kLevelHeight * 4;
    std::vector<char> from(kBytes, 1), to(kBytes, 0);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), kBytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MemcpyLevel)->Unit(benchmark::kMicrosecond);

void BM_LiteralLoad(benchmark::State& state) {
    const int index = int(state.range(0));
    for (auto _ : state) {
        LiteralLoadResult result = LiteralLoad(samplePath(), index);
        benchmark::DoNotOptimize(result.level.constBits());
    }
}
BENCHMARK(BM_LiteralLoad)->Arg(1)->Unit(benchmark::kMicrosecond);
}  // namespace
