#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include "codec/MapCodec.h"
#include "codec/RomFile.h"
#include "map/MapHeader.h"
#include "map/MapTable.h"
#include "sample/SampleCartridge.h"
#include "support/TempRom.h"
#include "support/ToolProcess.h"

using namespace zantor;

class TestTool : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString sample_;

private slots:
    void initTestCase() {
        sample_ = dir_.filePath("sample.gb");
        const ToolRun run = RunToolProcess({"make-sample", sample_});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(ReadFile(sample_), BuildSampleCartridge(0));
    }

    void makeSampleVersions() {
        const QString path = dir_.filePath("v2.gb");
        QCOMPARE(RunToolProcess({"make-sample", path, "--version", "2"}).exitCode, 0);
        QCOMPARE(ReadFile(path), BuildSampleCartridge(2));
        QCOMPARE(RunToolProcess({"make-sample", path, "--version", "3"}).exitCode, 2);
    }

    void infoAgreesWithTheCore() {
        const ToolRun run = RunToolProcess({"info", sample_, "--json"});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject root = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(root["romVersion"].toInt(), 0);
        const QJsonArray maps = root["maps"].toArray();
        QCOMPARE(maps.size(), kMapCount);
        const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
        for (int i = 0; i < kMapCount; ++i) {
            const QJsonObject map = maps[i].toObject();
            const MapHeader header = MapHeader::read(rom, HeaderOffset(rom, i));
            QCOMPARE(map["name"].toString(), MapNames()[i]);
            QCOMPARE(map["headerOffset"].toInt(), HeaderOffset(rom, i));
            QCOMPARE(map["blockDataOffset"].toInt(), header.BlockDataOffset());
            const int32_t data = MapDataOffset(rom, header);
            QCOMPARE(map["mapDataOffset"].toInt(), data);
            const DecodedMap decoded = DecompressMap(rom, data);
            QCOMPARE(map["slot"].toInt(), decoded.CompressedLength - 1);
            QCOMPARE(map["bytesNeeded"].toInt(), CompressMapBytes(decoded.MapBuffer).size());
            QCOMPARE(map["header"].toString().split(' ').size(), 20);
        }
        const ToolRun text = RunToolProcess({"info", sample_});
        QCOMPARE(text.exitCode, 0);
        QVERIFY(text.out.contains("Offset des Mapheaders: 0x"));
        QVERIFY(text.out.contains("Mario's Castle"));
    }

    void exportMapByIndexAndByName() {
        const QString byIndex = dir_.filePath("1.bin");
        const QString byName = dir_.filePath("tz1.bin");
        QCOMPARE(RunToolProcess({"export-map", sample_, "1", byIndex}).exitCode, 0);
        QCOMPARE(RunToolProcess({"export-map", sample_, "Tree Zone 1", byName}).exitCode, 0);
        const QByteArray cells = ReadFile(byIndex);
        QCOMPARE(cells.size(), kMapCells);
        QCOMPARE(ReadFile(byName), cells);
        const RomFile rom = RomFile::fromBytes(BuildSampleCartridge(0));
        const DecodedMap map =
            DecompressMap(rom, MapDataOffset(rom, MapHeader::read(rom, HeaderOffset(rom, 1))));
        QCOMPARE(cells, QByteArray(reinterpret_cast<const char*>(map.MapBuffer.data()), kMapCells));
    }

    void renderTilesAndBlocksWritePngs() {
        // What they draw is the map loader's to prove; here, that each command writes its
        // picture, and a folder that is not there fails the run.
        const QList<std::tuple<QString, QSize>> pictures{
            {"render", QSize(4096, 768)}, {"tiles", QSize(128, 128)}, {"blocks", QSize(4096, 32)}};
        for (const auto& [command, size] : pictures) {
            const QString out = dir_.filePath(command + ".png");
            QCOMPARE(RunToolProcess({command, sample_, "Tree Zone 2", out}).exitCode, 0);
            QCOMPARE(QImage(out).size(), size);
        }
        QCOMPARE(
            RunToolProcess({"render", sample_, "0", dir_.filePath("no-such-dir/x.png")}).exitCode,
            1);
    }

    void importMapRoundTripsAndRefusesAShortFile() {
        const QString rom = dir_.filePath("import.gb");
        QCOMPARE(RunToolProcess({"make-sample", rom}).exitCode, 0);
        const QByteArray original = ReadFile(rom);
        const QString cells = dir_.filePath("map0.bin");
        QCOMPARE(RunToolProcess({"export-map", rom, "0", cells}).exitCode, 0);

        // The level as it is: the same encoding over the same bytes.
        QCOMPARE(RunToolProcess({"import-map", rom, "0", cells}).exitCode, 0);
        QCOMPARE(ReadFile(rom), original);

        // A level stored with room to spare takes a change (how it fills the slot is the map
        // saver's to prove; a level too big for its slot is tst_ToolSpace's).
        const QString roomyCells = dir_.filePath("map2.bin");
        QCOMPARE(RunToolProcess({"export-map", rom, "2", roomyCells}).exitCode, 0);
        QByteArray roomy = ReadFile(roomyCells);
        roomy[47 * 256 + 100] = char((uint8_t(roomy[47 * 256 + 100]) + 1) % 128);
        QCOMPARE(
            RunToolProcess({"import-map", rom, "2", WriteFile(dir_, "roomy.bin", roomy)}).exitCode,
            0);
        const QByteArray expected = ReadFile(rom);
        QCOMPARE(RunToolProcess({"export-map", rom, "2", roomyCells}).exitCode, 0);
        QCOMPARE(ReadFile(roomyCells), roomy);

        QCOMPARE(RunToolProcess(
                     {"import-map", rom, "2", WriteFile(dir_, "short.bin", QByteArray(100, 0))})
                     .exitCode,
                 2);
        QCOMPARE(ReadFile(rom), expected);
    }

    void failuresAndUsageErrors() {
        QCOMPARE(RunToolProcess({}).exitCode, 2);
        QCOMPARE(RunToolProcess({"no-such-command"}).exitCode, 2);
        QCOMPARE(RunToolProcess({"info"}).exitCode, 2);
        QCOMPARE(RunToolProcess({"info", sample_, "--bogus"}).exitCode, 2);
        QCOMPARE(
            RunToolProcess({"export-map", sample_, "Nowhere", dir_.filePath("x.bin")}).exitCode, 2);
        QCOMPARE(RunToolProcess({"info", "--help"}).exitCode, 0);
        QVERIFY(RunToolProcess({"--help"}).out.contains("export-map"));

        const ToolRun missing = RunToolProcess({"info", dir_.filePath("missing.gb")});
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains("missing.gb"));

        // Map bank 0 with a table address below 0x4000 leads to a negative offset: the read
        // error, exit 1, and no output file.
        QByteArray bad = BuildSampleCartridge(0);
        const int32_t header = HeaderOffset(RomFile::fromBytes(bad), 2);
        bad[header + 13] = 0x00;
        const int entry = 0x2F0 + 2 * uint8_t(bad[header + 18]);
        bad[entry] = bad[entry + 1] = 0x00;
        const ToolRun run = RunToolProcess(
            {"export-map", WriteFile(dir_, "bad.gb", bad), "2", dir_.filePath("w.bin")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.clean() && run.err.contains("Fehler beim Lesen der Datei."),
                 run.err.constData());
        QVERIFY(!QFile::exists(dir_.filePath("w.bin")));
    }
};

QTEST_GUILESS_MAIN(TestTool)
#include "tst_Tool.moc"
