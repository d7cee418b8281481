// zantor-tool space, repack and import-map --repack, run as a process on the sample.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapSpace.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

namespace {
MapCells cellsOf(const QByteArray& image, int mapIndex) {
    const RomFile rom = RomFile::fromBytes(image);
    return DecompressMap(rom, MapDataOffset(rom, MapHeader::read(rom, HeaderOffset(rom, mapIndex))))
        .MapBuffer;
}

QByteArray bytesOf(const MapCells& cells) {
    return QByteArray(reinterpret_cast<const char*>(cells.data()), kMapCells);
}

// Map 1 of the sample with every third of its first `cells` cells changed: it needs more
// than its slot, and the more cells, the more bytes.
MapCells grownTreeZone1(const QByteArray& sample, int cells) {
    MapCells grown = cellsOf(sample, 1);
    for (int i = 0; i < cells; i += 3)
        grown[size_t(i)] = uint8_t((grown[size_t(i)] + 1) % 128);
    return grown;
}
}  // namespace

class TestToolSpace : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    const QByteArray sample_ = BuildSampleCartridge(0);

private slots:
    void spaceReportsTheCoresFigures() {
        // The figures themselves are tst_MapSpace's; here, that the report carries them.
        const QString rom = WriteFile(dir_, "space.gb", sample_);
        const ToolRun run = RunToolProcess({"space", rom, "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray banks = QJsonDocument::fromJson(run.out).object()["banks"].toArray();
        const MapSpace space = MapSpace::read(RomFile::fromBytes(sample_));
        QCOMPARE(banks.size(), qsizetype(space.banks().size()));
        const BankSpace& bank = space.banks().back();
        const QJsonObject region = banks.last()["regions"][0].toObject();
        QCOMPARE(region["end"].toInt(), bank.regions[0].end);
        QCOMPARE(region["maps"][0]["slot"].toInt(), bank.maps[0].slot);
        const ToolRun text = RunToolProcess({"space", rom});
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.out.contains("96 bytes in no map's slot"));
    }

    void importMapRepacksOnlyWhenAskedAndWhenItHelps() {
        const QString rom = WriteFile(dir_, "import.gb", sample_);
        const MapCells grown = grownTreeZone1(sample_, 600);
        const QString in = WriteFile(dir_, "grown.bin", bytesOf(grown));

        const ToolRun refused = RunToolProcess({"import-map", rom, "1", in});
        QCOMPARE(refused.exitCode, 1);
        QVERIFY(refused.err.contains("too big for its slot"));
        QVERIFY(refused.err.contains("--repack"));
        QCOMPARE(ReadFile(rom), sample_);

        const QByteArray huge = bytesOf(grownTreeZone1(sample_, 6000));
        const ToolRun tooBig =
            RunToolProcess({"import-map", rom, "1", WriteFile(dir_, "huge.bin", huge), "--repack"});
        QCOMPARE(tooBig.exitCode, 1);
        QVERIFY(tooBig.err.contains("Repacking cannot help"));
        QCOMPARE(ReadFile(rom), sample_);

        const ToolRun repacked = RunToolProcess({"import-map", rom, "1", in, "--repack"});
        QCOMPARE(repacked.exitCode, 0);
        QVERIFY(repacked.out.contains("2 Tree Zone 2  (moves)"));
        const QByteArray after = ReadFile(rom);
        QCOMPARE(cellsOf(after, 1), grown);
        QCOMPARE(cellsOf(after, 2), cellsOf(sample_, 2));  // moved
    }

    void repackABank() {
        const QString rom = WriteFile(dir_, "repack.gb", sample_);
        const ToolRun dry = RunToolProcess({"repack", rom, "0x0C", "--dry-run"});
        QCOMPARE(dry.exitCode, 0);
        QVERIFY(dry.out.contains("bank 0x0C, region 0x30310-0x318C2"));
        QCOMPARE(ReadFile(rom), sample_);

        QCOMPARE(RunToolProcess({"repack", rom, "12"}).exitCode, 0);
        const QByteArray after = ReadFile(rom);
        QVERIFY(after != sample_);
        for (int i = 0; i < kMapCount; ++i)
            QCOMPARE(cellsOf(after, i), cellsOf(sample_, i));

        QCOMPARE(RunToolProcess({"repack", rom, "twelve"}).exitCode, 2);
        const ToolRun noBank = RunToolProcess({"repack", rom, "0x30"});
        QCOMPARE(noBank.exitCode, 1);
        QVERIFY(noBank.err.contains("no map header names bank 0x30"));
    }
};

QTEST_GUILESS_MAIN(TestToolSpace)
#include "tst_ToolSpace.moc"
